// Centring and moving the engine's dialogs.
#include "DialogPlacement.h"

#include "platform/framework/window/Desktop.h"

void PlaceDialog(TWindow& dialog, TPoint topLeft, TSize size) {
    // A child window is placed in its parent's client coordinates.
    if ((dialog.Attr.Style & WS_CHILD) != 0 && dialog.GetParent() != nullptr)
        topLeft = TDesktop::Get().ScreenToClient(dialog.GetParent(), topLeft);
    dialog.SetWindowPos(nullptr, topLeft.x, topLeft.y, size.cx, size.cy, SWP_DIALOGMOVE);
}

void MoveDialogTo(TWindow& dialog, TPoint topLeft) {
    const TRect r = dialog.GetWindowRect();
    PlaceDialog(dialog, topLeft, r.Size());
}

void CentreOnScreen(TWindow& dialog) {
    const TRect r = dialog.GetWindowRect();
    const TDesktop& desktop = TDesktop::Get();
    MoveDialogTo(dialog, {(desktop.GetSystemMetrics(SM_CXSCREEN) - r.Width()) / 2,
                          (desktop.GetSystemMetrics(SM_CYSCREEN) - r.Height()) / 2});
}

void CentreOverParent(TWindow& dialog) {
    const TWindow* parent = dialog.GetParent();
    if (parent == nullptr || !parent->IsWindow()) {
        CentreOnScreen(dialog);
        return;
    }
    const TRect p = parent->GetWindowRect();
    const TRect r = dialog.GetWindowRect();
    MoveDialogTo(dialog,
                 {p.left + p.Width() / 2 - r.Width() / 2, p.top + p.Height() / 2 - r.Height() / 2});
}

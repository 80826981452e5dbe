// TControl: creation from templates, the control's own border, focus and notifications.
#include "Control.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/chrome/Theme.h"
#include "platform/framework/dialogs/Dialog.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/GdiObject.h"
#include "platform/framework/window/Desktop.h"

#include <algorithm>
#include <cstring>

DEFINE_RESPONSE_TABLE1(TControl, TWindow)
EV_WM_SETFOCUS, EV_WM_KILLFOCUS, EV_MESSAGE(WM_ENABLE, EvEnable), END_RESPONSE_TABLE;

TControl::TControl(TWindow* parent, int id, const char* title, i32 x, i32 y, i32 w, i32 h,
                   TModule* module)
    : TWindow(parent, title, module) {
    Attr.Style = WS_CHILD | WS_VISIBLE;
    Attr.Id = static_cast<u32>(id);
    Attr.X = x;
    Attr.Y = y;
    Attr.W = w;
    Attr.H = h;
}

TControl::TControl(TWindow* parent, int resourceId, TModule* module)
    : TWindow(parent, nullptr, module), Bound(true) {
    Attr.Style = WS_CHILD | WS_VISIBLE;
    Attr.Id = static_cast<u32>(resourceId);
    // The dialog makes it with its own window, from the template.
    EnableAutoCreate(false);
}

TControl::~TControl() {
    if (TDialog* dialog = dynamic_cast<TDialog*>(GetParent()))
        dialog->ForgetControl(this);
}

void TControl::ApplyTemplate(const TDialogItemTemplate& item, const TRect& pixels) {
    Attr.Style = item.Style | WS_CHILD;
    Attr.Id = static_cast<u32>(item.Id);
    Attr.X = pixels.left;
    Attr.Y = pixels.top;
    Attr.W = pixels.Width();
    Attr.H = pixels.Height();
    // A text given to the object itself stands; otherwise the template's.
    if (GetCaption().empty())
        SetCaption(item.Text.c_str());
}

bool TControl::Create() {
    if (IsWindow())
        return true;
    // The control draws its own border inside its rectangle, so the window system must
    // not take room for one.
    if ((Attr.Style & WS_BORDER) != 0)
        Border = true;
    Attr.Style &= ~(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
    return TWindow::Create();
}

void TControl::GetWindowClass(WNDCLASS& wndClass) {
    wndClass.className = ClassName();
    wndClass.hasBackground = true;
    wndClass.background = BackgroundColor();
}

u32 TControl::BackgroundColor() const {
    return Theme::Face;
}

void TControl::Paint(TDC& dc, bool, TRect&) {
    PaintControl(dc);
}

void TControl::SetText(const char* text) {
    SetCaption(text);
    if (IsWindow())
        Invalidate(true);
}

int TControl::GetText(char* buffer, int maxChars) const {
    if (buffer == nullptr || maxChars <= 0)
        return 0;
    const std::string& text = GetCaption();
    const size_t n = std::min(text.size(), static_cast<size_t>(maxChars - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

void TControl::NotifyParent(u32 code) {
    TWindow* parent = GetParent();
    if (parent == nullptr || !parent->IsWindow())
        return;
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<u16>(Attr.Id), static_cast<u16>(code)),
                        static_cast<LPARAM>(HwndToParam(this)));
}

TDialog* TControl::GetDialog() const {
    return dynamic_cast<TDialog*>(GetParent());
}

bool TControl::TakeFocusFromClick() {
    if (TDialog* dialog = GetDialog())
        dialog->FocusControl(this);
    else
        SetFocus();
    return IsWindow();
}

const TFont& TControl::GetFont() const {
    if (const TDialog* dialog = GetDialog();
        dialog != nullptr && dialog->GetDialogFont() != nullptr)
        return *dialog->GetDialogFont();
    // Outside a dialog the control keeps a system font of its own.
    if (!OwnFont)
        OwnFont = std::make_unique<TFont>(Theme::SystemFontFace,
                                          -MulDiv(Theme::SystemFontPoints, 96, 72));
    return *OwnFont;
}

bool TControl::HasFocus() const {
    return IsWindow() && TDesktop::Get().GetFocus() == this;
}

void TControl::EvSetFocus(HWND) {
    if (TDialog* dialog = GetDialog())
        dialog->NoteFocus(this);
    Invalidate(true);
}

void TControl::EvKillFocus(HWND) {
    Invalidate(true);
}

LRESULT TControl::EvEnable(WPARAM, LPARAM) {
    Invalidate(true);
    return 0;
}

// TBitmapDlg: sizing to the picture, painting it, and closing by click or timer.
#include "BitmapDlg.h"

#include "DialogPlacement.h"

#include "resources/Resources.h"

#include "platform/framework/controls/Button.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/GdiObject.h"
#include "platform/framework/window/Desktop.h"

DEFINE_RESPONSE_TABLE1(TBitmapDlg, TDialog)
EV_WM_PAINT, EV_WM_ERASEBKGND, EV_WM_LBUTTONUP, EV_WM_RBUTTONUP, EV_WM_TIMER, END_RESPONSE_TABLE;

TBitmapDlg::TBitmapDlg(void* owner, TWindow* parent, TBitmap* bitmap, u16 flags, u32 resId,
                       const char* caption, u32 timerElapse, u32 width, u32 height, TModule* module)
    : TDialog(parent, resId, module), Owner(owner), Bitmap(bitmap), Flags(flags),
      TimerElapse(timerElapse), Width(width), Height(height) {
    if (resId == IDD_BITMAP)
        OkButton = new TButton(this, IDOK);
    if (caption != nullptr)
        SetCaption(caption);
}

TBitmapDlg::~TBitmapDlg() {
    if (TimerId != 0 && TimerElapse != 0 && IsWindow())
        KillTimer(TimerId);
    if ((Flags & BDF_OWNSBITMAP) != 0)
        delete Bitmap;
    Bitmap = nullptr;
}

bool TBitmapDlg::HasBitmap() const {
    return Bitmap != nullptr && Bitmap->IsValid();
}

bool TBitmapDlg::Create() {
    if (!TDialog::Create())
        return false;
    UpdateWindow();
    return true;
}

void TBitmapDlg::SetupWindow() {
    TDialog::SetupWindow();
    const TWindow* parent = GetParent();
    const bool hasParent = parent != nullptr && parent->IsWindow();
    bool explicitSize = false;
    if ((Flags & BDF_SIZETOBITMAP) != 0 && HasBitmap()) {
        if (Width != 0 && Height != 0) {
            // The parent's client origin; the screen's when there is no parent window.
            const TPoint origin =
                hasParent ? TDesktop::Get().ClientToScreen(parent->GetHandle(), {0, 0}) : TPoint{};
            PlaceDialog(*this, origin, {static_cast<i32>(Width), static_cast<i32>(Height)});
            explicitSize = true;
        } else {
            PlaceDialog(*this, GetWindowRect().TopLeft(), Bitmap->Size());
        }
    }
    if (!hasParent)
        CentreOnScreen(*this);
    else if (!explicitSize)
        CentreOverParent(*this);
    if (OkButton != nullptr && OkButton->IsWindow()) {
        if ((Flags & BDF_SHOWOK) == 0)
            OkButton->ShowWindow(SW_HIDE);
        if ((Flags & BDF_NOCLICKCLOSE) != 0)
            OkButton->EnableWindow(false);
    }
    if (TimerElapse != 0)
        SetTimer(TimerId, TimerElapse);
}

void TBitmapDlg::PaintBitmap(TDC& dc, bool, TRect&) {
    if (!HasBitmap())
        return;
    TMemoryDC memory(dc);
    memory.SelectObject(*Bitmap);
    const TRect client = GetClientRect();
    dc.StretchBlt(0, 0, client.Width(), client.Height(), memory, 0, 0, Bitmap->Width(),
                  Bitmap->Height(), SRCCOPY);
}

void TBitmapDlg::EvPaint() {
    if (!HasBitmap()) {
        TDialog::EvPaint();
        return;
    }
    TPaintDC dc(*this);
    PaintBitmap(dc, dc.Ps.fErase, dc.Ps.rcPaint);
}

bool TBitmapDlg::EvEraseBkgnd(TDC* dc) {
    // The picture covers the whole client area.
    if (HasBitmap())
        return true;
    return TDialog::EvEraseBkgnd(dc);
}

void TBitmapDlg::EvLButtonUp(u32, const TPoint&) {
    if ((Flags & BDF_NOCLICKCLOSE) == 0)
        CmOk();
}

bool TBitmapDlg::PreProcessMsg(MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && msg.hwnd == this &&
        (Flags & BDF_NOCLICKCLOSE) == 0) {
        CmOk();
        return true;
    }
    return TDialog::PreProcessMsg(msg);
}

void TBitmapDlg::EvRButtonUp(u32, const TPoint&) {
    if ((Flags & BDF_NOCLICKCLOSE) == 0)
        CmOk();
}

void TBitmapDlg::EvTimer(u32 timerId) {
    if (timerId != TimerId) {
        TDialog::EvTimer(timerId);
        return;
    }
    KillTimer(TimerId);
    CmOk();
}

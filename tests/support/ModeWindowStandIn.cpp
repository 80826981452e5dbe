// The stand-in mode window and frame: painting, frames and palette messages.
#include "ModeWindowStandIn.h"

#include "engine/media/VideoWinG.h"
#include "platform/framework/WinApi.h"

DEFINE_RESPONSE_TABLE1(TStandInModeWindow, TWindow)
EV_WM_ERASEBKGND, EV_WM_QUERYNEWPALETTE, EV_WM_PALETTECHANGED, END_RESPONSE_TABLE;

TStandInModeWindow::TStandInModeWindow() : TWindow(nullptr, "Mode") {
    Attr.X = 0;
    Attr.Y = 0;
    Attr.W = 640;
    Attr.H = 480;
}

TStandInModeWindow::~TStandInModeWindow() {
    ScreenMgr.reset();
}

TResponderList* TStandInModeWindow::GetResponderList() const {
    return ScreenMgr ? ScreenMgr->GetResponders() : nullptr;
}

void TStandInModeWindow::BuildFrame() {
    ++FrameCount;
    if (Video() != nullptr)
        Video()->RenderFrame();
}

void TStandInModeWindow::Paint(TDC& dc, bool erase, TRect& rect) {
    ++Paints;
    if (Video() != nullptr)
        Video()->Paint(dc, erase, rect);
}

bool TStandInModeWindow::EvQueryNewPalette() {
    return Video() != nullptr && Video()->ActivatePalette();
}

void TStandInModeWindow::EvPaletteChanged(HWND changer) {
    if (changer != GetHandle() && Video() != nullptr)
        Video()->DeactivatePalette(true);
}

DEFINE_RESPONSE_TABLE1(TStandInFrame, TFrameWindow)
EV_WM_PALETTECHANGED, END_RESPONSE_TABLE;

TStandInFrame::TStandInFrame(TStandInModeWindow* client)
    : TFrameWindow(nullptr, "Frame", client, true) {
    // Off the desktop's origin, so that client and screen coordinates differ.
    Attr.Style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    Attr.X = 77;
    Attr.Y = 19;
    Attr.W = 646;
    Attr.H = 505;
}

void TStandInFrame::EvPaletteChanged(HWND changer) {
    PaletteChanges.push_back(changer);
    if (ClientWnd != nullptr && ClientWnd->IsWindow())
        ClientWnd->SendMessage(WM_PALETTECHANGED, HwndToParam(changer), 0);
}

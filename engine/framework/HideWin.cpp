// TJorpHideWin: hands the focus on to the main window.
#include "HideWin.h"

#include "platform/framework/window/Application.h"
#include "platform/framework/window/FrameWindow.h"

DEFINE_RESPONSE_TABLE1(TJorpHideWin, TWindow)
EV_WM_SETFOCUS, EV_WM_KILLFOCUS, END_RESPONSE_TABLE;

TJorpHideWin::TJorpHideWin(TWindow* parent, const char* title) : TWindow(parent, title) {}

void TJorpHideWin::EvSetFocus(HWND hWndLostFocus) {
    const TApplication* app = GetApplication();
    TFrameWindow* main = app != nullptr ? app->GetMainWindow() : nullptr;
    if (main != nullptr && main->IsWindow()) {
        main->SetFocus();
        return;
    }
    TWindow::EvSetFocus(hWndLostFocus);
}

void TJorpHideWin::EvKillFocus(HWND hWndGetFocus) {
    TWindow::EvKillFocus(hWndGetFocus);
}

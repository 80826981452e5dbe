// TJorpHideWin: an invisible window that receives notices from system services and never
// keeps the keyboard focus.
#pragma once

#include "platform/framework/window/Window.h"

class TJorpHideWin : public TWindow {
public:
    // Style and creation are the derived window's.
    TJorpHideWin(TWindow* parent, const char* title);
    ~TJorpHideWin() override = default;

    // The focus goes on to the application's main window, when there is one.
    void EvSetFocus(HWND hWndLostFocus);
    void EvKillFocus(HWND hWndGetFocus);

    DECLARE_RESPONSE_TABLE(TJorpHideWin);
};

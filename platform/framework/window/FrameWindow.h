// TFrameWindow: a top-level window with a client window, a menu bar, an icon and the
// routing of commands and command enablers to the window with the focus.
#pragma once

#include "Window.h"

class TFrameWindow : public TWindow {
public:
    TFrameWindow(TWindow* parent, const char* title = nullptr, TWindow* clientWnd = nullptr,
                 bool shrinkToClient = false, TModule* module = nullptr);

    virtual TWindow* GetClientWindow() { return ClientWnd; }
    // Returns the client it replaces; null detaches the client without destroying it.
    virtual TWindow* SetClientWindow(TWindow* clientWnd);
    // Loads the menu resource and makes it the bar; false (bar unchanged) when the
    // resource does not exist.
    virtual bool AssignMenu(u32 menuResId);
    virtual bool SetMenu(HMENU newMenu);
    HMENU GetMenu() const;
    // Where commands go first: the focus window inside this frame, else the client.
    virtual HWND GetCommandTarget();
    bool SetIcon(TModule* iconModule, u32 iconResId);
    u32 GetIconId() const { return IconResId; }

    void SetupWindow() override;
    LRESULT EvCommand(u32 id, HWND hWndCtl, u32 notifyCode) override;
    void EvCommandEnable(TCommandEnabler& commandEnabler) override;

    void EvSetFocus(HWND hWndLostFocus);
    void EvInitMenuPopup(HMENU popupMenu, u32 index, bool sysMenu);
    void EvSize(u32 sizeType, const TSize& size);

protected:
    void FitClient();
    // The frame's edges (caption, borders, menu bar) differ from those it was last fitted with.
    bool EdgesChanged() const;
    // Hands the icon's picture to the backend for the host window.
    void ShowIcon();

    TWindow* ClientWnd = nullptr;
    // The window inside the frame that gets the focus back when the frame gets it.
    HWND HWndRestoreFocus = nullptr;
    bool ShrinkToClient = false;
    // Frame size less client size when a shrink-to-client frame was last fitted.
    TSize FittedInsets{-1, -1};
    TModule* IconModule = nullptr;
    u32 IconResId = 0;

    DECLARE_RESPONSE_TABLE(TFrameWindow);
};

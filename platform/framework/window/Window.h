// TWindow: a window object with its attributes, child windows, response table and the
// operations the program calls on it.
#pragma once

#include "Module.h"
#include "WindowState.h"
#include "platform/framework/ResponseTable.h"
#include "platform/framework/WinConstants.h"
#include "platform/framework/WinTypes.h"
#include "platform/host/MessageBox.h"

#include <string>
#include <vector>

class TApplication;
class TCommandEnabler;
class TDC;

// Creation attributes; Style stays the live style after creation.
struct TWindowAttr {
    u32 Style = WS_CHILD | WS_VISIBLE;
    u32 ExStyle = 0;
    i32 X = 0;
    i32 Y = 0;
    i32 W = 0;
    i32 H = 0;
    u32 Id = 0;
    // Menu and accelerator-table resource ids; 0 for none.
    u32 Menu = 0;
    u32 AccelTable = 0;
};

// Ownership: a window deletes its children when it goes, and a child deleted first leaves its
// parent's list. A child made with new and given a parent therefore belongs to the parent, and
// whoever made it keeps a plain pointer to it. Only an owner that always ends the child before
// the parent's own destructor runs may hold it in a unique_ptr (the combo box's dropped list).
class TWindow {
public:
    TWindow(TWindow* parent = nullptr, const char* title = nullptr, TModule* module = nullptr);
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    TWindowAttr Attr;

    // Life of the window behind the object.
    virtual bool Create();
    virtual void Destroy(int retVal = 0);
    virtual bool CanClose();
    // Destroys the window when it may close (the main window asks the application).
    virtual void CloseWindow(int retVal = 0);
    virtual void SetupWindow();
    virtual void CleanupWindow();
    virtual bool IdleAction(long idleCount);
    virtual bool PreProcessMsg(MSG& msg);
    virtual void Paint(TDC& dc, bool erase, TRect& rect);
    virtual void GetWindowClass(WNDCLASS& wndClass);
    virtual const TResponseEntry* Find(u32 msg, u32 id) const;
    virtual LRESULT EvCommand(u32 id, HWND hWndCtl, u32 notifyCode);
    virtual void EvCommandEnable(TCommandEnabler& commandEnabler);

    // The window system's entry: response table first, then default processing.
    LRESULT ReceiveMessage(u32 msg, WPARAM wp, LPARAM lp);
    LRESULT DefaultProcessing();
    LRESULT DefWindowProc(u32 msg, WPARAM wp, LPARAM lp);
    LRESULT SendMessage(u32 msg, WPARAM wp = 0, LPARAM lp = 0);
    bool PostMessage(u32 msg, WPARAM wp = 0, LPARAM lp = 0);

    // Object relations.
    HWND GetHandle() const { return Sys.Created ? const_cast<TWindow*>(this) : nullptr; }
    bool IsWindow() const { return Sys.Created; }
    TWindow* GetParent() const { return Parent; }
    void SetParent(TWindow* newParent);
    const std::vector<TWindow*>& GetChildren() const { return ChildList; }
    TApplication* GetApplication() const;
    TModule* GetModule() const;
    void SetModule(TModule* module) { Module = module; }
    bool IsMainWindow() const;
    const TWindowState& GetWindowState() const { return Sys; }

    // Window operations.
    bool ShowWindow(int cmd);
    bool IsWindowVisible() const;
    bool EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    bool IsIconic() const;
    void Invalidate(bool erase = true);
    void InvalidateRect(const TRect& rect, bool erase = true);
    void Validate();
    void UpdateWindow();
    bool SetWindowPos(HWND insertAfter, i32 x, i32 y, i32 cx, i32 cy, u32 flags);
    bool MoveWindow(i32 x, i32 y, i32 cx, i32 cy, bool repaint = false);
    TRect GetWindowRect() const;
    TRect GetClientRect() const;
    void ClientToScreen(TPoint& p) const;
    void ScreenToClient(TPoint& p) const;
    u32 SetTimer(u32 id, u32 elapseMs);
    bool KillTimer(u32 id);
    HWND SetCapture();
    void ReleaseCapture();
    HWND SetFocus();
    void SetCaption(const char* title);
    const std::string& GetCaption() const { return Title; }
    int MessageBox(const char* text, const char* caption = nullptr, u32 type = MB_OK);

    // Sets the window's own cursor; false when it was that cursor already. Shown at once
    // when the mouse is over the client area.
    bool SetCursor(TModule* module, u32 resId);
    HCURSOR GetCursorHandle() const { return CursorHandle; }

    // Handlers the window system's defaults stand behind; derived tables call them as
    // "the framework's" handler.
    void EvPaint();
    void EvClose();
    bool EvSetCursor(HWND hWndCursor, u32 hitTest, u32 mouseMsg);
    bool EvEraseBkgnd(TDC* dc);
    void EvSetFocus(HWND hWndLostFocus);
    void EvKillFocus(HWND hWndGetFocus);
    void EvActivate(u32 active, bool minimized, HWND hWndOther);
    void EvActivateApp(bool active, u32 threadId);
    void EvSize(u32 sizeType, const TSize& size);
    void EvTimer(u32 timerId);
    void EvGetMinMaxInfo(MINMAXINFO& info);
    void EvEnterMenuLoop(bool isTrackPopupMenu);
    void EvExitMenuLoop(bool isTrackPopupMenu);
    void EvInitMenuPopup(HMENU popupMenu, u32 index, bool sysMenu);
    bool EvQueryNewPalette();
    void EvPaletteChanged(HWND hWndPalChg);
    void EvShowWindow(bool show, u32 status);
    void EvChar(u32 key, u32 repeatCount, u32 flags);
    void EvKeyDown(u32 key, u32 repeatCount, u32 flags);
    void EvMouseMove(u32 modKeys, const TPoint& point);
    void EvLButtonDown(u32 modKeys, const TPoint& point);
    void EvLButtonUp(u32 modKeys, const TPoint& point);
    void EvLButtonDblClk(u32 modKeys, const TPoint& point);
    void EvRButtonDown(u32 modKeys, const TPoint& point);
    void EvRButtonUp(u32 modKeys, const TPoint& point);
    void EvRButtonDblClk(u32 modKeys, const TPoint& point);

    // The command handler in this window's own table, or default processing.
    LRESULT DispatchCommand(u32 id);
    // Runs this window's enabler for the command; false when it has none.
    bool DispatchCommandEnable(TCommandEnabler& commandEnabler);
    HACCEL GetAccelerators() const { return Accelerators; }
    // Children are created with their parent unless they ask not to be (dialogs).
    void EnableAutoCreate(bool enable) { AutoCreate = enable; }

private:
    friend class TDesktop;
    static const TResponseEntry ResponseEntries[];
    using TThisClass = TWindow;

    void AddChild(TWindow* child);
    void RemoveChild(TWindow* child);

    TWindowState Sys;
    TWindow* Parent = nullptr;
    std::vector<TWindow*> ChildList;
    TModule* Module = nullptr;
    std::string Title;
    HACCEL Accelerators = nullptr;
    HCURSOR CursorHandle = nullptr;
    TModule* CursorModule = nullptr;
    u32 CursorResId = 0;
    bool AutoCreate = true;

    struct TCurrentEvent {
        u32 Msg = 0;
        WPARAM WParam = 0;
        LPARAM LParam = 0;
    } Current;
};

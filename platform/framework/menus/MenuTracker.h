// A menu-bar session on a frame, as the user drives it: enter, open a pop-up, choose or cancel.
// The drawing layer drives it from the mouse and keyboard; tests drive it directly.
#pragma once

#include "platform/framework/WinTypes.h"

class TMenuTracker {
public:
    explicit TMenuTracker(HWND frame) : Frame(frame) {}
    ~TMenuTracker();
    TMenuTracker(const TMenuTracker&) = delete;
    TMenuTracker& operator=(const TMenuTracker&) = delete;

    // WM_ENTERMENULOOP; false without a live frame that has a menu bar.
    bool Enter();
    // Asks the enablers about the pop-up's items (WM_INITMENUPOPUP) and returns it;
    // null when there is no pop-up at that position.
    HMENU OpenPopup(int position);
    // Ends the session and posts the command when the item is in the open pop-up and
    // enabled; false (the session goes on) otherwise.
    bool Choose(u32 id);
    // Ends the session and posts the command of a menu-bar item that has no pop-up, when it
    // is enabled; false (the session goes on) otherwise.
    bool ChooseBarItem(int position);
    // Ends the session without a command.
    void Cancel();
    bool IsActive() const { return Active; }

private:
    void Exit();

    HWND Frame;
    HMENU Popup = nullptr;
    bool Active = false;
};

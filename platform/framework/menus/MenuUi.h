// The menu bar at work: mouse and keyboard drive a menu session on the active frame, which
// opens pop-ups, highlights items and chooses commands through a TMenuTracker.
#pragma once

#include "MenuTracker.h"
#include "PopupMenu.h"
#include "platform/framework/Backend.h"

#include <memory>

class TMenuUi {
public:
    static TMenuUi& Get();

    // Input from the backend before it becomes window messages; true when the menu took it.
    // While a session runs it takes all mouse and key input.
    bool OnInput(const TInputEvent& event);

    bool IsActive() const;
    HWND GetFrame() const { return IsActive() ? Frame : nullptr; }
    // The highlighted menu-bar item of this window, or -1.
    int GetBarSelection(HWND frame) const;
    // The open pop-up, or null.
    TPopupMenuWindow* GetPopup() const { return Popup.get(); }

    // Ends a session without a command.
    void Cancel();

private:
    TMenuUi() = default;

    bool OnKey(const TInputEvent& event);
    bool OnMouse(const TInputEvent& event);
    // The active frame with a menu bar that takes keyboard menu commands, or null.
    HWND KeyboardFrame() const;
    bool Start(HWND frame);
    void SelectBar(int index);
    // Opens the pop-up of a bar item (asking its enablers first); without one, only
    // highlights the item.
    void OpenPopup(int index, bool selectFirst);
    void ClosePopup();
    void MoveBar(int step);
    void MovePopup(int step);
    // Chooses a pop-up item; false when it cannot be chosen (separator, greyed).
    bool ChoosePopupItem(int index);
    bool ChooseBarItem(int index);
    void End();
    int BarItemCount() const;

    HWND Frame = nullptr;
    // The bar the session runs on.
    HMENU Bar = nullptr;
    std::unique_ptr<TMenuTracker> Tracker;
    std::unique_ptr<TPopupMenuWindow> Popup;
    int BarSelection = -1;
    // Alt went down with nothing else since: its release enters (or leaves) the bar.
    bool AltArmed = false;
    // The bar item a mouse press landed on, for choosing a command item on release.
    int PressedBarItem = -1;
    // A press ended the session: its release goes nowhere either.
    bool SwallowRelease = false;
};

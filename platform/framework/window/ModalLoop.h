// A nested loop for a modal window that runs without the application's loop: dialogs when
// no application exists yet, and message boxes, which hold the rest of the program still;
// and how a request to end the program unwinds every modal run before the main window closes.
#pragma once

#include "platform/framework/WinTypes.h"
#include "platform/host/MessageBox.h"
#include "platform/host/Types.h"

#include <vector>

class TWindow;

// The windows a modal window keeps still: with holdAll every top-level window outside it,
// else its owner. Returns those it disabled, for EnableAfterModal to give back in reverse
// order (skipping any destroyed meanwhile).
std::vector<HWND> DisableForModal(TWindow* window, bool holdAll);
void EnableAfterModal(const std::vector<HWND>& disabled);

class TModalLoop {
public:
    // What runs while the window is modal.
    enum class TOthers {
        // Every window's messages are handled, as in the application's own modal loop.
        Run,
        // Only the modal window and its children handle messages; the other windows are
        // repainted when uncovered, their timers skip the time and their posted messages
        // wait until the loop ends.
        Hold,
    };

    // Runs until End is called for the window (its value is returned) or until nothing can
    // happen any more or the program quits (then `ifStopped` is returned; a quit is passed
    // on to the loop outside), or the program is asked to end (then `ifClosed`, the window's
    // cancel answer; with MB_KEEPONCLOSE in the flags only a quit signal does, and the host's
    // close is dropped). Disables the other top-level windows as BeginModal does with the
    // flags; Hold disables every other top-level window.
    static int Run(TWindow* window, u32 flags, TOthers others, int ifStopped,
                   int ifClosed = IDCANCEL);
    // Ends the innermost run of the window; false when the window is not running one.
    static bool End(TWindow* window, int result);
    static bool IsRunning(const TWindow* window);

    // Requests from outside to end the program: the host's close and the quit signals. The
    // main window must not close under an open modal run: the code that opened each dialog or
    // box resumes when it returns, and works on what the main window owns. So a request that
    // comes while runs are open stands on the desktop; every run ends on it with its cancel
    // answer (the innermost first, and one opened while it stands at once), and the loop
    // outside them all then closes the main window as its close box would.

    // True while a run is open, the application's or one of these.
    static bool AnyOpen();
    // Called by each loop before it takes a message: a quit signal becomes a request once
    // there is something it can end (an open run or a main window); until then it waits.
    static void TakeQuitSignal();
    // A close of the main window that reaches a loop while runs are open becomes a request
    // instead of being handled there; true when the message was taken so.
    static bool DivertClose(const MSG& msg);
};

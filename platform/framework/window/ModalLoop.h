// A nested loop for a modal window that runs without the application's loop: dialogs when
// no application exists yet, and message boxes, which hold the rest of the program still.
#pragma once

#include "platform/framework/WinTypes.h"
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
    // on to the loop outside). Disables the other top-level windows as BeginModal does with
    // the flags; Hold disables every other top-level window.
    static int Run(TWindow* window, u32 flags, TOthers others, int ifStopped);
    // Ends the innermost run of the window; false when the window is not running one.
    static bool End(TWindow* window, int result);
    static bool IsRunning(const TWindow* window);
};

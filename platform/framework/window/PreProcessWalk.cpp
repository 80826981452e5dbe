// The walk of a message through its window and that window's parents before dispatch.
#include "PreProcessWalk.h"

#include "Desktop.h"
#include "Window.h"

bool PreProcessInWindow(MSG& msg, const TWindow* last) {
    TDesktop& desktop = TDesktop::Get();
    for (TWindow* w = msg.hwnd; w != nullptr && desktop.IsWindow(w); w = w->GetParent()) {
        // A window a modal one holds disabled takes no key: a letter typed into the window in
        // front must not press a button of the one behind it.
        if (!desktop.IsWindowEnabled(w))
            return false;
        if (w->PreProcessMsg(msg))
            return true;
        if (w == last)
            break;
    }
    return false;
}

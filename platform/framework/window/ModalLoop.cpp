// The nested loop of a modal window run without the application's loop, and the requests to
// end the program that unwind every modal run.
#include "ModalLoop.h"

#include "Application.h"
#include "Desktop.h"
#include "PreProcessWalk.h"
#include "Window.h"
#include "platform/host/MessageBox.h"
#include "platform/host/QuitSignals.h"

#include <vector>

namespace {

struct TLevel {
    TWindow* Window;
    bool Ended;
    int Result;
};

std::vector<TLevel>& Levels() {
    static std::vector<TLevel> levels;
    return levels;
}

bool IsWithin(TWindow* w, const TWindow* ancestor) {
    for (; w != nullptr; w = w->GetParent())
        if (w == ancestor)
            return true;
    return false;
}

} // namespace

std::vector<HWND> DisableForModal(TWindow* window, bool holdAll) {
    TDesktop& desktop = TDesktop::Get();
    std::vector<HWND> disabled;
    auto disable = [&](HWND w) {
        if (desktop.IsWindow(w) && desktop.IsWindowEnabled(w)) {
            desktop.EnableWindow(w, false);
            disabled.push_back(w);
        }
    };
    if (holdAll) {
        for (HWND top : desktop.GetTopLevelWindows())
            if (!IsWithin(top, window))
                disable(top);
    } else if (window != nullptr && window->GetParent() != nullptr) {
        TWindow* owner = window->GetParent();
        while ((owner->Attr.Style & WS_CHILD) != 0 && owner->GetParent() != nullptr)
            owner = owner->GetParent();
        disable(owner);
    }
    return disabled;
}

void EnableAfterModal(const std::vector<HWND>& disabled) {
    TDesktop& desktop = TDesktop::Get();
    for (auto it = disabled.rbegin(); it != disabled.rend(); ++it)
        if (desktop.IsWindow(*it))
            desktop.EnableWindow(*it, true);
}

int TModalLoop::Run(TWindow* window, u32 flags, TOthers others, int ifStopped, int ifClosed) {
    TDesktop& desktop = TDesktop::Get();
    if (window == nullptr || !desktop.IsWindow(window))
        return ifStopped;
    const std::vector<HWND> disabled = DisableForModal(
        window, others == TOthers::Hold || (flags & (MB_TASKMODAL | MB_SYSTEMMODAL)) != 0);
    Levels().push_back({window, false, ifStopped});
    const size_t level = Levels().size() - 1;
    std::vector<MSG> held;
    bool quit = false;
    bool closed = false;
    int quitCode = 0;
    for (;;) {
        TakeQuitSignal();
        // A window destroyed behind the loop's back cannot end it any more.
        if (Levels()[level].Ended || !desktop.IsWindow(window))
            break;
        if (desktop.IsClosePending()) {
            // The host's close goes by such a box and is not kept for later: the player closed
            // the window with a question on it, and the question is still his to answer.
            if ((flags & MB_KEEPONCLOSE) != 0 && !desktop.IsQuitSignalled()) {
                desktop.ClearCloseRequest();
                continue;
            }
            closed = true;
            break;
        }
        MSG msg;
        if (!desktop.PeekMessage(msg)) {
            // What the backend just brought may have been the request (or the signal) that
            // ends this run; no wait then.
            TakeQuitSignal();
            if (!desktop.IsClosePending() && !desktop.WaitMessage(TBackend::Infinite))
                break;
            continue;
        }
        if (msg.message == WM_QUIT) {
            quit = true;
            quitCode = static_cast<int>(static_cast<std::intptr_t>(msg.wParam));
            break;
        }
        if (DivertClose(msg))
            continue;
        if (others == TOthers::Hold && msg.message != WM_PAINT && !IsWithin(msg.hwnd, window)) {
            // Timers come round again by themselves; anything else is kept for later.
            if (msg.message != WM_TIMER)
                held.push_back(msg);
            continue;
        }
        if (!PreProcessInWindow(msg, window)) {
            desktop.TranslateMessage(msg);
            desktop.DispatchMessage(msg);
        }
    }
    int result = ifStopped;
    if (Levels()[level].Ended && !quit)
        result = Levels()[level].Result;
    else if (closed)
        result = ifClosed;
    Levels().erase(Levels().begin() + static_cast<std::ptrdiff_t>(level), Levels().end());
    EnableAfterModal(disabled);
    for (const MSG& m : held)
        desktop.PostMessage(m.hwnd, m.message, m.wParam, m.lParam);
    if (quit)
        desktop.PostQuitMessage(quitCode);
    return result;
}

bool TModalLoop::End(TWindow* window, int result) {
    for (auto it = Levels().rbegin(); it != Levels().rend(); ++it) {
        if (it->Window == window && !it->Ended) {
            it->Ended = true;
            it->Result = result;
            return true;
        }
    }
    return false;
}

bool TModalLoop::IsRunning(const TWindow* window) {
    for (const TLevel& l : Levels())
        if (l.Window == window && !l.Ended)
            return true;
    return false;
}

bool TModalLoop::AnyOpen() {
    const TApplication* app = TApplication::GetCurrent();
    return !Levels().empty() || (app != nullptr && app->IsModal());
}

void TModalLoop::TakeQuitSignal() {
    if (!TQuitSignals::Pending())
        return;
    TDesktop& desktop = TDesktop::Get();
    if (!AnyOpen() && !desktop.IsWindow(desktop.GetMainWindow()))
        return;
    if (TQuitSignals::Take()) {
        desktop.NoteQuitSignal();
        desktop.RequestClose();
    }
}

bool TModalLoop::DivertClose(const MSG& msg) {
    TDesktop& desktop = TDesktop::Get();
    if (msg.message != WM_CLOSE || msg.hwnd == nullptr || msg.hwnd != desktop.GetMainWindow() ||
        !AnyOpen())
        return false;
    desktop.RequestClose();
    return true;
}

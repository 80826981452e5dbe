// TApplication: main window, message loop, idle time, modal loops and condemned windows.
#include "Application.h"

#include "Desktop.h"
#include "FrameWindow.h"
#include "ModalLoop.h"
#include "PreProcessWalk.h"
#include "Window.h"
#include "platform/host/Clock.h"
#include "platform/host/MessageBox.h"
#include "platform/host/QuitSignals.h"

#include <algorithm>

namespace {
TApplication* Current = nullptr;
} // namespace

TApplication::TApplication(const char* name) : TModule(name) {
    Current = this;
}

TApplication::~TApplication() {
    DeleteCondemned();
    TFrameWindow* main = MainWindow;
    MainWindow = nullptr;
    delete main;
    DeleteCondemned();
    if (Current == this)
        Current = nullptr;
}

TApplication* TApplication::GetCurrent() {
    return Current;
}

TFrameWindow* TApplication::SetMainWindow(TFrameWindow* window) {
    TFrameWindow* old = MainWindow;
    MainWindow = window;
    TDesktop::Get().SetMainWindow(window);
    return old;
}

void TApplication::InitMainWindow() {
    SetMainWindow(new TFrameWindow(nullptr, GetName().c_str()));
}

void TApplication::InitInstance() {
    InitMainWindow();
    if (MainWindow == nullptr)
        return;
    TDesktop::Get().SetMainWindow(MainWindow);
    if (MainWindow->Create())
        MainWindow->ShowWindow(nCmdShow);
}

int TApplication::Run() {
    // Asked to end before the main window was made (a quit signal, or a box at the start that
    // a signal or the host's close ended): nothing is on screen to close and nothing has
    // changed that needs saving.
    TDesktop& desktop = TDesktop::Get();
    if (desktop.IsClosePending() || TQuitSignals::Take()) {
        desktop.ClearCloseRequest();
        return QuitCode = 0;
    }
    InitInstance();
    if (MainWindow == nullptr || !MainWindow->IsWindow())
        return QuitCode = -1;
    return MessageLoop();
}

int TApplication::MessageLoop() {
    const TLoopEnd end = RunLoop(nullptr, TBackend::Infinite);
    if (end == TLoopEnd::Starved)
        QuitCode = -1;
    return QuitCode;
}

bool TApplication::CanClose() {
    return MainWindow == nullptr || MainWindow->CanClose();
}

bool TApplication::IdleAction(long idleCount) {
    DeleteCondemned();
    if (MainWindow != nullptr && MainWindow->IsWindow())
        return MainWindow->IdleAction(idleCount);
    return false;
}

bool TApplication::ProcessAppMsg(MSG& msg) {
    // The window the message is for and its parents see it first: accelerators live there.
    return PreProcessInWindow(msg);
}

TApplication::TLoopEnd TApplication::RunLoop(const std::function<bool()>& done, u64 deadline) {
    TDesktop& desktop = TDesktop::Get();
    // A request to end (the host's close, a quit signal) reaches the main window once no modal
    // run is open any more, as its close box would, so the program saves and ends the normal
    // way; before there is a main window, the request waits for it.
    const auto closeDue = [&] {
        return desktop.IsClosePending() && !TModalLoop::AnyOpen() && MainWindow != nullptr &&
               MainWindow->IsWindow();
    };
    long idleCount = 0;
    for (;;) {
        TModalLoop::TakeQuitSignal();
        if (done && done())
            return TLoopEnd::Done;
        if (closeDue()) {
            desktop.ClearCloseRequest();
            desktop.PostMessage(MainWindow, WM_CLOSE, 0, 0);
        }
        MSG msg;
        if (desktop.PeekMessage(msg)) {
            if (msg.message == WM_QUIT) {
                QuitCode = static_cast<int>(static_cast<std::intptr_t>(msg.wParam));
                return TLoopEnd::Quit;
            }
            idleCount = 0;
            if (TModalLoop::DivertClose(msg))
                continue;
            if (!ProcessAppMsg(msg)) {
                desktop.TranslateMessage(msg);
                desktop.DispatchMessage(msg);
            }
            continue;
        }
        if (IdleAction(idleCount++))
            continue;
        // What the backend just brought may have been a request; no wait then.
        TModalLoop::TakeQuitSignal();
        if ((done && done()) || closeDue())
            continue;
        if (GetTickCount64() >= deadline)
            return TLoopEnd::Deadline;
        if (!desktop.WaitMessage(deadline))
            return TLoopEnd::Starved;
    }
}

bool TApplication::PumpWaitingMessages() {
    TDesktop& desktop = TDesktop::Get();
    bool any = false;
    MSG msg;
    while (desktop.PeekMessage(msg)) {
        if (msg.message == WM_QUIT) {
            // Left for the loop that owns the program's end.
            desktop.PostQuitMessage(static_cast<int>(static_cast<std::intptr_t>(msg.wParam)));
            QuitCode = static_cast<int>(static_cast<std::intptr_t>(msg.wParam));
            return any;
        }
        any = true;
        if (!ProcessAppMsg(msg)) {
            desktop.TranslateMessage(msg);
            desktop.DispatchMessage(msg);
        }
    }
    IdleAction(0);
    return any;
}

TApplication::TLoopEnd TApplication::RunFor(u64 ms) {
    return RunLoop(nullptr, GetTickCount64() + ms);
}

int TApplication::BeginModal(TWindow* window, int flags) {
    TDesktop& desktop = TDesktop::Get();
    const std::vector<HWND> disabled =
        DisableForModal(window, (flags & (MB_TASKMODAL | MB_SYSTEMMODAL)) != 0);
    Modal.push_back({window});
    const size_t level = Modal.size() - 1;
    // A request to end the program ends the run as the dialog's Cancel would, and so does the
    // window going without ending it (destroyed with the window that opened it): a run whose
    // window is gone would wait for ever, with nothing on screen that answers.
    const TLoopEnd end = RunLoop(
        [&] { return Modal[level].Ended || desktop.IsClosePending() || !desktop.IsWindow(window); },
        TBackend::Infinite);
    int result = Modal[level].Ended ? Modal[level].Result : IDCANCEL;
    Modal.pop_back();
    EnableAfterModal(disabled);
    if (end == TLoopEnd::Quit) {
        // The outer loop must end too.
        desktop.PostQuitMessage(QuitCode);
        result = -1;
    } else if (end == TLoopEnd::Starved) {
        result = -1;
    }
    return result;
}

void TApplication::EndModal(int result, const TWindow* window) {
    for (auto it = Modal.rbegin(); it != Modal.rend(); ++it) {
        if (!it->Ended && it->Window == window) {
            it->Ended = true;
            it->Result = result;
            return;
        }
    }
}

void TApplication::Condemn(TWindow* window) {
    if (window == nullptr || IsCondemned(window))
        return;
    if (window->GetParent() != nullptr)
        window->SetParent(nullptr);
    Condemned.push_back(window);
}

bool TApplication::IsCondemned(const TWindow* window) const {
    return std::find(Condemned.begin(), Condemned.end(), window) != Condemned.end();
}

void TApplication::ForgetWindow(TWindow* window) {
    Condemned.erase(std::remove(Condemned.begin(), Condemned.end(), window), Condemned.end());
    if (MainWindow == window)
        MainWindow = nullptr;
}

void TApplication::DeleteCondemned() {
    while (!Condemned.empty()) {
        TWindow* window = Condemned.back();
        Condemned.pop_back();
        delete window;
    }
}

int TApplication::MessageBox(HWND owner, const char* text, const char* caption, u32 type) {
    return MessageBoxExA(owner, text != nullptr ? text : "",
                         caption != nullptr ? caption : GetName(), type);
}

// The window system's message queue, timers, message retrieval and dispatch.
#include "Desktop.h"

#include "Window.h"
#include "platform/framework/draw/Dc.h"
#include "platform/host/Clock.h"

#include <algorithm>

LRESULT TDesktop::SendMessage(HWND w, u32 msg, WPARAM wp, LPARAM lp) {
    if (w == HWND_BROADCAST) {
        for (HWND top : std::vector<HWND>(TopZ))
            if (IsWindow(top))
                SendMessage(top, msg, wp, lp);
        return 0;
    }
    if (!IsWindow(w))
        return 0;
    if (Hook)
        Hook(w, msg, wp, lp);
    return w->ReceiveMessage(msg, wp, lp);
}

bool TDesktop::PostMessage(HWND w, u32 msg, WPARAM wp, LPARAM lp) {
    if (w == HWND_BROADCAST) {
        for (HWND top : TopZ)
            PostMessage(top, msg, wp, lp);
        return true;
    }
    // Without a live target nothing is posted.
    if (!IsWindow(w))
        return false;
    MSG m;
    m.hwnd = w;
    m.message = msg;
    m.wParam = wp;
    m.lParam = lp;
    m.time = GetTickCount();
    m.pt = CursorPos;
    Posted.push_back(m);
    return true;
}

void TDesktop::PostQuitMessage(int code) {
    QuitPosted = true;
    QuitCode = code;
}

void TDesktop::PollBackend() {
    if (Backend == nullptr)
        return;
    TInputEvent event;
    while (Backend->PollEvent(event))
        Input.push_back(event);
}

void TDesktop::QueueInput(const TInputEvent& event) {
    Input.push_back(event);
}

bool TDesktop::PeekMessage(MSG& msg) {
    PollBackend();
    for (;;) {
        if (!Posted.empty()) {
            msg = Posted.front();
            Posted.pop_front();
            WakeTimers();
            return true;
        }
        if (QuitPosted) {
            QuitPosted = false;
            msg = MSG{};
            msg.message = WM_QUIT;
            msg.wParam = static_cast<WPARAM>(static_cast<std::intptr_t>(QuitCode));
            WakeTimers();
            return true;
        }
        if (Input.empty())
            break;
        const TInputEvent event = Input.front();
        Input.pop_front();
        if (TranslateInput(event, msg)) {
            WakeTimers();
            return true;
        }
    }
    for (auto it = TopZ.rbegin(); it != TopZ.rend(); ++it) {
        if (HWND target = FindPaintTarget(*it)) {
            msg = MSG{};
            msg.hwnd = target;
            msg.message = WM_PAINT;
            msg.time = GetTickCount();
            msg.pt = CursorPos;
            WakeTimers();
            return true;
        }
    }
    return GenerateTimer(msg);
}

bool TDesktop::GenerateTimer(MSG& msg) {
    // Timer messages are made only when nothing else waits, one at a time per timer, so a
    // slow handler never finds a backlog of them.
    const u64 now = GetTickCount64();
    TTimer* due = nullptr;
    for (TTimer& t : Timers)
        if (DueOf(t) <= now && (due == nullptr || DueOf(t) < DueOf(*due)))
            due = &t;
    if (due == nullptr)
        return false;
    due->Due = now + due->Elapse;
    due->RestUntil = 0;
    msg = MSG{};
    msg.hwnd = due->Window;
    msg.message = WM_TIMER;
    msg.wParam = due->Id;
    msg.time = static_cast<u32>(now);
    msg.pt = CursorPos;
    // What one window's timer does may be what another's is resting for.
    const TTimer* fired = due;
    for (TTimer& t : Timers)
        if (&t != fired)
            t.RestUntil = 0;
    return true;
}

u64 TDesktop::DueOf(const TTimer& t) {
    if (t.RestUntil <= t.Due)
        return t.Due;
    // The first of the timer's own beats at or after the rest's end, so that a rest does not
    // shift the times at which the window sees its timer.
    const u64 periods = (t.RestUntil - t.Due + t.Elapse - 1) / t.Elapse;
    return t.Due + periods * t.Elapse;
}

void TDesktop::WakeTimers() {
    for (TTimer& t : Timers)
        t.RestUntil = 0;
}

u64 TDesktop::NextTimerDue() const {
    u64 next = TBackend::Infinite;
    for (const TTimer& t : Timers)
        next = std::min(next, DueOf(t));
    return next;
}

bool TDesktop::HasPendingWork() {
    PollBackend();
    if (!Posted.empty() || QuitPosted || !Input.empty())
        return true;
    for (HWND top : TopZ)
        if (FindPaintTarget(top) != nullptr)
            return true;
    return NextTimerDue() <= GetTickCount64();
}

bool TDesktop::WaitMessage(u64 deadline) {
    if (HasPendingWork())
        return true;
    const u64 now = GetTickCount64();
    const u64 until = std::min(NextTimerDue(), deadline);
    if (until <= now)
        return true;
    // Without a backend there is nothing to wait on.
    if (Backend == nullptr)
        return false;
    return Backend->WaitEvent(until == TBackend::Infinite ? TBackend::Infinite : until - now);
}

LRESULT TDesktop::DispatchMessage(const MSG& msg) {
    if (!IsWindow(msg.hwnd))
        return 0;
    if (msg.message != WM_PAINT)
        return SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    std::vector<TRect> parts;
    const TRect area = PaintedArea(msg.hwnd, parts);
    const LRESULT result = SendMessage(msg.hwnd, WM_PAINT, 0, 0);
    // A window that does not paint must not be asked again and again.
    if (IsWindow(msg.hwnd))
        ValidateRect(msg.hwnd);
    Present(area, parts);
    return result;
}

bool TDesktop::TranslateMessage(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.keyChar == 0)
        return false;
    // With Alt held the key names a menu or a control by its letter and types nothing: a
    // window that takes text or letters as commands (the table's keys) must not see it so.
    const bool alt = (static_cast<u32>(msg.lParam) & KF_ALTDOWN_LPARAM) != 0;
    return PostMessage(msg.hwnd, alt ? WM_SYSCHAR : WM_CHAR, msg.keyChar, msg.lParam);
}

u32 TDesktop::SetTimer(HWND w, u32 id, u32 elapseMs) {
    if (!IsWindow(w))
        return 0;
    // The old system never fired faster than every 10 ms, and the game's 1 ms timer relies
    // on that rate.
    const u32 elapse = std::max(elapseMs, USER_TIMER_MINIMUM);
    const u64 due = GetTickCount64() + elapse;
    for (TTimer& t : Timers) {
        if (t.Window == w && t.Id == id) {
            t.Elapse = elapse;
            t.Due = due;
            t.RestUntil = 0;
            return id != 0 ? id : 1;
        }
    }
    Timers.push_back({w, id, elapse, due});
    return id != 0 ? id : 1;
}

bool TDesktop::RestTimer(HWND w, u32 id, u32 restMs) {
    for (TTimer& t : Timers) {
        if (t.Window == w && t.Id == id) {
            t.RestUntil = GetTickCount64() + restMs;
            return true;
        }
    }
    return false;
}

bool TDesktop::KillTimer(HWND w, u32 id) {
    const auto it = std::find_if(Timers.begin(), Timers.end(),
                                 [&](const TTimer& t) { return t.Window == w && t.Id == id; });
    if (it == Timers.end())
        return false;
    Timers.erase(it);
    return true;
}

LRESULT TDesktop::DefWindowProc(HWND w, u32 msg, WPARAM wp, LPARAM lp) {
    if (!IsWindow(w))
        return 0;
    switch (msg) {
    case WM_SETCURSOR: {
        // The parent may set the cursor for its children.
        if (!IsTopLevel(w) && w->Parent != nullptr && SendMessage(w->Parent, msg, wp, lp) != 0)
            return 1;
        const int hit = static_cast<i16>(LOWORD(static_cast<std::uintptr_t>(lp)));
        if (hit == HTCLIENT) {
            if (w->Sys.Class.hCursor == nullptr)
                return 0;
            SetCursor(w->Sys.Class.hCursor);
            return 1;
        }
        if (hit == HTERROR)
            return 0;
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        return 1;
    }
    case WM_MOUSEWHEEL:
        // A window that does not scroll hands the turn to its parent.
        if (!IsTopLevel(w) && w->Parent != nullptr)
            return SendMessage(w->Parent, msg, wp, lp);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE && HIWORD(wp) == 0)
            SetFocus(w);
        return 0;
    case WM_CLOSE:
        DestroyWindow(w);
        return 0;
    case WM_ERASEBKGND: {
        TDC* dc = reinterpret_cast<TDC*>(wp);
        if (dc == nullptr || !w->Sys.Class.hasBackground)
            return 0;
        dc->FillSolidRect(GetClientRect(w), w->Sys.Class.background);
        return 1;
    }
    case WM_PAINT: {
        bool eraseLeft = false;
        BeginPaint(w, eraseLeft);
        return 0;
    }
    default:
        return 0;
    }
}

// The window system: live windows, stacking, focus, activation, capture, the message queue,
// timers, painting and input, on one virtual desktop shown by a backend.
#pragma once

#include "platform/framework/Backend.h"
#include "platform/framework/WinConstants.h"
#include "platform/framework/WinTypes.h"
#include "platform/framework/draw/Region.h"
#include "platform/framework/draw/Surface.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

class TDC;

// Draws what the program does not: captions, frames and menu bars. Until a look is
// installed, non-client areas keep whatever pixels they had.
class TNonClientPainter {
public:
    virtual ~TNonClientPainter() = default;
    virtual void PaintNonClient(HWND window, TScreenSurface& screen, const TRegion& visible) = 0;
};

class TDesktop {
public:
    static constexpr u32 DesktopColor = 0xFF008080U;
    static constexpr u32 DoubleClickMs = 500;

    static TDesktop& Get();

    // The backend that shows the desktop and feeds it input; null runs without one
    // (800 x 600, nothing shown, no input). Resets the desktop's pixels.
    void AttachBackend(TBackend* backend);
    TBackend* GetBackend() const { return Backend; }
    // Forgets queued messages, timers, input and focus state (between test cases).
    void Reset();

    // Metrics and the screen.
    int GetSystemMetrics(int index) const;
    TSize GetScreenSize() const { return Screen.GetSize(); }
    const TScreenSurface& GetScreen() const { return Screen; }
    TScreenSurface& GetScreen() { return Screen; }
    void SetNonClientPainter(TNonClientPainter* painter) { NonClient = painter; }
    // The part of the desktop the host window shows: the main window less the border and
    // caption, which the host draws itself, so its menu bar and client area, moved onto the
    // screen where the frame is partly off it; empty without a main window. Every other
    // top-level window is kept inside it, so that nothing opens where the player cannot see it.
    TRect GetShownArea() const;
    // The window moved inside the area by the least distance; one larger than the area lies
    // against the area's left or top edge, where a window keeps its caption and first controls.
    static TRect KeepInside(const TRect& window, const TRect& area);

    // Spy on every message a window receives, sent or dispatched (tests).
    using TMessageHook = std::function<void(HWND, u32, WPARAM, LPARAM)>;
    void SetMessageHook(TMessageHook hook) { Hook = std::move(hook); }

    // Window life.
    bool IsWindow(HWND w) const;
    bool CreateWindowFor(HWND w);
    bool DestroyWindow(HWND w);
    // Moves a window object under another parent; a created child window moves with it.
    void Reparent(HWND w, HWND newParent);
    // The window that host requests (close, minimise, restore) go to, and whose menu bar and
    // client area the host window shows.
    void SetMainWindow(HWND w);
    HWND GetMainWindow() const { return MainWindow; }
    std::vector<HWND> GetTopLevelWindows() const { return TopZ; }
    HWND FindWindow(const char* className, const char* title) const;

    // Messages.
    LRESULT SendMessage(HWND w, u32 msg, WPARAM wp, LPARAM lp);
    bool PostMessage(HWND w, u32 msg, WPARAM wp, LPARAM lp);
    void PostQuitMessage(int code);
    // A request from outside to end the program (the host's close, a quit signal) that the
    // modal loops have to unwind before the main window may close (see TModalLoop).
    void RequestClose() { ClosePending = true; }
    bool IsClosePending() const { return ClosePending; }
    void ClearCloseRequest() { ClosePending = false; }
    // Once a quit signal has asked the program to end, for the rest of the run: the close it
    // brings asks the player nothing.
    void NoteQuitSignal() { QuitSignalled = true; }
    bool IsQuitSignalled() const { return QuitSignalled; }
    // A quit signal has asked the program to end, whether the loop has taken it yet or not:
    // the program is ending, and nobody may be there to answer a box.
    static bool QuitAsked();
    // The next message without waiting: posted, then quit, then input, paint, timers.
    bool PeekMessage(MSG& msg);
    // Waits for input or the next timer, no longer than the deadline (a tick count).
    bool WaitMessage(u64 deadline);
    bool HasPendingWork();
    LRESULT DispatchMessage(const MSG& msg);
    bool TranslateMessage(const MSG& msg);
    LRESULT DefWindowProc(HWND w, u32 msg, WPARAM wp, LPARAM lp);

    // Timers.
    u32 SetTimer(HWND w, u32 id, u32 elapseMs);
    bool KillTimer(HWND w, u32 id);
    // Lets a window's timer skip its firings for restMs: a window whose timer only polls for
    // what the other messages bring need not be woken in between. The timer keeps its beat
    // (it then fires on the first of its usual times at or after the rest), and any other
    // message retrieved meanwhile ends the rest at once. False when there is no such timer.
    bool RestTimer(HWND w, u32 id, u32 restMs);

    // Placement.
    TRect GetWindowRect(HWND w) const;
    TRect GetClientRect(HWND w) const;
    TRect ScreenClientRect(HWND w) const;
    TPoint ClientToScreen(HWND w, TPoint p) const;
    TPoint ScreenToClient(HWND w, TPoint p) const;
    bool SetWindowPos(HWND w, i32 x, i32 y, i32 cx, i32 cy, u32 flags);
    bool ShowWindow(HWND w, int cmd);
    bool IsWindowVisible(HWND w) const;
    bool EnableWindow(HWND w, bool enable);
    bool IsWindowEnabled(HWND w) const;
    bool IsIconic(HWND w) const;
    bool BringWindowToTop(HWND w);
    HWND GetLastActivePopup(HWND w) const;
    HWND WindowFromPoint(TPoint p) const;
    bool SetWindowText(HWND w, const std::string& text);
    bool SetMenu(HWND w, HMENU menu);
    HMENU GetMenu(HWND w) const;

    // Focus, activation, capture, cursor.
    HWND SetFocus(HWND w);
    HWND GetFocus() const { return Focus; }
    HWND SetActiveWindow(HWND w);
    HWND GetActiveWindow() const { return Active; }
    bool IsAppActive() const { return AppActive; }
    HWND SetCapture(HWND w);
    bool ReleaseCapture();
    HWND GetCapture() const { return Capture; }
    TPoint GetCursorPos() const { return CursorPos; }
    HCURSOR SetCursor(HCURSOR cursor);
    HCURSOR GetCursor() const { return CurrentCursor; }
    bool IsKeyDown(u32 vk) const;

    // Painting.
    bool InvalidateRect(HWND w, const TRect* rect, bool erase);
    bool ValidateRect(HWND w);
    bool UpdateWindow(HWND w);
    bool GetUpdateRect(HWND w, TRect& rect) const;
    // The part of the window's client area (or whole window) that shows, in desktop pixels.
    TRegion VisibleRegion(HWND w, bool clientOnly) const;
    // Takes the invalid area for painting: erases first when asked, and answers whether
    // the painter still has to erase. The answer is its bounding box; parts, when given, gets
    // the pieces of it that are invalid (client coordinates, apart from one another).
    TRect BeginPaint(HWND w, bool& eraseLeft, std::vector<TRect>* parts = nullptr);
    void Present(const TRect& changed);
    // Only the pieces (inside changed) were painted; none: the whole of changed.
    void Present(const TRect& changed, const std::vector<TRect>& parts);

    // Input from the backend is queued here; tests may also feed it directly.
    void QueueInput(const TInputEvent& event);

private:
    TDesktop();

    struct TTimer {
        HWND Window;
        u32 Id;
        u32 Elapse;
        u64 Due;
        // While resting, the tick before which the timer does not fire; 0 when awake.
        u64 RestUntil = 0;
    };

    bool IsTopLevel(HWND w) const;
    // Where a top-level window other than the main one may lie (see GetShownArea).
    TRect KeepShown(HWND w, const TRect& r) const;
    // Tells the backend what the host window shows and what its title is, when either changed.
    void SyncHost();
    HWND TopLevelOf(HWND w) const;
    // A top-level window of a class with CS_SAVEBITS.
    bool SavesBits(HWND w) const;
    bool IsShowing(HWND w) const;
    bool IsEffectivelyEnabled(HWND w) const;
    TRect NonClientInsets(HWND w) const;
    TRect ScreenWindowRect(HWND w) const;
    std::vector<HWND>& SiblingsOf(HWND w);
    void Unlink(HWND w);
    void Purge(HWND w);
    void DestroyTree(HWND w);
    void ChooseNextActive(HWND leaving);
    void InvalidateExposed(const TRect& screenRect);
    // Paints now every showing window under the area that waits to be painted.
    void PaintUncovered(const TRect& screenRect);
    void InvalidateTree(HWND w);
    void PaintDesktopBackground(const TRect& screenRect);
    void PaintNonClientArea(HWND w);
    HWND FindPaintTarget(HWND w) const;
    // The part of the screen a window's painting may change: its invalid area, as its box and,
    // when it is more than one piece, the pieces (screen coordinates).
    TRect PaintedArea(HWND w, std::vector<TRect>& parts) const;
    HWND HitTest(TPoint p, int& hit) const;
    void PollBackend();
    bool TranslateInput(const TInputEvent& event, MSG& msg);
    bool TranslateMouse(const TInputEvent& event, MSG& msg);
    bool TranslateKey(const TInputEvent& event, MSG& msg);
    bool TranslateWheel(const TInputEvent& event, MSG& msg);
    // The MK_ flags of the buttons and modifier keys held now, as mouse messages carry them.
    u32 MouseKeyFlags() const;
    bool GenerateTimer(MSG& msg);
    u64 NextTimerDue() const;
    static u64 DueOf(const TTimer& t);
    void WakeTimers();

    TBackend* Backend = nullptr;
    TScreenSurface Screen;
    TNonClientPainter* NonClient = nullptr;
    TMessageHook Hook;

    std::unordered_set<HWND> Live;
    // Windows whose destruction has begun; a window that is only dying with an ancestor may
    // still be destroyed on its own before the ancestor's walk reaches it.
    std::unordered_set<HWND> Destroying;
    std::vector<HWND> TopZ;
    std::deque<MSG> Posted;
    std::deque<TInputEvent> Input;
    std::vector<TTimer> Timers;
    bool QuitPosted = false;
    int QuitCode = 0;
    bool ClosePending = false;
    bool QuitSignalled = false;

    HWND MainWindow = nullptr;
    // What the backend was last told; HostKnown false until it has been told an area.
    TRect HostShown;
    bool HostKnown = false;
    std::optional<std::string> HostTitle;
    HWND Focus = nullptr;
    HWND Active = nullptr;
    HWND LastActive = nullptr;
    bool AppActive = false;
    // How the window being activated was reached (a click or otherwise).
    u16 PendingActivation = WA_ACTIVE;
    HWND Capture = nullptr;
    TPoint CursorPos;
    HCURSOR CurrentCursor = nullptr;
    bool LeftDown = false;
    bool RightDown = false;
    bool ShiftDown = false;
    bool ControlDown = false;
    bool AltDown = false;

    struct TLastClick {
        HWND Window = nullptr;
        u32 Message = 0;
        u64 Time = 0;
        TPoint Pos;
    } LastClick;
    // A window being moved by its caption, and where in it the mouse took hold.
    struct TCaptionDrag {
        HWND Window = nullptr;
        TPoint Grip;
    } CaptionDrag;
    // Starts a move on a press on the caption; true when the press was one.
    bool StartCaptionDrag(HWND w, int hit);
    // Moves the held window with the mouse; true while a move takes the mouse.
    bool FollowCaptionDrag(u32 mouseMsg);
};

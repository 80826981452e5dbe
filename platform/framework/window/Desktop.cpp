// The window system's windows: creation, destruction, stacking, placement and showing.
#include "Desktop.h"

#include "Window.h"
#include "platform/framework/menus/Menu.h"
#include "platform/framework/menus/MenuUi.h"
#include "platform/host/Clock.h"
#include "platform/host/QuitSignals.h"

#include <algorithm>

TDesktop& TDesktop::Get() {
    static TDesktop desktop;
    return desktop;
}

bool TDesktop::QuitAsked() {
    return Get().IsQuitSignalled() || TQuitSignals::Pending();
}

TDesktop::TDesktop() {
    Screen.Resize({800, 600});
    Screen.Fill(Screen.Bounds(), DesktopColor);
}

void TDesktop::AttachBackend(TBackend* backend) {
    Backend = backend;
    Screen.Resize(backend != nullptr ? backend->GetScreenSize() : TSize{800, 600});
    Screen.Fill(Screen.Bounds(), DesktopColor);
    Input.clear();
    HostKnown = false;
    HostTitle.reset();
    SyncHost();
    Present(Screen.Bounds());
}

void TDesktop::SetMainWindow(HWND w) {
    MainWindow = w;
    SyncHost();
}

TRect TDesktop::GetShownArea() const {
    if (!IsWindow(MainWindow) || !IsTopLevel(MainWindow))
        return {};
    const TRect client = ScreenClientRect(MainWindow);
    const i32 menu = MainWindow->Sys.Menu != nullptr ? GetSystemMetrics(SM_CYMENU) : 0;
    const TRect area{client.left, client.top - menu, client.right, client.bottom};
    // A frame partly off the screen (shaken, or pushed up on a small screen) leaves the host
    // showing the screen's edge at the same size: the host window does not jump about, and
    // what opens over the frame stays on the screen.
    return KeepInside(area, Screen.Bounds()) & Screen.Bounds();
}

TRect TDesktop::KeepInside(const TRect& window, const TRect& area) {
    if (area.IsEmpty())
        return window;
    auto place = [](i32 from, i32 extent, i32 low, i32 high) {
        return extent >= high - low ? low : std::clamp(from, low, high - extent);
    };
    const i32 x = place(window.left, window.Width(), area.left, area.right);
    const i32 y = place(window.top, window.Height(), area.top, area.bottom);
    return {{x, y}, window.Size()};
}

TRect TDesktop::KeepShown(HWND w, const TRect& r) const {
    if (w == MainWindow || !IsTopLevel(w))
        return r;
    return KeepInside(r, GetShownArea());
}

void TDesktop::SyncHost() {
    if (Backend == nullptr)
        return;
    const TRect shown = GetShownArea();
    if (!HostKnown || shown != HostShown)
        Backend->SetShownArea(shown);
    HostShown = shown;
    HostKnown = true;
    // A program between main windows keeps the title it had.
    if (IsWindow(MainWindow) && (!HostTitle || MainWindow->Title != *HostTitle)) {
        HostTitle = MainWindow->Title;
        Backend->SetHostTitle(*HostTitle);
    }
}

void TDesktop::Reset() {
    // An open menu refers to windows that are about to be forgotten.
    TMenuUi::Get().Cancel();
    // Windows still alive here are abandoned: their objects must not be used afterwards.
    Live.clear();
    Destroying.clear();
    TopZ.clear();
    Posted.clear();
    Input.clear();
    Timers.clear();
    QuitPosted = false;
    QuitCode = 0;
    ClosePending = false;
    QuitSignalled = false;
    MainWindow = Focus = Active = LastActive = Capture = nullptr;
    CaptionDrag = {};
    SyncHost();
    AppActive = false;
    CursorPos = {};
    CurrentCursor = nullptr;
    LeftDown = RightDown = ShiftDown = ControlDown = AltDown = false;
    LastClick = {};
    Hook = nullptr;
    NonClient = nullptr;
    Screen.Fill(Screen.Bounds(), DesktopColor);
}

int TDesktop::GetSystemMetrics(int index) const {
    switch (index) {
    case SM_CXSCREEN:
        return Screen.GetWidth();
    case SM_CYSCREEN:
        return Screen.GetHeight();
    case SM_CYCAPTION:
    case SM_CYMENU:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    default:
        return 0;
    }
}

bool TDesktop::IsWindow(HWND w) const {
    return w != nullptr && Live.count(w) != 0;
}

bool TDesktop::IsTopLevel(HWND w) const {
    return (w->Attr.Style & WS_CHILD) == 0;
}

bool TDesktop::SavesBits(HWND w) const {
    return IsTopLevel(w) && (w->Sys.Class.style & CS_SAVEBITS) != 0;
}

HWND TDesktop::TopLevelOf(HWND w) const {
    while (w != nullptr && !IsTopLevel(w) && w->Parent != nullptr)
        w = w->Parent;
    return w;
}

bool TDesktop::IsShowing(HWND w) const {
    for (; w != nullptr; w = w->Parent) {
        if (!IsWindow(w) || !w->Sys.Visible || w->Sys.Minimized)
            return false;
        if (IsTopLevel(w))
            return true;
    }
    return false;
}

bool TDesktop::IsEffectivelyEnabled(HWND w) const {
    for (; w != nullptr; w = w->Parent) {
        if (!w->Sys.Enabled)
            return false;
        if (IsTopLevel(w))
            return true;
    }
    return true;
}

TRect TDesktop::NonClientInsets(HWND w) const {
    const u32 style = w->Attr.Style;
    i32 border = 0;
    if ((style & WS_THICKFRAME) != 0)
        border = GetSystemMetrics(SM_CXFRAME);
    else if ((style & WS_DLGFRAME) != 0)
        border = GetSystemMetrics(SM_CXDLGFRAME);
    else if ((style & WS_BORDER) != 0)
        border = GetSystemMetrics(SM_CXBORDER);
    i32 top = border;
    if ((style & WS_CAPTION) == WS_CAPTION)
        top += GetSystemMetrics(SM_CYCAPTION);
    if (IsTopLevel(w) && w->Sys.Menu != nullptr)
        top += GetSystemMetrics(SM_CYMENU);
    return {border, top, border, border};
}

TRect TDesktop::ScreenWindowRect(HWND w) const {
    if (IsTopLevel(w) || w->Parent == nullptr)
        return w->Sys.Rect;
    const TRect parentClient = ScreenClientRect(w->Parent);
    return w->Sys.Rect.OffsetBy(parentClient.left, parentClient.top);
}

TRect TDesktop::ScreenClientRect(HWND w) const {
    if (!IsWindow(w))
        return {};
    const TRect r = ScreenWindowRect(w);
    const TRect in = NonClientInsets(w);
    TRect client{r.left + in.left, r.top + in.top, r.right - in.right, r.bottom - in.bottom};
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return client;
}

TRect TDesktop::GetWindowRect(HWND w) const {
    return IsWindow(w) ? ScreenWindowRect(w) : TRect{};
}

TRect TDesktop::GetClientRect(HWND w) const {
    const TRect c = ScreenClientRect(w);
    return {0, 0, c.Width(), c.Height()};
}

TPoint TDesktop::ClientToScreen(HWND w, TPoint p) const {
    const TRect c = ScreenClientRect(w);
    return {p.x + c.left, p.y + c.top};
}

TPoint TDesktop::ScreenToClient(HWND w, TPoint p) const {
    const TRect c = ScreenClientRect(w);
    return {p.x - c.left, p.y - c.top};
}

std::vector<HWND>& TDesktop::SiblingsOf(HWND w) {
    if (IsTopLevel(w) || w->Parent == nullptr)
        return TopZ;
    return w->Parent->Sys.ZChildren;
}

void TDesktop::Unlink(HWND w) {
    std::vector<HWND>& list = SiblingsOf(w);
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
}

bool TDesktop::CreateWindowFor(HWND w) {
    if (w == nullptr || IsWindow(w))
        return w != nullptr;
    if (!IsTopLevel(w) && (w->Parent == nullptr || !IsWindow(w->Parent)))
        return false;
    const bool visible = (w->Attr.Style & WS_VISIBLE) != 0;
    w->Attr.Style &= ~WS_VISIBLE;
    w->Sys.Created = true;
    w->Sys.Visible = false;
    w->Sys.Minimized = false;
    w->Sys.Enabled = (w->Attr.Style & WS_DISABLED) == 0;
    w->Sys.Rect = {w->Attr.X, w->Attr.Y, w->Attr.X + w->Attr.W, w->Attr.Y + w->Attr.H};
    w->Sys.Rect = KeepShown(w, w->Sys.Rect);
    w->Attr.X = w->Sys.Rect.left;
    w->Attr.Y = w->Sys.Rect.top;
    w->Sys.Update = {};
    w->Sys.UpdateParts.clear();
    w->Sys.UpdateErase = false;
    Live.insert(w);
    std::vector<HWND>& siblings = SiblingsOf(w);
    siblings.insert(siblings.begin(), w);
    if (w == MainWindow)
        SyncHost();

    if (IsTopLevel(w)) {
        MINMAXINFO info;
        info.ptMaxSize = {Screen.GetWidth(), Screen.GetHeight()};
        info.ptMaxTrackSize = info.ptMaxSize;
        SendMessage(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    }
    SendMessage(w, WM_CREATE, 0, 0);
    if (!IsWindow(w))
        return false;
    const TRect client = GetClientRect(w);
    SendMessage(w, WM_SIZE, SIZE_RESTORED,
                MAKELPARAM(static_cast<u16>(client.Width()), static_cast<u16>(client.Height())));
    if (!IsWindow(w))
        return false;
    const TRect screenClient = ScreenClientRect(w);
    const TPoint origin =
        IsTopLevel(w) ? screenClient.TopLeft() : ScreenToClient(w->Parent, screenClient.TopLeft());
    SendMessage(w, WM_MOVE, 0, PointToLParam(origin));
    if (visible && IsWindow(w))
        ShowWindow(w, SW_SHOW);
    return IsWindow(w);
}

void TDesktop::Reparent(HWND w, HWND newParent) {
    if (!IsWindow(w) || IsTopLevel(w))
        return;
    Unlink(w);
    if (newParent != nullptr && IsWindow(newParent))
        newParent->Sys.ZChildren.insert(newParent->Sys.ZChildren.begin(), w);
}

void TDesktop::DestroyTree(HWND w) {
    Destroying.insert(w);
    // The parent hears of its end first, then its children, as on the old system.
    SendMessage(w, WM_DESTROY, 0, 0);
    std::vector<HWND> children = w->Sys.ZChildren;
    for (TWindow* c : w->ChildList)
        if (std::find(children.begin(), children.end(), c) == children.end())
            children.push_back(c);
    for (HWND c : children) {
        if (IsWindow(c)) {
            c->Sys.Dying = true;
            DestroyTree(c);
        }
    }
    Purge(w);
    Destroying.erase(w);
}

void TDesktop::Purge(HWND w) {
    Posted.erase(
        std::remove_if(Posted.begin(), Posted.end(), [w](const MSG& m) { return m.hwnd == w; }),
        Posted.end());
    Timers.erase(std::remove_if(Timers.begin(), Timers.end(),
                                [w](const TTimer& t) { return t.Window == w; }),
                 Timers.end());
    Unlink(w);
    Live.erase(w);
    w->Sys.Created = false;
    w->Sys.Visible = false;
    w->Sys.Dying = false;
    w->Attr.Style &= ~WS_VISIBLE;
    w->Sys.ZChildren.clear();
    if (w->Sys.Menu != nullptr) {
        DestroyMenu(w->Sys.Menu);
        w->Sys.Menu = nullptr;
    }
    if (Focus == w)
        Focus = nullptr;
    if (Active == w)
        Active = nullptr;
    if (LastActive == w)
        LastActive = nullptr;
    if (Capture == w)
        Capture = nullptr;
    if (MainWindow == w) {
        MainWindow = nullptr;
        SyncHost();
    }
    if (LastClick.Window == w)
        LastClick = {};
    if (CaptionDrag.Window == w)
        CaptionDrag = {};
    for (HWND top : TopZ)
        if (top->Sys.LastActivePopup == w)
            top->Sys.LastActivePopup = nullptr;
}

static bool IsWithin(HWND w, HWND ancestor) {
    for (; w != nullptr; w = w->GetParent())
        if (w == ancestor)
            return true;
    return false;
}

// Within the ancestor's own child windows, not the pop-ups it owns.
static bool IsChildOf(HWND w, HWND ancestor) {
    for (; w != nullptr; w = w->GetParent()) {
        if (w == ancestor)
            return true;
        if ((w->Attr.Style & WS_CHILD) == 0)
            return false;
    }
    return false;
}

bool TDesktop::DestroyWindow(HWND w) {
    // A parent that destroys a child from its own WM_DESTROY (a frame taking down its client)
    // destroys it then; only a window already being taken down is refused.
    if (!IsWindow(w) || Destroying.count(w) != 0)
        return false;
    const bool wasShowing = IsShowing(w);
    const TRect area = ScreenWindowRect(w);
    const bool savesBits = SavesBits(w);
    w->Sys.Dying = true;
    for (HWND d : std::vector<HWND>(Live.begin(), Live.end()))
        if (IsWithin(d, w))
            d->Sys.Dying = true;
    if (Capture != nullptr && IsWithin(Capture, w))
        Capture = nullptr;
    if (Focus != nullptr && IsWithin(Focus, w)) {
        if (!IsTopLevel(w) && w->Parent != nullptr && IsWindow(w->Parent) &&
            !w->Parent->Sys.Dying) {
            SetFocus(w->Parent);
        } else {
            const HWND old = Focus;
            Focus = nullptr;
            SendMessage(old, WM_KILLFOCUS, 0, 0);
        }
    }
    if (Active != nullptr && IsWithin(Active, w))
        ChooseNextActive(w);
    if (IsWindow(w))
        DestroyTree(w);
    if (wasShowing) {
        InvalidateExposed(area);
        if (savesBits)
            PaintUncovered(area);
    }
    return true;
}

void TDesktop::ChooseNextActive(HWND leaving) {
    const auto candidate = [&](HWND top) {
        return top != nullptr && top != leaving && IsShowing(top) && !top->Sys.Dying &&
               !IsWithin(top, leaving);
    };
    const HWND owner = TopLevelOf(leaving->Parent);
    // An owner a modal dialog holds disabled (the help asked for from the dialog is owned by
    // the main window) takes no input: the dialog in front gets the keys back instead. A
    // dialog that goes before its loop has given the owner back leaves nothing enabled, and
    // the owner is the one to take them then.
    HWND next = candidate(owner) && owner->Sys.Enabled ? owner : nullptr;
    for (HWND top : TopZ)
        if (next == nullptr && candidate(top) && top->Sys.Enabled)
            next = top;
    if (next == nullptr && candidate(owner))
        next = owner;
    for (HWND top : TopZ)
        if (next == nullptr && candidate(top))
            next = top;
    SetActiveWindow(next);
}

HWND TDesktop::FindWindow(const char* className, const char* title) const {
    for (HWND top : TopZ) {
        if (title != nullptr && top->Title != title)
            continue;
        if (className != nullptr && top->Sys.Class.className != className)
            continue;
        return top;
    }
    return nullptr;
}

bool TDesktop::SetWindowPos(HWND w, i32 x, i32 y, i32 cx, i32 cy, u32 flags) {
    if (!IsWindow(w))
        return false;
    const bool wasShowing = IsShowing(w);
    const TRect oldScreen = wasShowing ? ScreenWindowRect(w) : TRect{};
    const TRect old = w->Sys.Rect;
    TRect r = old;
    if ((flags & SWP_NOMOVE) == 0)
        r = {x, y, x + old.Width(), y + old.Height()};
    if ((flags & SWP_NOSIZE) == 0) {
        r.right = r.left + std::max(0, cx);
        r.bottom = r.top + std::max(0, cy);
    }
    r = KeepShown(w, r);
    const bool moved = r.TopLeft() != old.TopLeft();
    const bool sized = r.Size() != old.Size();
    w->Sys.Rect = r;
    w->Attr.X = r.left;
    w->Attr.Y = r.top;
    w->Attr.W = r.Width();
    w->Attr.H = r.Height();
    if (w == MainWindow)
        SyncHost();
    bool restacked = false;
    if ((flags & SWP_NOZORDER) == 0) {
        std::vector<HWND>& siblings = SiblingsOf(w);
        if (!siblings.empty() && siblings.front() != w) {
            Unlink(w);
            siblings.insert(siblings.begin(), w);
            restacked = true;
        }
    }
    if ((flags & SWP_SHOWWINDOW) != 0)
        ShowWindow(w, (flags & SWP_NOACTIVATE) != 0 ? SW_SHOWNA : SW_SHOW);
    if ((flags & SWP_HIDEWINDOW) != 0)
        ShowWindow(w, SW_HIDE);
    if (moved) {
        const TRect screenClient = ScreenClientRect(w);
        const TPoint origin = IsTopLevel(w) ? screenClient.TopLeft()
                                            : ScreenToClient(w->Parent, screenClient.TopLeft());
        SendMessage(w, WM_MOVE, 0, PointToLParam(origin));
    }
    if (sized && IsWindow(w)) {
        const TRect client = GetClientRect(w);
        SendMessage(
            w, WM_SIZE, SIZE_RESTORED,
            MAKELPARAM(static_cast<u16>(client.Width()), static_cast<u16>(client.Height())));
    }
    // The screen is always kept whole: what the move uncovers and what the window now
    // covers are redrawn even when the caller asked for no redraw.
    if ((moved || sized || restacked) && IsWindow(w) && IsShowing(w)) {
        InvalidateExposed(oldScreen);
        InvalidateTree(w);
        PaintNonClientArea(w);
    }
    if ((flags & SWP_NOACTIVATE) == 0 && IsWindow(w) && IsTopLevel(w) && IsShowing(w))
        SetActiveWindow(w);
    return true;
}

bool TDesktop::ShowWindow(HWND w, int cmd) {
    if (!IsWindow(w))
        return false;
    const bool wasVisible = w->Sys.Visible;
    switch (cmd) {
    case SW_HIDE: {
        if (!wasVisible)
            return false;
        const TRect area = IsShowing(w) ? ScreenWindowRect(w) : TRect{};
        w->Sys.Visible = false;
        w->Attr.Style &= ~WS_VISIBLE;
        SendMessage(w, WM_SHOWWINDOW, 0, 0);
        if (Focus != nullptr && IsWithin(Focus, w)) {
            if (!IsTopLevel(w) && w->Parent != nullptr)
                SetFocus(w->Parent);
            else
                SetFocus(nullptr);
        }
        if (Active != nullptr && IsWithin(Active, w))
            ChooseNextActive(w);
        InvalidateExposed(area);
        if (SavesBits(w))
            PaintUncovered(area);
        return wasVisible;
    }
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE: {
        if (w->Sys.Minimized)
            return wasVisible;
        const TRect area = IsShowing(w) ? ScreenWindowRect(w) : TRect{};
        w->Sys.Minimized = true;
        if (!wasVisible) {
            w->Sys.Visible = true;
            w->Attr.Style |= WS_VISIBLE;
            SendMessage(w, WM_SHOWWINDOW, 1, 0);
        }
        SendMessage(w, WM_SIZE, SIZE_MINIMIZED, 0);
        if (Focus != nullptr && IsWithin(Focus, w)) {
            const HWND old = Focus;
            Focus = nullptr;
            SendMessage(old, WM_KILLFOCUS, 0, 0);
        }
        if (cmd == SW_MINIMIZE && Active != nullptr && IsWithin(Active, w))
            ChooseNextActive(w);
        else if (cmd == SW_SHOWMINIMIZED && IsTopLevel(w))
            SetActiveWindow(w);
        InvalidateExposed(area);
        return wasVisible;
    }
    default:
        break;
    }
    const bool restore = w->Sys.Minimized && cmd != SW_SHOW && cmd != SW_SHOWNA;
    bool changed = false;
    if (!wasVisible) {
        w->Sys.Visible = true;
        w->Attr.Style |= WS_VISIBLE;
        SendMessage(w, WM_SHOWWINDOW, 1, 0);
        changed = true;
    }
    if (restore && IsWindow(w)) {
        w->Sys.Minimized = false;
        const TRect client = GetClientRect(w);
        SendMessage(
            w, WM_SIZE, SIZE_RESTORED,
            MAKELPARAM(static_cast<u16>(client.Width()), static_cast<u16>(client.Height())));
        changed = true;
    }
    if (!IsWindow(w))
        return wasVisible;
    if (changed && IsShowing(w)) {
        InvalidateTree(w);
        PaintNonClientArea(w);
    }
    const bool activates =
        cmd == SW_SHOWNORMAL || cmd == SW_SHOW || cmd == SW_RESTORE || cmd == SW_SHOWMAXIMIZED;
    if (activates && IsTopLevel(w) && IsShowing(w)) {
        if (Active == w && Focus == nullptr && AppActive)
            SetFocus(w);
        else
            SetActiveWindow(w);
    }
    return wasVisible;
}

bool TDesktop::IsWindowVisible(HWND w) const {
    for (; w != nullptr; w = w->Parent) {
        if (!IsWindow(w) || !w->Sys.Visible)
            return false;
        if (IsTopLevel(w))
            return true;
    }
    return false;
}

bool TDesktop::EnableWindow(HWND w, bool enable) {
    if (!IsWindow(w))
        return false;
    const bool wasDisabled = !w->Sys.Enabled;
    if (w->Sys.Enabled == enable)
        return wasDisabled;
    w->Sys.Enabled = enable;
    if (enable)
        w->Attr.Style &= ~WS_DISABLED;
    else
        w->Attr.Style |= WS_DISABLED;
    if (!enable) {
        if (Capture != nullptr && IsWithin(Capture, w))
            Capture = nullptr;
        // A modal dialog's owner is disabled after the dialog has taken the focus.
        if (Focus != nullptr && IsChildOf(Focus, w))
            SetFocus(nullptr);
    }
    SendMessage(w, WM_ENABLE, enable ? 1 : 0, 0);
    return wasDisabled;
}

bool TDesktop::IsWindowEnabled(HWND w) const {
    return IsWindow(w) && w->Sys.Enabled;
}

bool TDesktop::IsIconic(HWND w) const {
    return IsWindow(w) && w->Sys.Minimized;
}

bool TDesktop::BringWindowToTop(HWND w) {
    if (!IsWindow(w))
        return false;
    HWND top = TopLevelOf(w);
    if (TopZ.empty() || TopZ.front() != top) {
        Unlink(top);
        TopZ.insert(TopZ.begin(), top);
        if (IsShowing(top)) {
            InvalidateTree(top);
            PaintNonClientArea(top);
        }
    }
    if (IsShowing(top))
        SetActiveWindow(top);
    return true;
}

HWND TDesktop::GetLastActivePopup(HWND w) const {
    if (!IsWindow(w))
        return nullptr;
    const HWND popup = w->Sys.LastActivePopup;
    return popup != nullptr && IsWindow(popup) && IsWindowVisible(popup) ? popup : w;
}

HWND TDesktop::WindowFromPoint(TPoint p) const {
    int hit = HTNOWHERE;
    return HitTest(p, hit);
}

HWND TDesktop::HitTest(TPoint p, int& hit) const {
    hit = HTNOWHERE;
    for (HWND top : TopZ) {
        if (!IsShowing(top) || !ScreenWindowRect(top).Contains(p))
            continue;
        HWND w = top;
        if (!top->Sys.Enabled) {
            hit = HTERROR;
            return top;
        }
        for (bool descended = true; descended;) {
            descended = false;
            for (HWND c : w->Sys.ZChildren) {
                if (IsShowing(c) && c->Sys.Enabled && ScreenWindowRect(c).Contains(p)) {
                    w = c;
                    descended = true;
                    break;
                }
            }
        }
        const TRect client = ScreenClientRect(w);
        if (client.Contains(p)) {
            hit = HTCLIENT;
        } else {
            const TRect wr = ScreenWindowRect(w);
            const TRect in = NonClientInsets(w);
            const i32 captionBottom =
                wr.top + in.left +
                ((w->Attr.Style & WS_CAPTION) == WS_CAPTION ? GetSystemMetrics(SM_CYCAPTION) : 0);
            if (p.y >= wr.top + in.left && p.y < captionBottom)
                hit = HTCAPTION;
            else if (p.y >= captionBottom && p.y < client.top)
                hit = HTMENU;
            else
                hit = HTBORDER;
        }
        return w;
    }
    return nullptr;
}

bool TDesktop::SetWindowText(HWND w, const std::string& text) {
    if (!IsWindow(w))
        return false;
    w->Title = text;
    if (w == MainWindow)
        SyncHost();
    if (IsShowing(w))
        PaintNonClientArea(w);
    return true;
}

bool TDesktop::SetMenu(HWND w, HMENU menu) {
    if (!IsWindow(w) || !IsTopLevel(w))
        return false;
    // A menu left open on the bar being replaced (a mode that ends by itself swaps the bar) is
    // closed now and its pop-up taken off the screen, not left drawn until the next key.
    if (menu != w->Sys.Menu && TMenuUi::Get().GetFrame() == w)
        TMenuUi::Get().Cancel();
    if (!IsWindow(w))
        return false;
    const TRect before = GetClientRect(w);
    w->Sys.Menu = menu;
    if (w == MainWindow)
        SyncHost();
    const TRect after = GetClientRect(w);
    if (after.Size() != before.Size())
        SendMessage(w, WM_SIZE, SIZE_RESTORED,
                    MAKELPARAM(static_cast<u16>(after.Width()), static_cast<u16>(after.Height())));
    if (IsWindow(w) && IsShowing(w)) {
        InvalidateTree(w);
        PaintNonClientArea(w);
    }
    return true;
}

HMENU TDesktop::GetMenu(HWND w) const {
    return IsWindow(w) ? w->Sys.Menu : nullptr;
}

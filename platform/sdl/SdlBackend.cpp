// The SDL window, its renderer and picture, its size and full-screen state, input translation,
// waiting, and the sound services run on the window thread.
#include "SdlBackend.h"

#include "SdlRenderer.h"
#include "platform/audio/WaveMixOutput.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/window/Desktop.h"
#include "platform/host/Clock.h"
#include "platform/midi/Mci.h"

#include <SDL2/SDL.h>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// Notices reach the window system's queue exactly as a posted message would.
void PostNotice(TWindow* window, u32 msg, std::uintptr_t wp, std::intptr_t lp) {
    PostMessage(window, msg, static_cast<WPARAM>(wp), static_cast<LPARAM>(lp));
}

} // namespace

std::unique_ptr<TSdlBackend> TSdlBackend::Create(const TSdlOptions& options, std::string* error) {
    std::unique_ptr<TSdlBackend> backend(new TSdlBackend);
    backend->Options = options;
    std::string why;
    if (!backend->Open(why)) {
        if (error != nullptr)
            *error = why;
        return nullptr;
    }
    return backend;
}

bool TSdlBackend::Open(std::string& error) {
#if defined(__SANITIZE_ADDRESS__)
    // The host libraries SDL opens here (D-Bus, X, the GL driver) keep allocations past their
    // own shutdown, which SDL cannot help; they are not the program's leaks.
    __lsan::ScopedDisabler hostLibraries;
#endif
    // Closing the window is a request to the program, which may refuse it; it must not
    // also end SDL's event loop.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    // The desktop is drawn only when something changes; a compositor bypass would flicker.
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // Whoever starts SDL ends it, with everything its libraries opened on the way.
    OwnsSdl = SDL_WasInit(0) == 0;
    // SDL falls back to drawing into memory when it finds no display; a game nobody can see
    // is no use, unless that driver was asked for by name.
    const auto fellBack = [] {
        const char* driver = SDL_GetCurrentVideoDriver();
        const char* asked = SDL_getenv("SDL_VIDEODRIVER");
        return driver != nullptr &&
               (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0) &&
               (asked == nullptr || SDL_strcasecmp(asked, driver) != 0);
    };
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        // An X server under load refuses the odd connection, and SDL then falls back: a few
        // more tries, a moment apart, find it.
        constexpr int Tries = 5;
        for (int attempt = 1;; ++attempt) {
            if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
                error = SDL_GetError();
                return false;
            }
            if (!fellBack() || attempt == Tries)
                break;
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            SDL_Delay(static_cast<u32>(50 * attempt));
        }
        OwnsVideo = true;
    }
    if (fellBack()) {
        error = "no display; SDL found only its " + std::string(SDL_GetCurrentVideoDriver()) +
                " video driver";
        return false;
    }
    // Until the desktop says what it shows: where the frame's menu bar and client area stand
    // when the frame is centred on the desktop.
    const TSize client = Options.FrameClient;
    const i32 menu = TDesktop::Get().GetSystemMetrics(SM_CYMENU);
    const TPoint at{(Options.Desktop.cx - client.cx) / 2, (Options.Desktop.cy - client.cy) / 2};
    Shown = {at.x, at.y - menu, at.x + client.cx, at.y + client.cy};
    SizedFor = Shown.Size();
    // The window manager frames the window only as it is shown: the first size leaves room for
    // a guess at its title bar and borders, and the place asked for is the frame's until then.
    const TSdlDisplayRoom display = ReadDisplayRoom();
    const TSize size = SdlOpeningSize(SizedFor, display, {}, Options.Scale);
    const TRect place = PlaceSdlWindow(size, display);
    const TSdlFrameEdges guessed = display.FrameEdges();
    Window = SDL_CreateWindow(Options.Title, place.left - guessed.Left, place.top - guessed.Top,
                              size.cx, size.cy, SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
    if (Window == nullptr) {
        error = SDL_GetError();
        return false;
    }
    WindowedSize = Asked = size;
    // Smaller than the frame at its own size would show nothing worth playing with.
    SDL_SetWindowMinimumSize(Window, std::max(1, SizedFor.cx / 2), std::max(1, SizedFor.cy / 2));
    // Drawn into the window's own surface where no graphics card draws; SDL's software
    // renderer where even that surface cannot be had.
    Renderer = CreateCardRenderer(Window);
    if (!Picture.Open(Window, Renderer, Options.Desktop, error)) {
        if (Renderer == nullptr)
            Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_SOFTWARE);
        if (Renderer == nullptr || !Picture.Open(Window, Renderer, Options.Desktop, error)) {
            if (Renderer == nullptr)
                error = SDL_GetError();
            return false;
        }
    }
    // Shown now, as the renderer left it (a GL renderer makes the host window again): the
    // host's notices of it say how large the decorations really are, and the window is fitted
    // again with them.
    PumpHost();
    EdgesTold = true;
    FitToDisplay();
    UpdateViewport();

    Host = TSdlHostConnection(Window);
    if (Host.GetFd() >= 0 && Options.Audio) {
        WakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        // The audio device could not end a wait on the connection: SDL waits then.
        if (WakeFd < 0)
            Host = TSdlHostConnection();
    }
    WakeEventType = SDL_RegisterEvents(1);
    SetWaveMixPoster(&PostNotice);
    SetMciPoster(&PostNotice);
    if (Options.Audio && WakeEventType != static_cast<u32>(-1))
        Audio = std::make_unique<TSdlAudio>([this] { WakeFromAudioThread(); });
    // Black until the window system presents its first frame.
    Redraw();
    return true;
}

TSdlBackend::~TSdlBackend() {
    // The device stops before the posters go, so no notice is posted into a dead backend.
    Audio.reset();
    if (Window != nullptr) {
        SetWaveMixPoster(nullptr);
        SetMciPoster(nullptr);
    }
    Cursors.Clear();
    if (Window != nullptr)
        KeepPlacement();
    Picture.Close();
    if (Renderer != nullptr)
        SDL_DestroyRenderer(Renderer);
    if (Window != nullptr)
        SDL_DestroyWindow(Window);
    if (WakeFd >= 0)
        close(WakeFd);
    if (OwnsVideo)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    if (OwnsSdl)
        SDL_Quit();
}

u32 TSdlBackend::GetWindowId() const {
    return Window != nullptr ? SDL_GetWindowID(Window) : 0;
}

void TSdlBackend::WakeFromAudioThread() {
    if (WakePending.exchange(true))
        return;
    SDL_Event wake{};
    wake.type = WakeEventType;
    SDL_PushEvent(&wake);
    // Only after the push, so that the woken thread finds the event in SDL's queue.
    if (WakeFd >= 0) {
        const u64 one = 1;
        [[maybe_unused]] const ssize_t written = write(WakeFd, &one, sizeof one);
    }
}

TSdlDisplayRoom TSdlBackend::ReadDisplayRoom() const {
    const int display = Window != nullptr ? std::max(0, SDL_GetWindowDisplayIndex(Window)) : 0;
    TSdlDisplayRoom room;
    if (!Options.Display.ReadUsable(display, room.Usable))
        room.Usable = {{0, 0}, SizedFor};
    TSdlFrameEdges e;
    if (Window != nullptr && EdgesTold && Options.Display.ReadBorders(Window, e))
        room.Edges = e;
    return room;
}

void TSdlBackend::FitToDisplay(TSize kept) {
    const TSdlDisplayRoom display = ReadDisplayRoom();
    const TSize size = SdlOpeningSize(SizedFor, display, kept, Options.Scale);
    const TRect at = PlaceSdlWindow(size, display);
    TouchHost();
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(Window, &w, &h);
    if (size != TSize(w, h))
        Resize(size);
    SDL_SetWindowPosition(Window, at.left, at.top);
    WindowedSize = size;
}

void TSdlBackend::UpdateViewport() {
    TouchHost();
    int w = 0;
    int h = 0;
    if (Renderer == nullptr || SDL_GetRendererOutputSize(Renderer, &w, &h) != 0)
        SDL_GetWindowSize(Window, &w, &h);
    View = TSdlViewport::For(Shown, {w, h});
    Picture.Invalidate();
    // Cursors keep their size against the picture, to the nearest whole scale.
    const i32 shownWidth = std::max(1, Shown.Width());
    Cursors.SetScale(std::max(1, (View.Picture.Width() + shownWidth / 2) / shownWidth));
    const u32 flags = SDL_GetWindowFlags(Window);
    if ((flags & (SDL_WINDOW_MAXIMIZED | SDL_WINDOW_FULLSCREEN | SDL_WINDOW_MINIMIZED)) == 0) {
        int ww = 0;
        int wh = 0;
        SDL_GetWindowSize(Window, &ww, &wh);
        if (ww > 0 && wh > 0)
            WindowedSize = {ww, wh};
    }
}

void TSdlBackend::Resize(TSize size) {
    TouchHost();
    Asked = size;
    SDL_SetWindowSize(Window, size.cx, size.cy);
}

void TSdlBackend::FollowWindowSize() {
    UpdateViewport();
    Redraw();
}

void TSdlBackend::Redraw() {
    TouchHost();
    Picture.Show(View);
}

void TSdlBackend::Present(const TScreenSurface& screen, const TRect& changed) {
    // Only what really changed goes to the renderer, and the window is drawn again only when
    // that is part of what it shows: a frame that changed nothing costs a comparison.
    const TRect taken = Picture.Take(screen, changed);
    if (taken.Touches(Shown))
        Redraw();
}

void TSdlBackend::SetShownArea(const TRect& told) {
    const bool first = !ShownTold;
    ShownTold = true;
    const TRect area = told & TRect{{0, 0}, Options.Desktop};
    // Between main windows the host window goes on showing what it showed. The window itself
    // stays as it is: it is the player's, and a frame that gains or loses its menu bar on the
    // way from the title card to the table must not make it jump.
    if (!area.IsEmpty())
        Shown = area;
    if (first) {
        // A desktop attached with its main window already up: the frame may be larger than
        // the options said.
        SizedFor = {std::max(SizedFor.cx, Shown.Width()), std::max(SizedFor.cy, Shown.Height())};
        SDL_SetWindowMinimumSize(Window, std::max(1, SizedFor.cx / 2),
                                 std::max(1, SizedFor.cy / 2));
        ApplyPlacement();
    }
    UpdateViewport();
    Redraw();
}

void TSdlBackend::SetHostTitle(const std::string& title) {
    if (Window != nullptr)
        SDL_SetWindowTitle(Window, title.empty() ? Options.Title : title.c_str());
}

std::string TSdlBackend::GetRendererName() const {
    SDL_RendererInfo info{};
    if (Renderer == nullptr)
        return "window surface";
    if (SDL_GetRendererInfo(Renderer, &info) != 0 || info.name == nullptr)
        return {};
    return info.name;
}

bool TSdlBackend::IsFullScreen() const {
    return Window != nullptr && (SDL_GetWindowFlags(Window) & SDL_WINDOW_FULLSCREEN) != 0;
}

void TSdlBackend::SetFullScreen(bool full) {
    if (Window == nullptr || full == IsFullScreen())
        return;
    TouchHost();
    const TSize windowed = WindowedSize;
    if (full)
        MaximizedUnderFull = (SDL_GetWindowFlags(Window) & SDL_WINDOW_MAXIMIZED) != 0;
    SDL_SetWindowFullscreen(Window, full ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    // Back as it was, where no window manager puts it back. Window managers drop the maximised
    // state while a window is full-screen, and the size from before maximising is not what the
    // player left: a window that was maximised is maximised again.
    if (!full && MaximizedUnderFull)
        SDL_MaximizeWindow(Window);
    else if (!full && windowed.cx > 0 && (SDL_GetWindowFlags(Window) & SDL_WINDOW_MAXIMIZED) == 0)
        Resize(windowed);
    PlacementChanged = true;
    UpdateViewport();
    Redraw();
}

TSdlPlacement TSdlBackend::GetPlacement() const {
    TSdlPlacement placement;
    placement.Size = WindowedSize;
    if (Window != nullptr) {
        const u32 flags = SDL_GetWindowFlags(Window);
        placement.FullScreen = (flags & SDL_WINDOW_FULLSCREEN) != 0;
        placement.Maximized =
            placement.FullScreen ? MaximizedUnderFull : (flags & SDL_WINDOW_MAXIMIZED) != 0;
    }
    return placement;
}

void TSdlBackend::ApplyPlacement() {
    // A size the display cannot hold (another display now, a panel that grew, a hand-edited
    // file) is fitted again; the read only turns away what is no size at all.
    TSdlPlacement saved;
    if (!Options.SettingsFile.empty())
        saved = ReadSdlPlacement(Options.SettingsFile, {SizedFor.cx / 2, SizedFor.cy / 2},
                                 {INT_MAX, INT_MAX});
    // The frame may have grown since the window opened.
    FitToDisplay(saved.Size);
    TouchHost();
    if (saved.Maximized)
        SDL_MaximizeWindow(Window);
    if (saved.FullScreen) {
        MaximizedUnderFull = saved.Maximized;
        SDL_SetWindowFullscreen(Window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
}

void TSdlBackend::KeepPlacement() {
    if (Window == nullptr || Options.SettingsFile.empty() || !ShownTold || !PlacementChanged)
        return;
    // Tried once: a file that cannot be written has been reported by the settings already,
    // and the window keeps its size for the run all the same.
    PlacementChanged = false;
    WriteSdlPlacement(Options.SettingsFile, GetPlacement());
}

bool TSdlBackend::ReadWindowPixels(TScreenSurface& out) {
    TouchHost();
    return Picture.Read(View, out);
}

void TSdlBackend::ServeSound() {
    if (Audio != nullptr)
        Audio->Follow();
    DeliverWaveMixNotices();
    PumpMciDevices();
}

void TSdlBackend::PumpHost() {
    SDL_PumpEvents();
    HostQuiet = true;
    QuietAt = SDL_GetTicks64();
}

bool TSdlBackend::PollEvent(TInputEvent& event) {
    // The window system polls until this answers false; that is one round. It polls several
    // times between two waits, and a pump costs a handful of system calls on X: once a
    // millisecond is enough, and none right after a wait that found the connection silent.
    if (!InRound) {
        InRound = true;
        ServeSound();
        if (!HostQuiet || SDL_GetTicks64() != QuietAt)
            PumpHost();
    }
    SDL_Event sdlEvent;
    while (SDL_PeepEvents(&sdlEvent, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        if (WakeEventType != 0 && sdlEvent.type == WakeEventType) {
            WakePending.store(false);
            DeliverWaveMixNotices();
            continue;
        }
        if (Translate(sdlEvent, event))
            return true;
    }
    InRound = false;
    return false;
}

bool TSdlBackend::SwallowKey(const SDL_Event& e) {
    if (e.type != SDL_KEYUP)
        return false;
    const SDL_Keycode key = e.key.keysym.sym;
    if (HeldShortcut != SDLK_UNKNOWN && key == HeldShortcut) {
        HeldShortcut = SDLK_UNKNOWN;
        return true;
    }
    // The program saw Alt go down; its release alone would open the menu bar.
    if (HeldAlt && (key == SDLK_LALT || key == SDLK_RALT)) {
        HeldAlt = false;
        return true;
    }
    return false;
}

bool TSdlBackend::Translate(const SDL_Event& e, TInputEvent& event) {
    if ((e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) && e.key.windowID == GetWindowId() &&
        SwallowKey(e))
        return false;
    switch (TranslateSdlEvent(e, View, GetWindowId(), static_cast<u16>(SDL_GetModState()), event)) {
    case TSdlEventUse::Input:
        return true;
    case TSdlEventUse::ToggleFullScreen:
        HeldShortcut = e.key.keysym.sym;
        HeldAlt = (e.key.keysym.mod & KMOD_ALT) != 0;
        SetFullScreen(!IsFullScreen());
        return false;
    case TSdlEventUse::Resized: {
        // A size the backend did not ask for is the player's (or the window manager's, on the
        // player's behalf: maximised, tiled).
        int w = 0;
        int h = 0;
        SDL_GetWindowSize(Window, &w, &h);
        if (TSize(w, h) != Asked && !IsFullScreen())
            PlacementChanged = true;
        Asked = {w, h};
        UpdateViewport();
        Redraw();
        return false;
    }
    case TSdlEventUse::Restore:
        Picture.Invalidate();
        Redraw();
        return false;
    case TSdlEventUse::Redraw:
        Picture.Invalidate();
        Redraw();
        return false;
    case TSdlEventUse::None:
        return false;
    }
    return false;
}

bool TSdlBackend::WaitEvent(u64 timeoutMs) {
    u64 wait = timeoutMs;
    if (const std::optional<u64> due = GetMciNextDueMs()) {
        const u64 now = GetTickCount64();
        wait = std::min(wait, *due > now ? *due - now : 0);
    }
    if (wait == 0)
        return true;
    if (Host.GetFd() >= 0) {
        WaitOnConnection(wait);
    } else {
        TouchHost();
        if (wait == Infinite)
            SDL_WaitEvent(nullptr);
        else
            SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<u64>(wait, INT_MAX)));
    }
    // A window can always be sent input, so the wait never means "nothing can arrive".
    return true;
}

void TSdlBackend::WaitOnConnection(u64 waitMs) {
    // What has already been read from the connection would not wake the wait.
    if (!HostQuiet || Host.HasReadEvents())
        PumpHost();
    if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_TRUE)
        return;
    pollfd fds[2] = {{Host.GetFd(), POLLIN, 0}, {WakeFd, POLLIN, 0}};
    const nfds_t count = WakeFd >= 0 ? 2 : 1;
    const int timeout = waitMs == Infinite ? -1 : static_cast<int>(std::min<u64>(waitMs, INT_MAX));
    const int ready = poll(fds, count, timeout);
    if (ready == 0) {
        // Nothing came: SDL's queue still holds all the host has sent.
        QuietAt = SDL_GetTicks64();
        return;
    }
    if (count == 2 && (fds[1].revents & POLLIN) != 0) {
        u64 signals = 0;
        [[maybe_unused]] const ssize_t got = read(WakeFd, &signals, sizeof signals);
    }
    // Input came, or a signal (EINTR) left SDL its quit event to make in the next pump.
    if (ready < 0 || fds[0].revents != 0)
        HostQuiet = false;
}

void TSdlBackend::SetCursor(HCURSOR cursor) {
    Cursors.Show(cursor);
}

void TSdlBackend::SetHostIcon(const TIconImage& icon) {
    const size_t count = static_cast<size_t>(std::max(icon.Width, 0)) *
                         static_cast<size_t>(std::max(icon.Height, 0));
    if (Window == nullptr || count == 0 || icon.Pixels.size() < count)
        return;
    // SDL copies the picture, so the surface need only live for the call.
    std::vector<u32> pixels(icon.Pixels.begin(), icon.Pixels.begin() + count);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        pixels.data(), icon.Width, icon.Height, 32, icon.Width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr)
        return;
    SDL_SetWindowIcon(Window, surface);
    SDL_FreeSurface(surface);
}

void TSdlBackend::RaiseHostWindow() {
    if (Window == nullptr)
        return;
    if ((SDL_GetWindowFlags(Window) & SDL_WINDOW_MINIMIZED) != 0)
        SDL_RestoreWindow(Window);
    SDL_RaiseWindow(Window);
}

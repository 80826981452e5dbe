// The SDL window, its texture and renderer, input translation, waiting, and the sound
// services run on the window thread.
#include "SdlBackend.h"

#include "platform/audio/WaveMixOutput.h"
#include "platform/framework/WinApi.h"
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
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            error = SDL_GetError();
            return false;
        }
        OwnsVideo = true;
    }
    // SDL falls back to drawing into memory when it finds no display; a game nobody can see
    // is no use, unless that driver was asked for by name.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (driver != nullptr &&
        (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0) &&
        (asked == nullptr || SDL_strcasecmp(asked, driver) != 0)) {
        error = "no display; SDL found only its " + std::string(driver) + " video driver";
        return false;
    }
    const TSize desktop = Options.Desktop;
    i32 scale = Options.Scale;
    if (scale <= 0) {
        SDL_Rect usable{};
        if (SDL_GetDisplayUsableBounds(0, &usable) != 0 && SDL_GetDisplayBounds(0, &usable) != 0)
            usable = {0, 0, desktop.cx, desktop.cy};
        scale = TSdlViewport::FitScale(desktop, {usable.w, usable.h});
    }
    Window = SDL_CreateWindow(Options.Title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                              desktop.cx * scale, desktop.cy * scale, SDL_WINDOW_SHOWN);
    if (Window == nullptr) {
        error = SDL_GetError();
        return false;
    }
    Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_ACCELERATED);
    if (Renderer == nullptr)
        Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_SOFTWARE);
    if (Renderer == nullptr) {
        error = SDL_GetError();
        return false;
    }
    Texture = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                desktop.cx, desktop.cy);
    if (Texture == nullptr) {
        error = SDL_GetError();
        return false;
    }
    SDL_SetTextureScaleMode(Texture, SDL_ScaleModeNearest);
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
    if (Texture != nullptr)
        SDL_DestroyTexture(Texture);
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

void TSdlBackend::UpdateViewport() {
    TouchHost();
    int w = 0;
    int h = 0;
    if (SDL_GetRendererOutputSize(Renderer, &w, &h) != 0)
        SDL_GetWindowSize(Window, &w, &h);
    View = TSdlViewport::For(Options.Desktop, {w, h});
    Cursors.SetScale(View.Scale);
}

void TSdlBackend::Redraw() {
    TouchHost();
    SDL_SetRenderDrawColor(Renderer, 0, 0, 0, 255);
    SDL_RenderClear(Renderer);
    const TRect r = View.HostRect();
    const SDL_Rect target{r.left, r.top, r.Width(), r.Height()};
    SDL_RenderCopy(Renderer, Texture, nullptr, &target);
    SDL_RenderPresent(Renderer);
}

void TSdlBackend::Present(const TScreenSurface& screen, const TRect& changed) {
    // Only the changed rectangle goes to the texture; the rest of it still holds what was
    // presented before.
    const TRect bounds{0, 0, std::min(screen.GetWidth(), Options.Desktop.cx),
                       std::min(screen.GetHeight(), Options.Desktop.cy)};
    const TRect r = changed & bounds;
    if (!r.IsEmpty()) {
        const SDL_Rect area{r.left, r.top, r.Width(), r.Height()};
        SDL_UpdateTexture(Texture, &area, screen.Row(r.top) + r.left,
                          screen.GetWidth() * static_cast<int>(sizeof(u32)));
    }
    Redraw();
}

bool TSdlBackend::ReadWindowPixels(TScreenSurface& out) {
    TouchHost();
    int w = 0;
    int h = 0;
    if (SDL_GetRendererOutputSize(Renderer, &w, &h) != 0 || w <= 0 || h <= 0)
        return false;
    // What was presented is gone from the back buffer; draw it again before reading.
    SDL_SetRenderDrawColor(Renderer, 0, 0, 0, 255);
    SDL_RenderClear(Renderer);
    const TRect r = View.HostRect();
    const SDL_Rect target{r.left, r.top, r.Width(), r.Height()};
    SDL_RenderCopy(Renderer, Texture, nullptr, &target);
    out.Resize({w, h});
    const bool ok = SDL_RenderReadPixels(Renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, out.Row(0),
                                         w * static_cast<int>(sizeof(u32))) == 0;
    SDL_RenderPresent(Renderer);
    return ok;
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

bool TSdlBackend::Translate(const SDL_Event& e, TInputEvent& event) {
    switch (TranslateSdlEvent(e, View, GetWindowId(), static_cast<u16>(SDL_GetModState()), event)) {
    case TSdlEventUse::Input:
        return true;
    case TSdlEventUse::Resized:
        UpdateViewport();
        Redraw();
        return false;
    case TSdlEventUse::Redraw:
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

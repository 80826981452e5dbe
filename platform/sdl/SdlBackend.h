// The SDL2 backend: one host window showing the main frame's menu bar and client area, scaled
// to the window's size, full-screen on request; mouse and keyboard from it, the audio device,
// and waiting for input or a deadline.
#pragma once

#include "SdlAudio.h"
#include "SdlCursor.h"
#include "SdlDisplayReader.h"
#include "SdlHostConnection.h"
#include "SdlInput.h"
#include "SdlPicture.h"
#include "SdlPlacement.h"
#include "SdlWindowFit.h"
#include "platform/framework/Backend.h"

#include <atomic>
#include <memory>
#include <string>

struct SDL_Window;
struct SDL_Renderer;

struct TSdlOptions {
    TSize Desktop{800, 600};
    // Until the desktop has a main window, the host window shows where a frame with a client
    // area of this size and a menu bar stands when centred on the desktop. The window is sized
    // for that frame, and keeps its size while the program shows less of it (a frame whose
    // menu bar takes some of its client area).
    TSize FrameClient{640, 480};
    // The whole scale the window opens at; 0 fits the window to the display (TSdlViewport::
    // FitWindow).
    i32 Scale = 0;
    bool Audio = true;
    // The title until the main window gives its caption.
    const char* Title = "otcraps";
    // The settings file (a virtual path) that keeps the window's size, maximised and
    // full-screen state between runs; empty keeps nothing. The program maps it to the
    // player's folder for as long as the backend lives.
    std::string SettingsFile;
    // Where the window's display room and decorations are read from: the host, through SDL,
    // unless a test stands in for a display or window manager its X server lacks.
    TSdlDisplayReader Display = SdlDisplayReader();
};

class TSdlBackend : public TBackend {
public:
    // Null when the host has no display to open a window on; error then says why.
    static std::unique_ptr<TSdlBackend> Create(const TSdlOptions& options = {},
                                               std::string* error = nullptr);
    ~TSdlBackend() override;
    TSdlBackend(const TSdlBackend&) = delete;
    TSdlBackend& operator=(const TSdlBackend&) = delete;

    TSize GetScreenSize() const override { return Options.Desktop; }
    void Present(const TScreenSurface& screen, const TRect& changed) override;
    // Each round of polling first serves the sound components on this (the window) thread:
    // the audio device follows the mixer's format, the mixer's done notices and the MIDI
    // sequencer's due messages and end notice are posted. Then host events, translated.
    bool PollEvent(TInputEvent& event) override;
    // Sleeps until host input, a wake from the audio device, the timeout or the MIDI
    // sequencer's next due message. On X it waits on the server connection itself: SDL's own
    // wait costs several system calls more on every wake, and the game wakes a hundred times
    // a second for its timer. An event another thread pushes into SDL's queue is then seen
    // when the wait ends; the audio device's wake ends it at once.
    bool WaitEvent(u64 timeoutMs) override;
    void SetCursor(HCURSOR cursor) override;
    void RaiseHostWindow() override;
    void SetHostIcon(const TIconImage& icon) override;
    // The first area told reads the placement the player left (the settings file can be read
    // only once the desktop is attached) and applies it. The window keeps its size when the
    // area changes: the new one is drawn as large as the window holds.
    void SetShownArea(const TRect& told) override;
    void SetHostTitle(const std::string& title) override;

    const TSdlViewport& GetViewport() const { return View; }
    u32 GetWindowId() const;
    bool HasSound() const { return Audio != nullptr && Audio->IsOpen(); }
    // What draws the picture: SDL's renderer ("opengl", "software"...) or "window surface".
    std::string GetRendererName() const;
    bool IsFullScreen() const;
    void SetFullScreen(bool full);
    // The placement as it would be kept now. Full-screen, it is maximised when the window was
    // maximised as it went full-screen, whatever the host says meanwhile.
    TSdlPlacement GetPlacement() const;
    // Writes the placement to the settings file when the player has changed it since it was
    // read or last kept. The program calls it once its main function has returned, while a
    // box about the file can still be shown; the backend's end keeps what changed after.
    // A file that cannot be written is left to the settings' own report.
    void KeepPlacement();
    // Draws the desktop as last presented and reads the host window's pixels back, at the
    // window's own size (the picture, plus any black around it).
    bool ReadWindowPixels(TScreenSurface& out);
    // Brings the viewport up to the window's present size, as the host's resize notice does;
    // a test that changed the window calls it rather than wait for the notice.
    void FollowWindowSize();

private:
    // A host event as window-system input; false for events that carry none and for the
    // ones the backend handles itself (exposure, resizing).
    bool Translate(const SDL_Event& sdlEvent, TInputEvent& event);
    TSdlBackend() = default;
    bool Open(std::string& error);
    void ServeSound();
    // Moves what the host has sent into SDL's queue.
    void PumpHost();
    // Drawing talks to the host through libraries that may leave its events read into their
    // own buffers, where neither the connection nor Xlib's queue shows them.
    void TouchHost() { HostQuiet = false; }
    void WaitOnConnection(u64 waitMs);
    void WakeFromAudioThread();
    void UpdateViewport();
    void Redraw();
    // Whether the key event is the other half of a full-screen shortcut: the key's release, or
    // the release of the Alt that went with Enter.
    bool SwallowKey(const SDL_Event& e);
    // What the window's display says of the room it has, with the window manager's title bar
    // and borders once it has had the chance to say them.
    TSdlDisplayRoom ReadDisplayRoom() const;
    // Sizes the window for the shown area, or at the kept size where the display holds it, and
    // centres it, title bar and borders included, in the display's usable area.
    void FitToDisplay(TSize kept = {});
    void ApplyPlacement();
    void Resize(TSize size);

    TSdlOptions Options;
    SDL_Window* Window = nullptr;
    SDL_Renderer* Renderer = nullptr;
    TSdlPicture Picture;
    TSdlViewport View;
    // The part of the desktop shown, and whether the desktop has said so yet.
    TRect Shown;
    bool ShownTold = false;
    // What the window's size is worked out for: the frame with its menu bar.
    TSize SizedFor;
    // Whether the window has been shown and the host's word on it read since: the window
    // manager's decorations are known from then on (none, where there is no window manager).
    bool EdgesTold = false;
    // The window's size when neither maximised nor full-screen, kept for the settings.
    TSize WindowedSize;
    // Whether the window was maximised when it went full-screen: window managers drop the
    // state while the window is full-screen, and leaving it must bring it back.
    bool MaximizedUnderFull = false;
    // The size the backend last gave the window itself; any other is the player's doing, and
    // the placement is kept at the end only when the player changed it.
    TSize Asked;
    bool PlacementChanged = false;
    // Full-screen key releases still to hide from the program (see SwallowKey).
    SDL_Keycode HeldShortcut = SDLK_UNKNOWN;
    bool HeldAlt = false;
    TSdlCursors Cursors;
    std::unique_ptr<TSdlAudio> Audio;
    u32 WakeEventType = 0;
    // Set by the audio thread when it has pushed a wake event not yet seen.
    std::atomic<bool> WakePending{false};
    // The X connection waited on, and the eventfd the audio thread signals besides pushing its
    // wake event (-1 when SDL does the waiting).
    TSdlHostConnection Host;
    int WakeFd = -1;
    // True while every event the host had sent by QuietAt (SDL's milliseconds) is in SDL's
    // queue and nothing has talked to the host since: the connection alone then tells whether
    // more has come, and a round of polling within the same millisecond needs no pump.
    bool HostQuiet = false;
    u64 QuietAt = 0;
    bool InRound = false;
    bool OwnsVideo = false;
    bool OwnsSdl = false;
};

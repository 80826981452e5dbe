// The SDL2 backend: one host window showing the virtual desktop at a whole-number scale,
// mouse and keyboard from it, the audio device, and waiting for input or a deadline.
#pragma once

#include "SdlAudio.h"
#include "SdlCursor.h"
#include "SdlHostConnection.h"
#include "SdlInput.h"
#include "platform/framework/Backend.h"

#include <atomic>
#include <memory>
#include <string>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

struct TSdlOptions {
    TSize Desktop{800, 600};
    // 0 picks the largest scale that fits the monitor.
    i32 Scale = 0;
    bool Audio = true;
    const char* Title = "otcraps";
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

    const TSdlViewport& GetViewport() const { return View; }
    u32 GetWindowId() const;
    bool HasSound() const { return Audio != nullptr && Audio->IsOpen(); }
    // Draws the desktop as last presented and reads the host window's pixels back, at the
    // window's own size (the desktop scaled, plus any border around it).
    bool ReadWindowPixels(TScreenSurface& out);

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

    TSdlOptions Options;
    SDL_Window* Window = nullptr;
    SDL_Renderer* Renderer = nullptr;
    SDL_Texture* Texture = nullptr;
    TSdlViewport View;
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

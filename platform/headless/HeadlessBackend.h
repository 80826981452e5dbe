// The headless backend: an in-memory desktop, a virtual clock that only moves when the
// program waits or a test says so, input played from a script, and sound pulled along the
// clock.
#pragma once

#include "HeadlessAudio.h"
#include "platform/framework/Backend.h"
#include "platform/host/Clock.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class THeadlessBackend : public TBackend {
public:
    // Installs its clock as the process's clock, and posts the wave mixer's and the MIDI
    // device's notices into the window system, for its lifetime.
    explicit THeadlessBackend(TSize screenSize = {800, 600}, u64 startMs = 1000);
    ~THeadlessBackend() override;
    // The program's own run without a window: the ticks are virtual as ever, but the date is
    // the host's, since what it saves goes into the player's own files (a test's backend
    // keeps the wall time at the clock's fixed start). A run that must replay exactly, the
    // same dice and skits each time, fixes the date instead: OTCRAPS_HEADLESS_DATE, seconds
    // since 1970, from which the date follows the ticks as a test's does.
    static std::unique_ptr<THeadlessBackend> ForProgram();
    THeadlessBackend(const THeadlessBackend&) = delete;
    THeadlessBackend& operator=(const THeadlessBackend&) = delete;

    TSize GetScreenSize() const override { return Screen.GetSize(); }
    void Present(const TScreenSurface& screen, const TRect& changed) override;
    void PresentParts(const TScreenSurface& screen, const TRect& changed,
                      const std::vector<TRect>& parts) override;
    // Each round of polling first serves sound: the wave mix is pulled up to the clock time,
    // its done notices are posted, and the MIDI device's due messages are sent.
    bool PollEvent(TInputEvent& event) override;
    // Waiting moves the clock: to the next scripted event or by the timeout, whichever
    // comes first. Nothing scripted and no timeout: false.
    bool WaitEvent(u64 timeoutMs) override;
    void SetCursor(HCURSOR cursor) override { Cursor = cursor; }
    // Counted, for tests.
    void RaiseHostWindow() override { ++RaiseCount; }
    u32 GetRaiseCount() const { return RaiseCount; }
    // Kept, for tests: the last icon handed over and how many were.
    void SetHostIcon(const TIconImage& icon) override {
        HostIcon = icon;
        ++HostIconCount;
    }
    const TIconImage& GetHostIcon() const { return HostIcon; }
    u32 GetHostIconCount() const { return HostIconCount; }

    // The clock.
    u64 Now() const { return Clock.TickMs(); }
    void Advance(u64 ms) { Clock.Advance(ms); }
    TFakeClock& GetClock() { return Clock; }

    // The script: events and actions at clock times, in time order (ties keep the order
    // they were added in). Actions run when the loop polls for input at or after their time.
    void At(u64 timeMs, const TInputEvent& event);
    void At(u64 timeMs, std::function<void()> action);
    void After(u64 delayMs, const TInputEvent& event) { At(Now() + delayMs, event); }
    void After(u64 delayMs, std::function<void()> action) {
        At(Now() + delayMs, std::move(action));
    }
    bool ScriptEmpty() const { return Script.empty(); }

    // Sound now, for a test that moved the clock itself.
    void ServeSound();
    // What the pulled mix sounded like (see THeadlessAudio).
    THeadlessAudio& Audio() { return Sound; }

    // Input now (at the current clock time).
    void MouseMove(TPoint pos);
    void MouseButton(TPoint pos, TMouseButton button, bool down);
    void Click(TPoint pos, TMouseButton button = TMouseButton::Left);
    // The wheel turned at a point by notches, positive away from the user.
    void Wheel(TPoint pos, i32 notches);
    // Key press and release; the character is what the key types (0 for none).
    void Key(u32 virtualKey, u32 character = 0, u16 repeat = 1);
    // A printable character typed with its key.
    void Type(char c, u16 repeat = 1);
    void SetModifiers(bool shift, bool control, bool alt);
    void SetAppActive(bool active);

    const TScreenSurface& GetScreen() const { return Screen; }
    u32 GetPresentCount() const { return PresentCount; }
    HCURSOR GetCursor() const { return Cursor; }
    bool SaveScreenshot(const std::string& hostPath) const;

private:
    struct TEntry {
        u64 Time;
        u64 Order;
        bool IsAction;
        TInputEvent Event;
        std::function<void()> Action;
    };

    void Insert(TEntry entry);
    TInputEvent Stamp(TInputEvent event) const;

    mutable TFakeClock Clock;
    THeadlessAudio Sound;
    bool InRound = false;
    TScreenSurface Screen;
    std::vector<TEntry> Script;
    u64 NextOrder = 0;
    u32 PresentCount = 0;
    u32 RaiseCount = 0;
    TIconImage HostIcon;
    u32 HostIconCount = 0;
    HCURSOR Cursor = nullptr;
    bool Shift = false;
    bool Control = false;
    bool Alt = false;
};

// A headless desktop for a test or a scripted run: a fresh window system on a headless
// backend, put back as it was afterwards.
class THeadlessSession {
public:
    explicit THeadlessSession(TSize screenSize = {800, 600});
    ~THeadlessSession();
    THeadlessSession(const THeadlessSession&) = delete;
    THeadlessSession& operator=(const THeadlessSession&) = delete;

    THeadlessBackend& Backend() { return Headless; }

private:
    THeadlessBackend Headless;
};

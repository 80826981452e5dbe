// The headless backend's screen copy, virtual clock and input script.
#include "HeadlessBackend.h"

#include "PngWriter.h"
#include "platform/audio/WaveMixOutput.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/window/Desktop.h"
#include "platform/midi/Mci.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

// Notices reach the window system's queue exactly as a posted message would.
void PostNotice(TWindow* window, u32 msg, std::uintptr_t wp, std::intptr_t lp) {
    PostMessage(window, msg, static_cast<WPARAM>(wp), static_cast<LPARAM>(lp));
}

// The date a replayed run is fixed at; nothing when none is set, or it is no whole number.
std::optional<i64> FixedDate() {
    const char* text = std::getenv("OTCRAPS_HEADLESS_DATE");
    if (text == nullptr)
        return std::nullopt;
    const std::string_view date(text);
    i64 seconds = 0;
    const auto [end, error] = std::from_chars(date.data(), date.data() + date.size(), seconds);
    if (date.empty() || error != std::errc() || end != date.data() + date.size())
        return std::nullopt;
    return seconds;
}

} // namespace

THeadlessBackend::THeadlessBackend(TSize screenSize, u64 startMs)
    : Clock(startMs), Screen(screenSize) {
    SetClockSource(&Clock);
    SetWaveMixPoster(&PostNotice);
    SetMciPoster(&PostNotice);
    Sound.CatchUp(Now());
}

std::unique_ptr<THeadlessBackend> THeadlessBackend::ForProgram() {
    auto backend = std::make_unique<THeadlessBackend>();
    if (const std::optional<i64> date = FixedDate())
        backend->Clock = TFakeClock(backend->Now(), *date);
    else
        backend->Clock.FollowHostWall();
    return backend;
}

THeadlessBackend::~THeadlessBackend() {
    SetWaveMixPoster(nullptr);
    SetMciPoster(nullptr);
    if (&GetClockSource() == &Clock)
        SetClockSource(nullptr);
}

void THeadlessBackend::ServeSound() {
    Sound.CatchUp(Now());
    DeliverWaveMixNotices();
    PumpMciDevices();
}

void THeadlessBackend::Present(const TScreenSurface& screen, const TRect& changed) {
    const TRect r = changed & Screen.Bounds() & screen.Bounds();
    for (i32 y = r.top; y < r.bottom; ++y)
        std::copy(screen.Row(y) + r.left, screen.Row(y) + r.right, Screen.Row(y) + r.left);
    ++PresentCount;
}

void THeadlessBackend::PresentParts(const TScreenSurface& screen, const TRect& changed,
                                    const std::vector<TRect>& parts) {
    const TRect box = changed & Screen.Bounds() & screen.Bounds();
    for (const TRect& part : parts) {
        const TRect r = part & box;
        for (i32 y = r.top; y < r.bottom; ++y)
            std::copy(screen.Row(y) + r.left, screen.Row(y) + r.right, Screen.Row(y) + r.left);
    }
    ++PresentCount;
}

void THeadlessBackend::Insert(TEntry entry) {
    entry.Order = NextOrder++;
    const auto pos =
        std::upper_bound(Script.begin(), Script.end(), entry,
                         [](const TEntry& a, const TEntry& b) { return a.Time < b.Time; });
    Script.insert(pos, std::move(entry));
}

void THeadlessBackend::At(u64 timeMs, const TInputEvent& event) {
    Insert(TEntry{timeMs, 0, false, event, nullptr});
}

void THeadlessBackend::At(u64 timeMs, std::function<void()> action) {
    Insert(TEntry{timeMs, 0, true, TInputEvent{}, std::move(action)});
}

bool THeadlessBackend::PollEvent(TInputEvent& event) {
    // The window system polls until this answers false; that is one round.
    if (!InRound) {
        InRound = true;
        ServeSound();
    }
    while (!Script.empty() && Script.front().Time <= Now()) {
        TEntry entry = std::move(Script.front());
        Script.erase(Script.begin());
        if (!entry.IsAction) {
            event = entry.Event;
            return true;
        }
        if (entry.Action)
            entry.Action();
    }
    InRound = false;
    return false;
}

bool THeadlessBackend::WaitEvent(u64 timeoutMs) {
    const u64 now = Now();
    const u64 nextScript = Script.empty() ? Infinite : Script.front().Time;
    if (timeoutMs == Infinite && nextScript == Infinite)
        return false;
    u64 target = nextScript;
    if (timeoutMs != Infinite)
        target = std::min(target, now + timeoutMs);
    if (target > now)
        Clock.SetTick(target);
    return true;
}

TInputEvent THeadlessBackend::Stamp(TInputEvent event) const {
    event.Shift = Shift;
    event.Control = Control;
    event.Alt = Alt;
    return event;
}

void THeadlessBackend::MouseMove(TPoint pos) {
    TInputEvent e;
    e.Kind = TInputKind::MouseMove;
    e.Pos = pos;
    At(Now(), Stamp(e));
}

void THeadlessBackend::Wheel(TPoint pos, i32 notches) {
    TInputEvent e;
    e.Kind = TInputKind::MouseWheel;
    e.Pos = pos;
    e.WheelDelta = notches * WHEEL_DELTA;
    At(Now(), Stamp(e));
}

void THeadlessBackend::MouseButton(TPoint pos, TMouseButton button, bool down) {
    TInputEvent e;
    e.Kind = TInputKind::MouseButton;
    e.Pos = pos;
    e.Button = button;
    e.Down = down;
    At(Now(), Stamp(e));
}

void THeadlessBackend::Click(TPoint pos, TMouseButton button) {
    MouseButton(pos, button, true);
    MouseButton(pos, button, false);
}

void THeadlessBackend::Key(u32 virtualKey, u32 character, u16 repeat) {
    TInputEvent e;
    e.Kind = TInputKind::Key;
    e.VirtualKey = virtualKey;
    e.Char = character;
    e.Repeat = repeat;
    e.Down = true;
    At(Now(), Stamp(e));
    e.Down = false;
    e.Char = 0;
    e.Repeat = 1;
    At(Now(), Stamp(e));
}

void THeadlessBackend::Type(char c, u16 repeat) {
    const auto uc = static_cast<unsigned char>(c);
    const u32 vk = (uc >= 'a' && uc <= 'z') ? uc - 'a' + 'A' : uc;
    Key(vk, uc, repeat);
}

void THeadlessBackend::SetModifiers(bool shift, bool control, bool alt) {
    Shift = shift;
    Control = control;
    Alt = alt;
}

void THeadlessBackend::SetAppActive(bool active) {
    TInputEvent e;
    e.Kind = TInputKind::AppActive;
    e.Down = active;
    At(Now(), e);
}

bool THeadlessBackend::SaveScreenshot(const std::string& hostPath) const {
    return WritePng(hostPath, Screen);
}

THeadlessSession::THeadlessSession(TSize screenSize) : Headless(screenSize) {
    TDesktop::Get().Reset();
    TDesktop::Get().AttachBackend(&Headless);
}

THeadlessSession::~THeadlessSession() {
    TDesktop::Get().Reset();
    TDesktop::Get().AttachBackend(nullptr);
}

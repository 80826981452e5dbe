// TQuitSignals: an async-signal-safe handler that notes the signal and wakes the main thread.
#include "QuitSignals.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <pthread.h>
#include <unistd.h>

TQuitSignalStep StepQuitSignal(const TQuitSignalsSeen& seen, int sig, u64 nowMs) {
    const bool interrupt = sig == SIGINT;
    if (!seen.Any)
        return {TQuitSignalAction::Note, {true, interrupt, nowMs}};
    // A clock read before the first was noted (on another thread) counts as no wait at all.
    const u64 waited = nowMs > seen.FirstMs ? nowMs - seen.FirstMs : 0;
    if (waited >= QuitSignalPatienceMs || (interrupt && seen.Interrupt))
        return {TQuitSignalAction::End, seen};
    return {TQuitSignalAction::Ignore, {true, seen.Interrupt || interrupt, seen.FirstMs}};
}

namespace {

constexpr int Handled[] = {SIGTERM, SIGINT, SIGHUP};
// Carried by a signal passed on to the main thread, so that it is not counted again there.
constexpr int ForwardMark = 0x51554954;

// What has been seen, in one word so that handlers on two threads cannot tear it: bit 0 any,
// bit 1 interrupt, the first one's time above them.
std::atomic<u64> Seen{0};
std::atomic<bool> HaveMain{false};
pthread_t MainThread;
TQuitSignals::TNow Now = nullptr;
static_assert(std::atomic<u64>::is_always_lock_free && std::atomic<bool>::is_always_lock_free);

u64 Pack(const TQuitSignalsSeen& seen) {
    return (seen.Any ? 1U : 0U) | (seen.Interrupt ? 2U : 0U) | (seen.FirstMs << 2);
}

TQuitSignalsSeen Unpack(u64 word) {
    return {(word & 1U) != 0, (word & 2U) != 0, word >> 2};
}

u64 HostMonotonicMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<u64>(ts.tv_sec) * 1000U + static_cast<u64>(ts.tv_nsec) / 1000000U;
}

bool IsPassedOn(const siginfo_t* info) {
    return info != nullptr && info->si_code == SI_QUEUE && info->si_pid == getpid() &&
           info->si_value.sival_int == ForwardMark;
}

extern "C" void OnQuitSignal(int sig, siginfo_t* info, void*) {
    const int saved = errno;
    // Passed on by the handler that noted it: the interruption itself was the point.
    if (IsPassedOn(info)) {
        errno = saved;
        return;
    }
    const u64 now = Now != nullptr ? Now() : HostMonotonicMs();
    u64 word = Seen.load();
    TQuitSignalStep step;
    do
        step = StepQuitSignal(Unpack(word), sig, now);
    while (step.Action != TQuitSignalAction::End &&
           !Seen.compare_exchange_weak(word, Pack(step.Seen)));
    if (step.Action == TQuitSignalAction::End) {
        // The default action, once this handler returns and unblocks it.
        std::signal(sig, SIG_DFL);
        std::raise(sig);
    } else if (step.Action == TQuitSignalAction::Note && HaveMain.load() &&
               !pthread_equal(pthread_self(), MainThread)) {
        // A signal ends a blocking wait only on the thread it is delivered to.
        sigval mark{};
        mark.sival_int = ForwardMark;
        pthread_sigqueue(MainThread, sig, mark);
    }
    errno = saved;
}

} // namespace

void TQuitSignals::Install(TNow now) {
    MainThread = pthread_self();
    HaveMain.store(true);
    Now = now;
    Seen.store(0);
    struct sigaction action {};
    action.sa_sigaction = OnQuitSignal;
    // Other calls carry on where they were; a wait for input ends all the same.
    action.sa_flags = SA_RESTART | SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    for (int sig : Handled)
        sigaddset(&action.sa_mask, sig);
    for (int sig : Handled)
        sigaction(sig, &action, nullptr);
}

void TQuitSignals::Uninstall() {
    for (int sig : Handled)
        std::signal(sig, SIG_DFL);
    HaveMain.store(false);
    Seen.store(0);
}

bool TQuitSignals::Take() {
    return (Seen.exchange(0) & 1U) != 0;
}

bool TQuitSignals::Pending() {
    return (Seen.load() & 1U) != 0;
}

// TQuitSignals: an async-signal-safe handler that notes the signal and wakes the main thread.
#include "QuitSignals.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <pthread.h>

namespace {

constexpr int Handled[] = {SIGTERM, SIGINT, SIGHUP};

// Only lock-free atomics may be touched by a handler.
std::atomic<int> Received{0};
// Set while a signal caught on another thread is being passed on to the main thread, whose
// handler must then not count it a second time.
std::atomic<bool> Forwarding{false};
std::atomic<bool> HaveMain{false};
pthread_t MainThread;
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free);

extern "C" void OnQuitSignal(int sig) {
    const int saved = errno;
    if (Forwarding.exchange(false) && HaveMain.load() &&
        pthread_equal(pthread_self(), MainThread)) {
        // Passed on by the handler that noted it; the interruption itself was the point.
    } else if (Received.exchange(sig) != 0) {
        // Still not taken: the default action, once this handler returns and unblocks it.
        std::signal(sig, SIG_DFL);
        std::raise(sig);
    } else if (HaveMain.load() && !pthread_equal(pthread_self(), MainThread)) {
        // A signal ends a blocking wait only on the thread it is delivered to.
        Forwarding.store(true);
        pthread_kill(MainThread, sig);
    }
    errno = saved;
}

} // namespace

void TQuitSignals::Install() {
    MainThread = pthread_self();
    HaveMain.store(true);
    Received.store(0);
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    // Other calls carry on where they were; a wait for input ends all the same.
    action.sa_flags = SA_RESTART;
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
    Received.store(0);
}

bool TQuitSignals::Take() {
    return Received.exchange(0) != 0;
}

bool TQuitSignals::Pending() {
    return Received.load() != 0;
}

// The quit signals: each noted once for the loop, one caught on another thread ends the main
// thread's wait, and a second before the first is taken ends the process as if unhandled.
#include "platform/host/QuitSignals.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace {

class QuitSignals : public ::testing::Test {
protected:
    void SetUp() override { TQuitSignals::Install(); }
    void TearDown() override { TQuitSignals::Uninstall(); }
};

TEST_F(QuitSignals, EachOfTheThreeIsNotedOnceForTheLoop) {
    EXPECT_FALSE(TQuitSignals::Pending() || TQuitSignals::Take());
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        ASSERT_EQ(std::raise(sig), 0);
        EXPECT_TRUE(TQuitSignals::Pending()) << sig;
        EXPECT_TRUE(TQuitSignals::Take()) << sig;
        EXPECT_FALSE(TQuitSignals::Pending() || TQuitSignals::Take()) << sig;
    }
    // Gone with the handler: a signal noted and never taken is forgotten too.
    std::raise(SIGHUP);
    TQuitSignals::Uninstall();
    EXPECT_FALSE(TQuitSignals::Pending());
    TQuitSignals::Install();
}

TEST_F(QuitSignals, OneCaughtOnAnotherThreadEndsTheMainThreadsWait) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    // Held back on this thread until it waits, so the wait cannot begin after the signal.
    sigset_t term;
    sigemptyset(&term);
    sigaddset(&term, SIGTERM);
    sigset_t before;
    ASSERT_EQ(pthread_sigmask(SIG_BLOCK, &term, &before), 0);
    std::thread other([&term] {
        pthread_sigmask(SIG_UNBLOCK, &term, nullptr);
        std::raise(SIGTERM);
    });
    other.join();
    // The other thread has noted it and passed it on; nothing will ever come down the pipe.
    EXPECT_TRUE(TQuitSignals::Pending());
    pollfd wait{fds[0], POLLIN, 0};
    sigset_t open = before;
    sigdelset(&open, SIGTERM);
    // Bounded only so that a broken hand-on fails instead of hanging.
    const timespec limit{30, 0};
    const int ready = ppoll(&wait, 1, &limit, &open);
    const int error = errno;
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    EXPECT_EQ(ready, -1);
    EXPECT_EQ(error, EINTR);
    // Passed on, not sent twice: one signal, taken once, and the process lives on.
    EXPECT_TRUE(TQuitSignals::Take());
    EXPECT_FALSE(TQuitSignals::Pending());
    close(fds[0]);
    close(fds[1]);
}

using QuitSignalsDeathTest = QuitSignals;

TEST_F(QuitSignalsDeathTest, ASecondBeforeTheFirstIsTakenEndsTheProcess) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            TQuitSignals::Install();
            std::raise(SIGINT);
            std::raise(SIGINT);
            std::_Exit(0);
        },
        ::testing::KilledBySignal(SIGINT), "");
    // Taken in between, the second is only another request.
    std::raise(SIGINT);
    EXPECT_TRUE(TQuitSignals::Take());
    std::raise(SIGINT);
    EXPECT_TRUE(TQuitSignals::Take());
}

} // namespace

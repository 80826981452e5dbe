// The quit signals: each noted once for the loop, one caught on another thread ends the main
// thread's wait, and what a further one before the first is taken does: a session's end (SIGTERM
// and SIGHUP at once) is one request, a second Ctrl+C or a long wait ends the process.
#include "platform/host/QuitSignals.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ostream>
#include <poll.h>
#include <pthread.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

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

// A signal of a sequence: which, and when.
struct TTimedSignal {
    int Sig;
    u64 Ms;
};

struct TSequenceCase {
    const char* Name;
    std::vector<TTimedSignal> Signals;
    // The place of the signal that ends the process; -1 when none does.
    int EndsAt;
};

void PrintTo(const TSequenceCase& c, std::ostream* out) {
    *out << c.Name;
}

class QuitSignalSequence : public ::testing::TestWithParam<TSequenceCase> {};

TEST_P(QuitSignalSequence, OnlyTheFirstIsNotedAndOnlyASecondCtrlCOrALongWaitEnds) {
    TQuitSignalsSeen seen;
    int notes = 0;
    int endsAt = -1;
    for (size_t i = 0; i < GetParam().Signals.size() && endsAt < 0; ++i) {
        const TQuitSignalStep step =
            StepQuitSignal(seen, GetParam().Signals[i].Sig, GetParam().Signals[i].Ms);
        notes += step.Action == TQuitSignalAction::Note ? 1 : 0;
        if (step.Action == TQuitSignalAction::End)
            endsAt = static_cast<int>(i);
        seen = step.Seen;
    }
    EXPECT_EQ(endsAt, GetParam().EndsAt);
    EXPECT_EQ(notes, 1);
    // The first one's time stays the one a wait is measured from.
    EXPECT_EQ(seen.FirstMs, GetParam().Signals.front().Ms);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, QuitSignalSequence,
    ::testing::Values(
        TSequenceCase{"Logout", {{SIGTERM, 100}, {SIGHUP, 100}}, -1},
        TSequenceCase{"HangUpThenTerm", {{SIGHUP, 100}, {SIGTERM, 101}}, -1},
        TSequenceCase{
            "TermAgainAndAgain", {{SIGTERM, 0}, {SIGTERM, 1}, {SIGTERM, 2}, {SIGHUP, 3}}, -1},
        TSequenceCase{"CtrlCAfterTerm", {{SIGTERM, 0}, {SIGINT, 10}}, -1},
        TSequenceCase{"CtrlCAfterHangUp", {{SIGHUP, 0}, {SIGINT, 10}}, -1},
        TSequenceCase{"LogoutAfterCtrlC", {{SIGINT, 0}, {SIGTERM, 5}, {SIGHUP, 5}}, -1},
        TSequenceCase{"SecondCtrlC", {{SIGINT, 0}, {SIGINT, 300}}, 1},
        TSequenceCase{"SecondCtrlCAfterALogout", {{SIGINT, 0}, {SIGTERM, 1}, {SIGINT, 2}}, 2},
        TSequenceCase{
            "TwoCtrlCsAfterTerm", {{SIGTERM, 0}, {SIGINT, 1}, {SIGHUP, 2}, {SIGINT, 3}}, 3},
        TSequenceCase{
            "JustInTime", {{SIGTERM, 1000}, {SIGHUP, 1000 + QuitSignalPatienceMs - 1}}, -1},
        TSequenceCase{"TooLate", {{SIGTERM, 1000}, {SIGHUP, 1000 + QuitSignalPatienceMs}}, 1},
        TSequenceCase{"TooLateAfterCtrlC", {{SIGINT, 0}, {SIGTERM, QuitSignalPatienceMs + 7}}, 1},
        // Read on another thread before the first was noted.
        TSequenceCase{"ClockReadEarlier", {{SIGTERM, 5000}, {SIGHUP, 4999}}, -1}),
    [](const auto& test) { return std::string(test.param.Name); });

// The handler's clock in the death tests, moved by hand.
std::atomic<u64> FakeNow{0};
u64 ReadFakeNow() {
    return FakeNow.load();
}

using QuitSignalsDeathTest = QuitSignals;

TEST_F(QuitSignalsDeathTest, ASecondCtrlCOrALateOneEndsTheProcess) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            TQuitSignals::Install();
            std::raise(SIGINT);
            std::raise(SIGINT);
            std::_Exit(0);
        },
        ::testing::KilledBySignal(SIGINT), "");
    EXPECT_EXIT(
        {
            FakeNow.store(50);
            TQuitSignals::Install(ReadFakeNow);
            std::raise(SIGTERM);
            FakeNow.store(50 + QuitSignalPatienceMs);
            std::raise(SIGHUP);
            std::_Exit(0);
        },
        ::testing::KilledBySignal(SIGHUP), "");
}

TEST_F(QuitSignals, ALogoutsSignalsAndACtrlCAreOneRequest) {
    FakeNow.store(0);
    TQuitSignals::Install(ReadFakeNow);
    std::raise(SIGTERM);
    std::raise(SIGHUP);
    FakeNow.store(QuitSignalPatienceMs - 1);
    std::raise(SIGINT);
    EXPECT_TRUE(TQuitSignals::Take());
    EXPECT_FALSE(TQuitSignals::Pending());
    // Taken, the next is a request of its own, and its wait starts afresh.
    FakeNow.store(3 * QuitSignalPatienceMs);
    std::raise(SIGINT);
    std::raise(SIGHUP);
    EXPECT_TRUE(TQuitSignals::Take());
    std::raise(SIGINT);
    EXPECT_TRUE(TQuitSignals::Take());
}

} // namespace

// The program-running helpers' deadline: a child that never ends, never closes its output or
// never sends its shot is killed with what it started, and the test fails naming itself.
#include "ProgramRun.h"
#include "support/TempDir.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <ostream>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

struct THungChild {
    const char* Name;
    // A shell line standing in for a program that hangs.
    const char* Script;
    // Waited for through AwaitShot on a FIFO nobody writes, else through FinishProgram.
    bool Shot;
    // What the failure says was waited for.
    const char* WaitedFor;
    // Where the hang begins, and the child's time with it: at once, once its standard error
    // holds a line, or once that has closed. A shell on a busy machine may take longer than the
    // bound to get there.
    enum { AtStart, AfterALine, AfterTheClose } Hangs = AtStart;
};

void PrintTo(const THungChild& hung, std::ostream* out) {
    *out << hung.Name;
}

const THungChild Hung[] = {
    {"Spins", "exec sleep 1000", false, "its end, its standard error still open"},
    {"ClosesItsOutputAndSpins", "exec 2>&-; exec sleep 1000", false,
     "its end, its standard error closed", THungChild::AfterTheClose},
    // The child's own child holds the output too: it must be ended with it.
    {"LeavesAChildBehind", "sleep 1000 & echo $! >&2; wait", false,
     "its end, its standard error still open", THungChild::AfterALine},
    {"NeverSendsTheShot", "exec sleep 1000", true, "a shot through its pipe"},
};

// Reads the child's standard error into errors until it holds a line (or, with closed, until it
// has closed), and starts the child's time there; false when that never came.
bool AwaitHang(TChildProgram& child, std::string& errors, bool closed) {
    const auto giveUp = std::chrono::steady_clock::now() + 30s;
    char buffer[256];
    while (closed || errors.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            giveUp - std::chrono::steady_clock::now());
        pollfd fd = {child.Errors, POLLIN, 0};
        const int ready = poll(&fd, 1, static_cast<int>(std::max<long long>(0, left.count())));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t n = read(child.Errors, buffer, sizeof buffer);
        if (n > 0)
            errors.append(buffer, static_cast<size_t>(n));
        else if (n == 0)
            return closed;
        else if (errno != EINTR)
            return false;
    }
    child.Deadline = std::chrono::steady_clock::now() + child.Limit;
    return true;
}

// True when the process has ended (or is gone), waiting for it by its pidfd up to the bound.
bool Ends(pid_t pid, std::chrono::milliseconds bound) {
    const int fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (fd < 0)
        return errno == ESRCH;
    pollfd ended = {fd, POLLIN, 0};
    const int ready = poll(&ended, 1, static_cast<int>(bound.count()));
    close(fd);
    return ready == 1;
}

class ProgramRunDeadline : public ::testing::TestWithParam<THungChild> {};

TEST_P(ProgramRunDeadline, KillsTheChildAtItsDeadlineAndFailsNamingTheCase) {
    const THungChild& hung = GetParam();
    TTempDir dir;
    const std::string fifo = dir.Host("shot.pipe").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int shot = open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(shot, 0);
    auto start = std::chrono::steady_clock::now();
    TChildProgram child = SpawnProgram("/bin/sh", {"-c", hung.Script}, {}, {}, 1s);
    ASSERT_TRUE(child.Started());
    int code = 0;
    std::string errors;
    if (hung.Hangs != THungChild::AtStart) {
        const bool hanging = AwaitHang(child, errors, hung.Hangs == THungChild::AfterTheClose);
        start = std::chrono::steady_clock::now();
        if (!hanging) {
            kill(-child.Pid, SIGKILL);
            ADD_FAILURE() << "the shell never came to its hang; it said: " << errors;
        }
    }
    std::string png;
    bool sawShot = true;
    const std::string failure = std::string("ProgramRunDeadline.KillsTheChildAtItsDeadlineAndFails"
                                            "NamingTheCase/") +
                                hung.Name + ": /bin/sh was waited on for " + hung.WaitedFor +
                                " for 1 s";
    EXPECT_NONFATAL_FAILURE(
        {
            if (hung.Shot)
                sawShot = AwaitShot(child, shot, errors, png);
            code = FinishProgram(child, errors);
        },
        failure);
    close(shot);
    // Well inside the bound CTest sets: the helper's own deadline, not CTest's, must end a
    // hang, or the failure would not name the test that hung.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 30s);
    EXPECT_EQ(code, -SIGKILL);
    EXPECT_FALSE(hung.Shot && sawShot);
    // What the child started went with it: its process group was killed.
    if (std::string(hung.Name) == "LeavesAChildBehind") {
        ASSERT_NE(errors.find_first_of("0123456789"), std::string::npos) << errors;
        const pid_t left = static_cast<pid_t>(std::stoi(errors));
        ASSERT_GT(left, 0) << errors;
        const bool ended = Ends(left, 10s);
        EXPECT_TRUE(ended) << "the child's own child " << left << " still runs";
        if (!ended)
            kill(left, SIGKILL);
    }
}

INSTANTIATE_TEST_SUITE_P(Hangs, ProgramRunDeadline, ::testing::ValuesIn(Hung),
                         [](const auto& test) { return std::string(test.param.Name); });

TEST(ProgramRunDeadlineTest, AChildThatEndsInTimeGivesItsCodeAndOutputWithoutAFailure) {
    TChildProgram child = SpawnProgram("/bin/sh", {"-c", "echo said >&2; exit 3"}, {}, {}, 60s);
    std::string errors;
    EXPECT_EQ(FinishProgram(child, errors), 3);
    EXPECT_EQ(errors, "said\n");
}

} // namespace

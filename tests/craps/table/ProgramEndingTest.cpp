// The real executable, headless, where the host has a say in its ending: a session's end sends
// SIGTERM and SIGHUP back to back, a file-size limit refuses its save, and the single-instance
// lock names a process that is no copy of it, a copy on another host, or nothing at all.
#include "ProgramRun.h"
#include "casino/CasinoPlayerData.h"
#include "platform/host/InstanceLock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <spawn.h>
#include <string>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr size_t SaveSize = 8 + 223 + 20 * TCasinoPlayerData::EncodedSize;
// From the title screen to the table, which saves the gamblers as it opens.
constexpr const char* ToTheTable = "2500 click 400 300\n";

bool HaveData() {
    return fs::exists(fs::path(OTCRAPS_PROGRAM).parent_path() / "data" / "otcraps.det");
}

std::string WholeFileAt(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

size_t CountOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TCasinoPlayerData FirstGambler(const std::string& save) {
    TCasinoPlayerData joe;
    if (save.size() == SaveSize)
        joe.Decode(reinterpret_cast<const u8*>(save.data()) + 8 + 223,
                   TCasinoPlayerData::EncodedSize);
    return joe;
}

// The times a file named name was moved into place in a watched folder (the save is written
// beside itself and moved over the old one).
size_t MovesInto(int watch, const std::string& name) {
    size_t moves = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = read(watch, buffer, sizeof buffer)) > 0;)
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if ((event->mask & IN_MOVED_TO) != 0 && event->len > 0 && name == event->name)
                ++moves;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    return moves;
}

struct TLogoutCase {
    const char* Name;
    // Input from the table on that leaves the screen as the signals find it.
    const char* Steps;
    // When it surely stands.
    int ShotAt;
};

void PrintTo(const TLogoutCase& c, std::ostream* out) {
    *out << c.Name;
}

class LogoutSignals : public ::testing::TestWithParam<TLogoutCase> {};

TEST_P(LogoutSignals, EndTheRunOnceWithOneSave) {
    if (!HaveData())
        GTEST_SKIP() << "the build wrote no data set beside the program";
    TTempDir dir;
    const fs::path pipe = dir.Host("shot.pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // The last step is far off: the run ends there only when the signals did not end it.
    dir.WriteHostFile("run.txt", std::string(ToTheTable) + GetParam().Steps +
                                     std::to_string(GetParam().ShotAt) + " shot " + pipe.string() +
                                     "\n600000 shot " + dir.Host("late.png").string() + "\n");
    const int shot = open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(shot, 0);
    TChildProgram child =
        SpawnProgram(OTCRAPS_PROGRAM, {"--headless", "--script=" + dir.Host("run.txt").string()},
                     {"OTCRAPS_HOME=" + dir.Host("home").string()});
    std::string errors, png;
    const bool sawScreen = AwaitShot(child, shot, errors, png);
    close(shot);
    // From here on every save is the one the signals' close makes.
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    const bool watching =
        watch >= 0 && inotify_add_watch(watch, dir.Host("home/data").c_str(), IN_MOVED_TO) >= 0;
    if (sawScreen) {
        kill(child.Pid, SIGTERM);
        kill(child.Pid, SIGHUP);
    }
    const int code = FinishProgram(child, errors);
    ASSERT_TRUE(sawScreen) << errors;
    EXPECT_EQ(code, 0) << errors;
    EXPECT_EQ(errors, "");
    EXPECT_FALSE(fs::exists(dir.Host("late.png")));
    ASSERT_TRUE(watching);
    EXPECT_EQ(MovesInto(watch, "otcraps.sav"), 1U);
    close(watch);
    // The session the close ended is in Joe's record, and none is open.
    const std::string save = WholeFileAt(dir.Host("home/data/otcraps.sav"));
    ASSERT_EQ(save.size(), SaveSize);
    TCasinoPlayerData joe = FirstGambler(save);
    EXPECT_EQ(joe.GetName(), "Joe Gambler");
    EXPECT_EQ(joe.GetSessionCode(), 0U);
    EXPECT_NE(joe.GetHistory().GetCurrentSession(), nullptr);
}

// Options at (138, 50) with Betting Options under it.
INSTANTIATE_TEST_SUITE_P(
    Screens, LogoutSignals,
    ::testing::Values(TLogoutCase{"AtTheTable", "", 4000},
                      TLogoutCase{"WithADialogUp", "5000 click 138 50\n5500 click 170 70\n", 6500}),
    [](const auto& test) { return std::string(test.param.Name); });

// Starts the program with its written files limited to limit bytes, set in the child before
// the program is run.
TChildProgram SpawnLimited(const std::string& path, std::vector<std::string> args,
                           const std::string& home, rlim_t limit) {
    TChildProgram child;
    std::vector<std::string> variables = {"OTCRAPS_HOME=" + home};
    for (char** v = environ; *v != nullptr; ++v)
        if (std::string(*v).rfind("OTCRAPS_HOME=", 0) != 0)
            variables.emplace_back(*v);
    std::vector<char*> envp;
    for (std::string& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    args.insert(args.begin(), path);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int errs[2];
    if (pipe2(errs, O_CLOEXEC) != 0)
        return child;
    const rlimit size{limit, limit};
    const pid_t pid = fork();
    if (pid == 0) {
        // Only calls safe after a fork, up to the program's start.
        dup2(errs[1], 2);
        // Its own process group, as SpawnProgram gives: an overdue run is ended group and all.
        setpgid(0, 0);
        if (setrlimit(RLIMIT_FSIZE, &size) == 0)
            execve(path.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    close(errs[1]);
    child.Errors = errs[0];
    child.Pid = pid > 0 ? pid : 0;
    return child;
}

TEST(ProgramFileSizeLimit, RefusesTheSaveAsAFailedWriteAndKeepsTheOldOne) {
    if (!HaveData())
        GTEST_SKIP() << "the build wrote no data set beside the program";
    TTempDir dir;
    // A first run, unlimited, leaves the save the limited one finds.
    dir.WriteHostFile("first.txt", std::string(ToTheTable) + "3000 close\n");
    const TProgramRun first =
        RunProgram(OTCRAPS_PROGRAM, {"--headless", "--script=" + dir.Host("first.txt").string()},
                   dir.Host("home").string());
    ASSERT_EQ(first.Code, 0) << first.Errors;
    const std::string old = WholeFileAt(dir.Host("home/data/otcraps.sav"));
    ASSERT_EQ(old.size(), SaveSize);

    // Room for the settings and the lock, not for the save.
    dir.WriteHostFile("run.txt", std::string(ToTheTable) + "3000 close\n");
    TChildProgram child =
        SpawnLimited(OTCRAPS_PROGRAM, {"--headless", "--script=" + dir.Host("run.txt").string()},
                     dir.Host("home").string(), 64 * 1024);
    ASSERT_TRUE(child.Started());
    std::string errors;
    const int code = FinishProgram(child, errors);
    EXPECT_EQ(code, 0) << errors;
    EXPECT_NE(errors.find("Write Save File Failed"), std::string::npos) << errors;
    EXPECT_NE(errors.find(std::strerror(EFBIG)), std::string::npos) << errors;
    EXPECT_FALSE(fs::exists(dir.Host("home/data/otcraps.tmp")));
    EXPECT_EQ(WholeFileAt(dir.Host("home/data/otcraps.sav")), old);
}

// What the lock file stands for as a second copy starts.
enum class TLockStand { Stranger, OtherHost, LinkToNothing };

struct TLockCase {
    const char* Name;
    TLockStand Stand;
    int Code;
    // What the one box says.
    const char* Said;
};

void PrintTo(const TLockCase& c, std::ostream* out) {
    *out << c.Name;
}

class LockHolderProcess : public ::testing::TestWithParam<TLockCase> {};

TEST_P(LockHolderProcess, NoStrangerIsSignalledAndOneBoxSaysWhy) {
    if (!HaveData())
        GTEST_SKIP() << "the build wrote no data set beside the program";
    TTempDir dir;
    fs::create_directories(dir.Host("home"));
    const fs::path lockPath = dir.Host("home/otcraps.lck");
    TInstanceLock held;
    pid_t stranger = 0;
    if (GetParam().Stand == TLockStand::LinkToNothing) {
        fs::create_symlink(dir.Host("gone/otcraps.lck"), lockPath);
    } else {
        ASSERT_EQ(held.Acquire(lockPath.string()), TInstanceLock::TResult::Acquired);
        if (GetParam().Stand == TLockStand::Stranger) {
            char sleep[] = "sleep";
            char forever[] = "600";
            char* argv[] = {sleep, forever, nullptr};
            ASSERT_EQ(posix_spawnp(&stranger, "sleep", nullptr, nullptr, argv, environ), 0);
        }
        // This process holds it, yet is named only as the stranger, or as a copy elsewhere.
        dir.WriteHostFile("home/otcraps.lck", stranger != 0
                                                  ? FormatLockHolder(stranger, ThisHostName())
                                                  : FormatLockHolder(getpid(), "far-away.example"));
    }
    dir.WriteHostFile("run.txt", std::string(ToTheTable) + "3000 close\n");
    const TProgramRun run =
        RunProgram(OTCRAPS_PROGRAM, {"--headless", "--script=" + dir.Host("run.txt").string()},
                   dir.Host("home").string());
    EXPECT_EQ(run.Code, GetParam().Code) << run.Errors;
    EXPECT_EQ(CountOf(run.Errors, GetParam().Said), 1U) << run.Errors;
    EXPECT_EQ(CountOf(run.Errors, lockPath.string()), 1U) << run.Errors;
    if (stranger != 0) {
        // A SIGUSR1 sent before would be what it died of, its number being the lower.
        kill(stranger, SIGTERM);
        int status = 0;
        ASSERT_EQ(waitpid(stranger, &status, 0), stranger);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    }
    EXPECT_FALSE(fs::exists(dir.Host("gone")));
}

INSTANTIATE_TEST_SUITE_P(
    Stands, LockHolderProcess,
    ::testing::Values(TLockCase{"Stranger", TLockStand::Stranger, 255,
                                "Another copy of the game is already running: "},
                      TLockCase{"OtherHost", TLockStand::OtherHost, 255,
                                "Another copy of the game is already running on "
                                "far-away.example: "},
                      TLockCase{"LinkToNothing", TLockStand::LinkToNothing, 0,
                                "is a link to nothing."}),
    [](const auto& test) { return std::string(test.param.Name); });

} // namespace

// The real program and the player's files: a second copy leaves the running copy's folder exactly
// as it found it, a FIFO in place of any file the program reads holds nothing up, and a run
// without a window dates its sessions by the host's calendar.
#include "../../tools/databuild/TestDataSet.h"
#include "BuiltDataSuite.h"
#include "ProgramRun.h"
#include "ProgramSupport.h"
#include "casino/CasinoPlayerData.h"
#include "platform/host/DateTime.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"
#include "tools/databuild/writer/Build.h"

#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Everything in a folder as it stands: each file's bytes, each folder's time of last change
// (which any file made and removed again moves), each other thing's kind.
std::map<std::string, std::string> FolderPicture(const fs::path& folder) {
    std::map<std::string, std::string> picture;
    const auto note = [&](const fs::path& path) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0)
            return;
        std::string& what = picture[path.string()];
        if (S_ISREG(st.st_mode)) {
            // The pack and the program are megabytes: their hash, so that a difference prints
            // in a line.
            const std::string bytes = ReadFileBytes(path);
            what = "file of " + std::to_string(bytes.size()) + " bytes, hash " +
                   std::to_string(std::hash<std::string>{}(bytes));
        } else if (S_ISDIR(st.st_mode)) {
            what = "folder " + std::to_string(st.st_mtim.tv_sec) + "." +
                   std::to_string(st.st_mtim.tv_nsec);
        } else {
            what = "mode " + std::to_string(st.st_mode);
        }
    };
    note(folder);
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        note(entry.path());
    return picture;
}

using PlayerFilesProcessTest = ProgramFixture;

TEST_F(PlayerFilesProcessTest, ASecondCopyLeavesTheRunningCopysFolderAsItFoundIt) {
    Build();
    fs::copy_file(OTCRAPS_PROGRAM, Dir.Host("otcraps"));
    // The running copy's own settings, in the form a second copy's would rewrite.
    Dir.WriteHostFile("otcraps.ini", "[Intro]\r\nShow=0\r\n");
    std::map<std::string, std::string> before, after;
    TProgramRun second;
    Session.Backend().At(2000, [&] {
        before = FolderPicture(Dir.Path);
        // In the same folder: the player's folder is the program's.
        second = RunProgram(Dir.Host("otcraps").string(), {"--headless"});
        after = FolderPicture(Dir.Path);
    });
    CloseAt(2500);
    EXPECT_EQ(RunOwlMain(), 0);
    EXPECT_EQ(second.Code, 255);
    EXPECT_EQ(second.Errors, "otcraps is already running; its window was brought to the front.\n");
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(after, before);
}

struct TBoundedRun {
    bool Ended = false;
    int Code = -1000;
    std::string Errors;
};

// The program with the script, its player's folder its own; ended by force when it is still
// running after the bound, which only a run that waits on something can be.
TBoundedRun RunBounded(const std::string& program, const std::string& script, int seconds) {
    TBoundedRun run;
    // The date is left to the host, as a player's run has it.
    TChildProgram child = SpawnProgram(program, {"--headless", "--script=" + script},
                                       {"OTCRAPS_HOME=" + fs::path(program).parent_path().string()},
                                       {"OTCRAPS_HEADLESS_DATE"});
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    // The error output closes when the program ends.
    for (bool open = child.Started(); open;) {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long left = seconds * 1000L - ((now.tv_sec - start.tv_sec) * 1000L +
                                             (now.tv_nsec - start.tv_nsec) / 1000000L);
        pollfd fd = {child.Errors, POLLIN, 0};
        if (left <= 0 || poll(&fd, 1, static_cast<int>(left)) == 0)
            break;
        char buffer[4096];
        const ssize_t n = read(child.Errors, buffer, sizeof buffer);
        if (n > 0)
            run.Errors.append(buffer, static_cast<size_t>(n));
        open = n > 0 || (n < 0 && errno == EINTR);
        run.Ended = !open;
    }
    if (child.Started() && !run.Ended)
        kill(child.Pid, SIGKILL);
    const int code = FinishProgram(child, run.Errors);
    if (run.Ended)
        run.Code = code;
    return run;
}

// A file the program reads, by its place in the program's folder (which is the player's too),
// and the code the program ends with when a FIFO stands there.
struct TReadFile {
    const char* Name;
    int Code;
};

class FifoInPlace : public TBuiltDataSuite<::testing::TestWithParam<TReadFile>> {};

TEST_P(FifoInPlace, HoldsNothingUpAndIsToldByName) {
    ASSERT_NE(Built, nullptr) << "the data set could not be built";
    TTempDir dir;
    fs::copy(Built->Host(""), dir.Host(""), fs::copy_options::recursive);
    fs::copy_file(OTCRAPS_PROGRAM, dir.Host("otcraps"));
    const std::string fifo = dir.Host(GetParam().Name).string();
    fs::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // To the table, then help; the run ends after the last step.
    dir.WriteHostFile("help.txt", "2500 click 400 300\n4000 key 112\n5000 move 3 3\n");
    const TBoundedRun run =
        RunBounded(dir.Host("otcraps").string(), dir.Host("help.txt").string(), 120);
    ASSERT_TRUE(run.Ended) << "still running: " << run.Errors;
    EXPECT_EQ(run.Code, GetParam().Code) << run.Errors;
    EXPECT_NE(run.Errors.find(fs::path(fifo).filename().string()), std::string::npos) << run.Errors;
    EXPECT_TRUE(fs::is_fifo(fifo));
}

INSTANTIATE_TEST_SUITE_P(EachFile, FifoInPlace,
                         ::testing::Values(TReadFile{"otcraps.hlp", 0}, TReadFile{"otcraps.ini", 0},
                                           TReadFile{"data/otcraps.sav", 0},
                                           TReadFile{"otcraps.lck", 0},
                                           TReadFile{"data/otcraps.det", 1},
                                           TReadFile{"data/otcraps.dew", 1}),
                         [](const auto& test) {
                             std::string name = fs::path(test.param.Name).filename().string();
                             name[name.find('.')] = '_';
                             return name;
                         });

TEST(PlayerFilesProcess, AHeadlessRunDatesItsSessionsToday) {
    TTempDir dir;
    std::string error;
    ASSERT_TRUE(PutDataSet(dir.Host("data"), error)) << error;
    fs::copy_file(OTCRAPS_PROGRAM, dir.Host("otcraps"));
    dir.WriteHostFile("table.txt", "2500 click 400 300\n4000 move 3 3\n");
    // The test's own clock is the host's: no headless desktop of its own is up.
    const u32 before = TTime().Seconds();
    const TBoundedRun run =
        RunBounded(dir.Host("otcraps").string(), dir.Host("table.txt").string(), 120);
    const u32 after = TTime().Seconds();
    ASSERT_EQ(run.Code, 0) << run.Errors;
    std::ifstream in(dir.Host("data/otcraps.sav"), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    ASSERT_EQ(bytes.size(), 8U + 223U + 20U * TCasinoPlayerData::EncodedSize);
    TCasinoPlayerData joe;
    ASSERT_TRUE(joe.Decode(reinterpret_cast<const u8*>(bytes.data()) + 8 + 223,
                           TCasinoPlayerData::EncodedSize));
    const TCCSession* session = joe.GetHistory().GetCurrentSession();
    ASSERT_NE(session, nullptr);
    EXPECT_GE(session->StartTime, before);
    EXPECT_LE(session->EndTime, after);
    EXPECT_LE(session->StartTime, session->EndTime);
}

} // namespace

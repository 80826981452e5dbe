// The real executable with its error output a pipe nobody reads any more: a line it cannot write
// there is lost, and the game plays on to its end and saves.
#include "ProgramRun.h"
#include "casino/CasinoPlayerData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr size_t SaveSize = 8 + 223 + 20 * TCasinoPlayerData::EncodedSize;

// Starts the program in the player's folder home with its error output the writing end of a
// pipe whose reading end is closed before it starts, and SIGPIPE at its default action
// whatever this process does with it.
TChildProgram SpawnWithErrorsUnread(const std::string& path, std::vector<std::string> args,
                                    const std::string& home) {
    TChildProgram child;
    child.Path = path;
    std::vector<std::string> variables = {"OTCRAPS_HOME=" + home, "OTCRAPS_HEADLESS_DATE=0"};
    for (char** v = environ; *v != nullptr; ++v) {
        const std::string variable(*v);
        if (variable.rfind("OTCRAPS_HOME=", 0) != 0 &&
            variable.rfind("OTCRAPS_HEADLESS_DATE=", 0) != 0)
            variables.push_back(variable);
    }
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
    close(errs[0]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errs[1], 2);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    // Its own process group, as SpawnProgram gives: an overdue run is ended group and all.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), &actions, &attributes, argv.data(), envp.data()) == 0)
        child.Pid = pid;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(errs[1]);
    return child;
}

TEST(ClosedErrorOutput, NeitherEndsTheGameNorLosesItsSave) {
    if (!fs::exists(fs::path(OTCRAPS_PROGRAM).parent_path() / "data" / "otcraps.det"))
        GTEST_SKIP() << "the build wrote no data set beside the program";
    TTempDir dir;
    // A save cut short, which the start tells of on the error output before the table opens.
    const std::string damaged(100, 'x');
    dir.WriteHostFile("home/data/otcraps.sav", damaged);
    dir.WriteHostFile("run.txt", "2500 click 400 300\n4000 close\n");
    TChildProgram child = SpawnWithErrorsUnread(
        OTCRAPS_PROGRAM, {"--headless", "--script=" + dir.Host("run.txt").string()},
        dir.Host("home").string());
    ASSERT_TRUE(child.Started());
    std::string errors;
    EXPECT_EQ(FinishProgram(child, errors), 0);
    // Played to its close: the damaged file kept aside, and the table's gamblers saved whole.
    EXPECT_EQ(dir.ReadHostFile("home/data/otcraps.bad"), damaged);
    ASSERT_TRUE(fs::exists(dir.Host("home/data/otcraps.sav")));
    EXPECT_EQ(fs::file_size(dir.Host("home/data/otcraps.sav")), SaveSize);
}

} // namespace

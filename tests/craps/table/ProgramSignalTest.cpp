// The real executable, headless, asked to end by a signal once it shows the table: it closes
// its window the normal way, saves its gamblers and ends with 0. The table is known to be on
// screen when the script's shot of it arrives through a pipe, so nothing waits on a clock.
#include "../../tools/databuild/TestDataSet.h"
#include "casino/CasinoPlayerData.h"
#include "support/TempDir.h"
#include "tools/databuild/writer/Build.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct TSignalledRun {
    bool SawTable = false;
    int Code = -1000;
    std::string Errors;
};

// Runs the program with the script; once the shot has come whole down the pipe, sends the
// signal and waits for the end.
TSignalledRun RunUntilTableThenSignal(const std::filesystem::path& program,
                                      const std::string& script, const std::string& pipePath,
                                      const std::string& home, int sig) {
    TSignalledRun run;
    const int shot = open(pipePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    int errs[2];
    if (shot < 0 || pipe2(errs, O_CLOEXEC) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errs[1], 2);
    std::vector<std::string> args = {program.string(), "--headless", "--script=" + script};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    // The player's folder inside the test's own, whatever the user's is.
    std::vector<std::string> env = {"OTCRAPS_HOME=" + home};
    for (char** e = environ; *e != nullptr; ++e)
        if (std::string(*e).rfind("OTCRAPS_HOME=", 0) != 0)
            env.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    const bool spawned =
        posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(errs[1]);
    char buffer[4096];
    bool errorsOpen = spawned;
    size_t shotBytes = 0;
    // Until the shot is whole (its writer has come and gone) or the program has ended.
    while (spawned && errorsOpen && !run.SawTable) {
        pollfd fds[2] = {{shot, POLLIN, 0}, {errs[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0)
            continue;
        if ((fds[0].revents & (POLLIN | POLLHUP)) != 0) {
            const ssize_t n = read(shot, buffer, sizeof buffer);
            shotBytes += n > 0 ? static_cast<size_t>(n) : 0;
            run.SawTable = n == 0 && shotBytes > 0;
        }
        if ((fds[1].revents & (POLLIN | POLLHUP)) != 0) {
            const ssize_t n = read(errs[0], buffer, sizeof buffer);
            if (n > 0)
                run.Errors.append(buffer, static_cast<size_t>(n));
            errorsOpen = n > 0;
        }
    }
    if (spawned && run.SawTable)
        kill(pid, sig);
    for (ssize_t n; spawned && (n = read(errs[0], buffer, sizeof buffer)) > 0;)
        run.Errors.append(buffer, static_cast<size_t>(n));
    close(errs[0]);
    close(shot);
    int status = 0;
    if (spawned && waitpid(pid, &status, 0) == pid)
        run.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    return run;
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string FoundFile(const std::filesystem::path& dir, const std::string& name) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
        if (entry.path().filename() == name)
            return entry.path().string();
    return std::string();
}

// One data set for the three runs, each copying it into a program folder of its own.
class ProgramSignal : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() {
        Built = std::make_unique<TTempDir>('q');
        std::string error;
        if (!PutDataSet(Built->Host("data"), error))
            Built.reset();
    }
    static void TearDownTestSuite() { Built.reset(); }
    static std::unique_ptr<TTempDir> Built;
};
std::unique_ptr<TTempDir> ProgramSignal::Built;

TEST_P(ProgramSignal, EndsTheHeadlessRunAtTheTableAndSavesTheGamblers) {
    ASSERT_NE(Built, nullptr) << "the data set could not be built";
    TTempDir dir;
    std::filesystem::copy(Built->Host("data"), dir.Host("data"),
                          std::filesystem::copy_options::recursive);
    std::filesystem::copy_file(OTCRAPS_PROGRAM, dir.Host("otcraps"));
    const std::string pipePath = dir.Host("table.pipe").string();
    ASSERT_EQ(mkfifo(pipePath.c_str(), 0600), 0);
    // The last step is far off: the run ends there only when the signal did not end it.
    const std::string late = dir.Host("late.png").string();
    dir.WriteHostFile("table.txt", "2500 click 400 300\n"
                                   "4000 shot " +
                                       pipePath + "\n600000 shot " + late + "\n");
    const TSignalledRun run =
        RunUntilTableThenSignal(dir.Host("otcraps"), dir.Host("table.txt").string(), pipePath,
                                dir.Host("home").string(), GetParam());
    ASSERT_TRUE(run.SawTable) << run.Errors;
    EXPECT_EQ(run.Code, 0);
    EXPECT_EQ(run.Errors, "");
    EXPECT_FALSE(std::filesystem::exists(late));

    // The gamblers were saved as the window closed: the seated Joe is named in the settings,
    // and his record holds the session the table's close ended.
    const std::string save = FoundFile(dir.Host(""), "otcraps.sav");
    ASSERT_FALSE(save.empty());
    const std::string bytes = ReadWhole(save);
    ASSERT_EQ(bytes.size(), 8U + 223U + 20U * TCasinoPlayerData::EncodedSize);
    TCasinoPlayerData joe;
    ASSERT_TRUE(joe.Decode(reinterpret_cast<const u8*>(bytes.data()) + 8 + 223,
                           TCasinoPlayerData::EncodedSize));
    EXPECT_EQ(joe.GetName(), "Joe Gambler");
    EXPECT_EQ(joe.GetUsed(), 1);
    EXPECT_EQ(joe.GetSessionCode(), 0U);
    EXPECT_NE(joe.GetHistory().GetCurrentSession(), nullptr);
    const std::string ini = FoundFile(dir.Host(""), "otcraps.ini");
    ASSERT_FALSE(ini.empty());
    EXPECT_NE(ReadWhole(ini).find("Joe Gambler"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramSignal, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& test) {
                             return test.param == SIGTERM  ? std::string("Term")
                                    : test.param == SIGINT ? std::string("Int")
                                                           : std::string("Hup");
                         });

} // namespace

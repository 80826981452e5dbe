// The real executable, headless, asked to end by a signal once it shows the table: it closes
// its window the normal way, saves its gamblers and ends with 0. The table is known to be on
// screen when the script's shot of it arrives through a pipe, so nothing waits on a clock.
#include "../../tools/databuild/TestDataSet.h"
#include "BuiltDataSuite.h"
#include "ProgramRun.h"
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
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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
    if (shot < 0)
        return run;
    // The player's folder inside the test's own, whatever the user's is.
    TChildProgram child = SpawnProgram(program.string(), {"--headless", "--script=" + script},
                                       {"OTCRAPS_HOME=" + home});
    std::string png;
    run.SawTable = AwaitShot(child, shot, run.Errors, png);
    if (run.SawTable)
        kill(child.Pid, sig);
    close(shot);
    run.Code = FinishProgram(child, run.Errors);
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
class ProgramSignal : public TBuiltDataSuite<::testing::TestWithParam<int>> {};

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

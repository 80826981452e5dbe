// The real executable, headless, asked to end while one of its dialogs is up, by the window's
// close and by SIGTERM: each dialog ends as cancelled, the program closes the normal way and
// ends with 0, the gamblers' save is whole, and the sanitizers say nothing.
#include "ProgramRun.h"
#include "SaveRecords.h"
#include "SeededHome.h"
#include "casino/CasinoPlayerData.h"
#include "platform/framework/chrome/Theme.h"
#include "platform/headless/PngWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Joe is made by the program; Ann is put beside him, unseated, so that a delete can be asked.
constexpr double SeedJoe = 500.0;
constexpr double SeedAnn = 321.0;
constexpr size_t SaveHeader = SaveHeaderSize;
constexpr size_t SaveRecords = SaveRecordCount;

struct TDialogOpening {
    const char* Name;
    // Input that leaves the dialog up, from the table on.
    const char* Steps;
    // When the dialog is surely up.
    int ShotAt;
};

// The menus: File at (95, 50) with Create/Delete Gambler under it, Options at (138, 50) with
// Betting Options, Ask the Expert at (214, 50) with Statistics; the table's Stats button at
// (273, 512) and Expert at (105, 512); in the gamblers' list Joe's row is the first, Ann's the
// second, with Create, Delete and Statistics beside it.
const TDialogOpening Openings[] = {
    {"StatsButton", "5000 click 273 512\n", 6000},
    {"StatsMenu", "5000 click 214 50\n5500 click 214 71\n", 6500},
    {"StatsFromGamblers",
     "5000 click 95 50\n5500 click 166 71\n6500 click 300 213\n7000 click 557 328\n", 8000},
    {"ShowGraph", "5000 click 273 512\n6000 click 225 470\n", 7000},
    {"BettingOptions", "5000 click 138 50\n5500 click 170 70\n", 6500},
    {"DeleteConfirmation",
     "5000 click 95 50\n5500 click 166 71\n6500 click 300 229\n7000 click 557 291\n", 8000},
    {"CreatedGamblerBox",
     "5000 click 95 50\n5500 click 166 71\n6500 click 557 253\n7000 type C\n7100 type y\n"
     "7500 click 277 400\n",
     8500},
    {"AskTheExpert", "5000 click 105 512\n", 6000},
};

enum class TCloseBy { Window, Signal };

// Failures name the case.
void PrintTo(const TDialogOpening& opening, std::ostream* out) {
    *out << opening.Name;
}
void PrintTo(TCloseBy closeBy, std::ostream* out) {
    *out << (closeBy == TCloseBy::Window ? "by the window" : "by SIGTERM");
}

struct TClosedRun {
    int Code = -1000;
    std::string Errors;
    // The screen as the close came.
    std::optional<TScreenSurface> Shot;
};

// Runs the program on the script; once the shot has come whole down the pipe (it is then kept
// in shotCopy), sends SIGTERM when asked to, and waits for the end.
TClosedRun RunThroughShot(const fs::path& script, const fs::path& home, const fs::path& shotPipe,
                          const fs::path& shotCopy, bool signal) {
    TClosedRun run;
    const int shot = open(shotPipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (shot < 0)
        return run;
    TChildProgram child =
        SpawnProgram(OTCRAPS_PROGRAM, {"--headless", "--script=" + script.string()},
                     {"OTCRAPS_HOME=" + home.string()});
    std::string png;
    if (AwaitShot(child, shot, run.Errors, png)) {
        if (signal)
            kill(child.Pid, SIGTERM);
        std::ofstream(shotCopy, std::ios::binary) << png;
        run.Shot = ReadPng(shotCopy.string());
    }
    close(shot);
    run.Code = FinishProgram(child, run.Errors);
    return run;
}

class DialogCloseProcess : public ::testing::TestWithParam<std::tuple<TDialogOpening, TCloseBy>> {
protected:
    // One player's folder for every case: the save the program writes on its first run, with
    // Ann added to it.
    static void SetUpTestSuite() { Seed = SeededHome('q', {{"Ann Seed", 0, SeedAnn}}); }
    static void TearDownTestSuite() { Seed.reset(); }
    static std::unique_ptr<TTempDir> Seed;
};
std::unique_ptr<TTempDir> DialogCloseProcess::Seed;

TEST_P(DialogCloseProcess, EndsAsCancelledAndTheProgramSavesAndEndsCleanly) {
    if (!fs::exists(fs::path(OTCRAPS_PROGRAM).parent_path() / "data" / "otcraps.det"))
        GTEST_SKIP() << "the build wrote no data set beside the program";
    ASSERT_NE(Seed, nullptr) << "the first run made no save to start from";
    const auto& [opening, closeBy] = GetParam();
    TTempDir dir;
    fs::copy(Seed->Host("home"), dir.Host("home"), fs::copy_options::recursive);
    const fs::path pipe = dir.Host("shot.pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // Closed by the window right after the shot; for the signal, the last step is far off: the
    // run ends there only when the signal did not end it.
    const std::string shotAt = std::to_string(opening.ShotAt);
    dir.WriteHostFile("run.txt", std::string("2500 click 400 300\n") + opening.Steps + shotAt +
                                     " shot " + pipe.string() + "\n" +
                                     (closeBy == TCloseBy::Window
                                          ? std::to_string(opening.ShotAt + 100) + " close\n"
                                          : "600000 shot " + dir.Host("late.png").string() + "\n"));
    const TClosedRun run = RunThroughShot(dir.Host("run.txt"), dir.Host("home"), pipe,
                                          dir.Host("shot.png"), closeBy == TCloseBy::Signal);
    EXPECT_FALSE(fs::exists(dir.Host("late.png")));

    // The dialog was up as the close came: the frame's caption had lost the activation to it.
    ASSERT_TRUE(run.Shot.has_value()) << run.Errors;
    EXPECT_EQ(run.Shot->GetPixel(200, 29) | 0xFF000000U, Theme::InactiveCaption | 0xFF000000U);
    EXPECT_EQ(run.Code, 0) << run.Errors;
    EXPECT_EQ(run.Errors, "");

    // Every gambler is there as he was; a created one only adds a record.
    const std::string save = ReadSaveFile(dir.Host("home/data/otcraps.sav"));
    ASSERT_EQ(save.size(), SaveHeader + SaveRecords * TCasinoPlayerData::EncodedSize);
    const std::vector<TCasinoPlayerData> gamblers = GamblersIn(save);
    EXPECT_EQ(gamblers[0].GetName(), "Joe Gambler");
    EXPECT_EQ(gamblers[0].GetBankroll(), SeedJoe);
    EXPECT_EQ(gamblers[0].GetSessionCode(), 0U);
    EXPECT_EQ(gamblers[1].GetName(), "Ann Seed");
    EXPECT_EQ(gamblers[1].GetBankroll(), SeedAnn);
    for (size_t i = 2; i < SaveRecords; ++i) {
        if (gamblers[i].GetUsed() == 0)
            continue;
        EXPECT_EQ(std::string(opening.Name), "CreatedGamblerBox") << "record " << i;
        EXPECT_EQ(gamblers[i].GetName(), "Cy") << "record " << i;
        EXPECT_EQ(gamblers[i].GetBankroll(), 500.0) << "record " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogCloseProcess,
                         ::testing::Combine(::testing::ValuesIn(Openings),
                                            ::testing::Values(TCloseBy::Window, TCloseBy::Signal)),
                         [](const auto& test) {
                             return std::string(std::get<0>(test.param).Name) +
                                    (std::get<1>(test.param) == TCloseBy::Window ? "ByWindow"
                                                                                 : "BySignal");
                         });

} // namespace

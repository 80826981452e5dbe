// The real executable, headless: the help of each gambler dialog closed with Esc gives the keys
// back to the dialog, so that Esc closes it and Enter presses its focused button, and a key
// pressed there never reaches the table once the dialogs are gone: no roll (Joe's $5 is given back
// at the end), no Expert.
#include "ProgramRun.h"
#include "SeededHome.h"
#include "casino/CasinoPlayerData.h"
#include "platform/framework/chrome/Theme.h"
#include "platform/framework/help/HelpWindow.h"
#include "platform/headless/PngWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

struct THelpKeysCase {
    const char* Name;
    // From the table with $5 on the pass line; each help is closed with Esc and asked for
    // again by Enter on its focused Help button.
    const char* Steps;
};

// File at (92, 48), Create/Delete Gambler under it at (140, 70); in that dialog Create at
// (557, 253), Help at (557, 366) and Done at (557, 417); in Create New Gambler its Help at
// (521, 400). An x is the table's key for the Expert.
const THelpKeysCase HelpKeysCases[] = {
    {"CreateDeleteGambler", "4500 click 92 48\n5000 click 140 70\n6000 click 557 366\n"
                            "8000 key 27 27\n9000 key 13 13\n9500 key 27 27\n"
                            "10000 key 27 27\n"},
    {"CreateNewGambler", "4500 click 92 48\n5000 click 140 70\n6000 click 557 253\n"
                         "7000 click 521 400\n8000 key 27 27\n9000 key 13 13\n9500 key 27 27\n"
                         "10000 key 27 27\n10500 key 27 27\n"},
    {"KeyBeforeDone", "4500 click 92 48\n5000 click 140 70\n6000 click 557 366\n"
                      "8000 key 27 27\n9000 key 88 120\n10000 click 557 417\n"},
};

void PrintTo(const THelpKeysCase& c, std::ostream* out) {
    *out << c.Name;
}

class DialogHelpKeysProcess : public ::testing::TestWithParam<THelpKeysCase> {};

TEST_P(DialogHelpKeysProcess, TheDialogAnswersItsKeysAfterItsHelpAndTheTableGetsNone) {
    if (!fs::exists(fs::path(OTCRAPS_PROGRAM).parent_path() / "data" / "otcraps.det"))
        GTEST_SKIP() << "the build wrote no data set beside the program";
    const THelpKeysCase& c = GetParam();
    TTempDir dir;
    const fs::path shot = dir.Host("after.png");
    dir.WriteHostFile("run.txt", std::string("2500 click 400 300\n3500 click 350 462\n") + c.Steps +
                                     "11500 shot " + shot.string() + "\n12000 close\n");
    const TProgramRun run =
        RunProgram(OTCRAPS_PROGRAM, {"--headless", "--script=" + dir.Host("run.txt").string()},
                   dir.Host("home").string());
    EXPECT_EQ(run.Code, 0) << run.Errors;
    EXPECT_EQ(run.Errors, "");
    // Every dialog closed by its own keys, and nothing opened after them: the frame is active
    // again, and no caption stands where Create/Delete Gambler's was.
    const auto screen = ReadPng(shot.string());
    ASSERT_TRUE(screen.has_value()) << run.Errors;
    EXPECT_EQ(screen->GetPixel(200, 29) | 0xFF000000U, Theme::ActiveCaption | 0xFF000000U);
    const u32 dialogCaption = screen->GetPixel(400, 160) | 0xFF000000U;
    EXPECT_NE(dialogCaption, Theme::ActiveCaption | 0xFF000000U);
    EXPECT_NE(dialogCaption, Theme::InactiveCaption | 0xFF000000U);
    // No roll: the $5 on the pass line was given back as the game ended, and nobody was made.
    std::ifstream in(dir.Host("home/data/otcraps.sav"), std::ios::binary);
    const std::string save{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    constexpr size_t Records = 8 + 223;
    ASSERT_EQ(save.size(), Records + 20 * TCasinoPlayerData::EncodedSize);
    TCasinoPlayerData joe;
    joe.Decode(reinterpret_cast<const u8*>(save.data()) + Records, TCasinoPlayerData::EncodedSize);
    EXPECT_EQ(joe.GetName(), "Joe Gambler");
    EXPECT_EQ(joe.GetBankroll(), 500.0);
    TCasinoPlayerData second;
    second.Decode(reinterpret_cast<const u8*>(save.data()) + Records +
                      TCasinoPlayerData::EncodedSize,
                  TCasinoPlayerData::EncodedSize);
    EXPECT_EQ(second.GetUsed(), 0);
}

INSTANTIATE_TEST_SUITE_P(GamblerDialogs, DialogHelpKeysProcess, ::testing::ValuesIn(HelpKeysCases),
                         [](const auto& test) { return std::string(test.param.Name); });

struct TFOneCase {
    const char* Name;
    // From the table: what opens the window F1 is pressed in.
    const char* Opening;
};

// File at (92, 48) with Create/Delete Gambler under it at (140, 70); in that dialog Bob's row at
// (300, 243), Create at (557, 253) and Delete at (557, 290). Options at (138, 48) with Betting
// Options at (170, 70) and Speed Control at (170, 124); Ask the Expert at (210, 48) with
// Statistics at (240, 71).
const TFOneCase FOneCases[] = {
    {"CreateDeleteGambler", "4500 click 92 48\n5000 click 140 70\n"},
    {"CreateNewGambler", "4500 click 92 48\n5000 click 140 70\n6000 click 557 253\n"},
    {"DeleteQuestion",
     "4500 click 92 48\n5000 click 140 70\n5500 click 300 243\n6000 click 557 290\n"},
    {"BettingOptions", "4500 click 138 48\n5000 click 170 70\n"},
    {"SpeedControl", "4500 click 138 48\n5000 click 170 124\n"},
    {"Statistics", "4500 click 210 48\n5000 click 240 71\n"},
};

void PrintTo(const TFOneCase& c, std::ostream* out) {
    *out << c.Name;
}

// The screen's pixels of the help's header band.
size_t HelpHeaderPixels(const TScreenSurface& screen) {
    size_t count = 0;
    for (i32 y = 0; y < screen.GetHeight(); ++y)
        for (i32 x = 0; x < screen.GetWidth(); ++x)
            count +=
                (screen.GetPixel(x, y) | 0xFF000000U) == (THelpWindow::HeaderArgb | 0xFF000000U);
    return count;
}

class FOneHelpProcess : public ::testing::TestWithParam<TFOneCase> {
protected:
    // Joe seated, Ann and Bob beside him, so that Bob can be asked about.
    static void SetUpTestSuite() {
        Seed = SeededHome('h', {{"Ann Seed", 0, 321.0}, {"Bob Decoy", 1, 1234.5}});
    }
    static void TearDownTestSuite() { Seed.reset(); }
    static std::unique_ptr<TTempDir> Seed;
};
std::unique_ptr<TTempDir> FOneHelpProcess::Seed;

// F1 opens a help from every window a modal dialog holds the frame behind: the dialog's own where
// it has a Help button, the game's otherwise.
TEST_P(FOneHelpProcess, FOneInADialogOpensTheHelp) {
    ASSERT_NE(Seed, nullptr) << "the first run made no save to start from";
    const TFOneCase& c = GetParam();
    TTempDir dir;
    fs::copy(Seed->Host("home"), dir.Host("home"), fs::copy_options::recursive);
    const fs::path before = dir.Host("before.png");
    const fs::path after = dir.Host("after.png");
    dir.WriteHostFile("run.txt", std::string("2500 click 400 300\n") + c.Opening + "7000 shot " +
                                     before.string() + "\n7500 key 112 0\n8500 shot " +
                                     after.string() + "\n9000 close\n");
    const TProgramRun run =
        RunProgram(OTCRAPS_PROGRAM, {"--headless", "--script=" + dir.Host("run.txt").string()},
                   dir.Host("home").string());
    EXPECT_EQ(run.Code, 0) << run.Errors;
    const auto shotBefore = ReadPng(before.string());
    const auto shotAfter = ReadPng(after.string());
    ASSERT_TRUE(shotBefore.has_value() && shotAfter.has_value()) << run.Errors;
    // Nothing of the help is on the screen with the dialog, and its header band after F1.
    EXPECT_EQ(HelpHeaderPixels(*shotBefore), 0U);
    EXPECT_GT(HelpHeaderPixels(*shotAfter), 5000U);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, FOneHelpProcess, ::testing::ValuesIn(FOneCases),
                         [](const auto& test) { return std::string(test.param.Name); });

} // namespace

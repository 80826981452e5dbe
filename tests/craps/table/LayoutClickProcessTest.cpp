// The real program run headless from a script, clicked where a player reads the bets: on the
// words of any seven and on the top and bottom rows of the horn's column as drawn. Each click puts
// a bet down, as the chips that appear and the bankroll that falls show.
#include "../../tools/databuild/TestDataSet.h"
#include "ProgramRun.h"
#include "platform/headless/PngWriter.h"
#include "support/Golden.h"
#include "support/TempDir.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"
#include "tools/databuild/writer/Build.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>

namespace {

// Where the table's top left corner lies on the headless 800 x 600 desktop.
constexpr i32 TableX = 80;
constexpr i32 TableY = 60;

// Pixels of the table's rectangle that differ between two shots.
i32 Changed(const TScreenSurface& before, const TScreenSurface& after, const TBox& box) {
    i32 changed = 0;
    for (i32 y = box.T; y < box.B; ++y)
        for (i32 x = box.L; x < box.R; ++x)
            changed +=
                before.GetPixel(TableX + x, TableY + y) != after.GetPixel(TableX + x, TableY + y)
                    ? 1
                    : 0;
    return changed;
}

TEST(LayoutClickProcessTest, ClicksOnAnySevensWordsAndTheHornsEndsPutBetsDown) {
    // The first letter of the any-seven words: the leftmost pixel of their red ink.
    const TBackgroundArt art = PaintTableBackground();
    const TBox frame = TableShapes().Bounds(8);
    std::optional<std::pair<i32, i32>> word;
    for (i32 x = frame.L; x < frame.R && !word; ++x)
        for (i32 y = frame.T; y < frame.B && !word; ++y)
            if (art.Picture.At(x, y) == RedInk())
                word = {x, y};
    ASSERT_TRUE(word.has_value()) << "no red lettering in the any-seven box";
    ASSERT_TRUE(AnswersFor(8, word->first, word->second))
        << "the words lie off the spot at " << word->first << "," << word->second;
    // The top and bottom rows of the horn's column as it is drawn, far above and below its own
    // rectangle: added pieces take those clicks.
    const TBox hornFrame = TableShapes().Bounds(42);
    const i32 hornX = hornFrame.CentreX();

    TTempDir dir;
    std::string error;
    ASSERT_TRUE(PutDataSet(dir.Host("data"), error)) << error;
    std::filesystem::copy_file(OTCRAPS_PROGRAM, dir.Host("otcraps"));
    const auto shot = [&](int n) { return dir.Host("s" + std::to_string(n) + ".png").string(); };
    const auto at = [](i32 x, i32 y) {
        return std::to_string(TableX + x) + " " + std::to_string(TableY + y);
    };
    std::ostringstream script;
    script << "# past the intro; Joe Gambler bets his $5 hand on each click\n"
           << "2500 click 400 300\n"
           << "4000 shot " << shot(0) << "\n"
           << "4200 click " << at(word->first, word->second) << "\n"
           << "5000 shot " << shot(1) << "\n"
           << "5200 click " << at(hornX, hornFrame.T) << "\n"
           << "6000 shot " << shot(2) << "\n"
           << "6200 click " << at(hornX, hornFrame.B - 1) << "\n"
           << "7000 shot " << shot(3) << "\n"
           << "7100 close\n";
    dir.WriteHostFile("clicks.txt", script.str());
    const TProgramRun run =
        RunProgram(dir.Host("otcraps").string(),
                   {"--headless", "--script=" + dir.Host("clicks.txt").string()});
    EXPECT_EQ(run.Code, 0);
    EXPECT_EQ(run.Errors, "");
    std::vector<TScreenSurface> shots;
    for (int n = 0; n < 4; ++n) {
        auto png = ReadPng(shot(n));
        ASSERT_TRUE(png.has_value()) << "no shot " << n;
        shots.push_back(std::move(*png));
    }
    // Each click: a pile on the spot clicked, nothing new on the other, and the bankroll shown
    // anew ($500, then $495, $490 and $485).
    EXPECT_GT(Changed(shots[0], shots[1], frame), 20);
    EXPECT_EQ(Changed(shots[0], shots[1], hornFrame), 0);
    EXPECT_GT(Changed(shots[1], shots[2], hornFrame), 20);
    EXPECT_EQ(Changed(shots[1], shots[2], frame), 0);
    // The horn's pile grows by a chip.
    EXPECT_GT(Changed(shots[2], shots[3], hornFrame), 4);
    for (int n = 1; n < 4; ++n)
        EXPECT_GT(Changed(shots[n - 1], shots[n], BANK_PANEL), 10) << n;
    EXPECT_TRUE(MatchesGolden(shots[3], "craps_layout_clicks"));
}

} // namespace

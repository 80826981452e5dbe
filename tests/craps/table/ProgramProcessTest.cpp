// The real executable run headless from a script: past the intro with a click, the table shot
// to a file, and a clean end once the window is closed.
#include "../../tools/databuild/TestDataSet.h"
#include "ProgramRun.h"
#include "platform/headless/PngWriter.h"
#include "support/Golden.h"
#include "support/TempDir.h"
#include "tools/databuild/writer/Build.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(ProgramProcessTest, AScriptedHeadlessRunReachesTheTableAndEndsWithZero) {
    TTempDir dir;
    std::string error;
    ASSERT_TRUE(PutDataSet(dir.Host("data"), error)) << error;
    std::filesystem::copy_file(OTCRAPS_PROGRAM, dir.Host("otcraps"));
    const std::string shot = dir.Host("table.png").string();
    dir.WriteHostFile("table.txt", "# past the intro, then the table as it shows\n"
                                   "2500 click 400 300\n"
                                   "4000 shot " +
                                       shot +
                                       "\n"
                                       "4100 close\n");
    const TProgramRun run = RunProgram(
        dir.Host("otcraps").string(), {"--headless", "--script=" + dir.Host("table.txt").string()});
    EXPECT_EQ(run.Code, 0);
    // Message boxes of a headless run are written here: none came.
    EXPECT_EQ(run.Errors, "");
    const auto table = ReadPng(shot);
    ASSERT_TRUE(table.has_value()) << "no shot taken";
    EXPECT_TRUE(MatchesGolden(*table, "program_built_table"));
}

// The title card's File menu left open as the card goes on to the table by itself goes with the
// card: where its pop-up stood, the table shows what a run that opened no menu shows.
TEST(ProgramProcessTest, TheTitleCardsMenuLeftOpenGoesWithTheCard) {
    if (!std::filesystem::exists(std::filesystem::path(OTCRAPS_PROGRAM).parent_path() / "data" /
                                 "otcraps.det"))
        GTEST_SKIP() << "the build wrote no data set beside the program";
    TTempDir dir;
    const auto tableAt15s = [&dir](const std::string& name, const std::string& steps) {
        const std::string shot = dir.Host(name + ".png").string();
        dir.WriteHostFile(name + ".txt", steps + "15000 shot " + shot + "\n16000 close\n");
        const TProgramRun run = RunProgram(
            OTCRAPS_PROGRAM, {"--headless", "--script=" + dir.Host(name + ".txt").string()},
            dir.Host(name).string());
        EXPECT_EQ(run.Code, 0) << run.Errors;
        return ReadPng(shot);
    };
    // File on the card's menu bar, left open.
    const auto opened = tableAt15s("opened", "1500 click 92 48\n");
    const auto plain = tableAt15s("plain", "");
    ASSERT_TRUE(opened.has_value() && plain.has_value());
    // Under the table's menu bar, where the card's pop-up hung: the curtain.
    for (i32 y = 62; y < 110; ++y)
        for (i32 x = 82; x < 260; ++x)
            ASSERT_EQ(opened->GetPixel(x, y), plain->GetPixel(x, y)) << x << "," << y;
}

TEST(ProgramProcessTest, AScriptThatCannotBeReadEndsTheRunBeforeItStarts) {
    TTempDir dir;
    std::filesystem::copy_file(OTCRAPS_PROGRAM, dir.Host("otcraps"));
    dir.WriteHostFile("bad.txt", "2500 click 400\n");
    const TProgramRun run = RunProgram(dir.Host("otcraps").string(),
                                       {"--headless", "--script=" + dir.Host("bad.txt").string()});
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Errors.find("bad.txt: line 1: click takes two coordinates"), std::string::npos)
        << run.Errors;
    // Nothing of the program ran: no settings were written.
    EXPECT_FALSE(std::filesystem::exists(dir.Host("otcraps.ini")));
}

} // namespace

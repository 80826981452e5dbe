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

// The real executable on the build's data set cut short: one box naming the damaged file, and
// an exit code of 1, where a missing CD used to be asked for.
#include "ProgramRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

TEST(DamagedDataProcessTest, ACutPackOrCatalogueEndsTheRunWithOneBoxNamingIt) {
    const std::filesystem::path built =
        std::filesystem::path(OTCRAPS_PROGRAM).parent_path() / "data";
    if (!std::filesystem::exists(built / "otcraps.det") ||
        !std::filesystem::exists(built / "otcraps.dew"))
        GTEST_SKIP() << "the build wrote no data set into " << built;
    const struct {
        const char* File;
        std::string Box;
    } cases[] = {
        {"otcraps.dew", "[Fatal Error - Data File] Damaged data file: c:\\data\\otcraps.dew\n"
                        "It is truncated: it holds "},
        {"otcraps.det", "[Fatal Error - Data File] Damaged data file: c:\\data\\otcraps.det\n"
                        "It is truncated: its "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        TTempDir dir;
        std::filesystem::copy_file(OTCRAPS_PROGRAM, dir.Host("otcraps"));
        std::filesystem::create_directories(dir.Host("data"));
        for (const char* file : {"otcraps.det", "otcraps.dew"})
            std::filesystem::copy_file(built / file, dir.Host("data") / file);
        const std::filesystem::path cut = dir.Host("data") / c.File;
        std::filesystem::resize_file(cut, std::filesystem::file_size(cut) / 2);
        // The run would close itself long after the first files are read.
        dir.WriteHostFile("close.txt", "8000 close\n");
        const TProgramRun run =
            RunProgram(dir.Host("otcraps").string(),
                       {"--headless", "--script=" + dir.Host("close.txt").string()});
        EXPECT_EQ(run.Code, 1);
        // Each box is written as its caption in brackets at the start of a line.
        EXPECT_EQ(run.Errors.rfind(c.Box, 0), 0U) << run.Errors;
        const auto boxes = std::count(run.Errors.begin(), run.Errors.end(), '[');
        EXPECT_EQ(boxes, 1) << run.Errors;
    }
}

} // namespace

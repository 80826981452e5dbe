// The real executable with its error output a pipe nobody reads any more: a line it cannot write
// there is lost, and the game plays on to its end and saves.
#include "ProgramRun.h"
#include "casino/CasinoPlayerData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr size_t SaveSize = 8 + 223 + 20 * TCasinoPlayerData::EncodedSize;

TEST(ClosedErrorOutput, NeitherEndsTheGameNorLosesItsSave) {
    if (!fs::exists(fs::path(OTCRAPS_PROGRAM).parent_path() / "data" / "otcraps.det"))
        GTEST_SKIP() << "the build wrote no data set beside the program";
    TTempDir dir;
    // A save cut short, which the start tells of on the error output before the table opens.
    const std::string damaged(100, 'x');
    dir.WriteHostFile("home/data/otcraps.sav", damaged);
    dir.WriteHostFile("run.txt", "2500 click 400 300\n4000 close\n");
    TChildProgram child =
        SpawnProgram(OTCRAPS_PROGRAM, {"--headless", "--script=" + dir.Host("run.txt").string()},
                     {"OTCRAPS_HOME=" + dir.Host("home").string(), "OTCRAPS_HEADLESS_DATE=0"}, {},
                     ProgramRunLimit, true);
    ASSERT_TRUE(child.Started());
    std::string errors;
    EXPECT_EQ(FinishProgram(child, errors), 0);
    // Played to its close: the damaged file kept aside, and the table's gamblers saved whole.
    EXPECT_EQ(dir.ReadHostFile("home/data/otcraps.bad"), damaged);
    ASSERT_TRUE(fs::exists(dir.Host("home/data/otcraps.sav")));
    EXPECT_EQ(fs::file_size(dir.Host("home/data/otcraps.sav")), SaveSize);
}

} // namespace

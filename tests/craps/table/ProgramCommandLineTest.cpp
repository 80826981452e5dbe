// The real executable's answers from the command line: its usage and a refused option.
#include "ProgramRun.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramCommandLineTest, HelpEndsWellAndAnUnknownOptionIsRefused) {
    const TProgramRun help = RunProgram(OTCRAPS_PROGRAM, {"--help"});
    EXPECT_EQ(help.Code, 0);
    EXPECT_EQ(help.Errors, "");
    const TProgramRun bad = RunProgram(OTCRAPS_PROGRAM, {"--headless", "--fast"});
    EXPECT_EQ(bad.Code, 2);
    EXPECT_EQ(bad.Errors.rfind("otcraps: unknown option \"--fast\"\nUsage: otcraps", 0), 0U)
        << bad.Errors;
}

} // namespace

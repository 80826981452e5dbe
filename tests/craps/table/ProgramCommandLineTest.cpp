// The real executable's answers from the command line: its usage, a refused option, and a
// second copy that finds the first one running.
#include "ProgramRun.h"
#include "platform/host/InstanceLock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

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

TEST(ProgramCommandLineTest, ASecondCopySaysTheFirstCameForwardAndEnds) {
    TTempDir dir;
    std::filesystem::copy_file(OTCRAPS_PROGRAM, dir.Host("otcraps"));
    // The lock lies in the player's folder, which this run's is.
    const char* home = std::getenv("OTCRAPS_HOME");
    const std::string saved = home != nullptr ? home : "";
    setenv("OTCRAPS_HOME", dir.Path.c_str(), 1);
    TInstanceLock running;
    ASSERT_EQ(running.Acquire(dir.Host("otcraps.lck").string()), TInstanceLock::TResult::Acquired);
    TInstanceLock::TakeComeForwardRequest();
    const TProgramRun second = RunProgram(dir.Host("otcraps").string(), {"--headless"});
    if (home != nullptr)
        setenv("OTCRAPS_HOME", saved.c_str(), 1);
    else
        unsetenv("OTCRAPS_HOME");
    EXPECT_EQ(second.Code, 255);
    EXPECT_EQ(second.Errors, "otcraps is already running; its window was brought to the front.\n");
    EXPECT_TRUE(TInstanceLock::TakeComeForwardRequest());
}

} // namespace

// The program's backend list: the real window first, the headless desktop second, chosen by
// name through PlatformMain; the program's headless run dated by the host.
#include "platform/framework/PlatformMain.h"
#include "platform/framework/window/Desktop.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/sdl/ProgramBackends.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

int SawHeadless = -1;

int ProgramMain(int argc, char**) {
    SawHeadless = dynamic_cast<THeadlessBackend*>(TDesktop::Get().GetBackend()) != nullptr;
    return 40 + argc;
}

TEST(PlatformBackendsTest, TheWindowComesFirstAndTheHeadlessChoiceRunsOnAHeadlessDesktop) {
    ClearRegisteredBackends();
    RegisterProgramBackends();
    RegisterProgramBackends();
    const auto list = GetRegisteredBackends();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Name, "sdl");
    EXPECT_EQ(list[1].Name, "headless");

    char prog[] = "otcraps";
    char flag[] = "--headless";
    char other[] = "x";
    char* argv[] = {prog, flag, other, nullptr};
    EXPECT_EQ(PlatformMain(3, argv, ProgramMain), 42);
    EXPECT_EQ(SawHeadless, 1);
    EXPECT_EQ(TDesktop::Get().GetBackend(), nullptr);
    ClearRegisteredBackends();
}

i64 WallAtStart = 0;
u64 TickAtStart = 0;
i64 WallAnHourOn = 0;

int DateProgram(int, char**) {
    WallAtStart = GetWallSeconds();
    TickAtStart = GetTickCount64();
    dynamic_cast<THeadlessBackend&>(*TDesktop::Get().GetBackend()).Advance(3'600'000);
    WallAnHourOn = GetWallSeconds();
    return 0;
}

TEST(PlatformBackendsTest, TheProgramsHeadlessRunKeepsTheHostsDateWhileTestsKeepTheirOwn) {
    ClearRegisteredBackends();
    RegisterProgramBackends();
    char prog[] = "otcraps";
    char flag[] = "--headless";
    char* argv[] = {prog, flag, nullptr};
    // A date that is no whole number fixes nothing.
    for (const char* date : {static_cast<const char*>(nullptr), "", "12x", "soon"}) {
        SCOPED_TRACE(date == nullptr ? "unset" : date);
        if (date == nullptr)
            unsetenv("OTCRAPS_HEADLESS_DATE");
        else
            setenv("OTCRAPS_HEADLESS_DATE", date, 1);
        const i64 before = static_cast<i64>(std::time(nullptr));
        EXPECT_EQ(PlatformMain(2, argv, DateProgram), 0);
        const i64 after = static_cast<i64>(std::time(nullptr));
        // What it saves is dated today, though its ticks are its own: an hour of them passes
        // in no time and moves no date.
        EXPECT_GE(WallAtStart, before);
        EXPECT_LE(WallAtStart, after);
        EXPECT_EQ(TickAtStart, 1000U);
        EXPECT_GE(WallAnHourOn, WallAtStart);
        EXPECT_LE(WallAnHourOn, after);
    }
    // A run to replay is given its date, which then follows its ticks.
    setenv("OTCRAPS_HEADLESS_DATE", "1000000000", 1);
    EXPECT_EQ(PlatformMain(2, argv, DateProgram), 0);
    unsetenv("OTCRAPS_HEADLESS_DATE");
    EXPECT_EQ(WallAtStart, 1'000'000'000);
    EXPECT_EQ(WallAnHourOn, 1'000'003'600);
    ClearRegisteredBackends();

    // A test's headless desktop starts at the clock's own fixed date and follows its ticks.
    THeadlessBackend test;
    EXPECT_EQ(GetWallSeconds(), 0);
    test.Advance(5000);
    EXPECT_EQ(GetWallSeconds(), 5);
}

} // namespace

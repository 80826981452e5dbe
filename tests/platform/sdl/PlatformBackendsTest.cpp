// The program's backend list: the real window first, the headless desktop second, chosen by
// name through PlatformMain.
#include "platform/framework/PlatformMain.h"
#include "platform/framework/window/Desktop.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/sdl/ProgramBackends.h"

#include <gtest/gtest.h>

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

} // namespace

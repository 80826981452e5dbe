// The program's backend list: the real window first, the headless desktop second, chosen by
// name through PlatformMain.
#include "platform/framework/Desktop.h"
#include "platform/framework/PlatformMain.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/sdl/ProgramBackends.h"

#include <gtest/gtest.h>

namespace {

int SawHeadless = -1;

int ProgramMain(int argc, char**) {
    SawHeadless = dynamic_cast<THeadlessBackend*>(TDesktop::Get().GetBackend()) != nullptr;
    return 40 + argc;
}

class PlatformBackendsTest : public ::testing::Test {
protected:
    void SetUp() override { ClearRegisteredBackends(); }
    void TearDown() override { ClearRegisteredBackends(); }
};

TEST_F(PlatformBackendsTest, TheWindowComesFirstAndRegisteringTwiceAddsNothing) {
    RegisterProgramBackends();
    RegisterProgramBackends();
    const auto list = GetRegisteredBackends();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Name, "sdl");
    EXPECT_EQ(list[1].Name, "headless");
}

TEST_F(PlatformBackendsTest, ARegisteredNameIsReplacedWhereItStands) {
    RegisterBackend({"one", nullptr});
    RegisterBackend({"two", nullptr});
    RegisterBackend({"one", [] { return std::unique_ptr<TBackend>(); }});
    const auto list = GetRegisteredBackends();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Name, "one");
    EXPECT_TRUE(static_cast<bool>(list[0].Create));
}

TEST_F(PlatformBackendsTest, TheHeadlessChoiceRunsTheProgramOnAHeadlessDesktop) {
    RegisterProgramBackends();
    char prog[] = "otcraps";
    char flag[] = "--headless";
    char other[] = "x";
    char* argv[] = {prog, flag, other, nullptr};
    SawHeadless = -1;
    EXPECT_EQ(PlatformMain(3, argv, ProgramMain), 42);
    EXPECT_EQ(SawHeadless, 1);
    EXPECT_EQ(TDesktop::Get().GetBackend(), nullptr);

    char unknown[] = "--backend=teletype";
    char* argv2[] = {prog, unknown, nullptr};
    EXPECT_EQ(PlatformMain(2, argv2, ProgramMain), 1);
}

} // namespace

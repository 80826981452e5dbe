// The compiled-in tables as the framework's module sees them once registered.
#include "resources/Resources.h"

#include "platform/framework/WinConstants.h"
#include "platform/framework/menus/Menu.h"
#include "platform/framework/window/Module.h"

#include <gtest/gtest.h>

namespace {

class ResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        TResourceRegistry::Get().Clear();
        RegisterResources();
    }
    void TearDown() override { TResourceRegistry::Get().Clear(); }
    TModule Module{"otcraps"};
};

TEST_F(ResourcesTest, LibraryLoadMessagesCoverEveryErrorCode) {
    struct Case {
        u32 Id;
        const char* Text;
    } cases[] = {
        {30000, "System out of memory, executable was corrupt, or relocations were invalid."},
        {30002, "File was not found."},
        {30001, "Unknown error."},
        {30022, "Unknown error."},
        {30032, "Unknown error."},
        {30033, "No Error."},
        {30034, "Load DLL Failure"},
        {30035, "Loading DLL: "},
        {30036, "This is a fatal error, will abort."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Module.LoadString(c.Id), c.Text) << c.Id;
    // 30000 + any load error code 0 to 32 has a text.
    for (u32 id = 30000; id <= 30036; ++id)
        EXPECT_TRUE(Module.HasString(id)) << id;
    EXPECT_FALSE(Module.HasString(30037));
}

TEST_F(ResourcesTest, AcceleratorTable124TurnsEscAndF1IntoCommands) {
    HACCEL table = Module.LoadAccelerators(124);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->Entries.size(), 2u);
    EXPECT_EQ(table->Entries[0].Key, VK_ESCAPE);
    EXPECT_EQ(table->Entries[0].Command, 123);
    EXPECT_EQ(table->Entries[1].Key, VK_F1);
    EXPECT_EQ(table->Entries[1].Command, CM_HELP);
    EXPECT_EQ(Module.LoadAccelerators(125), nullptr);
}

TEST_F(ResourcesTest, GameMenuCarriesTheSpeedCommandAndMenuOneIsAbsent) {
    HMENU menu = Module.LoadMenu(5);
    ASSERT_NE(menu, nullptr);
    const TMenuItem* speed = menu->FindCommand(CM_SPEEDCONTROL);
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->Text, "Speed &Control");
    DestroyMenu(menu);
    // The frame asks for its own menu 1, which the program does not have.
    EXPECT_EQ(Module.LoadMenu(1), nullptr);
}

} // namespace

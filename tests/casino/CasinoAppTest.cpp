// The casino application: a first run under another name starts from the program's settings
// and names its files after itself.
#include "FrameFixture.h"

#include <filesystem>

namespace {

using CasinoAppTest = CasinoFrameFixture;

TEST_F(CasinoAppTest, AFirstRunUnderAnotherNameStartsFromTheProgramsSettings) {
    WriteDataSet();
    Dir.WriteHostFile("otcraps.ini", "[System]\r\nPrevRun=1\r\n[Intro]\r\nShow=0\r\n");
    // The catalogue and its pack under the program's name.
    std::filesystem::copy_file(Dir.Host("data/otcraps.det"), Dir.Host("data/lucky.det"));
    std::filesystem::copy_file(Dir.Host("data/otcraps.dew"), Dir.Host("data/lucky.dew"));
    App = std::make_unique<TFrameTestApp>("lucky");
    ASSERT_TRUE(App->StartUp());
    EXPECT_EQ(App->GetDetFileName(), "lucky.det");
    // The player manager sees a first run: a missing save file is made, not reported.
    EXPECT_EQ(App->GetSettings()->GetInt("System", "PrevRun", -1), 0);
    App->InitInstance();
    App->PumpWaitingMessages();
    EXPECT_FALSE(Frame().GetShowIntro());
    App.reset();
    const TJorpIniFile lucky("c:", "\\", "lucky", "lucky.ini", true);
    EXPECT_EQ(lucky.GetInt("System", "PrevRun", -1), 1);
    EXPECT_EQ(lucky.GetInt("Intro", "Show", -1), 0);
    EXPECT_EQ(ReadBack("System", "PrevRun"), 1);
    EXPECT_TRUE(Boxes.Boxes.empty());
}

} // namespace

// The casino application: what it names and makes, and a first run under another name that
// starts from the program's settings.
#include "FrameFixture.h"

#include "casino/CasinoIniFile.h"
#include "engine/foundation/DetList.h"
#include "engine/foundation/FileMgr.h"
#include "engine/framework/GameFile.h"

#include <filesystem>

namespace {

using CasinoAppTest = CasinoFrameFixture;

TEST_F(CasinoAppTest, ItNamesItsFilesAfterTheProgramAndMakesTheCasinoFrame) {
    StartGame();
    EXPECT_EQ(Frame().GetCaption(), "Casino's Frame Window");
    EXPECT_EQ(App->GetSettings()->GetPath(), "c:\\otcraps.ini");
    EXPECT_NE(App->GetFileMgr()->GetDetList()->FindDet("otcraps.det"), nullptr);
    EXPECT_EQ(App->GetGame()->GetModeCount(), 2);
    EXPECT_TRUE(Boxes.Boxes.empty());
    App.reset();
    // The run is recorded, and the settings held in memory are written back.
    EXPECT_EQ(ReadBack("System", "PrevRun"), 1);
    EXPECT_EQ(ReadBack("sound", "music"), 1);
}

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

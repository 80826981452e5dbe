// The casino's settings file: named after the program, made from the program's template with
// PrevRun 0, never left half-copied, and written back when it goes.
#include "FrameFixture.h"

#include "casino/CasinoIniFile.h"
#include "engine/framework/PlayerMgrFakes.h"

#include <filesystem>

namespace {

const std::string Template = "; the table's settings\r\n[sound]\r\neffects=0\r\n"
                             "[Players]\r\n0=Joe Gambler\r\n";

class CasinoIniFileTest : public ::testing::Test {
protected:
    bool Has(const std::string& name) const { return std::filesystem::exists(Dir.Host(name)); }
    int Int(const std::string& file, const std::string& section, const std::string& key) const {
        return TJorpIniFile("c:", "\\", "x", file, true).GetInt(section, key, -1);
    }

    THeadlessSession Session;
    TTempDir Dir;
    // The running program, whose frame description names the template "otcraps".
    TFrameTestApp App{"lucky"};
};

TEST_F(CasinoIniFileTest, AMissingFileIsACopyOfTheTemplateMarkedAsAFirstRun) {
    Dir.WriteHostFile("otcraps.ini", Template);
    {
        TCasinoIniFile settings("c:", "\\", "lucky");
        EXPECT_EQ(settings.GetPath(), "c:\\lucky.ini");
        // The copy's values are read at once.
        EXPECT_EQ(settings.Effects, 0);
        EXPECT_EQ(settings.GetPlayerEntry(0), "Joe Gambler");
        EXPECT_EQ(Int("lucky.ini", "System", "PrevRun"), 0);
        EXPECT_EQ(Dir.ReadHostFile("otcraps.ini"), Template);
        EXPECT_FALSE(Has("lucky.tmp"));
        // A later run finds the file and copies nothing again.
        TJorpIniFile("c:", "\\", "x", "lucky.ini", true).WriteInt("System", "PrevRun", 1);
        TCasinoIniFile again("c:", "\\", "lucky");
        EXPECT_EQ(Int("lucky.ini", "System", "PrevRun"), 1);
    }
    // Written back at the end, over what the copy held.
    EXPECT_EQ(Int("lucky.ini", "sound", "effects"), 0);
    EXPECT_EQ(Int("lucky.ini", "System", "HDBuffering"), 1);
    EXPECT_EQ(TJorpIniFile("c:", "\\", "x", "lucky.ini", true).GetPlayerEntry(0), "Joe Gambler");
}

TEST_F(CasinoIniFileTest, WithNoFileAtAllTheDefaultsRunAndAreWrittenAtTheEnd) {
    {
        TCasinoIniFile settings("c:", "\\", "lucky");
        EXPECT_FALSE(Has("lucky.ini"));
        EXPECT_EQ(settings.Effects, 1);
        EXPECT_EQ(settings.GetCDDir(), "\\");
        settings.Music = 0;
    }
    EXPECT_EQ(Int("lucky.ini", "sound", "music"), 0);
    EXPECT_EQ(Int("lucky.ini", "sound", "effects"), 1);
    // Nothing said this was a first run.
    EXPECT_EQ(Int("lucky.ini", "System", "PrevRun"), -1);
    EXPECT_FALSE(Has("otcraps.ini"));
}

TEST_F(CasinoIniFileTest, AFailedCopyLeavesNoSettingsFileAndTheTemplateAsItWas) {
    Dir.WriteHostFile("otcraps.ini", Template);
    for (auto step : {TFaultyHost::FailRead, TFaultyHost::FailCreateTemp, TFaultyHost::FailWrite,
                      TFaultyHost::FailFlush, TFaultyHost::FailClose, TFaultyHost::FailMove}) {
        SCOPED_TRACE(step);
        TFaultyHost host;
        host.Armed = step;
        {
            TCasinoIniFile settings("c:", "\\", "lucky", host);
            EXPECT_EQ(host.Armed, TFaultyHost::None); // the step was reached
            EXPECT_FALSE(Has("lucky.ini"));
            EXPECT_FALSE(Has("lucky.tmp"));
            // Defaults, not the template's values.
            EXPECT_EQ(settings.Effects, 1);
        }
        std::filesystem::remove(Dir.Host("lucky.ini"));
        EXPECT_EQ(Dir.ReadHostFile("otcraps.ini"), Template);
    }
}

} // namespace

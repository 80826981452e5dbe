// The settings object: defaults, normalised CD location, round trips and the warning switches.
#include "engine/foundation/JorpIniFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TJorpIniFile MakeSettings() {
    return TJorpIniFile("c:", "\\", "otcraps", "otcraps.ini", true);
}

TEST(JorpIniFile, DefaultsAndKeptValuesRoundTripIncludingLongDirectories) {
    TTempDir dir;
    const std::string longDir = "\\" + std::string(250, 'd');
    {
        TJorpIniFile ini = MakeSettings();
        ini.Read();
        EXPECT_EQ(ini.GetPath(), "c:\\otcraps.ini");
        EXPECT_EQ(ini.GetCDDrive(), "c:");
        EXPECT_EQ(ini.GetCDDir(), "\\");
        EXPECT_EQ(ini.Buffering, 1);
        EXPECT_EQ(ini.Effects, 1);
        EXPECT_FALSE(std::filesystem::exists(dir.Host("otcraps.ini")));
        ini.SetCDDrive("e:");
        ini.SetCDDir(longDir);
        ini.Buffering = 0;
        ini.Effects = 0;
        ini.Write();
    }
    TJorpIniFile again = MakeSettings();
    again.Read();
    EXPECT_EQ(again.GetCDDrive(), "e:");
    EXPECT_EQ(again.GetCDDir(), longDir);
    EXPECT_EQ(again.Buffering, 0);
    EXPECT_EQ(again.Effects, 0);
    EXPECT_EQ(again.Music, 1);
}

TEST(JorpIniFile, CDLocationIsNormalisedOnTheWayIn) {
    TTempDir dir;
    dir.WriteHostFile("otcraps.ini", "[location]\r\ncddrive=d:\\\\\r\ncddir=games\r\n");
    TJorpIniFile ini = MakeSettings();
    ini.Read();
    EXPECT_EQ(ini.GetCDDrive(), "d:");
    EXPECT_EQ(ini.GetCDDir(), "\\games");
    ini.Write();
    EXPECT_EQ(ini.GetString("location", "cddrive", ""), "d:");
    EXPECT_EQ(ini.GetString("location", "cddir", ""), "\\games");
    EXPECT_EQ(ini.SetCDDir(""), "\\");
    EXPECT_EQ(ini.SetCDDir("a\\b"), "\\a\\b");
}

TEST(JorpIniFile, WarningSwitchesAndNumberedKeys) {
    TTempDir dir;
    TJorpIniFile ini = MakeSettings();
    EXPECT_TRUE(ini.GetWarningFlag(5));
    EXPECT_FALSE(ini.SetWarningFlag(-1, true));
    EXPECT_FALSE(std::filesystem::exists(dir.Host("otcraps.ini")));
    EXPECT_TRUE(ini.SetWarningFlag(1, false));
    EXPECT_FALSE(ini.GetWarningFlag(1));
    EXPECT_TRUE(ini.GetWarningFlag(0));
    EXPECT_EQ(ini.GetString("Warning Msgs", "BPP_GT_RECOM", ""), "0");

    EXPECT_TRUE(ini.WriteStringN("Players", 3, "Alice"));
    EXPECT_EQ(ini.GetPlayerEntry(3), "Alice");
    EXPECT_TRUE(ini.WriteIntN("Expert", -1, 12));
    EXPECT_EQ(ini.GetInt("Expert", "-1", 0), 12);
}

TEST(JorpIniFile, PathConstructorSplitsTheName) {
    const TIniFile ini(TJorpFileName(" C:\\Games\\OTCRAPS.INI "));
    EXPECT_EQ(ini.GetDrive(), "c:");
    EXPECT_EQ(ini.GetDirectory(), "\\games\\");
    EXPECT_EQ(ini.GetFileName(), "otcraps.ini");
}

} // namespace

// The host window's placement in the settings file: kept and read back, absurd values read as
// none, and the rest of the file left alone.
#include "platform/sdl/SdlPlacement.h"
#include "platform/host/PrivateProfile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* Settings = "c:\\otcraps.ini";
constexpr TSize Min{320, 249};
constexpr TSize Max{1920, 1080};

TEST(SdlPlacementTest, WhatWasKeptIsReadBackAndTheFilesOtherSettingsStay) {
    TTempDir dir;
    ASSERT_TRUE(WritePrivateProfileStringA("sound", "effects", "0", Settings));
    // Nothing kept yet: no size, neither maximised nor full-screen.
    EXPECT_EQ(ReadSdlPlacement(Settings, Min, Max), TSdlPlacement{});
    const TSdlPlacement cases[] = {
        {{1280, 998}, false, false},
        {{1001, 777}, true, false},
        {{640, 499}, false, true},
        {{1920, 1080}, true, true},
    };
    for (const TSdlPlacement& kept : cases) {
        SCOPED_TRACE(std::to_string(kept.Size.cx) + "x" + std::to_string(kept.Size.cy));
        ASSERT_TRUE(WriteSdlPlacement(Settings, kept));
        EXPECT_EQ(ReadSdlPlacement(Settings, Min, Max), kept);
    }
    EXPECT_EQ(GetPrivateProfileStringA("sound", "effects", "", Settings), "0");
    EXPECT_NE(dir.ReadHostFile("otcraps.ini").find("[Window]"), std::string::npos);
}

TEST(SdlPlacementTest, AbsurdValuesReadAsTheDefault) {
    TTempDir dir;
    struct TCase {
        std::string Width;
        std::string Height;
        std::string Maximized;
        TSdlPlacement Read;
    };
    const TCase cases[] = {
        {"1280", "998", "1", {{1280, 998}, true, false}},
        // Sizes outside what the display holds, or no size at all, are forgotten whole.
        {"0", "998", "0", {}},
        {"-1280", "998", "0", {}},
        {"1280", "99999", "0", {}},
        {"100", "100", "0", {}},
        // The bounds themselves are sizes; a pixel beyond either is none.
        {"320", "249", "0", {{320, 249}, false, false}},
        {"319", "249", "0", {}},
        {"320", "248", "0", {}},
        {"1921", "1080", "0", {}},
        {"1920", "1081", "0", {}},
        {"wide", "tall", "0", {}},
        {"99999999999999999999", "998", "0", {}},
        // A size is a plain number of pixels, nothing before or after it.
        {"1280px", "998", "1", {{}, true, false}},
        {"+1280", "998", "0", {}},
        {"1280.9", "998", "0", {}},
        {"1280", "0x3e6", "0", {}},
        {"1280", "9 98", "0", {}},
        {"1280", std::string(4000, '9'), "0", {}},
        // A flag is 1 or it is not set.
        {"1280", "998", "2", {{1280, 998}, false, false}},
        {"1280", "998", "yes", {{1280, 998}, false, false}},
        {"1280", "998", "-1", {{1280, 998}, false, false}},
        {"1280", "998", "1x", {{1280, 998}, false, false}},
        {"1280", "998", "10", {{1280, 998}, false, false}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Width.substr(0, 20) + " x " + c.Height.substr(0, 20) + ", maximised " +
                     c.Maximized);
        ASSERT_TRUE(WritePrivateProfileStringA("Window", "Width", c.Width, Settings));
        ASSERT_TRUE(WritePrivateProfileStringA("Window", "Height", c.Height, Settings));
        ASSERT_TRUE(WritePrivateProfileStringA("Window", "Maximized", c.Maximized, Settings));
        EXPECT_EQ(ReadSdlPlacement(Settings, Min, Max), c.Read);
    }
}

TEST(SdlPlacementTest, AFileThatCannotBeReachedKeepsNothing) {
    // Drive q: has no root: nothing is read, and the write says it failed.
    EXPECT_EQ(ReadSdlPlacement("q:\\otcraps.ini", Min, Max), TSdlPlacement{});
    EXPECT_FALSE(WriteSdlPlacement("q:\\otcraps.ini", {{1280, 998}, false, false}));
}

} // namespace

// INI reading and writing: defaults, case-blind names, numbers, long values, preserved lines.
#include "platform/host/PrivateProfile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(PrivateProfile, MissingFileSectionOrKeyGivesTheDefault) {
    TTempDir dir;
    EXPECT_EQ(GetPrivateProfileStringA("location", "cddrive", "c:", "c:\\none.ini"), "c:");
    EXPECT_EQ(GetPrivateProfileIntA("System", "HDBuffering", 1, "c:\\none.ini"), 1);
    dir.WriteHostFile("a.ini", "[System]\r\nPrevRun=1\r\n");
    EXPECT_EQ(GetPrivateProfileIntA("sound", "effects", 7, "c:\\a.ini"), 7);
    EXPECT_EQ(GetPrivateProfileIntA("System", "Other", -3, "c:\\a.ini"), -3);
    // A directory is not a settings file.
    EXPECT_EQ(GetPrivateProfileStringA("x", "y", "dflt", "c:\\"), "dflt");
}

TEST(PrivateProfile, NamesAreCaseBlindAndValuesTrimmed) {
    TTempDir dir;
    dir.WriteHostFile("a.ini", "; comment\n[ Location ]\n  CDDrive =  d:\\  \n"
                               "cddir=\"\\games\\\"\n[Other]\ncddrive=x:\n");
    EXPECT_EQ(GetPrivateProfileStringA("location", "cddrive", "", "c:\\a.ini"), "d:\\");
    EXPECT_EQ(GetPrivateProfileStringA("LOCATION", "CDDIR", "", "c:\\a.ini"), "\\games\\");
    EXPECT_EQ(GetPrivateProfileStringA("other", "cddrive", "", "c:\\a.ini"), "x:");
}

TEST(PrivateProfile, IntegersComeFromTheLeadingDecimalDigits) {
    TTempDir dir;
    dir.WriteHostFile("n.ini", "[n]\na=42abc\nb=-7 \nc=abc\nd=\ne=+3\nf=99999999999\n");
    struct Case {
        const char* Key;
        int Expected;
    };
    const Case cases[] = {{"a", 42}, {"b", -7}, {"c", 0}, {"d", 0}, {"e", 3}, {"f", 2147483647}};
    for (const auto& c : cases)
        EXPECT_EQ(GetPrivateProfileIntA("n", c.Key, 5, "c:\\n.ini"), c.Expected) << c.Key;
}

TEST(PrivateProfile, WritesCreateFileSectionAndKeyAndKeepTheRest) {
    TTempDir dir;
    ASSERT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "0", "c:\\otcraps.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("location", "cddrive", "d:", "c:\\otcraps.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("SYSTEM", "prevrun", "1", "c:\\otcraps.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("system", "HDBuffering", "0", "c:\\otcraps.ini"));
    // Skit-list sections are named by paths.
    ASSERT_TRUE(WritePrivateProfileStringA("c:\\data\\dealer.skl", "3", "2", "c:\\otcraps.ini"));

    EXPECT_EQ(GetPrivateProfileIntA("System", "PrevRun", 9, "c:\\otcraps.ini"), 1);
    EXPECT_EQ(GetPrivateProfileIntA("System", "HDBuffering", 9, "c:\\otcraps.ini"), 0);
    EXPECT_EQ(GetPrivateProfileStringA("location", "cddrive", "", "c:\\otcraps.ini"), "d:");
    EXPECT_EQ(GetPrivateProfileIntA("C:\\DATA\\DEALER.SKL", "3", 0, "c:\\otcraps.ini"), 2);
    EXPECT_EQ(dir.ReadHostFile("otcraps.ini"), "[System]\r\nPrevRun=1\r\nHDBuffering=0\r\n\r\n"
                                               "[location]\r\ncddrive=d:\r\n\r\n"
                                               "[c:\\data\\dealer.skl]\r\n3=2\r\n");
}

TEST(PrivateProfile, ValuesOfAnyLengthRoundTrip) {
    TTempDir dir;
    const std::string longDir = "\\" + std::string(300, 'x') + "\\cd";
    ASSERT_TRUE(WritePrivateProfileStringA("location", "cddir", longDir, "c:\\a.ini"));
    EXPECT_EQ(GetPrivateProfileStringA("location", "cddir", "", "c:\\a.ini"), longDir);
}

TEST(PrivateProfile, RefusesWritesThatWouldCorruptTheFile) {
    TTempDir dir;
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "a\r\n[evil]", "c:\\a.ini"));
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k=v", "a", "c:\\a.ini"));
    EXPECT_FALSE(WritePrivateProfileStringA("", "k", "a", "c:\\a.ini"));
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "a", "q:\\unmapped.ini"));
    EXPECT_FALSE(std::filesystem::exists(dir.Host("a.ini")));
}

} // namespace

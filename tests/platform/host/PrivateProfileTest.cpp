// INI reading and writing: defaults, case-blind names, numbers, long values, preserved lines.
#include "platform/host/PrivateProfile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <vector>

namespace {

// The host's disk without the waits for it: these tests replace files hundreds of times.
class TUnflushedDisk : public TProfileDisk {
public:
    bool Flush(int) override { return true; }
    bool FlushFolder(const std::string&) override { return true; }
};

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

// A file held in memory follows each write without reading its lines again; whatever the
// writes, it must answer and write what the same file read afresh before every write does.
TEST(PrivateProfile, ABurstOfWritesLeavesWhatWritesToAFreshlyReadFileLeave) {
    TTempDir dir;
    TUnflushedDisk disk;
    SetPrivateProfileDisk(&disk);
    // Keys above any section, a section named twice in two cases, a key twice, junk and blanks.
    const std::string start = "top=1\r\n; note\r\n[System]\r\nPrevRun=0\r\njunk line\r\n\r\n"
                              "[other]\r\n3=4\r\n[system]\r\nHD=1\r\nprevrun=9\r\n"
                              "[C:\\DATA\\DEALER.SKL]\r\n3=7\r\n\r\n";
    dir.WriteHostFile("held.ini", start);
    dir.WriteHostFile("fresh.ini", start);
    // Names and values that read back as written, and some that do not: a comment or a
    // section header where a key should be, control characters, quotes.
    const std::vector<std::string> sections = {
        "System", " SYSTEM ", "other", "c:\\data\\dealer.skl", "a[b", "\001bad", "new one"};
    const std::vector<std::string> keys = {"PrevRun", "prevrun ", "3", ";c", "[k]", "k\002", "HD"};
    const std::vector<std::string> values = {"1", "", "  padded ", "\"q\"", "a\003b", "[s]", "x=y"};
    const auto reads = [&](const std::string& file) {
        std::vector<std::string> seen;
        for (const auto& section : sections)
            for (const auto& key : keys)
                seen.push_back(GetPrivateProfileStringA(section, key, "-", file));
        return seen;
    };
    std::mt19937 random(20261207);
    const auto pick = [&](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
    };
    for (int step = 0; step < 300; ++step) {
        const std::string section = pick(sections);
        const std::string key = pick(keys);
        const std::string value = pick(values) + std::to_string(step % 7);
        const bool held = WritePrivateProfileStringA(section, key, value, "c:\\held.ini");
        // A change of its times on the disk has the other file read again at its next use.
        std::filesystem::last_write_time(dir.Host("fresh.ini"),
                                         std::filesystem::file_time_type::clock::now() -
                                             std::chrono::hours(1 + step));
        EXPECT_EQ(WritePrivateProfileStringA(section, key, value, "c:\\fresh.ini"), held);
        std::filesystem::last_write_time(dir.Host("fresh.ini"),
                                         std::filesystem::file_time_type::clock::now() -
                                             std::chrono::hours(1000 + step));
        ASSERT_EQ(dir.ReadHostFile("held.ini"), dir.ReadHostFile("fresh.ini")) << "step " << step;
        ASSERT_EQ(reads("c:\\held.ini"), reads("c:\\fresh.ini")) << "step " << step;
    }
    SetPrivateProfileDisk(nullptr);
}

} // namespace

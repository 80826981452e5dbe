// The real executable started over a settings file of any bytes: binary, huge lines, no line
// break at the end, ten megabytes, values that make no sense; it plays and ends cleanly each time
// and adds its own keys to what it found.
#include "../../tools/databuild/TestDataSet.h"
#include "ProgramRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct TBadSettings {
    const char* Name;
    std::string Bytes;
};

std::vector<TBadSettings> BadSettings() {
    std::string noise(65536, '\0');
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 2654435761U) >> 13);
    const std::string huge(200000, '9');
    // Each run is slow, so one file holds every kind of text damage and the other the size. A
    // file of ten megabytes of lines is held only up to a settings file's size, which the
    // settings' own tests show; here it would only make every write of the run slow.
    return {
        {"binary, huge lines, nonsense and no line break at the end",
         noise + "\n[Craps]\r\nDetail Level=" + huge + "\r\n[Expert]\r\nX=" + huge +
             "\r\nY=" + huge + "\r\n[" + huge + "]\r\n" + huge + "\r\n" + noise +
             "\n[sound]\r\neffects=banana\r\nmusic=-99999999999999\r\n[System]\r\n"
             "HDBuffering=\xff\r\nPrevRun=abc\r\n[Craps]\r\nDetail Level=-7\r\n[Expert]\r\n"
             "X=99999999999\r\nY=-5\r\n[location]\r\ncddrive=\\\\\\\\\r\n"
             "cddir=..\\..\\..\\..\\etc\r\n[Players]\r\n0=" +
             std::string(300, 'J') +
             "\r\n1=Joe Gambler\r\n2=Joe Gambler\r\n[Intro]\r\nShow=99999999999999999999"},
        {"ten megabytes in one line", std::string(10u << 20, 'x') + "\n[Intro]\r\nShow=1\r\n"},
    };
}

class SettingsBadInputProcess : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(PutDataSet(Program.Host("data"), error)) << error;
        fs::copy_file(OTCRAPS_PROGRAM, Program.Host("otcraps"));
        // Past the intro, a roll at the table, and the end.
        Program.WriteHostFile("run.txt", "2500 click 400 300\n4000 close\n");
    }

    TTempDir Program;
};

TEST_F(SettingsBadInputProcess, AnyBytesInTheSettingsStartThePlayAndEndTheGameCleanly) {
    int run = 0;
    for (const TBadSettings& bad : BadSettings()) {
        SCOPED_TRACE(bad.Name);
        const std::string folder = "home" + std::to_string(++run);
        const fs::path home = Program.Host(folder);
        Program.WriteHostFile(folder + "/otcraps.ini", bad.Bytes);
        const TProgramRun result = RunProgram(
            Program.Host("otcraps").string(),
            {"--headless", "--script=" + Program.Host("run.txt").string()}, home.string());
        EXPECT_EQ(result.Code, 0) << result.Errors;
        EXPECT_EQ(result.Errors.find("Sanitizer"), std::string::npos) << result.Errors;
        EXPECT_EQ(result.Errors.find("runtime error"), std::string::npos) << result.Errors;
        // The game came to the table: its gamblers were saved, and it noted its run.
        EXPECT_GT(fs::file_size(home / "data/otcraps.sav"), 0U);
        const std::string settings = Program.ReadHostFile(folder + "/otcraps.ini");
        EXPECT_NE(settings.find("[System]"), std::string::npos);
        EXPECT_NE(settings.find("PrevRun=1"), std::string::npos);
        std::error_code gone;
        fs::remove_all(home, gone);
    }
}

} // namespace

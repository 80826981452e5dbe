// The real executable, headless, with a folder standing in the settings' place: what the player
// sets is kept beside the save, read from there by the next start, and put back in its place
// once the folder is gone.
#include "ProgramRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// Options at (138, 50), Speed Control at (172, 125): Tab enters at Richest, Up twice goes round
// by Fastest to Fast, Enter is OK.
constexpr const char* SetFast = "2500 click 400 300\n11000 click 138 50\n11500 click 172 125\n"
                                "12500 key 9 9\n12800 key 38\n13100 key 38\n13400 key 13 13\n"
                                "15000 close\n";
constexpr const char* JustClose = "3000 close\n";

// The game's speed as a settings file's text has it, its line "Detail Level=<n>" under [Craps].
std::string SpeedIn(const std::string& text) {
    const size_t section = text.find("[Craps]");
    const std::string key = "Detail Level=";
    const size_t at = section == std::string::npos ? section : text.find(key, section);
    return at == std::string::npos ? "none" : text.substr(at + key.size(), 1);
}

TEST(SettingsKeptProcess, SettingsTheirPlaceRefusesAreKeptBesideTheSaveAndFoundAgain) {
    if (!fs::exists(fs::path(OTCRAPS_PROGRAM).parent_path() / "data" / "otcraps.det"))
        GTEST_SKIP() << "the build wrote no data set beside the program";
    TTempDir dir;
    const fs::path home = dir.Host("home");
    fs::create_directories(home / "otcraps.ini");
    dir.WriteHostFile("fast.txt", SetFast);
    dir.WriteHostFile("close.txt", JustClose);
    const auto run = [&](const char* script) {
        return RunProgram(OTCRAPS_PROGRAM, {"--headless", "--script=" + dir.Host(script).string()},
                          home.string());
    };
    const std::string kept = (home / "data" / "otcraps.ini").string();
    const std::string place = (home / "otcraps.ini").string();

    // Fast is level 1 of richest 3 to fastest 0.
    const TProgramRun first = run("fast.txt");
    EXPECT_EQ(first.Code, 0);
    EXPECT_NE(first.Errors.find("otcraps: the settings cannot be saved: " + place +
                                " is a folder; they are saved as " + kept + " instead\n"),
              std::string::npos)
        << first.Errors;
    EXPECT_NE(first.Errors.find("They are saved instead as\n" + kept), std::string::npos)
        << first.Errors;
    EXPECT_EQ(SpeedIn(dir.ReadHostFile("home/data/otcraps.ini")), "1");

    // Read from there, not made again from the defaults, with the folder still standing.
    const TProgramRun second = run("close.txt");
    EXPECT_EQ(second.Code, 0);
    EXPECT_NE(second.Errors.find("the settings are read from " + kept), std::string::npos)
        << second.Errors;
    EXPECT_EQ(SpeedIn(dir.ReadHostFile("home/data/otcraps.ini")), "1");
    EXPECT_TRUE(fs::is_directory(place));

    fs::remove(place);
    const TProgramRun third = run("close.txt");
    EXPECT_EQ(third.Code, 0);
    EXPECT_NE(third.Errors.find(", and are back in " + place), std::string::npos) << third.Errors;
    EXPECT_EQ(SpeedIn(dir.ReadHostFile("home/otcraps.ini")), "1");
    EXPECT_FALSE(fs::exists(kept));
}

} // namespace

// The real executable, headless, its radio buttons chosen by keys alone: a gambler made female
// with $2,500 (his name typed, Tab, arrows, Enter), the game's speed set to Fast, and the bets
// on two pairs of box numbers changed, each read back from the save or the settings it leaves.
#include "ProgramRun.h"
#include "SaveRecords.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// File at (92, 48), Create/Delete Gambler at (140, 70), its Create at (557, 253); Options at
// (138, 50) with Betting Options at (170, 70) and Speed Control at (172, 125). Keys: Tab 9,
// Enter 13, Esc 27, Left 37, Up 38, Right 39, Down 40.
constexpr const char* KeysOnly =
    // Create New Gambler opens at the name. Tab enters Sex at Male and Down chooses Female; Tab
    // goes on to the bankroll's checked $500 and Down chooses $2500. Enter creates him and
    // closes the box that says so; Esc closes the gamblers' list.
    "2500 click 400 300\n4500 click 92 48\n5000 click 140 70\n6000 click 557 253\n"
    "7000 type K\n7100 type i\n7200 type m\n7500 key 9 9\n7800 key 40\n8100 key 9 9\n"
    "8400 key 40\n8700 key 13 13\n9600 key 13 13\n10300 key 27 27\n"
    // Speed Control opens at OK. Tab enters at Richest, and Up twice goes round by Fastest to
    // Fast; Enter is OK.
    "11000 click 138 50\n11500 click 172 125\n12500 key 9 9\n12800 key 38\n13100 key 38\n"
    "13400 key 13 13\n"
    // Betting Options opens at Buy on 4 and 10, and Right chooses Place. Tab enters 5 and 9
    // at its checked Place, and Left chooses Buy; Enter accepts.
    "14000 click 138 50\n14500 click 170 70\n15500 key 39\n15800 key 9 9\n16100 key 37\n"
    "16400 key 13 13\n17500 close\n";

// What the run leaves.
struct TKeyedRun {
    std::string Errors;
    std::vector<TCasinoPlayerData> Gamblers;
    std::string Settings;
};

// The value of key in [section] of a settings file's text; empty when it has none.
std::string SettingOf(const std::string& text, const std::string& section, const std::string& key) {
    std::istringstream lines(text);
    std::string line;
    bool inSection = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[')
            inSection = line == "[" + section + "]";
        else if (inSection && line.rfind(key + "=", 0) == 0)
            return line.substr(key.size() + 1);
    }
    return "";
}

const TCasinoPlayerData* Named(const TKeyedRun& run, const std::string& name) {
    for (const TCasinoPlayerData& g : run.Gamblers)
        if (g.GetName() == name)
            return &g;
    return nullptr;
}

std::string KimsSex(const TKeyedRun& run) {
    const TCasinoPlayerData* kim = Named(run, "Kim");
    return kim == nullptr ? "no Kim" : kim->GetSex() == 0 ? "female" : "male";
}

std::string KimsStart(const TKeyedRun& run) {
    const TCasinoPlayerData* kim = Named(run, "Kim");
    return kim == nullptr ? "no Kim" : std::to_string(static_cast<int>(kim->GetStartBankroll()));
}

std::string Speed(const TKeyedRun& run) {
    return SettingOf(run.Settings, "Craps", "Detail Level");
}

std::string JoesBets(const TKeyedRun& run, size_t pair) {
    const TCasinoPlayerData* joe = Named(run, "Joe Gambler");
    return joe == nullptr ? "no Joe" : joe->GetBetOption(pair) ? "buy" : "place";
}

struct TRadioKeysCase {
    const char* Name;
    std::string (*Read)(const TKeyedRun&);
    const char* Expected;
};

void PrintTo(const TRadioKeysCase& c, std::ostream* out) {
    *out << c.Name;
}

const TRadioKeysCase RadioKeysCases[] = {
    {"GamblerIsFemale", KimsSex, "female"},
    {"GamblerStartsWith2500", KimsStart, "2500"},
    // Fast is level 1 of richest 3 to fastest 0.
    {"SpeedIsFast", Speed, "1"},
    {"FourAndTenArePlaced", [](const TKeyedRun& run) { return JoesBets(run, 0); }, "place"},
    {"FiveAndNineAreBought", [](const TKeyedRun& run) { return JoesBets(run, 1); }, "buy"},
};

class RadioKeysProcess : public ::testing::TestWithParam<TRadioKeysCase> {
protected:
    // Every choice is made in one run of the program: each run costs seconds.
    static void SetUpTestSuite() {
        if (!fs::exists(fs::path(OTCRAPS_PROGRAM).parent_path() / "data" / "otcraps.det"))
            return;
        TTempDir dir;
        dir.WriteHostFile("run.txt", KeysOnly);
        const TProgramRun program =
            RunProgram(OTCRAPS_PROGRAM, {"--headless", "--script=" + dir.Host("run.txt").string()},
                       dir.Host("home").string());
        Run = std::make_unique<TKeyedRun>();
        Run->Errors = "exit " + std::to_string(program.Code) + ": " + program.Errors;
        Run->Gamblers = GamblersIn(ReadSaveFile(dir.Host("home/data/otcraps.sav")));
        Run->Settings = dir.ReadHostFile("home/otcraps.ini");
    }
    static void TearDownTestSuite() { Run.reset(); }

    static std::unique_ptr<TKeyedRun> Run;
};
std::unique_ptr<TKeyedRun> RadioKeysProcess::Run;

TEST_P(RadioKeysProcess, AChoiceMadeByArrowsIsKept) {
    if (Run == nullptr)
        GTEST_SKIP() << "the build wrote no data set beside the program";
    EXPECT_EQ(Run->Errors, "exit 0: ");
    EXPECT_EQ(GetParam().Read(*Run), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, RadioKeysProcess, ::testing::ValuesIn(RadioKeysCases),
                         [](const auto& test) { return std::string(test.param.Name); });

} // namespace

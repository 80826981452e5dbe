// The real executable, headless: with a dialog opened from another one in front, an underlined
// letter of a window behind it is typed into it, then Enter or Esc. The letter presses no button
// behind (no gambler deleted, activated or given a second window), the windows close by their own
// keys, and the table answers a bet and a roll afterwards: the save is the one the same run without
// the letter leaves, byte for byte.
#include "ProgramRun.h"
#include "SaveRecords.h"
#include "SeededHome.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct TNestedCase {
    const char* Name;
    // From the table: what opens the windows, one in front of the other.
    const char* Opening;
    // Underlined letters of the windows behind the front one.
    const char* Letters;
    // What closes every window again after the letter, from the front one back: Enter where the
    // front window's default closes it, Esc where it would make a gambler.
    const char* Closing;
};

// Ask the Expert at (210, 48) with Statistics under it at (240, 71); File at (92, 48) with
// Create/Delete Gambler at (140, 70). In that dialog Bob's row is at (300, 243), Create at
// (557, 253), Statistics at (557, 328); in the Statistics Show Graph is at (225, 470).
// Behind: Create/Delete Gambler's De&Activate, &Create, &Delete, &Statistics, &Help and Do&ne; the
// Statistics' Show &Graph and &Close Stats. A letter of the front window's own is left out; in
// Create New Gambler the letters go into the name, which Esc then throws away.
constexpr const char* GamblersOpening = "4500 click 92 48\n5200 click 140 70\n5900 click 300 243\n";
const TNestedCase NestedCases[] = {
    {"GraphOverStatistics", "4500 click 210 48\n5200 click 240 71\n6000 click 225 470\n", "cg",
     "key 13 13\nkey 27 27\n"},
    {"StatisticsOverGamblers", "6600 click 557 328\n", "adshn", "key 13 13\nkey 27 27\n"},
    {"GraphOverStatisticsOverGamblers", "6600 click 557 328\n7000 click 225 470\n", "adshngc",
     "key 13 13\nkey 27 27\nkey 27 27\n"},
    {"CreateOverGamblers", "6600 click 557 253\n", "adsn", "key 27 27\nkey 27 27\n"},
};

using TNestedLetter = std::tuple<TNestedCase, char>;

std::vector<TNestedLetter> EveryLetter() {
    std::vector<TNestedLetter> all;
    for (const TNestedCase& c : NestedCases)
        for (const char* l = c.Letters; *l != 0; ++l)
            all.emplace_back(c, *l);
    return all;
}

bool UsesGamblers(const TNestedCase& c) {
    return std::string(c.Name).find("Gamblers") != std::string::npos;
}

// Each line of `keys` at a time of its own from `at` on, 600 ms apart.
std::string TimedSteps(int& at, const std::string& keys) {
    std::string out;
    size_t start = 0;
    while (start < keys.size()) {
        const size_t end = keys.find('\n', start);
        out += std::to_string(at) + " " + keys.substr(start, end - start) + "\n";
        at += 600;
        start = end + 1;
    }
    return out;
}

class NestedDialogKeysProcess : public ::testing::TestWithParam<TNestedLetter> {
protected:
    // Joe seated with $500, Ann with $321 and Bob with $1,234.50 beside him: the save the game
    // writes on its first run, with the two added.
    static void SetUpTestSuite() {
        Seed = SeededHome('n', {{"Ann Seed", 0, 321.0}, {"Bob Decoy", 1, 1234.5}});
    }
    static void TearDownTestSuite() {
        Seed.reset();
        Plain.clear();
    }

    // Runs the case with the letter, or without one (0) in the same time; the save it leaves.
    static std::string Run(const TNestedCase& c, char letter, std::string& errors) {
        TTempDir dir;
        fs::copy(Seed->Host("home"), dir.Host("home"), fs::copy_options::recursive);
        int at = 8000;
        std::string script = std::string("2500 click 400 300\n") +
                             (UsesGamblers(c) ? GamblersOpening : "") + c.Opening;
        if (letter != 0)
            script += TimedSteps(at, "key " + std::to_string(letter - 'a' + 'A') + " " +
                                         std::to_string(int(letter)) + "\n");
        else
            at += 600;
        script += TimedSteps(at, c.Closing);
        // A bet on the field and a roll: the table answers only when every window is gone.
        script += TimedSteps(at, "click 455 423\n");
        at += 1000;
        script += TimedSteps(at, "click 692 505\n");
        at += 10000;
        script += TimedSteps(at, "close\n");
        dir.WriteHostFile("run.txt", script);
        const TProgramRun run =
            RunProgram(OTCRAPS_PROGRAM, {"--headless", "--script=" + dir.Host("run.txt").string()},
                       dir.Host("home").string());
        errors = "exit " + std::to_string(run.Code) + ": " + run.Errors;
        return ReadSaveFile(dir.Host("home/data/otcraps.sav"));
    }

    // The save of the case's run without a letter, made once for all its letters.
    static const std::string& PlainSave(const TNestedCase& c) {
        auto it = Plain.find(c.Name);
        if (it == Plain.end()) {
            std::string errors;
            it = Plain.emplace(c.Name, Run(c, 0, errors)).first;
            EXPECT_EQ(errors, "exit 0: ") << "the run without a letter";
        }
        return it->second;
    }

    static std::unique_ptr<TTempDir> Seed;
    static std::map<std::string, std::string> Plain;
};
std::unique_ptr<TTempDir> NestedDialogKeysProcess::Seed;
std::map<std::string, std::string> NestedDialogKeysProcess::Plain;

TEST_P(NestedDialogKeysProcess, ALetterOfAWindowBehindPressesNothingThereAndTheTableAnswers) {
    if (!fs::exists(fs::path(OTCRAPS_PROGRAM).parent_path() / "data" / "otcraps.det"))
        GTEST_SKIP() << "the build wrote no data set beside the program";
    ASSERT_NE(Seed, nullptr) << "the first run made no save to start from";
    const auto& [c, letter] = GetParam();
    const std::string& plain = PlainSave(c);
    ASSERT_EQ(plain.size(), SaveHeaderSize + SaveRecordCount * TCasinoPlayerData::EncodedSize);
    // Without the letter the field bet is settled by the roll: Joe does not end on the $495 that
    // a bet left standing to the end leaves him, and Ann and Bob are as they were.
    const std::vector<TCasinoPlayerData> before = GamblersIn(plain);
    ASSERT_NE(before[0].GetBankroll(), 495.0) << "the roll was not made even without a letter";
    ASSERT_EQ(before[1].GetName(), "Ann Seed");
    ASSERT_EQ(before[2].GetName(), "Bob Decoy");

    std::string errors;
    const std::string save = Run(c, letter, errors);
    EXPECT_EQ(errors, "exit 0: ");
    ASSERT_EQ(save.size(), plain.size()) << errors;
    const std::vector<TCasinoPlayerData> gamblers = GamblersIn(save);
    EXPECT_EQ(gamblers[0].GetBankroll(), before[0].GetBankroll()) << "the table did not roll";
    EXPECT_EQ(gamblers[2].GetName(), "Bob Decoy") << "Bob was deleted";
    EXPECT_TRUE(save == plain) << "the save differs from the run without the letter";
}

INSTANTIATE_TEST_SUITE_P(Dialogs, NestedDialogKeysProcess, ::testing::ValuesIn(EveryLetter()),
                         [](const auto& test) {
                             return std::string(std::get<0>(test.param).Name) + "_" +
                                    std::get<1>(test.param);
                         });

} // namespace

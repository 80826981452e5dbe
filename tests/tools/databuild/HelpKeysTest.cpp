// The help's keys: written in braces, shown by name, checked against the game's keys; a key the
// game does not have, or one named outside braces, is refused, and so is a help that leaves out
// one of the game's keys.
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/writer/HelpFile.h"
#include "tools/databuild/writer/HelpFileKeys.h"

#include <gtest/gtest.h>

namespace {

// The smallest book with a topic of the text given.
std::vector<THelpSource> With(const std::string& text) {
    return {{"contents", "title: Contents\n\nSee [the table](table).\n"},
            {"table", "title: Table\ncontext: 3000\n\n" + text + "\n"},
            {"gamblers", "title: Gamblers\ncontext: 1000\n\nTwenty.\n"}};
}

// The text of every span of a topic.
std::string TextOf(const THelpTopic& topic) {
    std::string text;
    for (const THelpBlock& block : topic.Blocks)
        for (const THelpSpan& span : block.Spans)
            text += span.Text + "\n";
    return text;
}

// Every game key in braces, one a bullet.
std::string AllKeys() {
    std::string text;
    for (const THelpKey& key : GameKeys())
        text += "- {" + key.Name + "}: " + key.Does + ".\n";
    return text;
}

TEST(HelpKeys, KeysInBracesShowByNameAndAreNoted) {
    std::set<std::string> named;
    const THelpBook book = CompileHelp(
        With("Press {Enter} to roll, the keys {4} to {9} for chips, or see [more](contents)."),
        &named);
    const THelpTopic& table = book.Topics[book.FindContext(3000)];
    ASSERT_EQ(table.Blocks.size(), 1U);
    EXPECT_EQ(table.Blocks[0].Spans.at(0).Text,
              "Press Enter to roll, the keys 4 to 9 for chips, or see ");
    EXPECT_EQ(table.Blocks[0].Spans.at(1), (THelpSpan{"more", 0}));
    EXPECT_EQ(named, (std::set<std::string>{"Enter", "4", "9"}));
    // Keys in a link's text and a heading are keys too.
    EXPECT_NO_THROW(CompileHelp(With("## The {F1} key\n\n[Help with {F1}](contents)")));
}

TEST(HelpKeys, AKeyTheGameLacksOrOneOutsideBracesIsRefusedNamingWhere) {
    const struct {
        const char* Fault;
        const char* Text;
        const char* Named;
    } cases[] = {
        {"a key the game lacks", "Press {F2} for more.", "names the key \"F2\""},
        {"a key that is a word", "Press {Space} to roll.", "\"Space\""},
        {"a key of another program", "- {Backspace}: take the last chip back.", "\"Backspace\""},
        {"Esc without braces", "Press Esc to go back.", "\"Esc\" outside"},
        {"a function key without braces", "F1 opens the help.", "\"F1\" outside"},
        {"a letter after \"key\"", "Use the key x to ask.", "\"x\" outside"},
        {"numbers after \"keys\"", "The keys 4 to 9 choose chips.", "\"4\" outside"},
        {"a brace left open", "Press {Enter to roll.", "closing"},
        {"a brace never opened", "Press Enter} to roll.", "without its"},
    };
    for (const auto& c : cases) {
        try {
            CompileHelp(With(c.Text));
            ADD_FAILURE() << c.Fault << " was accepted";
        } catch (const TBuildError& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind("table.txt:4", 0), 0U) << c.Fault << ": " << what;
            EXPECT_NE(what.find(c.Named), std::string::npos) << c.Fault << ": " << what;
        }
    }
    // Words that only look like keys elsewhere pass: a dialog's Delete, the Tab-less prose.
    EXPECT_NO_THROW(CompileHelp(
        With("Choose Delete, then Done. Keys: see below. The keys {c} and {r}. The keys {4} ($10)"
             " to {9} ($1). A monkey 5 times.")));
}

TEST(HelpKeys, TheGamesHelpMustNameEveryKeyOfTheGame) {
    EXPECT_NO_THROW(CompileGameHelp(With(AllKeys())));
    for (const THelpKey& key : GameKeys()) {
        std::string text = AllKeys();
        const std::string line = "- {" + key.Name + "}: " + key.Does + ".\n";
        text.erase(text.find(line), line.size());
        try {
            CompileGameHelp(With(text));
            ADD_FAILURE() << key.Name << " left out and accepted";
        } catch (const TBuildError& e) {
            EXPECT_NE(std::string(e.what()).find("\"" + key.Name + "\""), std::string::npos)
                << e.what();
        }
    }
}

TEST(HelpKeys, TheRepositorysHelpSaysWhichChipEachKeyGivesAndNoLongerTheOldControls) {
    const THelpBook book = ReadHelpSources(HelpSourceFolder());
    std::string all;
    for (const THelpTopic& topic : book.Topics)
        all += TextOf(topic);
    for (const char* chip :
         {"4 ($10,000)", "5 ($1,000)", "6 ($100)", "7 ($25)", "8 ($5)", "9 ($1)"})
        EXPECT_NE(all.find(chip), std::string::npos) << chip;
    // The controls the game does not have are gone: no right click on a spot, no strip under a
    // seat that changes places.
    for (const char* gone : {"Right-click a spot", "strip under a seat", "put the chip down",
                             "the next gambler's turn to bet.\n"})
        EXPECT_EQ(all.find(gone), std::string::npos) << gone;
    // The mouse's ways the game has are named.
    for (const char* mouse :
         {"Right-click a chip button", "Click the name plate", "Hold the ROLL button"})
        EXPECT_NE(all.find(mouse), std::string::npos) << mouse;
}

} // namespace

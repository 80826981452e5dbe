// The help sources: the markup made into topics, each broken source refused naming where, and
// the repository's help holding what the program asks for and the table's real figures.
#include "tools/databuild/writer/HelpFile.h"
#include "tools/databuild/model/BuildError.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::vector<THelpSource> Minimal() {
    return {{"contents", "title: Contents\n\nSee [the table](table) and\n[gamblers](gamblers).\n"},
            {"table", "title: Table\ncontext: 3000\n\n## Bets\n- Field pays\n  double.\n\nEnd.\n"},
            {"gamblers", "title: Gamblers\ncontext: 1000\n\nTwenty.\n"}};
}

TEST(HelpFile, MarkupBecomesTopicsWithTheContentsFirstAndLinksResolved) {
    const THelpBook book = CompileHelp(Minimal());
    ASSERT_EQ(book.Topics.size(), 3U);
    EXPECT_EQ(book.Topics[0].Key, "contents");
    EXPECT_EQ(book.Topics[1].Key, "gamblers");
    const THelpBlock& links = book.Topics[0].Blocks.at(0);
    ASSERT_EQ(links.Spans.size(), 5U);
    EXPECT_EQ(links.Spans[1], (THelpSpan{"the table", 2}));
    EXPECT_EQ(links.Spans[2], (THelpSpan{" and ", -1}));
    EXPECT_EQ(links.Spans[3], (THelpSpan{"gamblers", 1}));
    const THelpTopic& table = book.Topics[2];
    EXPECT_EQ(table.Context, 3000U);
    ASSERT_EQ(table.Blocks.size(), 3U);
    EXPECT_EQ(table.Blocks[0].Kind, THelpBlockKind::Heading);
    EXPECT_EQ(table.Blocks[1].Kind, THelpBlockKind::Bullet);
    EXPECT_EQ(table.Blocks[1].Spans[0].Text, "Field pays double.");
    EXPECT_EQ(table.Blocks[2].Kind, THelpBlockKind::Paragraph);
}

TEST(HelpFile, BrokenSourcesAreRefusedNamingWhere) {
    const struct {
        const char* Fault;
        int Topic;
        std::string Text;
        const char* Named;
    } cases[] = {
        {"no title", 2, "context: 1000\n\nText.\n", "gamblers.txt:"},
        {"a context that is no number", 2, "title: G\ncontext: ten\n\nText.\n", "gamblers.txt:2"},
        {"a link to no topic", 0, "title: C\n\n[x](nowhere)\n", "contents.txt:"},
        {"a link cut short", 0, "title: C\n\nSee [x(table)\n", "contents.txt:3"},
        {"a character outside ASCII", 0, "title: C\n\nCaf\xc3\xa9\n", "contents.txt:3"},
        {"a context twice", 2, "title: G\ncontext: 3000\n\nText.\n", "table.txt:"},
        {"the gamblers' context missing", 2, "title: G\n\nText.\n", "help:"},
        {"no text", 2, "title: G\ncontext: 1000\n", "gamblers.txt:"},
    };
    for (const auto& c : cases) {
        auto sources = Minimal();
        sources[static_cast<std::size_t>(c.Topic)].Text = c.Text;
        try {
            CompileHelp(sources);
            ADD_FAILURE() << c.Fault << " was accepted";
        } catch (const TBuildError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.Named, 0), 0U) << c.Fault << ": " << e.what();
        }
    }
    auto noContents = Minimal();
    noContents.erase(noContents.begin());
    EXPECT_THROW(CompileHelp(noContents), TBuildError);
}

TEST(HelpFile, TheRepositorysHelpHasEveryContextAndTheFiguresTheTablePays) {
    const THelpBook book = ReadHelpSources(HelpSourceFolder());
    EXPECT_EQ(book.Topics[0].Key, HELP_CONTENTS_KEY);
    const int table = book.FindContext(HELP_TABLE_CONTEXT);
    ASSERT_GE(table, 0);
    EXPECT_GE(book.FindContext(HELP_GAMBLERS_CONTEXT), 0);
    std::string bets;
    for (const THelpTopic& topic : book.Topics)
        if (topic.Key == "bets" || topic.Key == "odds")
            for (const THelpBlock& block : topic.Blocks)
                for (const THelpSpan& span : block.Spans)
                    bets += span.Text;
    // What the ledgers pay and what the advisor says they cost.
    for (const char* figure :
         {"the 2 pays double (2 to 1) and the 12 pays triple (3 to 1)", "pays 9 to 5",
          "pays 7 to 5", "pays 7 to 6", "less a commission of 5% of the bet",
          "less 5% of the amount laid", "2 to 1, 5 and 9 pay 3 to 2, 6 and 8 pay 6 to 5",
          "paid in whole dollars", "pays 30 to 1. House edge 13.89%",
          "pays 15 to 1. House edge 11.11%", "about 0.6%", "A $4 horn wins $27",
          "A $2 C and E wins $6 on craps and $14", "House edge 12.5%"})
        EXPECT_NE(bets.find(figure), std::string::npos) << figure;
    // It encodes and reads back whole.
    const std::vector<u8> bytes = EncodeHelpFile(book);
    const auto back = ReadHelpFile(bytes.data(), bytes.size());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, book);
}

TEST(HelpFile, TheBuildPutsTheHelpBesideTheDataFolder) {
    TTempDir dir('e');
    EXPECT_EQ(HelpFileBeside(dir.Host("data")), dir.Path / HELP_FILE_NAME);
    EXPECT_EQ(HelpFileBeside(dir.Host("data/")), dir.Path / HELP_FILE_NAME);
    BuildHelpFile(dir.Host("data"));
    EXPECT_TRUE(ReadHelpFileAt((dir.Path / HELP_FILE_NAME).string()).has_value());
    EXPECT_FALSE(std::filesystem::exists(dir.Path / "otcraps.hlp.new"));
}

} // namespace

// Skit lists and portfolios in their files: every stored version, the writer's round trip in the
// order the reader sorts to, and damaged or impossible bodies that leave the list empty.
#include "SkitFakes.h"

#include "../foundation/FileMgrFixture.h"
#include "engine/framework/SkitCat.h"
#include "engine/framework/SkitData.h"
#include "engine/framework/SkitList.h"
#include "engine/framework/SkitPortfolio.h"
#include "engine/framework/SkitPortfolioList.h"
#include "platform/host/PrivateProfile.h"

#include "support/FuzzSeed.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

// Each level's entries as "level:name/index".
std::string Entries(const TSkitPortfolio& portfolio) {
    std::string text;
    for (i16 l = 0; l < TSkitPortfolio::LEVELS; ++l)
        for (i16 i = 0; i < portfolio.GetLevel(l)->GetCount(); ++i)
            text += std::to_string(l) + ":" + portfolio.GetElementName(l, i) + "/" +
                    std::to_string(portfolio.GetLevel(l)->GetElement(i)->SkitIndex) + " ";
    return text;
}

// The skits as "name:sprite of the first start", then the portfolio, or "failed".
std::string Made(const TSkitList& list) {
    if (!list.HasFlags(JOF_LOADED))
        return "failed " + std::to_string(list.GetCount()) + " " + Entries(*list.GetPortfolio());
    std::string text;
    for (i16 i = 0; i <= list.GetLastIndex(); ++i) {
        const TSkit* skit = list.GetSkit(i);
        const TSkitDataList* starts = skit->GetDataList();
        text +=
            skit->GetFileMode().Name.GetText() + ":" +
            (starts != nullptr && starts->GetCount() > 0 ? std::to_string((*starts)[0].SpriteIndex)
                                                         : std::string("-")) +
            " ";
    }
    return text + "| " + Entries(*list.GetPortfolio());
}

std::string PortBytes(u16 major, u16 minor, i16 levels, const std::string& body) {
    return Header("PORT", major, minor) + Le16(static_cast<u16>(levels)) + body;
}

class SkitListFiles : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        Object.SetObjectFileName(TJorpFileName("\\tbl\\lord"));
        std::filesystem::create_directories(Cd.Host("tbl"));
    }
    std::unique_ptr<TSkitList> Load(const std::string& name) {
        return TSkitList::CreateNamed(&Window, TFileMode(TJorpFileName(name), 0, 4), &Object, true,
                                      false);
    }

    TSkitWindow Window;
    TGameObject Object{&Window};
};

TEST_F(SkitListFiles, PortfoliosOfEveryVersionReadAndLevelsPastNineAreDropped) {
    std::string twelve;
    for (int l = 1; l < 12; ++l)
        twelve += Le16(0);
    const std::pair<std::string, std::string> cases[] = {
        {PortBytes(1, 0, 2, Le16(1) + Name9("greet") + Le16(0)), "0:\\tbl\\greet.sk/65535 "},
        {PortBytes(1, 1, 1, Le16(2) + Name9("greet") + Le16(3) + Name9("wave") + Le16(1)),
         "0:\\tbl\\greet.sk/3 0:\\tbl\\wave.sk/1 "},
        {PortBytes(2, 0, 4, Le16(0) + Le16(0) + Le16(0) + Le16(1) + Str("greet") + Le16(3)),
         "3:\\tbl\\greet.sk/3 "},
        {PortBytes(2, 4, 13,
                   Le16(1) + Str("a.sk") + Le16(0) + twelve + Le16(1) + Str("x") + Le16(1)),
         "0:a.sk/0 "},
        {PortBytes(2, 3, 1, Le16(1) + Str("a.sk") + Le16(0)), "failed"},
        {PortBytes(2, 4, -1, ""), "failed"},
        {PortBytes(2, 4, 1, Le16(30000) + Str("a.sk") + Le16(0)), "failed"},
        {PortBytes(2, 4, 2, Le16(1) + Str("a.sk") + Le16(0) + Le16(-1)), "failed"},
        {PortBytes(2, 4, 1, Le16(2) + Str("a.sk") + Le16(0)), "failed"},
    };
    for (const auto& [bytes, made] : cases) {
        auto portfolio = TJorpBase::CreateLoadedAt<TSkitPortfolio>(
            TEmbeddedAddress{reinterpret_cast<const u8*>(bytes.data()),
                             static_cast<u32>(bytes.size())},
            true, &Object, std::string());
        const bool read = portfolio->GetBytesRead() == static_cast<i32>(bytes.size());
        EXPECT_EQ(read ? Entries(*portfolio) : "failed", made);
        // A body read in part leaves every level as it was.
        EXPECT_EQ(Entries(*portfolio), read ? made : "");
    }
}

TEST_F(SkitListFiles, ListsOfEveryVersionReadAndStoredSkitsAreSortedByName) {
    const std::string port = PortBytes(2, 4, 1, Le16(1) + Str("a.sk") + Le16(0));
    Cd.WriteHostFile("tbl/b.sk", OneCellSkit(1, 2));
    Cd.WriteHostFile("tbl/a.sk", OneCellSkit(0, 1));
    const std::string bareNames = Le16(2) + Name9("b") + Name9("a") + port;
    const std::string skits = OneCellSkit(1, 2) + OneCellSkit(0, 1);
    const std::string strings = Le16(2) + Str("b.sk") + Str("a.sk") + port;
    const std::pair<std::string, std::string> cases[] = {
        // Skits in files of their own stay in file order.
        {Header("KLST", 1, 0) + bareNames, "\\tbl\\b.sk:2 \\tbl\\a.sk:1 | 0:a.sk/0 "},
        {Header("KLST", 1, 1) + bareNames + skits, "\\tbl\\a.sk:1 \\tbl\\b.sk:2 | 0:a.sk/0 "},
        {Header("KLST", 2, 0) + strings + skits, "a.sk:1 b.sk:2 | 0:a.sk/0 "},
        {Header("KLST", 2, 7) + Le16(0) + port, "| 0:a.sk/0 "},
        // What cannot be read leaves an empty list with an empty portfolio.
        {Header("KLST", 1, 2) + bareNames + skits, "failed 0 "},
        {Header("KLST", 3, 0) + strings + skits, "failed 0 "},
        {Header("KLST", 2, 0) + strings + OneCellSkit(1, 2), "failed 0 "},
        {Header("KLST", 2, 0) + strings + OneCellSkit(1, 2) + OneCellSkit(0, 1).substr(0, 40),
         "failed 0 "},
        {Header("KLST", 2, 0) + Le16(0xFFFF) + Str("a.sk") + port, "failed 0 "},
    };
    int n = 0;
    for (const auto& [bytes, made] : cases) {
        const std::string name = "tbl\\l" + std::to_string(n++) + ".skl";
        Cd.WriteHostFile("tbl/l" + std::to_string(n - 1) + ".skl", bytes);
        EXPECT_EQ(Made(*Load(name)), made) << name;
    }
}

// The written list and a catalogue naming it are also the fuzz targets' seeds.
TEST_F(SkitListFiles, TheWriterRoundTripsInTheOrderTheReaderSortsTo) {
    TSkitList list(nullptr, &Object, TFileMode(TJorpFileName("tbl\\greet"), 0, 0));
    for (const char* name : {"c", "a", "b"}) {
        auto skit = MakeSkit(&Window, &Object, name,
                             {{0, 0, 0, static_cast<u16>(name[0]), 2}, {6, 7, 1, 1, 4}});
        skit->SetCriterion(name[0] - 'a', 1);
        list.Add(skit.release());
    }
    // The positions the portfolio stores are those after the reader's sort.
    list.GetPortfolio()->AddElement(0, "a.sk", 0);
    list.GetPortfolio()->AddElement(9, "c.sk", 2);
    TSkitCat catalogue(nullptr, nullptr, TFileMode(TJorpFileName("tbl\\dealer"), 0, 0));
    for (const char* name : {"tbl\\greet", "call"})
        catalogue.Add(new TSkitList(nullptr, nullptr, TFileMode(TJorpFileName(name), 0, 0)));
    ASSERT_TRUE(list.Save(nullptr) && catalogue.Save(nullptr));
    EXPECT_EQ(list.GetStoredCount(), 3);
    const std::string whole = Cd.ReadHostFile("tbl/greet.skl");
    EXPECT_EQ(whole.substr(0, 14), Header("KLST", 2, 0) + Le16(3));
    CheckFuzzSeed("skl_fuzz", "greet.skl", whole);
    CheckFuzzSeed("skc_fuzz", "dealer.skc", Cd.ReadHostFile("tbl/dealer.skc"));

    auto read = Load("tbl\\greet.skl");
    EXPECT_EQ(Made(*read), "a.sk:97 b.sk:98 c.sk:99 | 0:a.sk/0 9:c.sk/2 ");
    for (i16 i = 0; i < 3; ++i) {
        EXPECT_EQ(read->GetSkitDuration(i), 10U);
        EXPECT_EQ(read->GetSkit(i)->GetCriterion(i), 1);
    }
    // Every damaged copy of the file fails cleanly and leaves the list empty. (The cursors the
    // copies read and write back are kept in memory meanwhile.)
    TPrivateProfileBatch cursors;
    for (size_t cut = 12; cut < whole.size(); cut += 7) {
        const std::string name = "cut" + std::to_string(cut) + ".skl";
        Cd.WriteHostFile(name, whole.substr(0, cut));
        auto damaged = Load(name);
        EXPECT_EQ(Made(*damaged), "failed 0 ") << cut;
    }
}

} // namespace

// The advisor at a seated table: which topic a clicked bet or a roll raises, and the text it
// builds from the program's own advice strings.
#include "RoundDriver.h"

#include "casino/CasinoPlayerData.h"
#include "engine/foundation/EngineContext.h"
#include "engine/framework/AskTheExpertDialog.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"
#include "platform/framework/window/Module.h"
#include "platform/headless/HeadlessBackend.h"
#include "resources/Resources.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TBet {
    i16 Seat;
    i16 Spot;
    double Stake;
    double Odds = 0;
};

class AdviceTest : public CrapsTable {
protected:
    void SetUp() override {
        CrapsTable::SetUp();
        TResourceRegistry::Get().Clear();
        RegisterResources();
        TEngineContext::Module = &Program;
        MakeCrapsTable(1000.0, 1000.0, 1000.0);
    }
    void TearDown() override {
        TEngineContext::Module = nullptr;
        TResourceRegistry::Get().Clear();
        CrapsTable::TearDown();
    }
    // The bets laid out fresh, each stake put down directly and its odds offered as a click
    // with chips does while the point is on.
    void Lay(const std::vector<TBet>& bets) {
        for (i16 i = 0; i < TCasinoCGameLord::SpotCount; ++i)
            Spot(i).ClearAll();
        for (const TBet& b : bets) {
            // The come and don't-come numbers are only ever set (their bets travel there);
            // every other stake is put down as a come-out bet, come and don't come once a
            // point is on.
            if (b.Spot >= 23 && b.Spot <= 40)
                Spot(b.Spot).SetAmount(b.Seat, TMoney(b.Stake));
            else
                Spot(b.Spot).AddChips(b.Seat, TMoney(b.Stake), b.Spot == 2 || b.Spot == 3 ? 0 : 1,
                                      2);
            ASSERT_EQ(Spot(b.Spot).GetAmount(b.Seat), TMoney(b.Stake)) << b.Spot;
            if (b.Odds > 0) {
                Spot(b.Spot).AddChips(b.Seat, TMoney(b.Odds), 0, Lord().Point);
                ASSERT_EQ(Spot(b.Spot).GetOddsAmount(b.Seat), TMoney(b.Odds)) << b.Spot;
            }
        }
    }
    void Instruct(i16 seat, bool on) {
        Lord().GetSeatPlayerData(seat)[TCasinoPlayerData::InstructionAt] = on ? 1 : 0;
    }
    static std::string Strings(u32 first, u32 count) {
        std::string text;
        for (u32 id = first; id < first + count; ++id)
            text += TResourceRegistry::Get().FindString(id).value_or("<missing>");
        return text;
    }

    TModule Program{"otcraps"};
};

TEST_F(AdviceTest, BadBetTopicsByTheBetsOfEverySeat) {
    const struct {
        const char* Name;
        std::vector<TBet> Bets;
        u16 Clicked;
        i16 Topic;
    } cases[] = {
        {"another seat's pass line against don't pass", {{0, 0, 10}}, 1, 13},
        {"don't pass against the pass line", {{2, 1, 10}}, 0, 13},
        {"pass line against don't come", {{1, 0, 10}}, 3, 14},
        {"a don't-come number against the pass line", {{0, 39, 10}}, 0, 14},
        {"don't pass against come", {{0, 1, 10}}, 2, 15},
        {"a come number against don't pass", {{2, 23, 10}}, 1, 15},
        {"a don't-come number against come", {{1, 35, 10}}, 2, 16},
        {"a come number against don't come", {{1, 28, 10}}, 3, 16},
        {"a fourth point on the right side", {{1, 0, 5}, {1, 23, 5}, {1, 24, 5}}, 2, 17},
        {"only two points covered", {{1, 0, 5}, {1, 23, 5}}, 2, 0},
        {"three points split over two seats", {{0, 0, 5}, {1, 23, 5}, {1, 24, 5}}, 2, 0},
        {"a fourth point on the wrong side", {{0, 35, 5}, {0, 36, 5}, {0, 40, 5}}, 3, 18},
        {"the pass line against itself is no bet against yourself", {{0, 0, 5}}, 0, 0},
        {"a stake of nothing is no bet", {{0, 0, 0}}, 1, 0},
        {"field", {}, 4, 1},
        {"big 6", {}, 5, 2},
        {"big 8", {}, 6, 2},
        {"any craps", {}, 7, 3},
        {"any seven", {}, 8, 7},
        {"two", {}, 9, 4},
        {"three", {}, 10, 5},
        {"eleven", {}, 11, 5},
        {"twelve", {}, 12, 4},
        {"hard 4", {}, 13, 10},
        {"hard 6", {}, 14, 9},
        {"hard 8", {}, 15, 9},
        {"hard 10", {}, 16, 10},
        {"the 4 box", {}, 17, 11},
        {"the 5 box", {}, 18, 12},
        {"the 6 box", {}, 19, 0},
        {"the 8 box", {}, 20, 0},
        {"the 9 box", {}, 21, 12},
        {"the 10 box", {}, 22, 11},
        {"a come number", {}, 26, 0},
        {"a lay bet", {}, 29, 0},
        {"the last lay bet", {}, 34, 0},
        {"a don't-come number", {}, 40, 0},
        {"C and E", {}, 41, 6},
        {"horn", {}, 42, 8},
        {"past the last spot", {}, 43, 0},
        {"the largest spot number", {{0, 0, 5}}, 0xFFFF, 0},
    };
    for (const auto& c : cases) {
        Lay(c.Bets);
        EXPECT_EQ(Lord().BadBetTopic(c.Clicked), c.Topic) << c.Name;
    }
}

TEST_F(AdviceTest, FreeOddsTopicsOfTheGamblersInInstructionMode) {
    // Sum indices of the points: 2 is the 4, 4 the 6, 6 the 8.
    const struct {
        const char* Name;
        i16 Point;
        std::vector<TBet> Bets;
        i16 Topic;
    } cases[] = {
        {"pass line with no odds", 2, {{0, 0, 5}}, 3},
        {"pass line short of double odds", 2, {{0, 0, 5, 8}}, 5},
        {"pass line at double odds", 2, {{0, 0, 5, 10}}, 0},
        {"an even stake on the 6 may take two and a half times", 4, {{0, 0, 10, 20}}, 5},
        {"an even stake on the 6 at the full odds", 4, {{0, 0, 10, 25}}, 0},
        {"an odd stake on the 6 keeps double odds", 4, {{0, 0, 5, 10}}, 0},
        {"a come 8 short of two and a half times, point 4", 2, {{0, 26, 10, 20}}, 5},
        {"a come number without odds comes before the pass line", 2, {{0, 0, 5}, {0, 24, 5}}, 1},
        {"a don't-come number without odds", 2, {{0, 37, 6}}, 2},
        {"don't pass without odds", 2, {{0, 1, 5}}, 4},
        {"odds under a dollar count as none", 2, {{0, 0, 5, 0.5}}, 3},
        {"a seat out of instruction mode is not watched", 2, {{1, 0, 5}}, 0},
        {"nothing on the table", 2, {}, 0},
    };
    Instruct(0, true);
    Lord().ComeOutFlag = 0;
    for (const auto& c : cases) {
        Lord().Point = c.Point;
        Lay(c.Bets);
        EXPECT_EQ(Lord().FreeOddsTopic(), c.Topic) << c.Name;
    }
    // On a come-out roll there is nothing to take odds on.
    Lay({{0, 0, 5}});
    Lord().ComeOutFlag = 1;
    EXPECT_EQ(Lord().FreeOddsTopic(), 0);
}

TEST_F(AdviceTest, InstructionModeOfAnySeatedGambler) {
    EXPECT_FALSE(Lord().AnyInstructionMode());
    Instruct(2, true);
    EXPECT_TRUE(Lord().AnyInstructionMode());
    // Any nonzero byte is on, as the menu's toggle leaves either value.
    Lord().GetSeatPlayerData(2)[TCasinoPlayerData::InstructionAt] = 7;
    EXPECT_TRUE(Lord().AnyInstructionMode());
    Instruct(2, false);
    EXPECT_FALSE(Lord().AnyInstructionMode());
    // A gambler who has left the table is not watched, whatever his record says.
    Instruct(1, true);
    ASSERT_TRUE(Mgr->DeactivatePlayer(1));
    EXPECT_EQ(Lord().GetSeatPlayerData(1), nullptr);
    EXPECT_FALSE(Lord().AnyInstructionMode());
}

TEST_F(AdviceTest, AdviceTextsAreTheTopicsStringsInOrder) {
    EXPECT_EQ(Lord().GetAdviceText(), "");
    Lay({});
    Lord().AskBadBet(4);
    EXPECT_EQ(Lord().GetAdviceText(), Strings(5800, 3));
    EXPECT_NE(Lord().GetAdviceText().find("2.78%"), std::string::npos);
    Lord().AskBadBet(42);
    EXPECT_EQ(Lord().GetAdviceText(), Strings(5821, 3));

    Instruct(0, true);
    Lord().ComeOutFlag = 0;
    Lord().Point = 2;
    const struct {
        std::vector<TBet> Bets;
        u32 First, Count;
    } odds[] = {{{{0, 24, 5}}, 5854, 12},
                {{{0, 36, 6}}, 5866, 12},
                {{{0, 0, 5}}, 5878, 8},
                {{{0, 1, 5}}, 5886, 8},
                {{{0, 0, 5, 4}}, 5894, 7}};
    for (const auto& o : odds) {
        Lay(o.Bets);
        Lord().AskFreeOdds();
        EXPECT_EQ(Lord().GetAdviceText(), Strings(o.First, o.Count)) << o.First;
    }
    Lord().AskGeneral();
    EXPECT_EQ(Lord().GetAdviceText(), Strings(5600, 12));
}

// The button keeps signalling after the bet that raised it has gone: the advice is asked anew
// and what is shown is the general advice, not the text of an earlier question.
TEST_F(AdviceTest, AHeldSituationThatHasGoneAwayGetsTheGeneralAdvice) {
    Lay({});
    Lord().AskBadBet(9);
    ASSERT_EQ(Lord().GetAdviceText(), Strings(5809, 3));
    Lord().AskBadBet(19);
    EXPECT_EQ(Lord().GetAdviceText(), Strings(5600, 12));

    Instruct(0, true);
    Lord().ComeOutFlag = 0;
    Lord().Point = 2;
    Lay({{0, 0, 5}});
    Lord().AskFreeOdds();
    ASSERT_EQ(Lord().GetAdviceText(), Strings(5878, 8));
    Lord().ComeOutFlag = 1;
    Lord().AskFreeOdds();
    EXPECT_EQ(Lord().GetAdviceText(), Strings(5600, 12));
}

// The field's advice as the Expert's dialog shows it: the whole text must fit its box.
TEST_F(AdviceTest, GoldenFieldAdvice) {
    THeadlessSession session{TSize{800, 600}};
    TApplication app{"otcraps"};
    Lay({});
    Lord().AskBadBet(4);
    TAskTheExpertDialog dialog(Lord().GetAdviceText(), nullptr, IDD_EXPERT);
    session.Backend().After(30, [&] {
        EXPECT_TRUE(MatchesGolden(TDesktop::Get().GetScreen(), "craps_expert_field",
                                  dialog.GetWindowRect()));
        dialog.SendMessage(WM_COMMAND, IDOK, 0);
    });
    dialog.Execute();
}

TEST(AdviceStringsTest, EveryStringIsThereAndFitsAndTheFiguresAgreeWithThePayouts) {
    TResourceRegistry::Get().Clear();
    RegisterResources();
    std::string all;
    auto text = [](u32 id) { return TResourceRegistry::Get().FindString(id).value_or(""); };
    for (u32 id = 5600; id <= 5900; id = id == 5611 ? 5800 : id + 1) {
        const std::string s = text(id);
        EXPECT_FALSE(s.empty()) << id;
        EXPECT_LE(s.size(), 255u) << id;
        all += s;
    }
    EXPECT_TRUE(text(5599).empty());
    EXPECT_TRUE(text(5612).empty());
    EXPECT_TRUE(text(5799).empty());
    EXPECT_TRUE(text(5901).empty());
    // The separating line of the general advice is blanks only.
    EXPECT_EQ(text(5607).find_first_not_of(' '), std::string::npos);
    // What the bets pay: 30 to 1 on the 2 and 12, 15 to 1 on the 3 and 11; no chime plays.
    const std::string twoTwelve = text(5809) + text(5810) + text(5811);
    const std::string threeEleven = text(5812) + text(5813) + text(5814);
    EXPECT_NE(twoTwelve.find("13.89%"), std::string::npos);
    EXPECT_EQ(twoTwelve.find("16.67%"), std::string::npos);
    EXPECT_NE(threeEleven.find("11.11%"), std::string::npos);
    EXPECT_EQ(threeEleven.find("16.67%"), std::string::npos);
    EXPECT_NE(text(5603).find("0.6%"), std::string::npos);
    EXPECT_EQ(all.find(".06%"), std::string::npos);
    EXPECT_EQ(all.find("chime"), std::string::npos);
    TResourceRegistry::Get().Clear();
}

} // namespace

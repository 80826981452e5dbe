// The states a level's skits leave unanswered: split into pieces that never overlap and that,
// with the skits, answer every state the program's relations allow.
#include "tools/databuild/content/DealerLines.h"
#include "tools/databuild/content/SkitContent.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using namespace cond;

bool Holds(const TCriteria& criteria, const std::map<u8, i8>& state) {
    for (const auto& [condition, answer] : criteria)
        if (state.at(condition) != answer)
            return false;
    return true;
}

// Whether the program can be in the state: no relation the builder knows is broken.
bool Possible(const std::map<u8, i8>& state) {
    for (const auto& [condition, answer] : state) {
        TCriteria others;
        for (const auto& [c, a] : state)
            if (c != condition)
                others.push_back({c, a});
        const i8 implied = Implied(others, condition);
        if (implied != 0 && implied != answer)
            return false;
    }
    return true;
}

// Every possible state of the conditions named: each is answered by a skit that does not need
// a chance, or by exactly one piece; no piece holds where such a skit does.
void ExpectPartition(const std::vector<TCriteria>& skits, const TCriteria& context) {
    const std::vector<TCriteria> pieces = Unanswered(skits, context);
    std::set<u8> named;
    for (const TCriteria* list : {&context})
        for (const auto& c : *list)
            named.insert(c.first);
    for (const TCriteria& skit : skits)
        for (const auto& c : skit)
            named.insert(c.first);
    const std::vector<u8> conditions(named.begin(), named.end());
    for (u32 bits = 0; bits < (1U << conditions.size()); ++bits) {
        std::map<u8, i8> state;
        for (size_t i = 0; i < conditions.size(); ++i)
            state[conditions[i]] = (bits >> i & 1) != 0 ? 1 : -1;
        if (!Possible(state) || !Holds(context, state))
            continue;
        bool sure = false;
        for (const TCriteria& skit : skits) {
            bool chance = false;
            for (const auto& c : skit)
                chance = chance || IsChanceCondition(c.first);
            sure = sure || (!chance && Holds(skit, state));
        }
        int holding = 0;
        for (const TCriteria& piece : pieces)
            holding += Holds(piece, state) ? 1 : 0;
        EXPECT_EQ(holding, sure ? 0 : 1) << "state " << bits;
    }
    for (const TCriteria& piece : pieces)
        EXPECT_TRUE(Holds(context, std::map<u8, i8>(piece.begin(), piece.end())));
}

TEST(SkitCoverage, NothingAnsweredLeavesTheContextAndACriteriaFreeSkitLeavesNothing) {
    const TCriteria context = {No(Talk0), Yes(Speed1)};
    EXPECT_EQ(Unanswered({}, context), (std::vector<TCriteria>{context}));
    EXPECT_TRUE(Unanswered({{}}, context).empty());
    // What the context settles is not asked again; what it rules out answers nothing.
    EXPECT_TRUE(Unanswered({{No(Talk0)}}, context).empty());
    EXPECT_EQ(Unanswered({{Yes(Talk0)}}, context).size(), 1U);
}

TEST(SkitCoverage, ChattySkitsLeaveTheCallsOnlySettingAndChanceAnswersNothingForSure) {
    const TCriteria context = {No(Talk0), Yes(Speed1)};
    EXPECT_EQ(Unanswered({Chatty()}, context),
              (std::vector<TCriteria>{{No(Talk0), Yes(Speed1), Yes(Talk1)}}));
    EXPECT_EQ(Unanswered({Chatty({Yes(Chance50)})}, context), (std::vector<TCriteria>{context}));
    ExpectPartition({Chatty({Yes(AnyPass), Yes(Speed2)}), Spoken({Yes(RollHard)})}, context);
    ExpectPartition({Chatty({Yes(NewShooter), Yes(Speed2)}), Chatty({No(NewShooter), Yes(Speed3)}),
                     Spoken({Yes(Chance20)})},
                    context);
}

TEST(SkitCoverage, TheProgramsRelationsRuleStatesOut) {
    // One talk setting, one total, one point at a time.
    EXPECT_EQ(Implied({Yes(Talk1)}, Talk0), -1);
    EXPECT_EQ(Implied({Yes(Roll(6))}, Roll(8)), -1);
    EXPECT_EQ(Implied({Yes(Point(2))}, Point(3)), -1);
    EXPECT_EQ(Implied({No(Roll(6))}, Roll(8)), 0);
    // The richest speed is rich and fast; not fast is neither.
    EXPECT_EQ(Implied({Yes(Speed3)}, Speed1), 1);
    EXPECT_EQ(Implied({No(Speed1)}, Speed3), -1);
    EXPECT_EQ(Implied({No(Speed2)}, Speed1), 0);
    // One loser, or seven, are some; none rules out one.
    EXPECT_EQ(Implied({Yes(Losers7)}, AnyLoser), 1);
    EXPECT_EQ(Implied({No(AnyLoser)}, OneLoser), -1);
    EXPECT_EQ(Implied({Yes(OneWinner)}, AnyWinner), 1);
    // So at the fastest speed the richer speeds' skits answer nothing.
    EXPECT_EQ(Unanswered({{Yes(Speed3), Yes(Chance50)}, {Yes(Speed2)}}, {No(Speed1)}),
              (std::vector<TCriteria>{{No(Speed1)}}));
    // And a point's skit answers nothing for another point.
    for (int box = 0; box < 6; ++box)
        ExpectPartition({{Yes(Roll(BoxPoint(box))), Yes(AnyPass)}, {Yes(Roll(7)), Yes(LongHand)}},
                        {Yes(Point(box)), No(Talk0)});
}

TEST(SkitCoverage, TheLosersSplitByWhetherThereAreAny) {
    ExpectPartition({Spoken({Yes(OneLoser)}), Spoken({Yes(AnyLoser), No(OneLoser), No(Losers7)}),
                     Spoken({Yes(Losers7)})},
                    {Yes(AnyLoser), Yes(Speed1)});
    EXPECT_TRUE(
        Unanswered({Spoken({Yes(OneLoser)}), Spoken({Yes(AnyLoser), No(OneLoser), No(Losers7)}),
                    Spoken({Yes(Losers7)})},
                   {Yes(AnyLoser), Yes(Speed1), No(Talk0)})
            .empty());
}

} // namespace

// Choosing a skit: the digit's level, the fallback to level 9 and then to its window of later
// frames, the round-robin cursor, skipped entries, and a pass that ends whatever the cursor.
#include "SkitFakes.h"

#include "engine/framework/SkitList.h"
#include "engine/framework/SkitPortfolio.h"
#include "engine/framework/SkitPortfolioList.h"

#include <gtest/gtest.h>

namespace {

class SkitChoice : public ::testing::Test {
protected:
    // Skit i plays sprite i of object 0 for 5 + i frames; each may start from frame 0 on.
    // They are measured and set up as a loaded list's skits are.
    void SetUp() override {
        for (u16 i = 0; i < 3; ++i) {
            auto skit = MakeSkit(&Window, &Object, "s" + std::to_string(i),
                                 {{0, 0, 0, i, static_cast<u32>(5 + i)}});
            skit->Resolve();
            List.Add(skit.release());
            Window.FreeFrom[{0, static_cast<i16>(i)}] = 0;
        }
        List.FreeSetupData();
    }
    // The choice for a digit from frame 10: "index@frame+duration", or what the outputs held
    // after a refusal.
    std::string Choose(i32 digit) {
        Random.Values.push_back(digit);
        u32 frame = 10, duration = 1;
        i16 skit = -7;
        const bool chosen = List.ChooseSkit(frame, duration, skit, TSkitList::CHOICE_WINDOW);
        return (chosen ? "" : "none ") + std::to_string(skit) + "@" + std::to_string(frame) + "+" +
               std::to_string(duration);
    }
    TSkitPortfolio& Portfolio() { return *List.GetPortfolio(); }

    TSkitWindow Window;
    TGameObject Object{&Window};
    TSkitList List{&Window, &Object};
    TScriptedRandom Random;
    TScopedRandomSource UseRandom{Random};
};

TEST_F(SkitChoice, DigitsFallToTheNextLevelWithSkitsAndPastTheLastToLevelNine) {
    Portfolio().AddElement(2, "s1.sk", 1);
    Portfolio().AddElement(7, "s2.sk", 2);
    // Level 9 is empty: the list's first skit, which is free only five frames later.
    Window.FreeFrom[{0, 0}] = 15;
    const char* expected[] = {"1@10+6", "1@10+6", "1@10+6", "2@10+7", "2@10+7",
                              "2@10+7", "2@10+7", "2@10+7", "0@15+5", "0@15+5"};
    for (i32 digit = 0; digit < 10; ++digit)
        EXPECT_EQ(Choose(digit + 10 * digit), expected[digit]) << digit;
    EXPECT_EQ(Window.Starts.back(), "0.0@15");
}

TEST_F(SkitChoice, TheWindowEndsNinetySixFramesOnAndARefusalChangesNoOutput) {
    Window.FreeFrom[{0, 0}] = 10 + 95;
    EXPECT_EQ(Choose(0), "0@105+5");
    Window.Starts.clear();
    Window.FreeFrom[{0, 0}] = 10 + 96;
    EXPECT_EQ(Choose(0), "none -7@10+1");
    EXPECT_TRUE(Window.Starts.empty());
}

TEST_F(SkitChoice, TwoMatchingSkitsTakeTurnsAndTheCursorStaysOnTheWinner) {
    Portfolio().AddElement(0, "s0.sk", 0);
    Portfolio().AddElement(0, "s1.sk", 1);
    std::vector<std::string> chosen;
    for (int i = 0; i < 4; ++i)
        chosen.push_back(Choose(0));
    EXPECT_EQ(chosen, (std::vector<std::string>{"1@10+6", "0@10+5", "1@10+6", "0@10+5"}));
    EXPECT_EQ(Portfolio().GetLevel(0)->GetCursor(), 0);
}

TEST_F(SkitChoice, UnresolvedAndMissingEntriesAreSkippedAndAFailedPassEndsWhereItBegan) {
    TSkitPortfolioList& level = *Portfolio().GetLevel(4);
    level.AddElement("gone.sk", 0xFFFF);
    level.AddElement("lost.sk", 40);
    level.AddElement("s2.sk", 2);
    u32 frame = 3, duration = 0;
    i16 skit = 0;
    EXPECT_TRUE(List.FindSkitAtLevel(frame, duration, skit, 4, false, 96));
    EXPECT_EQ(skit, 2);
    EXPECT_EQ(duration, 7U);

    // Every skit wants condition 1, which does not hold: each cursor, even one no pass
    // would come back to, ends after one try per entry.
    for (i16 i = 0; i < 3; ++i)
        List.GetSkit(i)->SetCriterion(1, 1);
    Window.Conditions[1] = -1;
    for (i16 cursor : {i16{-5}, i16{1}, i16{32767}}) {
        level.SetCursor(cursor);
        Window.Asked.clear();
        EXPECT_FALSE(List.FindSkitAtLevel(frame, duration, skit, 4, true, 96)) << cursor;
        EXPECT_LE(Window.Asked.size(), 3U) << cursor;
    }
    EXPECT_EQ(level.GetCursor(), 0);
    // A level the portfolio does not have tries the first skit once.
    Window.Conditions.clear();
    EXPECT_TRUE(List.FindSkitAtLevel(frame, duration, skit, 12, false, 96));
    EXPECT_EQ(skit, 0);
}

} // namespace

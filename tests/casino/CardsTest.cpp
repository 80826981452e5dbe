// Cards: decks made, shuffled by the runtime's generator and printed; hands sorted, scored and
// compared.
#include "casino/Cards.h"
#include "casino/CardsSmarts.h"

#include "platform/host/RuntimeRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// "5h 9c Ks": a hand from rank letters (2..9, T, J, Q, K, A) and suits (c, d, h, s).
TPokerHand Hand(const std::string& text) {
    TPokerHand hand;
    const std::string ranks = "?23456789TJQKA";
    const std::string suits = "cdhs";
    for (size_t i = 0; i + 1 < text.size(); i += 3) {
        hand.Cards[hand.Count] = TCard(static_cast<u32>(suits.find(text[i + 1])),
                                       static_cast<u32>(ranks.find(text[i])), hand.Count);
        ++hand.Count;
    }
    return hand;
}

std::vector<std::pair<u32, u32>> Order(const TDeck& deck) {
    std::vector<std::pair<u32, u32>> cards;
    for (i16 i = 0; i < deck.GetCardCount(); ++i)
        cards.emplace_back(deck.GetCard(i).Suit, deck.GetCard(i).Rank);
    return cards;
}

std::string Printed(const std::function<void()>& print) {
    testing::internal::CaptureStdout();
    print();
    return testing::internal::GetCapturedStdout();
}

TEST(PokerDeck, WholeDecksAreMadeSuitBySuitAndNothingPastThem) {
    const struct {
        i16 Count;
        i16 Cards;
    } cases[] = {{52, 52}, {104, 104}, {60, 52}, {51, 0}, {0, 0}, {-52, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Count);
        TPokerDeck deck;
        deck.InitCards(c.Count);
        ASSERT_EQ(deck.GetCardCount(), c.Cards);
        for (i16 i = 0; i < c.Cards; ++i) {
            EXPECT_EQ(deck.GetCard(i).Suit, static_cast<u32>(i % 52 / 13));
            EXPECT_EQ(deck.GetCard(i).Rank, static_cast<u32>(i % 13 + 1));
        }
        // Too few cards to shuffle or print is no fault.
        deck.Shuffle();
        EXPECT_EQ(Printed([&] { deck.PrintDeck(); }).empty(), c.Cards == 0);
    }
}

TEST(PokerDeck, ASeededShuffleIsAPermutationTheGeneratorDecides) {
    TLcgRandom random;
    TScopedRandomSource installed(random);
    const auto shuffled = [&](u32 seed) {
        random.Seed(seed);
        TPokerDeck deck;
        deck.InitCards(52);
        deck.Shuffle();
        return Order(deck);
    };
    const auto once = shuffled(7);
    EXPECT_EQ(std::set(once.begin(), once.end()).size(), 52U);
    TPokerDeck fresh;
    fresh.InitCards(52);
    EXPECT_NE(once, Order(fresh));
    EXPECT_EQ(once, shuffled(7));
    EXPECT_NE(once, shuffled(8));
}

TEST(PokerDeck, PrintingBreaksTheDeckAfterEverySixthCardFromTheFirst) {
    TPokerDeck deck;
    deck.InitCards(52);
    const std::string text = Printed([&] { deck.PrintDeck(); });
    const std::string head = "2 Clubs  \n3 Clubs  4 Clubs  5 Clubs  6 Clubs  7 Clubs  8 Clubs  \n"
                             "9 Clubs  T Clubs  J Clubs  Q Clubs  K Clubs  A Clubs  \n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 9);
    // Cards 49 to 51 close the print without a break.
    EXPECT_TRUE(text.ends_with("\nQ Spades K Spades A Spades ")) << text;

    TPokerHand odd;
    odd.Cards[0] = TCard(0, 0, 0);
    odd.Cards[1] = TCard(3, 14, 0);
    odd.Cards[2] = TCard(4, 15, 0);
    odd.Count = 3;
    EXPECT_EQ(Printed([&] { deck.PrintHand(odd); }), "ALClubs  JOKER Spades \n");
    // A count past the fifteen cards a hand holds prints those fifteen (unset ones are low
    // aces of clubs).
    TPokerHand over = Hand("2c 2d");
    over.Count = 40;
    EXPECT_EQ(Printed([&] { deck.PrintHand(over); }).size(), 15 * 9 + 1U);
}

TEST(PokerSmarts, GroupsAndBestScoresOfHands) {
    // The group second means something only for two pair and high cards.
    constexpr i16 Any = -99;
    const struct {
        const char* Cards;
        i16 Category, GroupHigh, GroupSecond, Best, High;
    } cases[] = {
        {"5h 9c 5s Kd 9d", 15, 8, 4, 15, 8},     {"5h Kc 5s Kd 5d", 70, 4, Any, 70, 4},
        {"Kh 5c Ks Kd 5d", 70, 12, Any, 70, 12}, {"7h 7c 7s 7d 2d", 30, 6, Any, 71, 6},
        {"Jh 3c Js 8d 2d", 10, 10, Any, 10, 10}, {"Jh 3c Qs 8d 2d", 0, 11, 10, 0, 0},
    };
    TPokerSmarts smarts;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Cards);
        TPokerHand hand = Hand(c.Cards);
        smarts.ScoreGroups(hand);
        smarts.ScoreGroupsBest(hand);
        EXPECT_EQ(hand.GroupCategory, c.Category);
        EXPECT_EQ(hand.GroupHighRank, c.GroupHigh);
        if (c.GroupSecond != Any) {
            EXPECT_EQ(hand.GroupSecondRank, c.GroupSecond);
        }
        EXPECT_EQ(hand.BestScore, c.Best);
        EXPECT_EQ(hand.HighRank, c.High);
    }
}

TEST(PokerSmarts, StraightsFlushesAndTheDrawsTowardsThem) {
    const struct {
        const char* Cards;
        bool AcesLow;
        i16 Best, High, LongestRun, Window, SuitedWindow, SuitedRun, SuitedRunSuit;
    } cases[] = {
        {"Ah 2c 3s 4d 5d", true, 23, 4, 5, 5, 0, 2, 1},
        {"Ah 2c 3s 4d 5d", false, 0, 0, 4, 4, 1, 2, 1},
        {"Th Jc Qs Kd Ad", false, 23, 13, 5, 5, 1, 2, 1},
        {"5h 6h 7h 8h 9h", false, 99, 8, 5, 5, 1, 5, 2},
        {"5h 6h 7c 8d Ks", false, 0, 0, 4, 4, 1, 2, 2},
        // A suited gap: 5, 7 and 8 of hearts in one window.
        {"2c 5h 7h 8h Ks", false, 0, 0, 2, 3, 3, 2, 2},
    };
    TPokerSmarts smarts;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Cards) + (c.AcesLow ? " aces low" : " aces high"));
        TPokerHand hand = Hand(c.Cards);
        if (c.AcesLow)
            smarts.ScoreStraightsAceLow(hand);
        else
            smarts.ScoreStraightsAceHigh(hand);
        EXPECT_EQ(hand.BestScore, c.Best);
        EXPECT_EQ(hand.HighRank, c.High);
        EXPECT_EQ(hand.LongestRun, c.LongestRun);
        EXPECT_EQ(hand.WindowCount, c.Window);
        EXPECT_EQ(hand.SuitedWindowCount, c.SuitedWindow);
        EXPECT_EQ(hand.SuitedRun, c.SuitedRun);
        EXPECT_EQ(hand.SuitedRunSuit, c.SuitedRunSuit);
    }
    TPokerHand flush = Hand("2h 9h 5h Jh 7h");
    smarts.ScoreFlush(flush);
    EXPECT_EQ(flush.BestScore, 26);
    EXPECT_EQ(flush.HighRank, 10);
    EXPECT_EQ(flush.LongestSuitCount, 5);
    TPokerHand four = Hand("2h 9h 5h Jh 7c");
    smarts.ScoreFlush(four);
    EXPECT_EQ(four.BestScore, 0);
    EXPECT_EQ(four.LongestSuitCount, 4);
}

// Scores a hand the way a game would: groups, flushes, then straights both ways.
TPokerHand Scored(const std::string& cards) {
    TPokerSmarts smarts;
    TPokerHand hand = Hand(cards);
    smarts.ScoreGroups(hand);
    smarts.ScoreGroupsBest(hand);
    smarts.ScoreFlush(hand);
    smarts.ScoreStraightsAceLow(hand);
    smarts.ScoreStraightsAceHigh(hand);
    return hand;
}

TEST(PokerSmarts, TheTwoComparisonsNameTheSameWinnerWithOppositeSigns) {
    const struct {
        const char* A;
        const char* B;
        i32 Best; // 1 when A is better
    } cases[] = {
        {"5h 5c 9s 9d Kd", "Kh Kc 2s 7d 8d", 1},  {"9h 9c Ks 4d 2d", "9s 9d Qs 4c 2c", 1},
        {"9h 9c Qs 4d 2d", "9s 9d Qh 4c 3c", -1}, {"9h 9c Qs 4d 2d", "9s 9d Qh 4c 2c", 0},
        {"Ah 2c 3s 4d 5d", "Kh Kc Ks 4c 2c", 1},
    };
    TPokerSmarts smarts;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.A) + " against " + c.B);
        const TPokerHand a = Scored(c.A);
        const TPokerHand b = Scored(c.B);
        EXPECT_EQ(smarts.CompareBest(a, b), c.Best);
        EXPECT_EQ(smarts.CompareBest(b, a), -c.Best);
        // Groups know no straights: the wheel loses to three kings there.
        const i32 groups = c.A[0] == 'A' ? 1 : -c.Best;
        EXPECT_EQ(smarts.CompareGroups(a, b), groups);
    }
}

TEST(PokerSmarts, RemovingTheHighRankTakesOneCardOfTheGroupAndCountsStayInTheHand) {
    TPokerSmarts smarts;
    TPokerHand hand = Hand("9h 5c 9s 5d Kd");
    smarts.ScoreGroups(hand);
    smarts.RemoveHighRank(hand);
    ASSERT_EQ(hand.Count, 4);
    std::multiset<u32> ranks;
    for (u16 i = 0; i < hand.Count; ++i)
        ranks.insert(hand.Cards[i].Rank);
    EXPECT_EQ(ranks, (std::multiset<u32>{4, 4, 8, 12}));

    TPokerHand empty;
    smarts.RemoveHighRank(empty);
    EXPECT_EQ(empty.Count, 0);
    // Scoring an empty hand changes nothing.
    smarts.ScoreStraightsAceHigh(empty);
    smarts.ScoreFlush(empty);
    EXPECT_EQ(empty.BestScore, 0);
    EXPECT_EQ(empty.SecondRank, -1);

    // A count past the fifteen cards a hand holds is read as fifteen.
    TPokerHand over = Hand("2c 2d");
    over.Count = 300;
    TPokerHand copy;
    copy.CopyFrom(over);
    EXPECT_EQ(copy.Count, 15);
    smarts.ScoreStraightsAceLow(over);
    smarts.RemoveHighRank(over);
    EXPECT_EQ(over.Count, 14);
}

} // namespace

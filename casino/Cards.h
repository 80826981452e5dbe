// Playing cards, the deck that shuffles and prints them, and hands of up to fifteen cards.
#pragma once

#include "platform/host/Types.h"

#include <array>
#include <cstddef>
#include <vector>

// Suits 0 clubs, 1 diamonds, 2 hearts, 3 spades. Ranks 0 an ace counted low, 1 to 8 the two
// to the nine, 9 ten, 10 jack, 11 queen, 12 king, 13 ace, 14 joker.
class TCard {
public:
    TCard() = default;
    TCard(u32 suit, u32 rank, u32 value) : Suit(suit), Rank(rank), Value(value) {}
    TCard(const TCard&) = default;
    TCard& operator=(const TCard&) = default;
    virtual ~TCard() { Suit = Rank = Value = 0; }

    u32 Suit = 0;
    u32 Rank = 0;
    u32 Value = 0;
};

class THand;

class TDeck {
public:
    static constexpr i16 CardsPerDeck = 52;

    virtual ~TDeck() = default;
    virtual i32 Shuffle() = 0;
    virtual i32 PrintHand(const THand& hand) = 0;
    // Makes count div 52 whole decks; the base deck has no cards to make.
    virtual i32 InitCards(i16 count);
    virtual i32 PrintDeck() = 0;

    i16 GetCardCount() const { return static_cast<i16>(Cards.size()); }
    const TCard& GetCard(i16 i) const { return Cards.at(static_cast<std::size_t>(i)); }

protected:
    std::vector<TCard> Cards;
};

// Decks of standard cards, deuce to ace suit by suit, dealt from the runtime's generator.
class TPokerDeck : public TDeck {
public:
    i32 Shuffle() override;
    i32 PrintHand(const THand& hand) override;
    // Whole decks only: the 51 or fewer cards of a count past them are not made.
    i32 InitCards(i16 count) override;
    i32 PrintDeck() override;

    // Exchanges the suit, rank and value of two of the first 52 cards.
    void SwapCards(i16 i, i16 j);
    static i32 PrintCard(const TCard& card);
};

// A hand and what scoring found in it; every result but the second rank starts at 0.
class THand {
public:
    static constexpr u16 MostCards = 15;

    THand() = default;
    THand(const THand&) = default;
    THand& operator=(const THand&) = default;
    virtual ~THand() = default;

    // The cards there are, whatever the count says.
    u16 Held() const { return Count < MostCards ? Count : MostCards; }

    std::array<TCard, MostCards> Cards{};
    u16 Count = 0;
    i16 HighRank = 0;
    i16 HighSuit = 0;
    i16 SecondRank = -1;
    i16 SecondSuit = 0;
    i16 BestScore = 0;
    i16 LongestSuitCount = 0;
    i16 WindowCount = 0;
    i16 LongestRun = 0;
    i16 SuitedWindowCount = 0;
    i16 SuitedRun = 0;
    i16 SuitedWindowSuit = 0;
    i16 SuitedRunSuit = 0;
    i16 GroupCategory = 0;
    i16 GroupHighRank = 0;
    i16 GroupSecondRank = 0;
};

class TPokerHand : public THand {
public:
    explicit TPokerHand(u16 word = 0) : Word(word) {}

    // The other's cards and results, all but the suits of its high cards and draws.
    i32 CopyFrom(const THand& other);

    u16 Word = 0;
};

// TSmarts and TPokerSmarts: sorting, scoring and comparing hands of cards.
#pragma once

#include "casino/Cards.h"

// Best scores (group categories use 0 to 30 and 70).
enum : i16 {
    POKER_HIGH_CARD = 0,
    POKER_PAIR = 10,
    POKER_TWO_PAIR = 15,
    POKER_THREE = 20,
    POKER_STRAIGHT = 23,
    POKER_FLUSH = 26,
    POKER_FOUR_GROUP = 30,
    POKER_FULL_HOUSE = 70,
    POKER_FOUR = 71,
    POKER_STRAIGHT_FLUSH = 99,
    POKER_FIVE = 100,
};

class TSmarts {
public:
    virtual ~TSmarts() = default;
    virtual i32 CompareBest(const THand& a, const THand& b) const = 0;
    virtual i32 CompareGroups(const THand& a, const THand& b) const = 0;
    virtual i32 SortHand(THand& hand) const = 0;
};

// Each scoring operation reads a sorted copy of the hand and adds to what the hand already
// holds, so a hand is scored by calling several of them in turn.
class TPokerSmarts : public TSmarts {
public:
    // 1 when a is better, -1 when b is, 0 when nothing tells them apart.
    i32 CompareBest(const THand& a, const THand& b) const override;
    // The other way round: 1 when b is better, -1 when a is.
    i32 CompareGroups(const THand& a, const THand& b) const override;
    // By rank, ascending and stable; each card's value stays where it was.
    i32 SortHand(THand& hand) const override;

    // Pairs and larger groups, into the group fields.
    i32 ScoreGroups(THand& hand) const;
    // The same, as a best score (four of a kind 71, five 100).
    i32 ScoreGroupsBest(THand& hand) const;
    i32 ScoreFlush(THand& hand) const;
    // Straights with aces low, then with aces high, and the draws towards them.
    i32 ScoreStraightsAceLow(THand& hand) const;
    i32 ScoreStraightsAceHigh(THand& hand) const;
    // Sorts the hand and takes out a card of its group's high rank (else its last card).
    i32 RemoveHighRank(THand& hand) const;

private:
    TPokerHand SortedCopy(const THand& hand) const;
    void ScoreStraights(THand& hand, bool acesLow) const;
};

// The card a scoring pass picks (its rank and suit), and the pass's result, which the hand keeps
// only when it beats the hand's best so far.
#pragma once

#include "casino/Cards.h"

struct TPick {
    i16 Rank;
    i16 Suit;
};

inline TPick PickAt(const THand& h, u16 i) {
    return {static_cast<i16>(h.Cards[i].Rank), static_cast<i16>(h.Cards[i].Suit)};
}

// Starts from the hand's best score and high cards, so that a pass finding nothing better
// leaves them as they were.
struct TPassResult {
    explicit TPassResult(const THand& hand)
        : Score(hand.BestScore), High{hand.HighRank, hand.HighSuit}, Second{hand.SecondRank,
                                                                            hand.SecondSuit} {}

    // Score and high cards go into the hand together, or not at all.
    void KeepIfBetter(THand& hand) const {
        if (Score <= hand.BestScore)
            return;
        hand.BestScore = Score;
        hand.HighRank = High.Rank;
        hand.HighSuit = High.Suit;
        hand.SecondRank = Second.Rank;
        hand.SecondSuit = Second.Suit;
    }

    i16 Score;
    TPick High;
    TPick Second;
};

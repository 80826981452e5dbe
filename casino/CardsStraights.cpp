// TPokerSmarts: straights with aces high or low, and the runs and windows a draw builds on.
#include "casino/CardsSmarts.h"

#include "casino/CardsPick.h"

#include <algorithm>

namespace {

constexpr u32 AceHigh = 13;
constexpr u32 AceLow = 0;
// A straight's cards all lie within a window of five ranks.
constexpr u32 WindowRanks = 5;

// The longest chain of one suit's cards in consecutive ranks (two cards at least), with its
// suit; 0 when no suit has one.
TPick LongestSuitedRun(const THand& c) {
    TPick best{0, 0};
    for (u32 suit = 0; suit < 4; ++suit) {
        i16 chain = 0;
        u32 previous = 0;
        for (u16 i = 0; i < c.Held(); ++i) {
            if (c.Cards[i].Suit != suit)
                continue;
            chain =
                chain > 0 && c.Cards[i].Rank == previous + 1 ? static_cast<i16>(chain + 1) : i16{1};
            previous = c.Cards[i].Rank;
            if (chain >= 2 && chain > best.Rank)
                best = {chain, static_cast<i16>(suit)};
        }
    }
    return best;
}

// The most later cards of a first card's suit within its window, among windows with a gap in
// them (a window without one is a run, not a draw), with that suit.
TPick SuitedWindow(const THand& c) {
    TPick best{0, 0};
    const u16 firsts = std::min<u16>(5, c.Held());
    for (u16 i = 0; i < firsts; ++i) {
        i16 count = 0;
        bool gap = false;
        u32 previous = c.Cards[i].Rank;
        for (u16 j = static_cast<u16>(i + 1); j < c.Held(); ++j) {
            if (c.Cards[j].Suit != c.Cards[i].Suit ||
                c.Cards[j].Rank >= c.Cards[i].Rank + WindowRanks)
                continue;
            ++count;
            gap = gap || c.Cards[j].Rank != previous + 1;
            previous = c.Cards[j].Rank;
        }
        if (gap && count > best.Rank)
            best = {count, static_cast<i16>(c.Cards[i].Suit)};
    }
    return best;
}

// The most later cards of distinct ranks within a first card's window.
i16 Window(const THand& c) {
    i16 best = 0;
    const u16 firsts = std::min<u16>(5, c.Held());
    for (u16 i = 0; i < firsts; ++i) {
        i16 count = 0;
        for (u16 j = static_cast<u16>(i + 1); j < c.Held(); ++j) {
            const u32 r = c.Cards[j].Rank;
            if (r < c.Cards[i].Rank + WindowRanks && r != c.Cards[i].Rank &&
                r != c.Cards[j - 1].Rank)
                ++count;
        }
        best = std::max(best, count);
    }
    return best;
}

} // namespace

i32 TPokerSmarts::ScoreStraightsAceHigh(THand& hand) const {
    ScoreStraights(hand, false);
    return 1;
}

i32 TPokerSmarts::ScoreStraightsAceLow(THand& hand) const {
    ScoreStraights(hand, true);
    return 1;
}

void TPokerSmarts::ScoreStraights(THand& hand, bool acesLow) const {
    TPokerHand c = SortedCopy(hand);
    if (acesLow) {
        for (u16 i = 0; i < c.Held(); ++i)
            if (c.Cards[i].Rank == AceHigh)
                c.Cards[i].Rank = AceLow;
        SortHand(c);
    }
    const u16 n = c.Held();
    TPassResult pass(hand);
    auto& [score, high, second] = pass;
    i16 run = 0;
    i16 suitedRun = 0;
    i16 longestRun = 0;
    for (u16 i = 0; i + 1 < n; ++i) {
        const TCard& a = c.Cards[i];
        const TCard& b = c.Cards[i + 1];
        if (b.Rank == a.Rank + 1) {
            if (static_cast<i16>(b.Rank) > high.Rank) {
                second = high;
                high = PickAt(c, static_cast<u16>(i + 1));
            }
            ++run;
            longestRun = std::max(longestRun, static_cast<i16>(run + 1));
            if (a.Suit == b.Suit) {
                if (++suitedRun == 4)
                    score = POKER_STRAIGHT_FLUSH;
            } else {
                // The suited card of this rank may be the next one, a pair's other half.
                const bool suitedNext = i <= 2 && i + 2 < n && c.Cards[i + 2].Rank == a.Rank + 1 &&
                                        c.Cards[i + 2].Suit == a.Suit;
                if (!suitedNext)
                    suitedRun = 0;
            }
            if (score < POKER_FLUSH && run == 4) {
                score = POKER_STRAIGHT;
                second = high;
                high = PickAt(c, static_cast<u16>(i + 1));
            }
        } else if (b.Rank == a.Rank) {
            if (i > 0) {
                const u32 before = c.Cards[i - 1].Suit;
                if (before != b.Suit && (acesLow || before != a.Suit))
                    suitedRun = 0;
            }
        } else {
            run = 0;
            suitedRun = 0;
        }
    }
    pass.KeepIfBetter(hand);
    const i16 window = static_cast<i16>(Window(c) + 1);
    hand.WindowCount = std::max(hand.WindowCount, window);
    hand.LongestRun = std::max(hand.LongestRun, longestRun);
    TPick suitedWindow = SuitedWindow(c);
    if (!acesLow)
        ++suitedWindow.Rank;
    if (suitedWindow.Rank > hand.SuitedWindowCount) {
        hand.SuitedWindowCount = suitedWindow.Rank;
        hand.SuitedWindowSuit = suitedWindow.Suit;
    }
    const TPick suited = LongestSuitedRun(c);
    if (suited.Rank > hand.SuitedRun) {
        hand.SuitedRun = suited.Rank;
        hand.SuitedRunSuit = suited.Suit;
    }
}

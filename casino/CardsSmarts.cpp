// TPokerSmarts: sorting hands, scoring their groups and flushes, and comparing two hands.
#include "casino/CardsSmarts.h"

#include "casino/CardsPick.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

i16 RankAt(const THand& h, u16 i) {
    return static_cast<i16>(h.Cards[i].Rank);
}

// Ten for each later card of the same rank: 10 a pair, 20 three, 30 four, 40 five.
i16 GroupWeight(const THand& h, u16 i) {
    i16 m = 0;
    for (u16 j = static_cast<u16>(i + 1); j < h.Held(); ++j)
        if (h.Cards[j].Rank == h.Cards[i].Rank)
            m = static_cast<i16>(m + 10);
    return m;
}

// The ranks of the hand outside the set-aside ones, highest first, and how many were set aside.
struct TKickers {
    std::vector<i16> Ranks;
    size_t SetAside = 0;
};

TKickers Kickers(const THand& h, i16 first, i16 second) {
    TKickers k;
    for (u16 i = 0; i < h.Held(); ++i) {
        const i16 r = RankAt(h, i);
        if (r == first || r == second)
            ++k.SetAside;
        else
            k.Ranks.push_back(r);
    }
    std::sort(k.Ranks.begin(), k.Ranks.end(), std::greater<>());
    return k;
}

// 1 when a's remaining cards are higher, -1 when b's, over five cards less those a set aside.
i32 CompareKickers(const TKickers& a, const TKickers& b) {
    const size_t over = a.SetAside < 5 ? 5 - a.SetAside : 0;
    const size_t n = std::min({over, a.Ranks.size(), b.Ranks.size()});
    for (size_t i = 0; i < n; ++i)
        if (a.Ranks[i] != b.Ranks[i])
            return a.Ranks[i] > b.Ranks[i] ? 1 : -1;
    return 0;
}

i32 Higher(i16 a, i16 b) {
    return a > b ? 1 : -1;
}

} // namespace

TPokerHand TPokerSmarts::SortedCopy(const THand& hand) const {
    TPokerHand copy;
    copy.CopyFrom(hand);
    SortHand(copy);
    return copy;
}

i32 TPokerSmarts::SortHand(THand& hand) const {
    for (u16 i = 1; i < hand.Held(); ++i) {
        const u32 rank = hand.Cards[i].Rank;
        const u32 suit = hand.Cards[i].Suit;
        int j = i - 1;
        for (; j >= 0 && hand.Cards[static_cast<size_t>(j)].Rank > rank; --j) {
            hand.Cards[static_cast<size_t>(j + 1)].Rank = hand.Cards[static_cast<size_t>(j)].Rank;
            hand.Cards[static_cast<size_t>(j + 1)].Suit = hand.Cards[static_cast<size_t>(j)].Suit;
        }
        hand.Cards[static_cast<size_t>(j + 1)].Rank = rank;
        hand.Cards[static_cast<size_t>(j + 1)].Suit = suit;
    }
    return 1;
}

i32 TPokerSmarts::ScoreGroups(THand& hand) const {
    const TPokerHand c = SortedCopy(hand);
    i16 category = hand.GroupCategory;
    i16 high = hand.GroupHighRank;
    i16 second = hand.GroupSecondRank;
    if (c.Held() > 0)
        high = RankAt(c, 0);
    for (u16 i = 0; i < c.Held(); ++i) {
        const i16 m = GroupWeight(c, i);
        const i16 rank = RankAt(c, i);
        if (m > category) {
            // A pair already found and now three of a kind: a full house.
            const bool full =
                (category == POKER_PAIR || category == POKER_TWO_PAIR) && m == POKER_THREE;
            category = full ? i16{POKER_FULL_HOUSE} : m;
            high = rank;
        } else if (m == category || (category == POKER_TWO_PAIR && m == POKER_PAIR)) {
            if (rank > high) {
                second = high;
                high = rank;
            }
            if (m == POKER_PAIR)
                category = POKER_TWO_PAIR;
        } else if (rank != high && m == POKER_PAIR && category == POKER_THREE) {
            category = POKER_FULL_HOUSE;
        }
    }
    hand.GroupCategory = category;
    hand.GroupHighRank = high;
    hand.GroupSecondRank = second;
    return 1;
}

i32 TPokerSmarts::ScoreGroupsBest(THand& hand) const {
    const TPokerHand c = SortedCopy(hand);
    TPassResult pass(hand);
    auto& [score, high, second] = pass;
    if (c.Held() > 0)
        high = PickAt(c, 0);
    for (u16 i = 0; i < c.Held(); ++i) {
        const i16 m = GroupWeight(c, i);
        const TPick card = PickAt(c, i);
        if (m > score) {
            second = high;
            const bool full = (score == POKER_PAIR || score == POKER_TWO_PAIR) && m == POKER_THREE;
            score = full ? i16{POKER_FULL_HOUSE} : m == POKER_FOUR_GROUP ? i16{POKER_FOUR} : m;
            high = card;
        } else if (m == score || (score == POKER_TWO_PAIR && m == POKER_PAIR)) {
            if (card.Rank > high.Rank) {
                second = high;
                high = card;
            }
            if (m == POKER_PAIR)
                score = POKER_TWO_PAIR;
        } else if (card.Rank != high.Rank && m == POKER_PAIR && score == POKER_THREE) {
            score = POKER_FULL_HOUSE;
        }
        if (m == 40)
            score = POKER_FIVE;
    }
    pass.KeepIfBetter(hand);
    return 1;
}

i32 TPokerSmarts::ScoreFlush(THand& hand) const {
    const TPokerHand c = SortedCopy(hand);
    TPassResult pass(hand);
    auto& [score, high, second] = pass;
    i16 longest = hand.LongestSuitCount;
    if (c.Held() > 0)
        high = PickAt(c, 0);
    for (u16 i = 0; i < c.Held(); ++i) {
        // Card i is the first of its suit counted.
        i16 n = 1;
        for (u16 j = static_cast<u16>(i + 1); j < c.Held(); ++j) {
            if (c.Cards[j].Suit == c.Cards[i].Suit) {
                ++n;
                if (RankAt(c, j) > high.Rank && n >= longest) {
                    second = high;
                    high = PickAt(c, j);
                }
                if (score < 29 && n >= 5)
                    score = POKER_FLUSH;
            }
            longest = std::max(longest, n);
        }
    }
    pass.KeepIfBetter(hand);
    hand.LongestSuitCount = longest;
    return 1;
}

i32 TPokerSmarts::RemoveHighRank(THand& hand) const {
    const u16 n = hand.Held();
    if (n == 0)
        return 1;
    SortHand(hand);
    for (u16 i = 0; i + 1 < n; ++i)
        if (RankAt(hand, i) == hand.GroupHighRank) {
            hand.Cards[i] = hand.Cards[n - 1];
            break;
        }
    hand.Count = static_cast<u16>(n - 1);
    return 1;
}

i32 TPokerSmarts::CompareGroups(const THand& a, const THand& b) const {
    if (a.GroupCategory != b.GroupCategory)
        return -Higher(a.GroupCategory, b.GroupCategory);
    if (a.GroupHighRank != b.GroupHighRank)
        return -Higher(a.GroupHighRank, b.GroupHighRank);
    const bool twoPair = a.GroupCategory == POKER_TWO_PAIR;
    if (twoPair && a.GroupSecondRank != b.GroupSecondRank)
        return -Higher(a.GroupSecondRank, b.GroupSecondRank);
    // Only two pair name a second group; otherwise every card but the group is a kicker.
    const i16 none = -1;
    return -CompareKickers(Kickers(a, a.GroupHighRank, twoPair ? a.GroupSecondRank : none),
                           Kickers(b, b.GroupHighRank, twoPair ? b.GroupSecondRank : none));
}

i32 TPokerSmarts::CompareBest(const THand& a, const THand& b) const {
    if (a.BestScore != b.BestScore)
        return Higher(a.BestScore, b.BestScore);
    if (a.HighRank != b.HighRank)
        return Higher(a.HighRank, b.HighRank);
    if (a.BestScore == POKER_TWO_PAIR && a.SecondRank != b.SecondRank)
        return Higher(a.SecondRank, b.SecondRank);
    return CompareKickers(Kickers(a, a.HighRank, a.SecondRank),
                          Kickers(b, b.HighRank, b.SecondRank));
}

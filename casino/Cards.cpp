// TDeck, TPokerDeck and TPokerHand: making, shuffling and printing cards, and copying hands.
#include "casino/Cards.h"

#include "platform/host/RuntimeRandom.h"

#include <iostream>

namespace {

constexpr const char* RankText[] = {"AL", "2 ", "3 ", "4 ", "5 ", "6 ", "7 ",    "8 ",
                                    "9 ", "T ", "J ", "Q ", "K ", "A ", "JOKER "};
constexpr const char* SuitText[] = {"Clubs  ", "Dmnds  ", "Hearts ", "Spades "};

} // namespace

i32 TDeck::InitCards(i16) {
    return 1;
}

i32 TPokerDeck::InitCards(i16 count) {
    const i16 decks = count > 0 ? static_cast<i16>(count / CardsPerDeck) : i16{0};
    Cards.assign(static_cast<size_t>(decks) * CardsPerDeck, TCard());
    for (i16 d = 0; d < decks; ++d)
        for (u32 s = 0; s < 4; ++s)
            for (u32 r = 0; r < 13; ++r)
                Cards[static_cast<size_t>(d * CardsPerDeck) + s * 13 + r] = TCard(s, r + 1, 0);
    return 1;
}

void TPokerDeck::SwapCards(i16 i, i16 j) {
    if (i < 0 || j < 0 || i >= GetCardCount() || j >= GetCardCount())
        return;
    std::swap(Cards[static_cast<size_t>(i)], Cards[static_cast<size_t>(j)]);
}

i32 TPokerDeck::Shuffle() {
    // Only the first deck is mixed; without one there is nothing to mix.
    if (GetCardCount() < CardsPerDeck)
        return 1;
    for (int n = 0; n < 1000; ++n) {
        const auto i = static_cast<i16>(rtl::rand() % CardsPerDeck);
        const auto j = static_cast<i16>(rtl::rand() % CardsPerDeck);
        SwapCards(i, j);
    }
    return 1;
}

i32 TPokerDeck::PrintCard(const TCard& card) {
    if (card.Rank < std::size(RankText))
        std::cout << RankText[card.Rank];
    if (card.Suit < std::size(SuitText))
        std::cout << SuitText[card.Suit];
    return 1;
}

i32 TPokerDeck::PrintHand(const THand& hand) {
    for (u16 i = 0; i < hand.Held(); ++i)
        PrintCard(hand.Cards[i]);
    std::cout << '\n';
    return 1;
}

i32 TPokerDeck::PrintDeck() {
    const i16 shown = GetCardCount() < CardsPerDeck ? GetCardCount() : CardsPerDeck;
    for (i16 i = 0; i < shown; ++i) {
        PrintCard(Cards[static_cast<size_t>(i)]);
        if (i % 6 == 0)
            std::cout << '\n';
    }
    return 1;
}

i32 TPokerHand::CopyFrom(const THand& other) {
    const u16 n = other.Held();
    for (u16 i = 0; i < n; ++i) {
        Cards[i].Suit = other.Cards[i].Suit;
        Cards[i].Rank = other.Cards[i].Rank;
        Cards[i].Value = other.Cards[i].Value;
    }
    if (const auto* poker = dynamic_cast<const TPokerHand*>(&other))
        Word = poker->Word;
    Count = n;
    HighRank = other.HighRank;
    SecondRank = other.SecondRank;
    BestScore = other.BestScore;
    LongestSuitCount = other.LongestSuitCount;
    WindowCount = other.WindowCount;
    LongestRun = other.LongestRun;
    SuitedWindowCount = other.SuitedWindowCount;
    SuitedRun = other.SuitedRun;
    GroupCategory = other.GroupCategory;
    GroupHighRank = other.GroupHighRank;
    GroupSecondRank = other.GroupSecondRank;
    return 1;
}

// TCasinoCGameLord: the calls on the table's own sprites (sound, dice, big dice, payout chips).
#include "craps/table/CrapsGameLord.h"

// The table's sprite classes live beside the lord; until a table has them, their operations
// have nothing to act on.
#if __has_include("craps/table/Dice.h") && __has_include("craps/table/TableSound.h") &&            \
                                                         __has_include("craps/table/BetPayOff.h")
#define OTCRAPS_TABLE_SPRITES 1
#include "craps/table/BetPayOff.h"
#include "craps/table/Dice.h"
#include "craps/table/TableSound.h"
#else
#define OTCRAPS_TABLE_SPRITES 0
#endif

void TCasinoCGameLord::PlayTableSound([[maybe_unused]] i16 sound) {
#if OTCRAPS_TABLE_SPRITES
    if (SoundSprite != nullptr)
        SoundSprite->PlaySound(sound);
#endif
}

void TCasinoCGameLord::LayOutPayout([[maybe_unused]] i16 seat, [[maybe_unused]] TMoney win) {
#if OTCRAPS_TABLE_SPRITES
    if (PayOffSprite != nullptr)
        PayOffSprite->LayOutPayoutChips(seat, win.GetValue());
#endif
}

void TCasinoCGameLord::ResetDice() {
#if OTCRAPS_TABLE_SPRITES
    // Seat 0 throws from the second place, seat 1 from the first, seat 2 from the third.
    constexpr int Place[SeatCount] = {1, 0, 2};
    if (ShooterSeat < 0 || ShooterSeat >= SeatCount)
        return;
    for (int i = 0; i < DiceCount; ++i) {
        TCDice* die = DiceSprites[static_cast<size_t>(i)];
        if (die == nullptr)
            continue;
        if (i == Place[ShooterSeat])
            die->Reset();
        else
            die->Hide();
    }
#endif
}

void TCasinoCGameLord::HideDice() {
#if OTCRAPS_TABLE_SPRITES
    for (TCDice* die : DiceSprites)
        if (die != nullptr)
            die->Hide();
#endif
}

namespace {

// The first big die of the landing variant's pair.
size_t BigDicePair(u16 variant) {
    return variant == 3 ? 4 : variant == 2 ? 2 : 0;
}

} // namespace

void TCasinoCGameLord::ShowBigDice() {
#if OTCRAPS_TABLE_SPRITES
    const size_t first = BigDicePair(DiceLandVariant);
    if (BigDiceSprites[first] != nullptr)
        BigDiceSprites[first]->SetFrame(Die1);
    if (BigDiceSprites[first + 1] != nullptr)
        BigDiceSprites[first + 1]->SetFrame(Die2);
#else
    (void)BigDicePair(DiceLandVariant);
#endif
}

void TCasinoCGameLord::HideBigDice() {
#if OTCRAPS_TABLE_SPRITES
    const size_t first = BigDicePair(DiceLandVariant);
    for (size_t i = first; i < first + 2; ++i)
        if (BigDiceSprites[i] != nullptr)
            BigDiceSprites[i]->Hide();
#endif
}

// TCasinoCGameLord: the calls on the table's own sprites (sound, dice, big dice, payout chips).
#include "craps/table/CrapsGameLord.h"

#include "craps/table/BetPayOff.h"
#include "craps/table/Dice.h"
#include "craps/table/TableSound.h"

void TCasinoCGameLord::PlayTableSound(i16 sound) {
    if (SoundSprite != nullptr)
        SoundSprite->PlaySound(sound);
}

void TCasinoCGameLord::LayOutPayout(i16 seat, TMoney win) {
    if (PayOffSprite != nullptr)
        PayOffSprite->LayOutPayoutChips(seat, win);
}

void TCasinoCGameLord::ResetDice() {
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
}

void TCasinoCGameLord::HideDice() {
    for (TCDice* die : DiceSprites)
        if (die != nullptr)
            die->Hide();
}

namespace {

// The first big die of the landing variant's pair.
size_t BigDicePair(u16 variant) {
    return variant == 3 ? 4 : variant == 2 ? 2 : 0;
}

} // namespace

void TCasinoCGameLord::ShowBigDice() {
    const size_t first = BigDicePair(DiceLandVariant);
    if (BigDiceSprites[first] != nullptr)
        BigDiceSprites[first]->SetFrame(Die1);
    if (BigDiceSprites[first + 1] != nullptr)
        BigDiceSprites[first + 1]->SetFrame(Die2);
}

void TCasinoCGameLord::HideBigDice() {
    const size_t first = BigDicePair(DiceLandVariant);
    for (size_t i = first; i < first + 2; ++i)
        if (BigDiceSprites[i] != nullptr)
            BigDiceSprites[i]->Hide();
}

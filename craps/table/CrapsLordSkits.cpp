// TCasinoCGameLord: the dealer's skit choosers and the animations around the throw.
#include "CrapsGameLord.h"

#include "casino/CasMessageDisplay.h"
#include "craps/bets/BoxNumbers.h"
#include "engine/framework/PlayerData.h"
#include "platform/host/RuntimeRandom.h"

namespace {

// The place of the shooter's variant among three lists that run A, B, C; -1 for no shooter.
i16 ShooterVariant(i16 shooterSeat) {
    switch (shooterSeat) {
    case 1:
        return 0;
    case 0:
        return 1;
    case 2:
        return 2;
    default:
        return -1;
    }
}

// The result list (0 to 27) that calls the roll; -1 when none does.
i16 ResultPlace(i16 sum, i16 point, bool comeOut) {
    static constexpr i16 ComeOut[11] = {1, 3, 5, 8, 11, 14, 16, 19, 22, 25, 27};
    static constexpr i16 PointOn[11] = {2, 4, 7, 10, 13, 15, 18, 21, 24, 26, 28};
    if (sum < 0 || sum > 10)
        return -1;
    if (comeOut)
        return static_cast<i16>(ComeOut[sum] - 1);
    if (sum == point) {
        switch (sum) {
        case 2:
            return 5;
        case 3:
            return 8;
        case 4:
            return 11;
        case 6:
            return 16;
        case 7:
            return 19;
        case 8:
            return 22;
        default:
            return -1;
        }
    }
    return static_cast<i16>(PointOn[sum] - 1);
}

bool PlayList(TCasinoCGameLord& lord, i16 place, u32& start, u32& duration) {
    if (place < 0)
        return false;
    i16 skit = -1;
    return lord.ChooseSkit(static_cast<i16>(lord.GetSkitList(place)), start, duration, skit);
}

bool PlayShooterList(TCasinoCGameLord& lord, i16 first, u32& start, u32& duration) {
    const i16 variant = ShooterVariant(lord.GetShooterSeat());
    return variant >= 0 && PlayList(lord, static_cast<i16>(first + variant), start, duration);
}

} // namespace

bool TCasinoCGameLord::ChooseGiveDiceSkit(u32& start, u32& duration) {
    DiceGiven = 1;
    return PlayShooterList(*this, table_skit::FirstGiveDice, start, duration);
}

bool TCasinoCGameLord::ChooseStallSkit(u32& start, u32& duration) {
    StallCount = static_cast<u16>(StallCount + 1);
    return PlayShooterList(*this, table_skit::FirstStall, start, duration);
}

bool TCasinoCGameLord::ChooseShakeSkit(u32& start, u32& duration) {
    return PlayShooterList(*this, table_skit::FirstShake, start, duration);
}

bool TCasinoCGameLord::ChooseThrowSkit(u32& start, u32& duration) {
    return PlayShooterList(*this, table_skit::FirstThrow, start, duration);
}

bool TCasinoCGameLord::ChooseNoComeSkit(u32& start, u32& duration) {
    return PlayShooterList(*this, table_skit::FirstNoComeCom, start, duration);
}

bool TCasinoCGameLord::ChooseEShakeSkit(u32& start, u32& duration) {
    return PlayShooterList(*this, table_skit::FirstEShake, start, duration);
}

bool TCasinoCGameLord::ChooseDiceLandSkit(u32& start, u32& duration) {
    // The rare third landing is the one draw in a hundred.
    const i32 r = rtl::rand() % 100;
    DiceLandVariant = r == 99 ? 3 : r > 50 ? 2 : 1;
    return PlayList(*this, static_cast<i16>(table_skit::FirstDiceLand + DiceLandVariant - 1), start,
                    duration);
}

bool TCasinoCGameLord::ChoosePointComSkit(u32& start, u32& duration) {
    const i16 place = static_cast<i16>(BoxNumberPlace(Point));
    return place >= 0 &&
           PlayList(*this, static_cast<i16>(table_skit::FirstPointCom + place), start, duration);
}

bool TCasinoCGameLord::ChooseResultSkit(u32& start, u32& duration) {
    const i16 place = ResultPlace(static_cast<i16>(Die1 + Die2), Point, ComeOutFlag != 0);
    return place >= 0 &&
           PlayList(*this, static_cast<i16>(table_skit::FirstResult + place), start, duration);
}

bool TCasinoCGameLord::PlayShooterPickUp(u32& start, u32& duration) {
    // The round calls this only once a bet lies on the table, so an empty shooter seat means
    // the seats changed under the round: nobody picks the dice up and the table stays open.
    const i16 variant = ShooterVariant(ShooterSeat);
    const TGamblerRecordView shooter = GetSeatRecord(ShooterSeat);
    if (variant < 0 || !shooter)
        return false;
    RefreshSeat(ShooterSeat);
    SetBetButtons(0);
    // Roll stays live so that holding it down keeps the dice shaking.
    EnableButton(RollButton);
    if (MessageDisplay != nullptr)
        MessageDisplay->Hide();
    DisableRegions();
    PlayersChangeable = 0;
    const i16 pick = static_cast<i16>(variant * 2 + (shooter.GetSex() != 0 ? 0 : 1));
    return UseSpriteWithFreeKey(static_cast<i16>(GetPickSprite(pick)), start, duration);
}

bool TCasinoCGameLord::PlayOddsReturn(u32& start, u32& duration) {
    return UseSpriteWithFreeKey(static_cast<i16>(GetPickSprite(PickCount)), start, duration);
}

// TCasinoCGameLord::TestSkitCondition: the dealer's skits ask the condition table about the
// lord's table.
#include "CrapsGameLord.h"

#include "craps/bets/spots/BetSpot.h"
#include "craps/table/SkitConditions.h"
#include "engine/framework/DetailLevelHost.h"
#include "engine/framework/ModeWindowApi.h"
#include "engine/framework/PlayerData.h"

#include <functional>
#include <utility>

namespace {

// The skit conditions' questions answered from the lord: the round's numbers read when the
// question is asked, the seats and spots as they stand.
class TLordAnswers final : public skit_condition::TTable {
public:
    TLordAnswers(const TCasinoCGameLord& lord, const skit_condition::TRound& round,
                 std::function<int(i16)> sexOf, TModeWindowApi* window)
        : Lord(lord), Now(round), SexOf(std::move(sexOf)), Window(window) {}

    const skit_condition::TRound& Round() const override { return Now; }
    i16 OccupiedSeats() const override { return Lord.CountOccupiedSeats(); }
    bool Seated(i16 seat) const override { return Lord.GetSeatPlayerData(seat) != nullptr; }
    int SeatSex(i16 seat) const override { return SexOf(seat); }
    TCBetSpot* Spot(i16 index) const override { return Lord.GetBetSpot(index); }
    TCrapsBetOptions Options(i16 seat) const override { return Lord.CopyBettingOptions(seat); }
    i16 GameSpeed() const override {
        const auto* host = dynamic_cast<const TDetailLevelHost*>(Window);
        return host != nullptr ? host->GetDetailLevel() : i16{3};
    }

private:
    const TCasinoCGameLord& Lord;
    const skit_condition::TRound& Now;
    std::function<int(i16)> SexOf;
    TModeWindowApi* Window;
};

} // namespace

i16 TCasinoCGameLord::TestSkitCondition(u16 condition) {
    // -1 for an empty seat.
    const auto sexOf = [this](i16 seat) {
        const TGamblerRecordView record = GetSeatRecord(seat);
        return !record ? -1 : record.GetSex() != 0 ? 1 : 0;
    };
    skit_condition::TRound round;
    round.ShooterSeat = ShooterSeat;
    round.CurrentSeat = CurrentSeat;
    round.Die1 = Die1;
    round.Die2 = Die2;
    round.Point = Point;
    round.ComeOutFlag = ComeOutFlag;
    round.NewShooter = NewShooter;
    round.DiceGiven = DiceGiven;
    round.LastRoll = LastRoll;
    round.RollBeforeLast = RollBeforeLast;
    round.WinningSpot = WinningSpot;
    round.TalkSetting = TalkSetting;
    round.RollCount = RollCount;
    round.StallCount = StallCount;
    round.ShakeCount = ShakeCount;
    round.PointRollCount = PointRollCount;
    round.ShooterComeOuts = ShooterComeOuts;
    round.DiceLandVariant = DiceLandVariant;
    return skit_condition::Test(condition, TLordAnswers(*this, round, sexOf, GetModeWindow()));
}

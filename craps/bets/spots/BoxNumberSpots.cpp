// The spots of the buy or place bets and the lay bets, and the buy markers.
#include "craps/bets/spots/BoxNumberSpots.h"

#include "engine/media/Anm.h"

TBetBuy::TBetBuy(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId)
    : TBetBuy(owner, name, TEmbeddedAddress{}, number, spotId) {}

TBetBuy::TBetBuy(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 number,
                 i16 spotId)
    : TCBetSpot(owner, name, address, std::make_unique<TBetBuyLedger>(number, spotId)) {}

void TBetBuy::UpdateChips() {
    LayOutPiles(false);
    for (i16 seat = 0; seat < TCBetLedger::SeatCount; ++seat) {
        TAnm& marker = *GetSeatChit(seat);
        if (!IsBought(seat) || !HasAmount(seat)) {
            marker.Hide();
            continue;
        }
        TAnmData& data = marker.GetCurrentData();
        data.Base.y = GetTopY(seat);
        data.Base.z = static_cast<i16>(GetTopZ(seat) + 1);
        data.UpdatePosition();
        marker.SelectFrame();
        marker.Show();
    }
    ClearFlags(JOF_TIMED_ON);
}

TBetLay::TBetLay(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId)
    : TBetLay(owner, name, TEmbeddedAddress{}, number, spotId) {}

TBetLay::TBetLay(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 number,
                 i16 spotId)
    : TCBetSpot(owner, name, address, std::make_unique<TBetLayLedger>(number, spotId)) {}

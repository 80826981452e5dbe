// TCasinoCPlayer: the seat player of a craps table, with the seat's bet in hand and last bet.
#pragma once

#include "casino/CasinoPlayer.h"
#include "engine/foundation/Money.h"

class TCasinoCPlayer : public TCasinoPlayer {
public:
    static constexpr double DefaultLastBet = 5.0;

    TCasinoCPlayer(TJorpOwner* owner, i16 seat);
    ~TCasinoCPlayer() override;

    // A gambler taking or leaving the seat starts from an empty hand and no last bet.
    void Acquire(u32 key) override;
    void Release() override;

    // Kept equal to the lord's hand while the seat is current.
    TMoney InHand;
    // What a click on a spot with an empty hand puts down.
    TMoney LastBet{DefaultLastBet};
};

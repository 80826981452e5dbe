// TCasinoPlayer: the game object of one seat at a casino table, bound to its gambler's record.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "engine/foundation/Money.h"
#include "engine/framework/Player.h"

#include <memory>

// The record image it points at is a TCasinoPlayerData's; table games derive their seat
// players from it.
class TCasinoPlayer : public TPlayer {
public:
    // Bound at once: a player made while its seat holds a gambler sees his record.
    TCasinoPlayer(TJorpOwner* owner, i16 seat);
    ~TCasinoPlayer() override;

    // The player of the file for the seat, its names read.
    static std::unique_ptr<TCasinoPlayer> Create(TJorpOwner* owner, const TFileMode& file,
                                                 i16 seat);

    // What these two hold is the table game's business: an object the seat owns (none at
    // first, deleted with the player) and an amount (0.00 at first).
    std::unique_ptr<TJorpBase> SeatObject;
    TMoney SeatMoney;
};

// TCasinoGameLord: the game lord of a casino table: its three seats, the seated gamblers'
// bankrolls, the table's bet unit and session game code, and the current seat.
#pragma once

#include "casino/GamblerRecord.h"
#include "engine/foundation/Money.h"
#include "engine/framework/GameLord.h"

#include <string>
#include <vector>

class TPlayer;

// A bet a gambler would leave to the house by getting up now: where it stands, and its stake.
struct TLeftBet {
    std::string Spot;
    TMoney Stake;
};

// A seat is an entry of the owning mode window's seat table; it is occupied while its player
// is bound to a gambler's record. The record is looked up on every call, never kept: a seat
// may change gamblers between any two calls.
class TCasinoGameLord : public TGameLord {
public:
    static constexpr i16 SeatCount = 3;

    // The unit is denomination unitIndex (0.00 outside the table).
    TCasinoGameLord(TJorpOwner* owner, u16 gameCode, u16 unitIndex);

    // The seat's player; null outside the seat table or for an empty entry.
    TPlayer* GetSeatPlayer(i16 seat) const;
    // The seated gambler's record, read and changed in place; invalid for an unoccupied seat.
    // Only a lord that may change it hands it out writable.
    TGamblerRecord GetSeatRecord(i16 seat);
    TGamblerRecordView GetSeatRecord(i16 seat) const;
    // The record's bytes (a TCasinoPlayerData's); null for an unoccupied seat.
    u8* GetSeatPlayerData(i16 seat);
    const u8* GetSeatPlayerData(i16 seat) const;
    // The money operations do nothing for an unoccupied seat.
    void AddToBankroll(i16 seat, TMoney amount);
    // A result below 0.00 is exactly 0.00.
    void SubtractFromBankroll(i16 seat, TMoney amount);
    void SetBankroll(i16 seat, TMoney amount);
    // 0.00 for an unoccupied seat.
    TMoney GetBankroll(i16 seat) const;
    i16 CountOccupiedSeats() const;
    // The first occupied seat after the given one, going round (the seat itself last); -1
    // when none is. From -1 the seats are tried from 0.
    i16 NextOccupiedSeat(i16 seat) const;
    // The unit's place in the denomination table; -1 when it is none of them.
    i16 GetUnitIndex() const;

    // Virtual operations of casino lords, in slot order after those of game lords.
    virtual i32 GetZero();
    // +1 the condition holds, -1 it does not, 0 unknown.
    virtual i16 TestSkitCondition(u16 condition);
    virtual void SelectSeat(i16 seat);
    virtual void DoGameCommand();
    // Readies the table for gamblers getting up (nothing in the base).
    virtual void SettleBeforeLeaving();
    // The seat's bets that may not be taken down, which its gambler leaves to the house by
    // getting up now, in table order; none in the base.
    virtual std::vector<TLeftBet> BetsLeftBehind(i16 seat) const;

    u16 GetGameCode() const { return GameCode; }
    TMoney GetUnit() const { return Unit; }
    i16 GetCurrentSeat() const { return CurrentSeat; }

protected:
    u16 GameCode;
    TMoney Unit;
    i16 CurrentSeat = 0;
};

// TCasinoSession: opening, closing and clearing a session, and its 92 bytes field by field.
#include "CasinoSession.h"

#include "engine/framework/PlayerData.h"
#include "platform/host/DateTime.h"

void TCasinoSession::Clear() {
    Used = 0;
    Open = 0;
    StartTime = 0;
    EndTime = 0;
    GameCode = 0;
    BetUnit = TotalBet = TMoney();
    StartBankroll = EndBankroll = PeakBankroll = LowBankroll = TMoney();
    BetsWon = BetsLost = BetsDecided = 0;
    ExtraCount1 = ExtraCount2 = ExtraCount3 = ExtraCount4 = ExtraCount5 = 0;
    ExtraMoney1 = ExtraMoney2 = TMoney();
}

void TCasinoSession::StampStartTime() {
    StartTime = TTime().Seconds();
}

void TCasinoSession::StampEndTime() {
    EndTime = TTime().Seconds();
}

void TCasinoSession::Begin(TMoney bankroll, u16 gameCode, TMoney betUnit) {
    Clear();
    StampStartTime();
    Used = 1;
    Open = 1;
    StartBankroll = bankroll;
    GameCode = gameCode;
    BetUnit = betUnit;
    LowBankroll = bankroll;
    PeakBankroll = bankroll;
}

void TCasinoSession::End(TMoney bankroll) {
    EndBankroll = bankroll;
    StampEndTime();
    Open = 0;
}

bool TCasinoSession::Decode(const u8* bytes, size_t size) {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    Used = bytes[0];
    Open = bytes[1];
    StartTime = JorpGetU32(bytes + 2);
    EndTime = JorpGetU32(bytes + 6);
    GameCode = JorpGetU16(bytes + 10);
    BetUnit = TMoney(JorpGetF64(bytes + 12));
    StartBankroll = TMoney(JorpGetF64(bytes + 20));
    EndBankroll = TMoney(JorpGetF64(bytes + 28));
    TotalBet = TMoney(JorpGetF64(bytes + 36));
    BetsWon = JorpGetU16(bytes + 44);
    BetsLost = JorpGetU16(bytes + 46);
    BetsDecided = JorpGetU16(bytes + 48);
    ExtraCount1 = JorpGetU16(bytes + 50);
    ExtraCount2 = JorpGetU16(bytes + 52);
    ExtraCount3 = JorpGetU16(bytes + 54);
    ExtraCount4 = JorpGetU16(bytes + 56);
    ExtraCount5 = JorpGetU16(bytes + 58);
    ExtraMoney1 = TMoney(JorpGetF64(bytes + 60));
    ExtraMoney2 = TMoney(JorpGetF64(bytes + 68));
    PeakBankroll = TMoney(JorpGetF64(bytes + 76));
    LowBankroll = TMoney(JorpGetF64(bytes + 84));
    return true;
}

bool TCasinoSession::Encode(u8* bytes, size_t size) const {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    bytes[0] = Used;
    bytes[1] = Open;
    JorpPutU32(bytes + 2, StartTime);
    JorpPutU32(bytes + 6, EndTime);
    JorpPutU16(bytes + 10, GameCode);
    JorpPutF64(bytes + 12, BetUnit.GetValue());
    JorpPutF64(bytes + 20, StartBankroll.GetValue());
    JorpPutF64(bytes + 28, EndBankroll.GetValue());
    JorpPutF64(bytes + 36, TotalBet.GetValue());
    JorpPutU16(bytes + 44, BetsWon);
    JorpPutU16(bytes + 46, BetsLost);
    JorpPutU16(bytes + 48, BetsDecided);
    JorpPutU16(bytes + 50, ExtraCount1);
    JorpPutU16(bytes + 52, ExtraCount2);
    JorpPutU16(bytes + 54, ExtraCount3);
    JorpPutU16(bytes + 56, ExtraCount4);
    JorpPutU16(bytes + 58, ExtraCount5);
    JorpPutF64(bytes + 60, ExtraMoney1.GetValue());
    JorpPutF64(bytes + 68, ExtraMoney2.GetValue());
    JorpPutF64(bytes + 76, PeakBankroll.GetValue());
    JorpPutF64(bytes + 84, LowBankroll.GetValue());
    return true;
}

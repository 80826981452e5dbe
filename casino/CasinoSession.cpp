// TCasinoSession: opening, closing and clearing a session, and its 92 bytes through their table.
#include "CasinoSession.h"

#include "casino/SessionLayouts.h"
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
    return bytes != nullptr && DecodeRecord(*this, std::span(bytes, size));
}

bool TCasinoSession::Encode(u8* bytes, size_t size) const {
    return bytes != nullptr && EncodeRecord(*this, std::span(bytes, size));
}

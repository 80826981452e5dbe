// TCCSession: clearing and opening a craps session, and its 656 bytes through their table.
#include "CCSession.h"

#include "casino/SessionLayouts.h"

void TCCSession::Clear() {
    *this = TCCSession();
}

void TCCSession::Begin(TMoney bankroll, u16 gameCode, TMoney betUnit) {
    Clear();
    TCasinoSession::Begin(bankroll, gameCode, betUnit);
}

bool TCCSession::Decode(const u8* bytes, size_t size) {
    return bytes != nullptr && DecodeRecord(*this, std::span(bytes, size));
}

bool TCCSession::Encode(u8* bytes, size_t size) const {
    return bytes != nullptr && EncodeRecord(*this, std::span(bytes, size));
}

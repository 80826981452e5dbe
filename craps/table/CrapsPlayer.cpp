// TCasinoCPlayer: the hand and last bet reset whenever the seat changes hands.
#include "craps/table/CrapsPlayer.h"

TCasinoCPlayer::TCasinoCPlayer(TJorpOwner* owner, i16 seat) : TCasinoPlayer(owner, seat) {}

TCasinoCPlayer::~TCasinoCPlayer() {
    InHand = TMoney();
    LastBet = TMoney();
}

void TCasinoCPlayer::Acquire(u32 key) {
    TCasinoPlayer::Acquire(key);
    LastBet = TMoney();
    InHand = TMoney();
}

void TCasinoCPlayer::Release() {
    TCasinoPlayer::Release();
    LastBet = TMoney();
    InHand = TMoney();
}

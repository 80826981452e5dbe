// TCasinoPlayer: made bound, its owned object deleted with it.
#include "CasinoPlayer.h"

TCasinoPlayer::TCasinoPlayer(TJorpOwner* owner, i16 seat) : TPlayer(owner, seat) {
    BindRecord();
}

TCasinoPlayer::~TCasinoPlayer() = default;

std::unique_ptr<TCasinoPlayer> TCasinoPlayer::Create(TJorpOwner* owner, const TFileMode& file,
                                                     i16 seat) {
    return TJorpBase::CreateAttached<TCasinoPlayer>(file, true, false, owner, seat);
}

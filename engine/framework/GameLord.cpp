// TGameLord: the engine's game lord, which lets players change and does nothing with seats.
#include "GameLord.h"

TGameLord::TGameLord(TJorpOwner* owner) : TGameObject(owner) {}

TGameLord::~TGameLord() = default;

std::unique_ptr<TGameLord> TGameLord::Create(TJorpOwner* owner, const TFileMode& file) {
    return TJorpBase::CreateAttached<TGameLord>(file, true, false, owner);
}

void TGameLord::Update() {
    if (Updated == 0)
        TGameObject::Update();
}

i32 TGameLord::Query(u64) {
    return 0;
}

bool TGameLord::CanChangePlayers() {
    return PlayersChangeable != 0;
}

void TGameLord::SetupSeat(i16) {}
void TGameLord::UpdateSeat(i16) {}
void TGameLord::ReservedHook() {}

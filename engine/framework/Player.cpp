// TPlayer: the seat's binding to its record and the seat notices.
#include "Player.h"

#include "engine/framework/ModeWindowApi.h"
#include "engine/framework/PlayerMgr.h"

TPlayer::TPlayer(TJorpOwner* owner, i16 seat) : TGameObject(owner), Seat(seat) {}

TPlayer::~TPlayer() = default;

std::unique_ptr<TPlayer> TPlayer::Create(TJorpOwner* owner, const TFileMode& file, i16 seat) {
    return TJorpBase::CreateAttached<TPlayer>(file, true, false, owner, seat);
}

void TPlayer::Acquire(u32 key) {
    TGObjSp::Acquire(key);
}

void TPlayer::Release() {
    TGObjSp::Release();
}

void TPlayer::Update() {
    if (Updated != 0)
        return;
    BindRecord();
    if (!Record.empty())
        Release();
    TGObjBase::Update();
}

void TPlayer::OnActivated(i16 seat) {
    if (seat != Seat)
        return;
    BindRecord();
    Acquire(GetNextTick());
}

void TPlayer::OnDeactivated(i16 seat) {
    if (seat != Seat)
        return;
    Release();
    UnbindRecord();
}

void TPlayer::BindRecord() {
    const TModeWindowApi* window = GetModeWindow();
    TPlayerMgr* manager = window != nullptr ? window->GetPlayerMgr() : nullptr;
    u8* block = manager != nullptr ? manager->GetDataBlock(manager->GetActive(Seat)) : nullptr;
    // Every block is allocated the manager's record size.
    const i32 size = manager != nullptr ? manager->GetPlayerDataSize() : 0;
    Record = block != nullptr && size > 0 ? std::span<u8>(block, static_cast<size_t>(size))
                                          : std::span<u8>();
}

void TPlayer::UnbindRecord() {
    Record = {};
}

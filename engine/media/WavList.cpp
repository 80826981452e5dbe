// TWavList: members, the playing count and the notice to the sprite.
#include "engine/media/WavList.h"

#include "engine/media/Sound.h"
#include "engine/media/Sprite.h"

#include <algorithm>
#include <memory>

TWavList::TWavList(TJorpOwner* owner, TSprite* sprite) : TJorpList(owner), Sprite(sprite) {}

TWavList::~TWavList() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (auto* member = GetWav(i))
            member->SetList(nullptr);
}

i16 TWavList::GetGrowStep() const {
    return static_cast<i16>(std::clamp<i32>(Capacity, 8, MAX_PLACES));
}

TWav* TWavList::GetWav(i16 index) const {
    return dynamic_cast<TWav*>(GetAt(index));
}

bool TWavList::AddWav(TWav* wav) {
    if (wav == nullptr || !Add(wav))
        return false;
    wav->SetList(this);
    return true;
}

bool TWavList::NewWav(const TFileMode& mode, i16 duration) {
    auto wav = std::make_unique<TWav>(Owner, mode, duration, false, true);
    if (!AddWav(wav.get()))
        return false;
    wav.release();
    return true;
}

void TWavList::Start() {
    PlayingCount = 0;
    TJorpList::Start();
}

void TWavList::Play(u32 tick) {
    Start();
    TJorpList::Play(tick);
    // No wave counted itself (none there, or all refused): the sprite is not held up.
    if (PlayingCount == 0) {
        SetFlags(JOF_STOP_REQUESTED);
        NotifyAllStopped();
    }
}

void TWavList::CountIn() {
    ++PlayingCount;
    SetFlags(JOF_ON);
    ClearFlags(JOF_STOP_REQUESTED);
}

void TWavList::CountOut() {
    if (PlayingCount > 0)
        --PlayingCount;
    if (PlayingCount == 0) {
        SetFlags(JOF_STOP_REQUESTED);
        NotifyAllStopped();
    }
}

void TWavList::NotifyAllStopped() {
    if (Sprite == nullptr)
        return;
    Sprite->SetFlags(SPF_WAVS_DONE);
    if (!Sprite->HasFlags(SPF_DRIVEN) && Sprite->HasFlags(SPF_ANMS_DONE))
        Sprite->SetFlags(JOF_STOP_REQUESTED);
}

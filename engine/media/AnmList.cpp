// TAnmList: members, the playing count and the notice to the sprite.
#include "engine/media/AnmList.h"

#include "engine/media/Anm.h"
#include "engine/media/Sprite.h"

#include <algorithm>

TAnmList::TAnmList(TJorpOwner* owner, TSprite* sprite) : TJorpList(owner), Sprite(sprite) {}

TAnmList::~TAnmList() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (auto* member = GetAnm(i))
            member->SetList(nullptr);
}

i16 TAnmList::GetGrowStep() const {
    return static_cast<i16>(std::clamp<i32>(Capacity, 8, MAX_PLACES));
}

bool TAnmList::Add(TJorpBase* member) {
    if (member == nullptr || !TJorpList::Add(member))
        return false;
    Settled = false;
    if (auto* anm = dynamic_cast<TAnm*>(member))
        anm->SetList(this);
    return true;
}

TAnm* TAnmList::GetAnm(i16 index) const {
    return dynamic_cast<TAnm*>(GetAt(index));
}

bool TAnmList::AddNew(const TFileMode& mode, i16 z) {
    return AddNew(mode, 0, 0, z);
}

bool TAnmList::AddNew(const TFileMode& mode, i16 x, i16 y, i16 z) {
    const TAnmData frameData(x, y, z, 0, 0xFFFF, 0, ANM_FORWARD, true, true, true);
    std::unique_ptr<TAnm> anm = TAnm::Create(Owner, mode, frameData, false, true);
    if (!Add(anm.get()))
        return false;
    anm.release();
    return true;
}

void TAnmList::SetOffset(const TGrPoint& offset) {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TAnm* anm = GetAnm(i))
            anm->SetOffset(offset);
}

void TAnmList::MemberLeaving(TJorpBase* member) {
    TJorpList::MemberLeaving(member);
    Settled = false;
}

// Settled after either pass: a driven sprite passes its members only at Tick.
void TAnmList::Tick(u32 tick) {
    if (Settled)
        return;
    TJorpList::Tick(tick);
    Settled = AllQuiet(tick);
}

void TAnmList::PostTick(u32 tick) {
    if (Settled)
        return;
    TJorpList::PostTick(tick);
    Settled = AllQuiet(tick);
}

bool TAnmList::AllQuiet(u32 tick) const {
    if ((Flags & (JOF_ON | JOF_STOP_REQUESTED)) != JOF_ON)
        return true;
    for (i16 i = 0; i <= LastIndex; ++i) {
        const TJorpBase* member = Members[i];
        if (member == nullptr)
            continue;
        const auto* anm = dynamic_cast<const TAnm*>(member);
        if (anm == nullptr || anm->GetList() != this || !anm->IsQuiet(tick))
            return false;
    }
    return true;
}

void TAnmList::Start() {
    Settled = false;
    PlayingCount = 0;
    TJorpList::Start();
}

void TAnmList::Play(u32 tick) {
    Settled = false;
    Start();
    TJorpList::Play(tick);
    // Nothing to wait for: a sprite without animations is not held up by them.
    if (PlayingCount == 0) {
        SetFlags(JOF_STOP_REQUESTED);
        NotifyAllStopped();
    }
}

void TAnmList::CountIn() {
    Settled = false;
    ++PlayingCount;
}

void TAnmList::CountOut() {
    Settled = false;
    if (PlayingCount > 0)
        --PlayingCount;
    if (PlayingCount == 0) {
        SetFlags(JOF_STOP_REQUESTED);
        NotifyAllStopped();
    }
}

void TAnmList::NotifyAllStopped() {
    if (Sprite == nullptr)
        return;
    Sprite->SetFlags(SPF_ANMS_DONE);
    if (!Sprite->HasFlags(SPF_DRIVEN) && Sprite->HasFlags(SPF_WAVS_DONE))
        Sprite->SetFlags(JOF_STOP_REQUESTED);
}

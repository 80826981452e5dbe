// TAnmList: a sprite's animations, which counts the ones playing, tells its sprite when the last
// one has finished, and passes over none while all of them hold still.
#pragma once

#include "engine/foundation/JorpList.h"
#include "engine/media/Gr.h"

#include <string>

class TAnm;
class TSprite;

class TAnmList final : public TJorpList {
public:
    TAnmList(TJorpOwner* owner, TSprite* sprite);
    // The members forget the list before they go, so that none reports to it while it dies.
    ~TAnmList() override;

    // Both passes leave the members alone while the list is settled.
    void Tick(u32 tick) override;
    void PostTick(u32 tick) override;
    void Play(u32 tick) override;
    void Start() override;
    // False for null; an animation joins as the list's own.
    bool Add(TJorpBase* member) override;
    // Doubles, so that a table of many cells fills the list in linear time.
    i16 GetGrowStep() const override;

    // A new animation of that file with base point (0, 0, z) or (x, y, z); false, and
    // nothing kept, when the list is full.
    bool AddNew(const TFileMode& mode, i16 z);
    bool AddNew(const TFileMode& mode, i16 x, i16 y, i16 z);
    void SetOffset(const TGrPoint& offset);
    void NotifyAllStopped();

    // The animation at an index, or null.
    TAnm* GetAnm(i16 index) const;
    // Called by the members as they start and stop counting as playing.
    void CountIn();
    void CountOut();
    // A member changed in a way its passes depend on: the next passes reach every member.
    void MemberTouched() { Settled = false; }
    // After the last pass every member was quiet, and none has changed since.
    bool IsSettled() const { return Settled; }

    i16 GetPlayingCount() const { return PlayingCount; }
    TSprite* GetSprite() const { return Sprite; }

protected:
    void MemberLeaving(TJorpBase* member) override;

private:
    // The list does not run (its passes do nothing) or every member is quiet after the tick.
    bool AllQuiet(u32 tick) const;

    TSprite* Sprite;
    i16 PlayingCount = 0;
    // Hundreds of pinned pictures hold still for minutes on end; checked once a frame they
    // would cost more than all that moves.
    bool Settled = false;
};

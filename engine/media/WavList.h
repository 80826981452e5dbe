// TWavList: a sprite's waves, which counts the ones playing and tells its sprite when the last one
// has finished.
#pragma once

#include "engine/foundation/JorpList.h"

class TSprite;
class TWav;

class TWavList final : public TJorpList {
public:
    TWavList(TJorpOwner* owner, TSprite* sprite);
    // The members forget the list before they go, so that none reports to it while it dies.
    ~TWavList() override;

    void Play(u32 tick) override;
    void Start() override;
    // Doubles, so that a table of many cells fills the list in linear time.
    i16 GetGrowStep() const override;

    // False for null; the wave joins as the list's own.
    bool AddWav(TWav* wav);
    // A new wave of that file, registered but not read; false, and nothing kept, when the
    // list is full.
    bool NewWav(const TFileMode& mode, i16 duration);
    void NotifyAllStopped();

    // The wave at an index, or null.
    TWav* GetWav(i16 index) const;
    // Called by the members as they start and stop counting as playing.
    void CountIn();
    void CountOut();

    u16 GetPlayingCount() const { return PlayingCount; }
    TSprite* GetSprite() const { return Sprite; }

private:
    TSprite* Sprite;
    u16 PlayingCount = 0;
};

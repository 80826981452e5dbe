// TSound, TWav and TMidi: sounds on a sprite's timeline, played on the wave mixer or the MIDI
// player of the sound manager.
#pragma once

#include "engine/foundation/JorpBase.h"

class TAudioObj;
class TAudioWaveMix;
class TJorpSoundMgr;
class TWavList;

// The sound manager is taken once, when the sound is made: the media services' one (the
// main frame window's), null without it.
class TSound : public TJorpBase {
public:
    explicit TSound(TJorpOwner* owner);
    // Takes the file mode as it is; nothing is registered.
    TSound(TJorpOwner* owner, const TFileMode& mode);
    ~TSound() override;

    TJorpSoundMgr* GetSoundMgr() const { return SoundMgr; }

protected:
    // The manager's wave mixer, or null.
    TAudioWaveMix* WaveMix() const;

    TJorpSoundMgr* SoundMgr = nullptr;
};

// Engine-object flags of a wave, besides running and stopped.
constexpr u16 WAVF_ON_MIXER = 0x0400; // a play of it is queued or sounding and belongs to it
constexpr u16 WAVF_CUT = 0x0800;      // stopped when its duration ends, not left to sound on
constexpr u16 WAVF_COUNTED = 0x1000;  // its list counts it as playing

// A wave effect. Final, since its constructor attaches the file and registers it with the
// mixer's cache.
class TWav final : public TSound {
public:
    explicit TWav(TJorpOwner* owner);
    // The duration is sign-extended; the file is attached (load false and keep true leave it
    // unread) and, when there is a mixer, registered in its cache.
    TWav(TJorpOwner* owner, const TFileMode& mode, i16 duration, bool load, bool keep);
    ~TWav() override;

    void Tick(u32 tick) override;
    void PostTick(u32 tick) override;
    void Play(u32 tick) override;
    void Start() override;
    void Stop() override;
    void Acquire(u32 tick) override;
    void Release() override;
    std::string GetExtension() const override { return ".wav"; }

    // A play that still belonged to the wave ended, was refused or was dropped.
    void OnChannelReleased();
    // Whether two sounds are the same object.
    static bool IsSame(const TSound* a, const TSound* b) { return a == b; }

    bool PlayOnMixer();
    bool StopOnMixer();

    TWavList* GetList() const { return List; }
    void SetList(TWavList* list) { List = list; }
    u16 GetLoops() const { return Loops; }
    void SetLoops(u16 loops) { Loops = loops; }
    void SetCut(bool cut) { cut ? SetFlags(WAVF_CUT) : ClearFlags(WAVF_CUT); }
    TAudioObj* GetCacheRef() const { return CacheRef; }
    void SetCacheRef(TAudioObj* ref) { CacheRef = ref; }

private:
    void CountIn();
    void CountOut();
    // The wave's own resting class in the cache.
    i8 FileLevel() const { return static_cast<i8>(FileMode.RamLevel); }

    TWavList* List = nullptr;
    u16 Loops = 0;
    TAudioObj* CacheRef = nullptr;
};

// A piece of music for the sound manager's MIDI player.
class TMidi : public TSound {
public:
    explicit TMidi(TJorpOwner* owner) : TSound(owner) {}
    TMidi(TJorpOwner* owner, const TFileMode& mode) : TSound(owner, mode) {}
    ~TMidi() override;

    void Play(u32 tick) override;
    void Start() override;
    // Only marks the piece stopped: the music plays to its end or until all sound stops.
    void Stop() override;
    std::string GetExtension() const override { return ".mid"; }

    // Asks for the piece to be played over and over.
    bool Loop();
};

// The wave cache: one open wave per file name shared by every sound of that name, its priority
// from the classes of its references, and purging by priority.
#pragma once

#include "engine/foundation/Sliq.h"
#include "platform/host/Types.h"

#include <array>
#include <memory>
#include <string>

class TAudioWaveMix;
class TAudioData;
class TMixWave;
class TWav;

// Cache classes run from 0 (not needed) to 4 (needed now); any other value counts as 0, as
// a file level outside its range does.
constexpr u8 WAVE_CLASS_COUNT = 5;
constexpr u8 WaveClassOf(i32 cls) {
    return cls >= 0 && cls < WAVE_CLASS_COUNT ? static_cast<u8>(cls) : 0;
}

class TJorpObj {
public:
    virtual ~TJorpObj() = default;
};

// A sound's reference into the cache: the class it holds its entry in.
class TAudioObj : public TJorpObj {
public:
    u8 Class = 0;
    TAudioData* Entry = nullptr;
};

// One cached wave.
class TAudioData {
public:
    TAudioData(std::string name, TAudioWaveMix* mixer);
    // The open wave is freed with it.
    ~TAudioData();
    TAudioData(const TAudioData&) = delete;
    TAudioData& operator=(const TAudioData&) = delete;

    // Opens the wave from the sound's file image, which must be in memory. Only an open
    // wave counts its bytes, so a wave the library refuses holds no memory in the totals.
    bool OpenWave(TWav* sound);
    void FreeWave();

    // One reference of the class more or less (never below 0), and the priority again.
    void AddToClass(u8 cls);
    void TakeFromClass(u8 cls);
    void Recompute();
    bool IsOpen() const { return Wave != nullptr; }

    u8 Priority = 0;
    u16 References = 0;
    std::array<u16, WAVE_CLASS_COUNT> ClassCounts{};
    u32 Size = 0;
    std::string Name;
    TMixWave* Wave = nullptr;
    TAudioWaveMix* Mixer;
};

// One hash bucket; it owns its entries.
class TAudioDataSliq : public TSliq {
public:
    explicit TAudioDataSliq(TAudioWaveMix* mixer);
    ~TAudioDataSliq() override;

    TAudioData* FindByName(const std::string& name);
    // Frees open, idle waves of the priority or lower from the head on, adding their sizes
    // to freed; true as soon as freed reaches needed.
    bool PurgeUpTo(i8 priority, u32 needed, u32* freed);
    // Destroys every entry without references whose wave no play uses.
    void PurgeUnused();

private:
    TAudioWaveMix* Mixer;
};

class TAudioDSArray {
public:
    static constexpr i16 BucketCount = 200;

    explicit TAudioDSArray(TAudioWaveMix* mixer);
    ~TAudioDSArray();
    TAudioDSArray(const TAudioDSArray&) = delete;
    TAudioDSArray& operator=(const TAudioDSArray&) = delete;

    static u16 Hash(const std::string& name);
    TAudioDataSliq& Bucket(const std::string& name) { return *Buckets[Hash(name)]; }
    TAudioDataSliq& BucketAt(i16 index) { return *Buckets[static_cast<size_t>(index)]; }

    // Works through the buckets from the cursor on, at most 199 of them; the cursor stays on
    // the bucket that reached the target, so the next purge goes on from there.
    bool PurgeUntil(i8 priority, u32 needed, u32* freed);
    void PurgeUnused();

    i16 GetPurgeCursor() const { return PurgeCursor; }

private:
    std::array<std::unique_ptr<TAudioDataSliq>, BucketCount> Buckets;
    i16 PurgeCursor = 0;
};

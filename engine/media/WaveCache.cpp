// The wave cache: entries, hash buckets and the purges the data-file manager asks for.
#include "engine/media/WaveCache.h"

#include "engine/foundation/BaseFile.h"
#include "engine/foundation/MemMgr.h"
#include "engine/media/AudioWaveMix.h"
#include "engine/media/Sound.h"
#include "engine/media/WaveMixDll.h"

#include <limits>

TAudioData::TAudioData(std::string name, TAudioWaveMix* mixer)
    : Name(std::move(name)), Mixer(mixer) {}

TAudioData::~TAudioData() {
    FreeWave();
}

void TAudioData::AddToClass(u8 cls) {
    u16& count = ClassCounts[WaveClassOf(cls)];
    if (count < std::numeric_limits<u16>::max())
        ++count;
    Recompute();
}

void TAudioData::TakeFromClass(u8 cls) {
    u16& count = ClassCounts[WaveClassOf(cls)];
    if (count > 0)
        --count;
    Recompute();
}

void TAudioData::Recompute() {
    Priority = 0;
    for (u8 cls = WAVE_CLASS_COUNT - 1; cls > 0; --cls)
        if (ClassCounts[cls] != 0) {
            Priority = cls;
            return;
        }
}

bool TAudioData::OpenWave(TWav* sound) {
    if (Wave != nullptr)
        return true;
    const TJorpBaseFile* image = sound != nullptr ? sound->GetImage() : nullptr;
    TWaveMix* library = TWaveMix::Get();
    if (image == nullptr || !image->IsInMemory() || library == nullptr ||
        Mixer->GetSession() == nullptr)
        return false;
    if (image->Size > static_cast<u32>(std::numeric_limits<i32>::max()))
        return false;
    MMIOINFO info;
    info.fccIOProc = FOURCC_MEM;
    info.pchBuffer = image->GetData();
    info.cchBuffer = static_cast<i32>(image->Size);
    Wave = library->WaveMixOpenWave(Mixer->GetSession(), &info, nullptr, WMIX_MEMORY);
    if (Wave == nullptr)
        return false;
    Size = image->Size;
    Mixer->AddOpenWaveBytes(Size);
    JorpCountAdd(JorpWaveBytes, Size);
    return true;
}

void TAudioData::FreeWave() {
    if (Wave == nullptr)
        return;
    Mixer->RemoveOpenWaveBytes(Size);
    JorpCountRemove(JorpWaveBytes, Size);
    Size = 0;
    if (TWaveMix* library = TWaveMix::Get())
        library->WaveMixFreeWave(Mixer->GetSession(), Wave);
    Wave = nullptr;
}

TAudioDataSliq::TAudioDataSliq(TAudioWaveMix* mixer) : TSliq(true, true), Mixer(mixer) {}

TAudioDataSliq::~TAudioDataSliq() {
    while (void* entry = RemoveHead())
        delete static_cast<TAudioData*>(entry);
}

TAudioData* TAudioDataSliq::FindByName(const std::string& name) {
    for (void* v = WalkStart(); v != nullptr; v = WalkNext()) {
        auto* entry = static_cast<TAudioData*>(v);
        if (entry->Name == name)
            return entry;
    }
    return nullptr;
}

bool TAudioDataSliq::PurgeUpTo(i8 priority, u32 needed, u32* freed) {
    for (void* v = WalkStart(); v != nullptr; v = WalkNext()) {
        auto* entry = static_cast<TAudioData*>(v);
        if (!entry->IsOpen() || static_cast<i8>(entry->Priority) > priority ||
            Mixer->IsWaveInUse(entry->Wave))
            continue;
        *freed += entry->Size;
        entry->FreeWave();
        if (*freed >= needed)
            return true;
    }
    return false;
}

void TAudioDataSliq::PurgeUnused() {
    for (void* v = WalkStart(); v != nullptr; v = WalkNext()) {
        auto* entry = static_cast<TAudioData*>(v);
        if (entry->References != 0 || (entry->IsOpen() && Mixer->IsWaveInUse(entry->Wave)))
            continue;
        Remove(entry);
        delete entry;
    }
}

TAudioDSArray::TAudioDSArray(TAudioWaveMix* mixer) {
    for (auto& bucket : Buckets)
        bucket = std::make_unique<TAudioDataSliq>(mixer);
}

TAudioDSArray::~TAudioDSArray() = default;

u16 TAudioDSArray::Hash(const std::string& name) {
    u32 h = 0;
    for (char c : name)
        h = 2 * h + static_cast<u32>(static_cast<i32>(static_cast<signed char>(c)));
    return static_cast<u16>(h % static_cast<u32>(BucketCount));
}

bool TAudioDSArray::PurgeUntil(i8 priority, u32 needed, u32* freed) {
    for (i16 asked = 0; asked < BucketCount - 1; ++asked) {
        if (Buckets[static_cast<size_t>(PurgeCursor)]->PurgeUpTo(priority, needed, freed))
            return true;
        PurgeCursor = static_cast<i16>((PurgeCursor + 1) % BucketCount);
    }
    return false;
}

void TAudioDSArray::PurgeUnused() {
    for (auto& bucket : Buckets)
        bucket->PurgeUnused();
}

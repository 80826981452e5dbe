// TAudioWaveMix: the wave cache's operations, as the sounds and the mode window call them.
#include "engine/media/AudioWaveMix.h"

#include "engine/foundation/BaseFile.h"
#include "engine/media/Sound.h"
#include "engine/media/WaveCache.h"
#include "engine/media/WaveMixChannel.h"

namespace {

// The sound's file image is brought in for the open and may leave memory again afterwards:
// the library keeps its own copy of the samples.
void OpenFromImage(TWav* sound, TAudioData* entry) {
    if (const TJorpBaseFile* image = sound->GetImage(); image != nullptr && image->IsInMemory()) {
        entry->OpenWave(sound);
        return;
    }
    TFileMode mode = sound->GetFileMode();
    const u8 own = mode.RamLevel;
    mode.RamLevel = FM_LEVEL_NOW;
    sound->ChangeFile(mode);
    entry->OpenWave(sound);
    mode.RamLevel = own;
    sound->ChangeFile(mode);
}

TAudioData* EntryOf(const TWav* sound) {
    const TAudioObj* ref = sound != nullptr ? sound->GetCacheRef() : nullptr;
    return ref != nullptr ? ref->Entry : nullptr;
}

} // namespace

void TAudioWaveMix::RegisterWave(TWav* sound) {
    if (Session == nullptr || !Initialised || sound == nullptr || sound->GetCacheRef() != nullptr)
        return;
    const std::string name = sound->GetFileMode().Name.GetText();
    TAudioDataSliq& bucket = Cache->Bucket(name);
    TAudioData* entry = bucket.FindByName(name);
    if (entry == nullptr) {
        auto made = std::make_unique<TAudioData>(name, this);
        if (!bucket.AddHead(made.get()))
            return;
        entry = made.release();
    }
    auto ref = std::make_unique<TAudioObj>();
    ref->Entry = entry;
    ++entry->References;
    entry->AddToClass(0);
    sound->SetCacheRef(ref.release());
}

void TAudioWaveMix::UnregisterWave(TWav* sound) {
    if (sound == nullptr)
        return;
    ForEachChannelOf(sound, true);
    RemoveQueuedPlays(sound);
    TAudioObj* ref = sound->GetCacheRef();
    if (ref == nullptr)
        return;
    if (TAudioData* entry = ref->Entry) {
        if (entry->References > 0)
            --entry->References;
        entry->TakeFromClass(ref->Class);
    }
    delete ref;
    sound->SetCacheRef(nullptr);
}

void TAudioWaveMix::SetWaveClass(TWav* sound, i8 cls) {
    TAudioData* entry = EntryOf(sound);
    if (entry == nullptr)
        return;
    TAudioObj* ref = sound->GetCacheRef();
    const u8 wanted = WaveClassOf(cls);
    if (wanted != ref->Class) {
        entry->TakeFromClass(ref->Class);
        entry->AddToClass(wanted);
        ref->Class = wanted;
    }
    if (entry->Priority == 4 && !entry->IsOpen())
        OpenFromImage(sound, entry);
}

bool TAudioWaveMix::PrepareWave(TWav* sound) {
    TAudioData* entry = EntryOf(sound);
    if (entry == nullptr)
        return false;
    TAudioObj* ref = sound->GetCacheRef();
    entry->TakeFromClass(ref->Class);
    entry->AddToClass(4);
    ref->Class = 4;
    if (!entry->IsOpen())
        OpenFromImage(sound, entry);
    return true;
}

bool TAudioWaveMix::IsWaveInUse(const TMixWave* wave) {
    if (wave == nullptr)
        return false;
    for (const auto& c : Channels)
        if (c != nullptr && c->IsInUse() && c->GetWave() == wave)
            return true;
    return Queue.UsesWave(wave);
}

void TAudioWaveMix::PurgeUnusedWaves() {
    if (Cache != nullptr)
        Cache->PurgeUnused();
}

bool TAudioWaveMix::PurgeUntil(i8 priority, u32 needed, u32* freed) {
    return Cache != nullptr && freed != nullptr && Cache->PurgeUntil(priority, needed, freed);
}

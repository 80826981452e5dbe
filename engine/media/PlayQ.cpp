// TPlayQ: queued plays, dropped one sound at a time or all together.
#include "engine/media/PlayQ.h"

#include "engine/media/Sound.h"
#include "engine/media/WaveCache.h"

#include <memory>
#include <vector>

TPlayQ::TPlayQ() : TSliq(true, true) {}

TPlayQ::~TPlayQ() {
    while (void* entry = RemoveTail())
        delete static_cast<TPlayQData*>(entry);
}

bool TPlayQ::Push(TWav* sound, u16 loops) {
    auto entry = std::make_unique<TPlayQData>(TPlayQData{sound, loops});
    if (!AddHead(entry.get()))
        return false;
    entry.release();
    return true;
}

TPlayQData* TPlayQ::PopOldest() {
    return static_cast<TPlayQData*>(RemoveTail());
}

void TPlayQ::Clear(bool notify) {
    // Emptied before anyone is told, so that a sound queuing again on the notice waits
    // for the next frame instead of being dropped with the rest.
    std::vector<TWav*> dropped;
    while (TPlayQData* entry = PopOldest()) {
        dropped.push_back(entry->Sound);
        delete entry;
    }
    if (!notify)
        return;
    for (TWav* sound : dropped)
        if (sound != nullptr)
            sound->OnChannelReleased();
}

bool TPlayQ::RemoveSound(TWav* sound, bool all) {
    bool removed = false;
    for (void* v = WalkStart(); v != nullptr; v = WalkNext()) {
        auto* entry = static_cast<TPlayQData*>(v);
        if (entry->Sound != sound)
            continue;
        Remove(entry);
        delete entry;
        removed = true;
        if (!all)
            break;
    }
    return removed;
}

bool TPlayQ::UsesWave(const TMixWave* wave) {
    for (void* v = WalkStart(); v != nullptr; v = WalkNext()) {
        const TWav* sound = static_cast<TPlayQData*>(v)->Sound;
        const TAudioObj* ref = sound != nullptr ? sound->GetCacheRef() : nullptr;
        if (ref != nullptr && ref->Entry != nullptr && ref->Entry->Wave == wave)
            return true;
    }
    return false;
}

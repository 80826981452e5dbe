// TAudioWaveMix: queuing, stopping and detaching plays, and the per-frame pump that starts
// a frame's plays together.
#include "engine/media/AudioWaveMix.h"

#include "engine/foundation/Sys.h"
#include "engine/media/WaveMixChannel.h"
#include "engine/media/WaveMixDll.h"

#include <vector>

namespace {

// Held until a play without the hold flag releases them together.
constexpr u32 PlayHeld = WMIX_CLEARQUEUE | WMIX_WAIT;
constexpr u32 PlayReleasing = WMIX_CLEARQUEUE | WMIX_HIPRIORITY;

} // namespace

bool TAudioWaveMix::QueuePlay(TWav* sound, u16 loops) {
    if (!Active || Session == nullptr || Muted || sound == nullptr)
        return false;
    for (const auto& c : Channels)
        if (c != nullptr && c->IsInUse() && c->GetSound() == sound && c->IsOwned())
            return false;
    if (!PrepareWave(sound))
        return false;
    return Queue.Push(sound, loops);
}

void TAudioWaveMix::ForEachChannelOf(TWav* sound, bool stop) {
    for (const auto& c : Channels) {
        if (c == nullptr || !c->IsInUse() || c->GetSound() != sound)
            continue;
        c->SetOwned(false);
        if (stop)
            c->StopChannel();
    }
}

void TAudioWaveMix::RemoveQueuedPlays(TWav* sound) {
    Queue.RemoveSound(sound, true);
}

bool TAudioWaveMix::StopSound(TWav* sound) {
    if (Session == nullptr)
        return false;
    bool found = false;
    for (const auto& c : Channels)
        found = found || (c != nullptr && c->IsInUse() && c->GetSound() == sound);
    ForEachChannelOf(sound, true);
    return Queue.RemoveSound(sound, true) || found;
}

void TAudioWaveMix::DetachSound(TWav* sound) {
    if (Session == nullptr)
        return;
    ForEachChannelOf(sound, false);
    RemoveQueuedPlays(sound);
}

void TAudioWaveMix::StopAll(bool notify) {
    if (Session == nullptr)
        return;
    for (const auto& c : Channels) {
        if (c == nullptr)
            continue;
        if (!notify)
            c->SetOwned(false);
        c->StopChannel();
    }
    if (TWaveMix* library = Library())
        library->WaveMixFlushChannel(Session, WAVEMIX_CHANNELS, WMIX_ALL);
    Queue.Clear(notify);
}

void TAudioWaveMix::LibraryPump() const {
    if (TWaveMix* library = Library())
        library->WaveMixPump();
}

void TAudioWaveMix::Pump() {
    if (!Active || Session == nullptr)
        return;
    const u32 previous = LastPumpTime;
    const u32 now = TSys::GetTime();
    LastPumpTime = now;
    const bool made = MakeRoom();
    if (StartQueued())
        PlayReady();
    else if (!made && now - previous > WAVEMIX_IDLE_PUMP_MS)
        LibraryPump();
}

bool TAudioWaveMix::MakeRoom() {
    const i16 free = FreeChannelCount();
    if (free >= Queue.GetCount() && free >= 2)
        return false;
    if (StopUnflaggedChannels() == 0) {
        LibraryPump();
        return true;
    }
    return false;
}

i16 TAudioWaveMix::StopUnflaggedChannels() {
    i16 stopped = 0;
    for (const auto& c : Channels) {
        if (c != nullptr && c->IsInUse() && c->IsPlaying() && !c->IsOwned()) {
            c->StopChannel();
            ++stopped;
        }
    }
    return stopped;
}

bool TAudioWaveMix::StartQueued() {
    bool started = false;
    i16 budget = WAVEMIX_CHANNELS - 1;
    i16 ch = FirstFreeChannel();
    while (!Queue.IsEmpty() && ch >= 0 && budget >= 0) {
        --budget;
        TPlayQData* entry = Queue.PopOldest();
        Channels[static_cast<size_t>(ch)]->Setup(entry->Sound, entry->Loops);
        delete entry;
        started = true;
        ch = FirstFreeChannel();
    }
    return started;
}

void TAudioWaveMix::PlayReady() {
    // A channel whose wave never opened is freed (and its sound told) before anything is
    // held, so that the play that releases the others is one the library can start.
    for (const auto& c : Channels)
        if (c != nullptr && c->IsInUse() && !c->IsPlaying() && c->GetWave() == nullptr)
            c->Play(0);
    i16 last = -1;
    for (i16 i = WAVEMIX_CHANNELS - 1; i >= 0 && last < 0; --i) {
        const auto& c = Channels[static_cast<size_t>(i)];
        if (c != nullptr && c->IsInUse() && !c->IsPlaying())
            last = i;
    }
    if (last < 0)
        return;
    std::vector<TWaveMixControlData*> held;
    for (i16 i = 0; i < last; ++i) {
        TWaveMixControlData* c = Channels[static_cast<size_t>(i)].get();
        if (c != nullptr && c->IsInUse() && !c->IsPlaying() && c->Play(PlayHeld))
            held.push_back(c);
    }
    if (Channels[static_cast<size_t>(last)]->Play(PlayReleasing))
        return;
    // Nothing will release the held plays now: they end as refused plays do.
    for (TWaveMixControlData* c : held)
        c->Abandon();
}

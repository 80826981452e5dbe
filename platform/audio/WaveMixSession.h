// One wave-mixing session: its channels and their play queues, its open waves, and the mix.
#pragma once

#include "MixFormat.h"
#include "MixWave.h"
#include "MmSystem.h"
#include "WaveMixTypes.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

// A done notice waiting to be posted on the window thread.
struct TWaveMixNotice {
    TWindow* Window = nullptr;
    u32 Message = MM_WOM_DONE;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;

    bool operator==(const TWaveMixNotice&) const = default;
};

// Every operation but Pull belongs to the window thread; Pull is called by the audio device
// on its own thread. The state both touch is guarded by one mutex, and notices are only
// collected there, never posted, so no window code ever runs on the audio thread.
class TWaveMixSession {
public:
    explicit TWaveMixSession(const TMixFormat& format) : Format(format) {}
    TWaveMixSession(const TWaveMixSession&) = delete;
    TWaveMixSession& operator=(const TWaveMixSession&) = delete;

    const TMixFormat& GetFormat() const { return Format; }

    // While inactive nothing sounds and no play advances; plays resume on reactivation.
    void SetActive(bool active);
    bool IsActive() const;

    u32 OpenChannels(i32 count, u32 flags);
    u32 CloseChannels(i32 channel, u32 flags);
    // Stops the channel's sounding, queued and held plays, without done notices; a notice of
    // the channel not yet taken is dropped as well.
    u32 Flush(i32 channel, u32 flags);

    // The samples are copied and converted, so the image may be freed after the call.
    u32 OpenWave(const MMIOINFO* source, u32 flags, TMixWave** wave);
    // Every play of the wave stops first, without a notice.
    u32 FreeWave(TMixWave* wave);
    bool OwnsWave(const TMixWave* wave) const;

    u32 Play(const MIXPLAYPARAMS& params);

    // Notices of plays that have ended, in the order they ended; channel order breaks ties.
    std::vector<TWaveMixNotice> TakeNotices();

    // Mixes the next frames into out (frames x channels samples of the session's format).
    void Pull(i16* out, u32 frames);

private:
    struct TPlay {
        TMixWave::TSamples Samples;
        TMixWave* Wave = nullptr;
        TWindow* Notify = nullptr;
        u16 LoopsLeft = 0;
        u32 Position = 0;
    };
    struct THeldPlay {
        i32 Channel = 0;
        bool Clear = false;
        TPlay Play;
    };
    struct TChannel {
        bool Open = false;
        // The front play is the one sounding.
        std::deque<TPlay> Plays;
    };
    struct TEnded {
        u32 Frame = 0;
        TWaveMixNotice Notice;
    };

    bool HasWave(const TMixWave* wave) const;
    void StartPlay(i32 channel, bool clear, TPlay play);
    void StopChannel(i32 channel);
    void MixChannel(i32 channel, u32 frames);

    const TMixFormat Format;
    mutable std::mutex Mutex;
    bool Active = false;
    TChannel Channels[WAVEMIX_MAXCHANNELS];
    std::vector<THeldPlay> Held;
    std::vector<std::unique_ptr<TMixWave>> Waves;
    std::vector<TWaveMixNotice> Notices;
    // Reused by every pull, so the audio thread rarely allocates.
    std::vector<i32> Accumulator;
    std::vector<TEnded> Ended;
};

// TAudioWaveMix: the eight-channel wave mixer over the wave-mixing library, with its play
// queue, its wave cache and the user's sound switch.
#pragma once

#include "engine/media/PlayQ.h"
#include "platform/host/Types.h"

#include <array>
#include <memory>
#include <string>

class TAudioDSArray;
class TMixWave;
class TWaveMix;
class TWaveMixControlData;
class TWaveMixSession;
class TWav;
class TWindow;

constexpr i16 WAVEMIX_CHANNELS = 8;
// Audio error boxes shown per Init; later errors pass silently.
constexpr u16 WAVEMIX_MAX_ERROR_BOXES = 5;
// The library's own pump is called when no frame came for this long.
constexpr u32 WAVEMIX_IDLE_PUMP_MS = 333;

class TAudioWaveMix {
public:
    // The owner window parents the notice windows and owns the error boxes.
    explicit TAudioWaveMix(TWindow* owner);
    virtual ~TAudioWaveMix();
    TAudioWaveMix(const TAudioWaveMix&) = delete;
    TAudioWaveMix& operator=(const TAudioWaveMix&) = delete;

    bool Init();
    bool Shutdown();
    void Activate();
    void Deactivate();

    void SetMuted(bool muted);
    void ReadMuteSetting();
    void WriteMuteSetting();

    bool QueuePlay(TWav* sound, u16 loops);
    bool StopSound(TWav* sound);
    void DetachSound(TWav* sound);
    void StopAll(bool notify);
    // The frame's step: makes room, starts what is queued, and pumps the library when idle.
    void Pump();

    bool IsPlaying() const;
    i16 FreeChannelCount() const;
    i16 FirstFreeChannel() const;
    static std::string ErrorText(u32 code);
    void ShowError(const std::string& text);

    // The wave cache.
    void RegisterWave(TWav* sound);
    void UnregisterWave(TWav* sound);
    void SetWaveClass(TWav* sound, i8 cls);
    bool PrepareWave(TWav* sound);
    bool IsWaveInUse(const TMixWave* wave);
    void PurgeUnusedWaves();
    // Frees idle waves of the priority or lower until freed reaches needed (true).
    bool PurgeUntil(i8 priority, u32 needed, u32* freed);

    bool IsInitialised() const { return Initialised; }
    bool IsActive() const { return Active; }
    bool IsMuted() const { return Muted; }
    TWaveMixSession* GetSession() const { return Session; }
    TWindow* GetOwner() const { return Owner; }
    u16 GetErrorCount() const { return ErrorCount; }
    u32 GetOpenWaveBytes() const { return OpenWaveBytes; }
    void AddOpenWaveBytes(u32 bytes);
    void RemoveOpenWaveBytes(u32 bytes);
    // Null while there is no such channel (before Init, after Shutdown).
    TWaveMixControlData* GetChannel(i16 number) const;
    TAudioDSArray* GetCache() const { return Cache.get(); }
    const TPlayQ& GetQueue() const { return Queue; }
    // The bound library while the mixer holds it, else null.
    TWaveMix* Library() const;

private:
    TWaveMixSession* OpenSession();
    void CloseSession();
    bool MakeRoom();
    bool StartQueued();
    void PlayReady();
    i16 StopUnflaggedChannels();
    // Each channel in use that plays the sound, and the sound's queued plays.
    void ForEachChannelOf(TWav* sound, bool stop);
    void RemoveQueuedPlays(TWav* sound);
    void LibraryPump() const;

    u16 ErrorCount = 0;
    u32 LastPumpTime = 0;
    u32 OpenWaveBytes = 0;
    TWaveMixSession* Session = nullptr;
    TWindow* Owner;
    bool Active = false;
    std::array<std::unique_ptr<TWaveMixControlData>, WAVEMIX_CHANNELS> Channels;
    TPlayQ Queue;
    bool Initialised = false;
    bool Muted = false;
    std::unique_ptr<TAudioDSArray> Cache;
    // The library has been loaded by this mixer and not yet unloaded.
    bool HoldsLibrary = false;
};

// The host's audio device: it follows the wave mixer's output format and only ever pulls
// already mixed samples, so that no engine code runs on the audio thread.
#pragma once

#include "platform/audio/MixFormat.h"
#include "platform/host/Types.h"

#include <SDL2/SDL_audio.h>

#include <cstddef>
#include <functional>
#include <vector>

// Adds one block of samples into another, clipping at the 16-bit limits instead of wrapping.
void AddSamplesClipped(i16* into, const i16* add, std::size_t count);

// Tells the window thread when a wave play may have ended. A play ends inside the pull that
// mixes its last samples, so a block that sounded, and the first silent one after it, are
// when done notices can have appeared; a silent program is never woken.
class TSoundWatch {
public:
    // Audio thread: whether this block should wake the window thread.
    bool BlockPulled(const i16* samples, std::size_t count);

private:
    bool WasSounding = false;
};

// While it lives it is the wave-out device count's probe: the count is 0 when the device
// cannot be opened.
class TSdlAudio {
public:
    // wake runs on the audio thread and must only signal the window thread.
    explicit TSdlAudio(std::function<void()> wake);
    ~TSdlAudio();
    TSdlAudio(const TSdlAudio&) = delete;
    TSdlAudio& operator=(const TSdlAudio&) = delete;

    // Window thread: opens the device at the mixer's current format, or reopens it when a
    // session with another format became active. Without an audio device (none on the host,
    // or SDL_AUDIODRIVER naming none that works) it gives up once and the program runs silent.
    void Follow();
    bool IsOpen() const { return Device != 0; }
    bool IsUnavailable() const { return Unavailable; }
    TMixFormat GetFormat() const { return Format; }

    // The device's callback work, also run by tests: the wave mix, then the MIDI output
    // added over it.
    void FillBlock(i16* out, u32 frames);

private:
    static void SDLCALL Callback(void* self, Uint8* stream, int length);
    bool Open(const TMixFormat& format);
    void Close();

    std::function<void()> Wake;
    SDL_AudioDeviceID Device = 0;
    TMixFormat Format;
    bool Unavailable = false;
    bool OwnsSubsystem = false;
    // Touched only by the audio thread while the device is open.
    std::vector<i16> MidiBlock;
    TSoundWatch Watch;
};

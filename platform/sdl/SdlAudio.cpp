// The audio device, its callback, and the format it follows.
#include "SdlAudio.h"

#include "platform/audio/WaveMixOutput.h"
#include "platform/audio/WaveOut.h"
#include "platform/host/Log.h"
#include "platform/midi/MidiOut.h"

#include <SDL2/SDL.h>

#include <dlfcn.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <algorithm>
#include <string>

namespace {

using TAlsaErrorHandler = void (*)(const char* file, int line, const char* function, int err,
                                   const char* format, ...);

void SwallowAlsaError(const char*, int, const char*, int, const char*, ...) {}

// On a machine without a sound card ALSA writes a screen of configuration errors to the
// terminal before SDL can say that there is no device; the program's own line says it once.
// The library is reached by name, so that the program does not need it to start, and it
// stays loaded: SDL's later load of it is then the same library, with the handler in place.
void QuietAlsa() {
    static bool done = false;
    if (done)
        return;
    done = true;
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (alsa == nullptr)
        return;
    using TSetHandler = int (*)(TAlsaErrorHandler);
    auto setHandler = reinterpret_cast<TSetHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (setHandler != nullptr)
        setHandler(&SwallowAlsaError);
}

} // namespace

void AddSamplesClipped(i16* into, const i16* add, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const i32 sum = static_cast<i32>(into[i]) + add[i];
        into[i] = static_cast<i16>(std::clamp(sum, -32768, 32767));
    }
}

bool TSoundWatch::BlockPulled(const i16* samples, std::size_t count) {
    const bool sounding = std::any_of(samples, samples + count, [](i16 s) { return s != 0; });
    const bool wake = sounding || WasSounding;
    WasSounding = sounding;
    return wake;
}

// The scratch block starts large enough for the longest block Open asks for, so that tests
// can fill blocks without a device.
TSdlAudio::TSdlAudio(std::function<void()> wake)
    : Wake(std::move(wake)), MidiBlock(static_cast<std::size_t>(4096) * 2, 0) {
    // The sound set-up asks for the device count before the first frame would open the
    // device, so the asking opens it.
    SetWaveOutDeviceProbe([this] {
        Follow();
        return IsOpen();
    });
}

TSdlAudio::~TSdlAudio() {
    SetWaveOutDeviceProbe(nullptr);
    Close();
    if (OwnsSubsystem)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void TSdlAudio::Follow() {
    if (Unavailable)
        return;
    const TMixFormat wanted = GetWaveMixOutputFormat();
    if (Device != 0 && wanted == Format)
        return;
    Close();
    if (!Open(wanted)) {
        Unavailable = true;
        LogError(std::string("no sound (") + SDL_GetError() + ")");
    }
}

bool TSdlAudio::Open(const TMixFormat& format) {
#if defined(__SANITIZE_ADDRESS__)
    // The host libraries SDL's audio start opens (D-Bus, the sound servers' clients) keep
    // allocations past their own shutdown, which SDL cannot help; they are not the
    // program's leaks.
    __lsan::ScopedDisabler hostLibraries;
#endif
    QuietAlsa();
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        OwnsSubsystem = true;
    }
    // About 20 ms a block: short enough for sound effects to follow the table, long enough
    // not to wake the audio thread needlessly often.
    u16 frames = 256;
    while (frames < 4096 && frames * 50U < format.Rate)
        frames = static_cast<u16>(frames * 2);
    SDL_AudioSpec want{};
    want.freq = static_cast<int>(format.Rate);
    want.format = AUDIO_S16SYS;
    want.channels = static_cast<Uint8>(format.Channels);
    want.samples = frames;
    want.callback = &TSdlAudio::Callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to whatever the hardware takes, so the callback always
    // sees exactly the mixer's format.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device == 0)
        return false;
    Format = format;
    MidiBlock.resize(
        std::max(MidiBlock.size(), static_cast<std::size_t>(have.samples) * format.Channels));
    SetMidiOutputRate(format.Rate);
    Device = device;
    SDL_PauseAudioDevice(Device, 0);
    return true;
}

void TSdlAudio::Close() {
    if (Device == 0)
        return;
    // Closing waits for a running callback to return.
    SDL_CloseAudioDevice(Device);
    Device = 0;
}

void TSdlAudio::FillBlock(i16* out, u32 frames) {
    const u32 channels = std::max<u32>(1, Format.Channels);
    PullWaveMixOutput(out, frames, Format);
    if (Wake && Watch.BlockPulled(out, static_cast<std::size_t>(frames) * channels))
        Wake();
    // The MIDI output in pieces of the scratch block, which the open sized for a whole one.
    const u32 piece = static_cast<u32>(MidiBlock.size() / channels);
    for (u32 done = 0; piece > 0 && done < frames;) {
        const u32 n = std::min(piece, frames - done);
        PullMidiOutput(MidiBlock.data(), n, Format.Rate, Format.Channels);
        AddSamplesClipped(out + static_cast<std::size_t>(done) * channels, MidiBlock.data(),
                          static_cast<std::size_t>(n) * channels);
        done += n;
    }
}

void SDLCALL TSdlAudio::Callback(void* self, Uint8* stream, int length) {
    auto* audio = static_cast<TSdlAudio*>(self);
    const u32 frameBytes = 2U * std::max<u32>(1, audio->Format.Channels);
    const u32 frames = static_cast<u32>(std::max(length, 0)) / frameBytes;
    // SDL's buffers are aligned for any sample type.
    audio->FillBlock(reinterpret_cast<i16*>(stream), frames);
}

// The process's MIDI output: the synthesizer, shared between the window and audio threads.
#include "MidiOut.h"

#include "FluidSynthSink.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>

namespace {

constexpr u32 kResultOk = 0;
constexpr u32 kResultBadDeviceId = 2;
constexpr u32 kResultInvalidParam = 11;
// The wave mixer's default rate, so that one device can play both.
constexpr u32 kDefaultRate = 22050;

struct TOutput {
    std::mutex Lock;
    std::shared_ptr<TFluidSynthSink> Synth;
    // Empty: the installed default.
    std::string SoundFont;
    u32 Rate = kDefaultRate;
    TMidiSink* Override = nullptr;
};

TOutput& Output() {
    static TOutput output;
    return output;
}

// The synthesizer is built outside the lock (a soundfont takes a while to load) so that the
// audio thread keeps pulling meanwhile; only the window thread builds one.
std::shared_ptr<TFluidSynthSink> Synthesizer() {
    TOutput& o = Output();
    std::string path;
    u32 rate = 0;
    {
        std::lock_guard<std::mutex> hold(o.Lock);
        if (o.Synth)
            return o.Synth;
        path = o.SoundFont;
        rate = o.Rate;
    }
    auto built = std::make_shared<TFluidSynthSink>(rate, path.empty() ? FindMidiSoundFont() : path);
    std::lock_guard<std::mutex> hold(o.Lock);
    if (!o.Synth)
        o.Synth = built;
    return o.Synth;
}

class TForwardingSink : public TMidiSink {
public:
    void Send(const TMidiMessage& message) override {
        if (TMidiSink* target = Override())
            target->Send(message);
        else
            Synthesizer()->Send(message);
    }
    void Silence() override {
        if (TMidiSink* target = Override())
            target->Silence();
        else
            Synthesizer()->Silence();
    }

private:
    static TMidiSink* Override() {
        std::lock_guard<std::mutex> hold(Output().Lock);
        return Output().Override;
    }
};

} // namespace

std::string FindMidiSoundFont() {
    for (const char* path : kMidiSoundFonts) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec))
            return path;
    }
    return {};
}

void SetMidiSoundFontPath(const std::string& hostPath) {
    std::lock_guard<std::mutex> hold(Output().Lock);
    Output().SoundFont = hostPath;
    Output().Synth.reset();
}

void SetMidiOutputRate(u32 sampleRate) {
    std::lock_guard<std::mutex> hold(Output().Lock);
    Output().Rate = sampleRate;
    Output().Synth.reset();
}

u32 GetMidiOutputRate() {
    std::lock_guard<std::mutex> hold(Output().Lock);
    return Output().Rate;
}

void PrepareMidiOutput() {
    Synthesizer();
}

bool MidiOutputHasSoundFont() {
    return Synthesizer()->HasSoundFont();
}

TMidiSink& GetMidiOutput() {
    static TForwardingSink sink;
    return sink;
}

void SetMidiSink(TMidiSink* sink) {
    std::lock_guard<std::mutex> hold(Output().Lock);
    Output().Override = sink;
}

void PullMidiOutput(i16* out, u32 frames, u32 sampleRate, u16 channels) {
    if (out == nullptr)
        return;
    std::shared_ptr<TFluidSynthSink> synth;
    {
        std::lock_guard<std::mutex> hold(Output().Lock);
        synth = Output().Synth;
    }
    if (synth && synth->SampleRate() == sampleRate) {
        synth->Render(out, frames, channels);
        return;
    }
    std::fill(out, out + static_cast<size_t>(frames) * channels, i16{0});
}

u32 midiOutGetNumDevs() {
    return 1;
}

u32 midiOutGetDevCapsA(u32 deviceId, MIDIOUTCAPSA* caps, u32 size) {
    if (caps == nullptr || size < sizeof(MIDIOUTCAPSA))
        return kResultInvalidParam;
    if (deviceId != 0 && deviceId != MIDI_MAPPER)
        return kResultBadDeviceId;
    *caps = {};
    // Volume is not adjustable through this device, so neither volume bit is claimed.
    std::strncpy(caps->szPname, "General MIDI Synthesizer", sizeof(caps->szPname) - 1);
    caps->wTechnology = MOD_SWSYNTH;
    caps->wVoices = 256;
    caps->wNotes = 256;
    caps->wChannelMask = 0xFFFF;
    caps->vDriverVersion = 0x0100;
    return kResultOk;
}

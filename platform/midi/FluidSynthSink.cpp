// FluidSynth behind the sink: soundfont loading, channel messages and stereo rendering.
#include "FluidSynthSink.h"

#include <fluidsynth.h>

#include <algorithm>
#include <filesystem>

struct TFluidSynthSink::TEngine {
    fluid_settings_t* Settings = nullptr;
    fluid_synth_t* Synth = nullptr;

    ~TEngine() {
        if (Synth != nullptr)
            delete_fluid_synth(Synth);
        if (Settings != nullptr)
            delete_fluid_settings(Settings);
    }
};

namespace {

// The library writes its complaints (an unreadable soundfont, a channel without a preset) to
// stderr; here they only ever mean silence, which is the intended fallback.
void QuietLibraryLog() {
    static const bool done = [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    (void)done;
}

} // namespace

TFluidSynthSink::TFluidSynthSink(u32 sampleRate, const std::string& soundFontPath)
    : Rate(sampleRate) {
    std::error_code ec;
    if (soundFontPath.empty() || !std::filesystem::is_regular_file(soundFontPath, ec))
        return;
    QuietLibraryLog();
    auto engine = std::make_unique<TEngine>();
    engine->Settings = new_fluid_settings();
    if (engine->Settings == nullptr)
        return;
    fluid_settings_setnum(engine->Settings, "synth.sample-rate", static_cast<double>(sampleRate));
    engine->Synth = new_fluid_synth(engine->Settings);
    if (engine->Synth == nullptr ||
        fluid_synth_sfload(engine->Synth, soundFontPath.c_str(), 1) == FLUID_FAILED)
        return;
    Engine = std::move(engine);
}

TFluidSynthSink::~TFluidSynthSink() = default;

void TFluidSynthSink::Send(const TMidiMessage& message) {
    std::lock_guard<std::mutex> hold(Lock);
    if (!Engine)
        return;
    fluid_synth_t* synth = Engine->Synth;
    const int channel = message.Status & 0x0F;
    switch (message.Status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth, channel, message.Data1);
        break;
    case 0x90:
        // Velocity 0 is a note-off; the library treats it so.
        fluid_synth_noteon(synth, channel, message.Data1, message.Data2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(synth, channel, message.Data1, message.Data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth, channel, message.Data1, message.Data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth, channel, message.Data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth, channel, message.Data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth, channel, message.Data1 | (message.Data2 << 7));
        break;
    default:
        break;
    }
}

void TFluidSynthSink::Silence() {
    std::lock_guard<std::mutex> hold(Lock);
    if (Engine)
        fluid_synth_all_sounds_off(Engine->Synth, -1);
}

void TFluidSynthSink::Render(i16* out, u32 frames, u16 channels) {
    if (out == nullptr)
        return;
    if (channels != 1 && channels != 2) {
        std::fill(out, out + static_cast<size_t>(frames) * channels, i16{0});
        return;
    }
    std::lock_guard<std::mutex> hold(Lock);
    if (!Engine) {
        std::fill(out, out + static_cast<size_t>(frames) * channels, i16{0});
        return;
    }
    // Rendered in float slices and converted here: the library's own 16-bit output adds dither
    // noise, so silence would not come out as zeros.
    constexpr u32 kSlice = 256;
    float left[kSlice];
    float right[kSlice];
    auto sample = [](float v) {
        return static_cast<i16>(std::clamp(v * 32767.0f, -32768.0f, 32767.0f));
    };
    for (u32 done = 0; done < frames;) {
        const u32 count = std::min(kSlice, frames - done);
        fluid_synth_write_float(Engine->Synth, static_cast<int>(count), left, 0, 1, right, 0, 1);
        for (u32 i = 0; i < count; ++i) {
            if (channels == 2) {
                out[2 * (done + i)] = sample(left[i]);
                out[2 * (done + i) + 1] = sample(right[i]);
            } else {
                out[done + i] = sample((left[i] + right[i]) * 0.5f);
            }
        }
        done += count;
    }
}

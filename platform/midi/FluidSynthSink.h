// The General MIDI synthesizer behind the sequencer, rendering into pulled sample buffers.
#pragma once

#include "MidiMessage.h"
#include "platform/host/Types.h"

#include <memory>
#include <mutex>
#include <string>

// Messages arrive on the window thread and samples are pulled from the audio thread, so both
// sides take the lock. Without a loadable soundfont the sink is silent: messages are dropped
// and every pull is zeros.
class TFluidSynthSink : public TMidiSink {
public:
    TFluidSynthSink(u32 sampleRate, const std::string& soundFontPath);
    ~TFluidSynthSink() override;
    TFluidSynthSink(const TFluidSynthSink&) = delete;
    TFluidSynthSink& operator=(const TFluidSynthSink&) = delete;

    bool HasSoundFont() const { return Engine != nullptr; }
    u32 SampleRate() const { return Rate; }

    void Send(const TMidiMessage& message) override;
    void Silence() override;
    // Fills frames x channels interleaved samples (1 or 2 channels; anything else is zeros).
    void Render(i16* out, u32 frames, u16 channels);

private:
    u32 Rate;
    std::mutex Lock;
    struct TEngine;
    std::unique_ptr<TEngine> Engine;
};

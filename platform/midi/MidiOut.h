// The one MIDI output device: the synthesizer it plays into, its pulled samples, its queries.
#pragma once

#include "MidiMessage.h"
#include "platform/host/Types.h"

#include <string>

// Debian's General MIDI soundfonts, best first: FluidR3 (package fluid-soundfont-gm), else
// whichever one the system's alternative names (the synthesizer library itself depends on a
// small one). With none installed the device still exists and plays, silently.
inline constexpr const char* kMidiSoundFonts[] = {"/usr/share/sounds/sf2/FluidR3_GM.sf2",
                                                  "/usr/share/sounds/sf2/default-GM.sf2"};
// The first of them that is installed; empty when none is.
std::string FindMidiSoundFont();

// Both drop the synthesizer; the next message or open loads it again with the new setting.
// An empty path stands for FindMidiSoundFont.
void SetMidiSoundFontPath(const std::string& hostPath);
void SetMidiOutputRate(u32 sampleRate);
u32 GetMidiOutputRate();

// Window thread: loads the synthesizer now rather than at the first note (an open does this,
// so that the soundfont's load time does not delay the start of a song).
void PrepareMidiOutput();
// Whether the loaded synthesizer has a soundfont, i.e. whether playing makes any sound.
bool MidiOutputHasSoundFont();

// The sink the sequencer plays into. It forwards to the synthesizer, or to the sink a test
// installs (null puts the synthesizer back).
TMidiSink& GetMidiOutput();
void SetMidiSink(TMidiSink* sink);

// Any thread (the audio device's callback): frames x channels interleaved samples. Zeros
// when nothing is loaded, without a soundfont, or when the rate asked for is not the output
// rate (the device must follow GetMidiOutputRate).
void PullMidiOutput(i16* out, u32 frames, u32 sampleRate, u16 channels);

// What midiOutGetDevCapsA fills: exactly 52 bytes, the caller passes its size.
struct MIDIOUTCAPSA {
    u16 wMid = 0;
    u16 wPid = 0;
    u32 vDriverVersion = 0;
    char szPname[32] = {};
    u16 wTechnology = 0;
    u16 wVoices = 0;
    u16 wNotes = 0;
    u16 wChannelMask = 0;
    u32 dwSupport = 0;
};
static_assert(sizeof(MIDIOUTCAPSA) == 52);

constexpr u32 MIDI_MAPPER = 0xFFFFFFFFU;
constexpr u16 MOD_SWSYNTH = 7;
constexpr u32 MIDICAPS_VOLUME = 0x1;
constexpr u32 MIDICAPS_LRVOLUME = 0x2;

// One device, always: without a soundfont it is silent rather than absent, so that songs
// still run their course and post their notices the same way on every host.
u32 midiOutGetNumDevs();
// 0 on success; 2 (bad device id) for a device other than 0 or MIDI_MAPPER; 11 (invalid
// parameter) for a null record or a size too small for it.
u32 midiOutGetDevCapsA(u32 deviceId, MIDIOUTCAPSA* caps, u32 size);

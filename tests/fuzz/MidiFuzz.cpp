// Fuzz target: arbitrary bytes read as a standard MIDI file.
#include "platform/midi/MidiFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TMidiFileResult result = ParseMidiFile(std::span<const u8>(data, size));
    // An accepted song is in time order and ends no earlier than its last event.
    u64 last = 0;
    for (const TMidiEvent& e : result.Song.Events) {
        if (e.TimeUs < last)
            __builtin_trap();
        last = e.TimeUs;
    }
    if (result.Error == TMidiFileError::None && result.Song.LengthUs < last)
        __builtin_trap();
    return 0;
}

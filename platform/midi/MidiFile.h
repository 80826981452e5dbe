// Reads standard MIDI files (formats 0 and 1) into one time-ordered list of channel messages.
#pragma once

#include "MidiMessage.h"
#include "platform/host/Types.h"

#include <span>
#include <vector>

struct TMidiEvent {
    // From the start of the song, with every tempo change applied.
    u64 TimeUs = 0;
    TMidiMessage Message;

    bool operator==(const TMidiEvent&) const = default;
};

struct TMidiSong {
    // Ordered by time; messages at the same time keep track order, then file order.
    std::vector<TMidiEvent> Events;
    // When the last track ends (its end-of-track event), which may be after the last message.
    u64 LengthUs = 0;
};

enum class TMidiFileError {
    None,
    BadHeader,
    UnsupportedFormat,
    Truncated,
    BadEvent,
    MissingEnd,
    TooLong,
};

struct TMidiFileResult {
    TMidiFileError Error = TMidiFileError::None;
    // Empty unless Error is None.
    TMidiSong Song;
};

// The image is untrusted: every length is checked against what is there, and anything that
// does not read as a standard MIDI file is refused with the reason.
TMidiFileResult ParseMidiFile(std::span<const u8> image);

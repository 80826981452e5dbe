// One MIDI channel message and the interface of whatever sounds it.
#pragma once

#include "platform/host/Types.h"

// A channel voice message: status 0x80-0xEF and its one or two data bytes (Data2 is 0 for
// program change and channel pressure).
struct TMidiMessage {
    u8 Status = 0;
    u8 Data1 = 0;
    u8 Data2 = 0;

    bool operator==(const TMidiMessage&) const = default;
};

// Receives the sequencer's messages on the window thread.
class TMidiSink {
public:
    virtual ~TMidiSink() = default;
    virtual void Send(const TMidiMessage& message) = 0;
    // Every sounding note stops at once: the sequence was stopped or closed mid-note.
    virtual void Silence() = 0;
};

// Builders of MIDI file images and a sink that records what the sequencer sent and when.
#pragma once

#include "platform/host/Clock.h"
#include "platform/midi/MidiMessage.h"

#include <initializer_list>
#include <string>
#include <vector>

using TBytes = std::vector<u8>;

inline TBytes Quantity(u32 value) {
    TBytes out{static_cast<u8>(value & 0x7F)};
    while ((value >>= 7) != 0)
        out.insert(out.begin(), static_cast<u8>(0x80 | (value & 0x7F)));
    return out;
}

inline void Append(TBytes& to, const TBytes& more) {
    to.insert(to.end(), more.begin(), more.end());
}

inline TBytes Chunk(const char* tag, const TBytes& body, u32 declaredLength) {
    TBytes out(tag, tag + 4);
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<u8>(declaredLength >> shift));
    Append(out, body);
    return out;
}

inline TBytes Chunk(const char* tag, const TBytes& body) {
    return Chunk(tag, body, static_cast<u32>(body.size()));
}

inline TBytes Header(u16 format, u16 tracks, u16 division) {
    return Chunk("MThd", {static_cast<u8>(format >> 8), static_cast<u8>(format),
                          static_cast<u8>(tracks >> 8), static_cast<u8>(tracks),
                          static_cast<u8>(division >> 8), static_cast<u8>(division)});
}

// A track body written event by event; each event starts with its delta time.
class TTrackWriter {
public:
    TTrackWriter& Event(u32 delta, std::initializer_list<u8> bytes) {
        Append(Body, Quantity(delta));
        Body.insert(Body.end(), bytes);
        return *this;
    }
    TTrackWriter& Tempo(u32 delta, u32 usPerQuarter) {
        return Event(delta, {0xFF, 0x51, 0x03, static_cast<u8>(usPerQuarter >> 16),
                             static_cast<u8>(usPerQuarter >> 8), static_cast<u8>(usPerQuarter)});
    }
    TTrackWriter& End(u32 delta = 0) { return Event(delta, {0xFF, 0x2F, 0x00}); }
    TBytes Chunk() const { return ::Chunk("MTrk", Body); }

    TBytes Body;
};

inline TBytes MidiFile(u16 format, u16 division, std::initializer_list<TBytes> tracks) {
    TBytes out = Header(format, static_cast<u16>(tracks.size()), division);
    for (const TBytes& t : tracks)
        Append(out, t);
    return out;
}

struct TRecordedMessage {
    u64 TickMs = 0;
    TMidiMessage Message;

    bool operator==(const TRecordedMessage&) const = default;
};

class TRecordingSink : public TMidiSink {
public:
    void Send(const TMidiMessage& message) override {
        Messages.push_back({GetTickCount64(), message});
    }
    void Silence() override { ++Silences; }

    std::vector<TRecordedMessage> Messages;
    int Silences = 0;
};

// Division 480. The conductor track halves the quarter note at tick 960; the two voice
// tracks use running status (across a meta event too) and meet at tick 960.
//   tick    0:   0 ms  C0 05, 90 3C 64
//   tick  480: 500 ms  90 3C 00          (running status)
//   tick  960: 1000 ms 90 40 64 (track 1), B1 07 64 (track 2)
//   tick 1200: 1125 ms E1 00 40          (after a system-exclusive event at 1100)
//   tick 1440: 1250 ms 80 40 00
//   end   1920: 1500 ms
inline TBytes TwoVoiceSong() {
    const TBytes conductor = TTrackWriter().Tempo(0, 500000).Tempo(960, 250000).End(960).Chunk();
    const TBytes voice = TTrackWriter()
                             .Event(0, {0xC0, 0x05})
                             .Event(0, {0x90, 0x3C, 0x64})
                             .Event(100, {0xFF, 0x01, 0x02, 'h', 'i'})
                             .Event(380, {0x3C, 0x00})
                             .Event(480, {0x40, 0x64})
                             .Event(480, {0x80, 0x40, 0x00})
                             .End()
                             .Chunk();
    const TBytes controls = TTrackWriter()
                                .Event(960, {0xB1, 0x07, 0x64})
                                .Event(140, {0xF0, 0x03, 0x43, 0x10, 0xF7})
                                .Event(100, {0xE1, 0x00, 0x40})
                                .End(600)
                                .Chunk();
    return MidiFile(1, 480, {conductor, voice, controls});
}

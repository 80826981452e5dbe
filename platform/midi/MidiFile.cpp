// Standard MIDI file reader: chunks, variable-length quantities, running status and the tempo map.
#include "MidiFile.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

namespace {

constexpr u32 kDefaultUsPerQuarter = 500000;

// A bounded cursor: every read says whether the bytes were there.
class TReader {
public:
    explicit TReader(std::span<const u8> bytes) : Bytes(bytes) {}

    size_t Left() const { return Bytes.size() - Pos; }

    bool Byte(u8& out) {
        if (Left() < 1)
            return false;
        out = Bytes[Pos++];
        return true;
    }
    bool U16(u16& out) {
        if (Left() < 2)
            return false;
        out = static_cast<u16>((Bytes[Pos] << 8) | Bytes[Pos + 1]);
        Pos += 2;
        return true;
    }
    bool U32(u32& out) {
        if (Left() < 4)
            return false;
        out = (static_cast<u32>(Bytes[Pos]) << 24) | (static_cast<u32>(Bytes[Pos + 1]) << 16) |
              (static_cast<u32>(Bytes[Pos + 2]) << 8) | Bytes[Pos + 3];
        Pos += 4;
        return true;
    }
    bool Tag(const char* expected) {
        if (Left() < 4 || std::memcmp(Bytes.data() + Pos, expected, 4) != 0)
            return false;
        Pos += 4;
        return true;
    }
    bool Skip(size_t count) {
        if (Left() < count)
            return false;
        Pos += count;
        return true;
    }
    std::span<const u8> Take(size_t count) {
        std::span<const u8> part = Bytes.subspan(Pos, count);
        Pos += count;
        return part;
    }

    // At most four bytes; a fourth byte that still asks for more is not a valid quantity.
    TMidiFileError Quantity(u32& out) {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            u8 b = 0;
            if (!Byte(b))
                return TMidiFileError::Truncated;
            out = (out << 7) | (b & 0x7F);
            if ((b & 0x80) == 0)
                return TMidiFileError::None;
        }
        return TMidiFileError::BadEvent;
    }

private:
    std::span<const u8> Bytes;
    size_t Pos = 0;
};

struct TTickEvent {
    u64 Tick = 0;
    TMidiMessage Message;
};

struct TTempoChange {
    u64 Tick = 0;
    u32 UsPerQuarter = kDefaultUsPerQuarter;
};

int DataBytes(u8 status) {
    const u8 kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

// One MTrk chunk. Ticks are kept in 64 bits: a track of many maximal deltas exceeds 32.
TMidiFileError ReadTrack(TReader track, std::vector<TTickEvent>& events,
                         std::vector<TTempoChange>& tempos, u64& endTick) {
    u64 tick = 0;
    u8 running = 0;
    for (;;) {
        if (track.Left() == 0)
            return TMidiFileError::MissingEnd;
        u32 delta = 0;
        if (const TMidiFileError e = track.Quantity(delta); e != TMidiFileError::None)
            return e;
        tick += delta;
        u8 lead = 0;
        if (!track.Byte(lead))
            return TMidiFileError::Truncated;

        // Running status is kept across meta and system-exclusive events: files written that
        // way are common and nothing is ambiguous about them.
        if (lead == 0xFF) {
            u8 type = 0;
            u32 length = 0;
            if (!track.Byte(type))
                return TMidiFileError::Truncated;
            if (const TMidiFileError e = track.Quantity(length); e != TMidiFileError::None)
                return e;
            if (length > track.Left())
                return TMidiFileError::Truncated;
            const std::span<const u8> body = track.Take(length);
            if (type == 0x2F) {
                endTick = tick;
                return TMidiFileError::None;
            }
            if (type == 0x51) {
                if (length != 3)
                    return TMidiFileError::BadEvent;
                const u32 us = (static_cast<u32>(body[0]) << 16) | (body[1] << 8) | body[2];
                if (us == 0)
                    return TMidiFileError::BadEvent;
                tempos.push_back({tick, us});
            }
            continue;
        }
        if (lead == 0xF0 || lead == 0xF7) {
            u32 length = 0;
            if (const TMidiFileError e = track.Quantity(length); e != TMidiFileError::None)
                return e;
            if (!track.Skip(length))
                return TMidiFileError::Truncated;
            continue;
        }
        if (lead >= 0xF0)
            return TMidiFileError::BadEvent;

        TMidiMessage message;
        if (lead & 0x80) {
            running = lead;
            message.Status = lead;
            if (!track.Byte(message.Data1))
                return TMidiFileError::Truncated;
        } else {
            if (running == 0)
                return TMidiFileError::BadEvent;
            message.Status = running;
            message.Data1 = lead;
        }
        if (DataBytes(message.Status) == 2 && !track.Byte(message.Data2))
            return TMidiFileError::Truncated;
        if ((message.Data1 | message.Data2) & 0x80)
            return TMidiFileError::BadEvent;
        events.push_back({tick, message});
    }
}

// Ticks to microseconds in segments between tempo changes: each segment is scaled from its
// own start so that rounding never accumulates.
class TTimeMap {
public:
    TTimeMap(u32 usPerUnit, u32 ticksPerUnit) : UsPerUnit(usPerUnit), TicksPerUnit(ticksPerUnit) {}

    void ChangeTempo(u64 tick, u32 usPerQuarter, bool& ok) {
        const std::optional<u64> at = ToUs(tick);
        if (!at) {
            ok = false;
            return;
        }
        StartTick = tick;
        StartUs = *at;
        UsPerUnit = usPerQuarter;
    }

    std::optional<u64> ToUs(u64 tick) const {
        const u64 ticks = tick - StartTick;
        if (ticks > std::numeric_limits<u64>::max() / UsPerUnit)
            return std::nullopt;
        const u64 us = ticks * UsPerUnit / TicksPerUnit;
        if (us > std::numeric_limits<u64>::max() - StartUs)
            return std::nullopt;
        return StartUs + us;
    }

private:
    u32 UsPerUnit;
    u32 TicksPerUnit;
    u64 StartTick = 0;
    u64 StartUs = 0;
};

} // namespace

TMidiFileResult ParseMidiFile(std::span<const u8> image) {
    TMidiFileResult result;
    auto fail = [&result](TMidiFileError error) {
        result.Error = error;
        result.Song = {};
        return result;
    };

    TReader file(image);
    u32 headerLength = 0;
    u16 format = 0, trackCount = 0, division = 0;
    if (!file.Tag("MThd") || !file.U32(headerLength) || headerLength < 6 ||
        headerLength > file.Left())
        return fail(TMidiFileError::BadHeader);
    file.U16(format);
    file.U16(trackCount);
    file.U16(division);
    file.Skip(headerLength - 6);
    if (format > 1)
        return fail(TMidiFileError::UnsupportedFormat);
    if (trackCount == 0 || (format == 0 && trackCount != 1))
        return fail(TMidiFileError::BadHeader);

    // Metrical division counts ticks per quarter note and follows the tempo; time-code
    // division counts ticks per frame and ignores it (29 stands for 29.97 frames a second).
    u32 usPerUnit = kDefaultUsPerQuarter, ticksPerUnit = division;
    const bool timeCode = (division & 0x8000) != 0;
    if (timeCode) {
        const int fps = -static_cast<i8>(division >> 8);
        const u32 ticksPerFrame = division & 0xFF;
        if ((fps != 24 && fps != 25 && fps != 29 && fps != 30) || ticksPerFrame == 0)
            return fail(TMidiFileError::BadHeader);
        usPerUnit = fps == 29 ? 1001000 : 1000000;
        ticksPerUnit = (fps == 29 ? 30 : static_cast<u32>(fps)) * ticksPerFrame;
    } else if (division == 0) {
        return fail(TMidiFileError::BadHeader);
    }

    std::vector<TTickEvent> events;
    std::vector<TTempoChange> tempos;
    u64 endTick = 0;
    for (u16 found = 0; found < trackCount;) {
        u32 length = 0;
        const bool isTrack = file.Tag("MTrk");
        if (!isTrack && !file.Skip(4))
            return fail(TMidiFileError::Truncated);
        if (!file.U32(length) || length > file.Left())
            return fail(TMidiFileError::Truncated);
        const std::span<const u8> body = file.Take(length);
        // Chunks of other types are to be skipped, so later extensions still play.
        if (!isTrack)
            continue;
        std::vector<TTickEvent> trackEvents;
        u64 trackEnd = 0;
        if (const TMidiFileError e = ReadTrack(TReader(body), trackEvents, tempos, trackEnd);
            e != TMidiFileError::None)
            return fail(e);
        events.insert(events.end(), trackEvents.begin(), trackEvents.end());
        endTick = std::max(endTick, trackEnd);
        ++found;
    }

    // Tracks were appended in order, so a stable sort by tick merges them with ties in
    // track order, then file order.
    std::stable_sort(events.begin(), events.end(),
                     [](const TTickEvent& a, const TTickEvent& b) { return a.Tick < b.Tick; });
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TTempoChange& a, const TTempoChange& b) { return a.Tick < b.Tick; });
    if (timeCode)
        tempos.clear();

    TTimeMap map(usPerUnit, ticksPerUnit);
    bool ok = true;
    size_t nextTempo = 0;
    auto applyTemposUpTo = [&](u64 tick) {
        for (; ok && nextTempo < tempos.size() && tempos[nextTempo].Tick <= tick; ++nextTempo)
            map.ChangeTempo(tempos[nextTempo].Tick, tempos[nextTempo].UsPerQuarter, ok);
    };
    result.Song.Events.reserve(events.size());
    for (const TTickEvent& e : events) {
        applyTemposUpTo(e.Tick);
        const std::optional<u64> us = map.ToUs(e.Tick);
        if (!ok || !us)
            return fail(TMidiFileError::TooLong);
        result.Song.Events.push_back({*us, e.Message});
    }
    applyTemposUpTo(endTick);
    const std::optional<u64> length = map.ToUs(endTick);
    if (!ok || !length)
        return fail(TMidiFileError::TooLong);
    result.Song.LengthUs = *length;
    return result;
}

// The MIDI file reader: merged, tempo-mapped events from good files; clean refusal of bad ones.
#include "platform/midi/MidiFile.h"
#include "MidiTestSupport.h"

#include <gtest/gtest.h>

namespace {

using E = TMidiFileError;

TEST(MidiFile, MergesTracksInTimeOrderThroughTheTempoMap) {
    const TMidiFileResult r = ParseMidiFile(TwoVoiceSong());
    ASSERT_EQ(r.Error, E::None);
    const std::vector<TMidiEvent> expected = {
        {0, {0xC0, 0x05, 0x00}},       {0, {0x90, 0x3C, 0x64}},       {500000, {0x90, 0x3C, 0x00}},
        {1000000, {0x90, 0x40, 0x64}}, {1000000, {0xB1, 0x07, 0x64}}, {1125000, {0xE1, 0x00, 0x40}},
        {1250000, {0x80, 0x40, 0x00}},
    };
    EXPECT_EQ(r.Song.Events, expected);
    EXPECT_EQ(r.Song.LengthUs, 1500000U);
}

TEST(MidiFile, FormatZeroWithDefaultTempoAndForeignChunks) {
    // A longer header and an unknown chunk before the track are both allowed and skipped.
    TBytes file = Chunk("MThd", {0x00, 0x00, 0x00, 0x01, 0x00, 0x60, 0xAA, 0xBB});
    Append(file, Chunk("XFIH", {1, 2, 3}));
    // Channel pressure carries one data byte, under running status too.
    Append(file, TTrackWriter()
                     .Event(96, {0x91, 0x30, 0x40})
                     .Event(0, {0xD1, 0x20})
                     .Event(0, {0x30})
                     .Event(48, {0x91, 0x30, 0x00})
                     .End(48)
                     .Chunk());
    const TMidiFileResult r = ParseMidiFile(file);
    ASSERT_EQ(r.Error, E::None);
    // 120 beats a minute until told otherwise: 96 ticks a quarter note is half a second.
    const std::vector<TMidiEvent> expected = {{500000, {0x91, 0x30, 0x40}},
                                              {500000, {0xD1, 0x20, 0x00}},
                                              {500000, {0xD1, 0x30, 0x00}},
                                              {750000, {0x91, 0x30, 0x00}}};
    EXPECT_EQ(r.Song.Events, expected);
    EXPECT_EQ(r.Song.LengthUs, 1000000U);
}

TEST(MidiFile, TimeCodeDivisionIgnoresTempo) {
    const struct {
        u16 Division;
        u32 Delta;
        u64 ExpectedUs;
    } cases[] = {
        {0xE728, 250, 250000}, // 25 frames of 40 ticks: a millisecond a tick
        {0xE301, 30, 1001000}, // 29.97 frames of 1 tick
        {0xE802, 48, 1000000}, // 24 frames of 2 ticks
    };
    for (const auto& c : cases) {
        const TBytes track =
            TTrackWriter().Tempo(0, 100000).Event(c.Delta, {0x90, 0x40, 0x40}).End().Chunk();
        const TMidiFileResult r = ParseMidiFile(MidiFile(0, c.Division, {track}));
        ASSERT_EQ(r.Song.Events.size(), 1U) << std::hex << c.Division;
        EXPECT_EQ(r.Song.Events[0].TimeUs, c.ExpectedUs) << std::hex << c.Division;
    }
}

TBytes OneTrack(const TBytes& body, u16 format = 0, u16 tracks = 1) {
    TBytes file = Header(format, tracks, 96);
    Append(file, Chunk("MTrk", body));
    return file;
}

TEST(MidiFile, RefusesCorruptImages) {
    const TBytes good = TTrackWriter().Event(0, {0x90, 0x40, 0x40}).End(10).Body;
    TBytes chunkTooLong = Header(0, 1, 96);
    Append(chunkTooLong, Chunk("MTrk", good, static_cast<u32>(good.size() + 1)));
    TBytes headerTooLong = Chunk("MThd", {0, 0, 0, 1, 0, 96}, 100);
    TBytes slowForever = TTrackWriter().Tempo(0, 0xFFFFFF).Body;
    for (int i = 0; i < 5000; ++i)
        Append(slowForever, {0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x01, 0x00});
    Append(slowForever, {0x00, 0xFF, 0x2F, 0x00});
    TBytes slowFile = Header(0, 1, 1);
    Append(slowFile, Chunk("MTrk", slowForever));

    const auto patched = [&good](size_t at, u8 value) {
        TBytes f = OneTrack(good);
        f[at] = value;
        return f;
    };
    TBytes cutHeader = OneTrack(good);
    cutHeader.resize(18);
    const TBytes end = {0x00, 0xFF, 0x2F, 0x00};
    const auto ended = [&end](TBytes body) { return Append(body, end), OneTrack(body); };
    struct TCase {
        const char* Name;
        TBytes Image;
        TMidiFileError Expected;
    };
    // clang-format off
    const TCase cases[] = {
        {"empty", {}, E::BadHeader},  {"bad magic", patched(3, 'x'), E::BadHeader},
        {"short header", Chunk("MThd", {0, 0, 0, 1}), E::BadHeader},
        {"header longer than file", headerTooLong, E::BadHeader},
        {"format 2", OneTrack(good, 2), E::UnsupportedFormat},
        {"format 0 with two tracks", OneTrack(good, 0, 2), E::BadHeader},
        {"no tracks", Header(1, 0, 96), E::BadHeader},
        {"division 0", [&] { TBytes f = patched(12, 0); f[13] = 0; return f; }(), E::BadHeader},
        {"23 frames a second", patched(12, 0xE9), E::BadHeader},
        {"chunk longer than file", chunkTooLong, E::Truncated},
        {"fewer tracks than declared", OneTrack(good, 1, 2), E::Truncated},
        {"chunk header cut", cutHeader, E::Truncated},
        {"truncated delta", OneTrack({0x81, 0x80}), E::Truncated},
        {"five-byte delta", ended({0x81, 0x81, 0x81, 0x81, 0x00}), E::BadEvent},
        {"truncated meta length", OneTrack({0x00, 0xFF, 0x01, 0x81}), E::Truncated},
        {"missing end", OneTrack({0x00, 0x90, 0x40, 0x40}), E::MissingEnd},
        {"message cut short", OneTrack({0x00, 0x90, 0x40}), E::Truncated},
        {"data without status", ended({0x00, 0x40, 0x40}), E::BadEvent},
        {"system common in file", ended({0x00, 0xF2, 0x00, 0x00}), E::BadEvent},
        {"status as data", ended({0x00, 0x90, 0x40, 0x80}), E::BadEvent},
        {"meta longer than chunk", ended({0x00, 0xFF, 0x01, 0x10, 'a'}), E::Truncated},
        {"sysex longer than chunk", OneTrack({0x00, 0xF0, 0x20, 0x01, 0xF7}), E::Truncated},
        {"tempo of two bytes", ended({0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1}), E::BadEvent},
        {"tempo zero", ended({0x00, 0xFF, 0x51, 0x03, 0x00, 0x00, 0x00}), E::BadEvent},
        {"longer than time can count", slowFile, E::TooLong},
    };
    // clang-format on
    for (const TCase& c : cases) {
        const TMidiFileResult r = ParseMidiFile(c.Image);
        EXPECT_EQ(r.Error, c.Expected) << c.Name;
        EXPECT_TRUE(r.Song.Events.empty()) << c.Name;
    }
}

TEST(MidiFile, EveryCutOfAGoodFileIsRefused) {
    const TBytes file = TwoVoiceSong();
    for (size_t size = 0; size < file.size(); ++size) {
        const TBytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_NE(ParseMidiFile(cut).Error, E::None) << "cut at " << size;
    }
}

} // namespace

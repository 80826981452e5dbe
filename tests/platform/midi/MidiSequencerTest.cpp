// The clock-driven sequencer: messages at their times, one end report, stop and resume.
#include "platform/midi/MidiSequencer.h"
#include "MidiTestSupport.h"
#include "platform/midi/MidiFile.h"

#include <gtest/gtest.h>

namespace {

TMidiSong Song() {
    TMidiFileResult r = ParseMidiFile(TwoVoiceSong());
    EXPECT_EQ(r.Error, TMidiFileError::None);
    return r.Song;
}

// The test song on a recording sink, the clock starting at tick 0.
struct MidiSequencer : ::testing::Test {
    TFakeClock clock{0};
    TScopedClockSource scope{clock};
    TRecordingSink sink;
    TMidiSequencer sequencer{Song(), sink};
};

TEST_F(MidiSequencer, SendsEachMessageOnItsMillisecondAndReportsTheEndOnce) {
    clock.SetTick(10000);
    EXPECT_FALSE(sequencer.Pump());
    EXPECT_TRUE(sink.Messages.empty());

    sequencer.Play();
    std::vector<u64> endsAt;
    for (u64 ms = 0; ms <= 1600; ++ms) {
        clock.SetTick(10000 + ms);
        if (sequencer.Pump())
            endsAt.push_back(ms);
    }
    const std::vector<TRecordedMessage> expected = {
        {10000, {0xC0, 0x05, 0x00}}, {10000, {0x90, 0x3C, 0x64}}, {10500, {0x90, 0x3C, 0x00}},
        {11000, {0x90, 0x40, 0x64}}, {11000, {0xB1, 0x07, 0x64}}, {11125, {0xE1, 0x00, 0x40}},
        {11250, {0x80, 0x40, 0x00}},
    };
    EXPECT_EQ(sink.Messages, expected);
    EXPECT_EQ(endsAt, std::vector<u64>{1500});
    EXPECT_FALSE(sequencer.IsPlaying());
    EXPECT_EQ(sequencer.NextDueMs(), std::nullopt);
}

TEST_F(MidiSequencer, LateAndCoarsePumpsCatchUpInOrder) {
    sequencer.Play();
    clock.Advance(1124);
    EXPECT_FALSE(sequencer.Pump());
    EXPECT_EQ(sink.Messages.size(), 5U);
    clock.Advance(5000);
    EXPECT_TRUE(sequencer.Pump());
    ASSERT_EQ(sink.Messages.size(), 7U);
    EXPECT_EQ(sink.Messages.back().Message, (TMidiMessage{0x80, 0x40, 0x00}));
}

TEST_F(MidiSequencer, StopSilencesAndPlayResumesWhereItStopped) {
    sequencer.Play();
    EXPECT_EQ(sequencer.NextDueMs(), 0U);
    sequencer.Pump();
    // The next message is at 500 ms.
    EXPECT_EQ(sequencer.NextDueMs(), 500U);

    clock.SetTick(600);
    sequencer.Pump();
    sequencer.Stop();
    EXPECT_EQ(sink.Silences, 1);
    EXPECT_EQ(sequencer.PositionUs(), 600000U);
    EXPECT_EQ(sequencer.NextDueMs(), std::nullopt);

    clock.SetTick(50000);
    EXPECT_FALSE(sequencer.Pump());
    EXPECT_EQ(sink.Messages.size(), 3U);

    // 400 ms of song remain before the message at 1000 ms.
    sequencer.Play();
    EXPECT_EQ(sequencer.NextDueMs(), 50400U);
    clock.SetTick(50399);
    sequencer.Pump();
    EXPECT_EQ(sink.Messages.size(), 3U);
    clock.SetTick(50400);
    sequencer.Pump();
    EXPECT_EQ(sink.Messages.size(), 5U);
    EXPECT_EQ(sink.Messages.back().TickMs, 50400U);
}

TEST_F(MidiSequencer, AClockSetBackDoesNotReplay) {
    clock.SetTick(5000);
    sequencer.Play();
    clock.SetTick(5600);
    sequencer.Pump();
    clock.SetTick(100);
    sequencer.Pump();
    EXPECT_EQ(sink.Messages.size(), 3U);
}

} // namespace

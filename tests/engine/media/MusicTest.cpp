// MIDI music through the sound manager: a piece replacing the one playing, stopping everything,
// looping and its end, files the device cannot open, and pieces that go away while they play.
#include "../../platform/midi/MidiTestSupport.h"
#include "SoundFixture.h"

#include "engine/media/MusicMci.h"
#include "platform/midi/MidiOut.h"

namespace {

// Division 480 at 500,000 us a quarter note: one note, ending at half a second.
TBytes HalfSecondSong() {
    const TBytes track = TTrackWriter()
                             .Tempo(0, 500000)
                             .Event(0, {0x90, 0x3C, 0x64})
                             .Event(480, {0x80, 0x3C, 0x00})
                             .End()
                             .Chunk();
    return MidiFile(0, 480, {track});
}

class Music : public SoundFixture {
protected:
    void SetUp() override {
        SoundFixture::SetUp();
        // The notes go to a recorder, not the synthesizer.
        SetMidiSink(&Sink);
        const TBytes song = HalfSecondSong();
        for (const char* name : {"a", "b"})
            Cd.WriteHostFile(std::string(name) + ".mid", std::string(song.begin(), song.end()));
        Cd.WriteHostFile("bad.mid", "MThd not a song");
        StartSound();
    }
    void TearDown() override {
        SoundFixture::TearDown();
        SetMidiSink(nullptr);
    }
    TMidi& Piece(const std::string& name) {
        const TFileMode mode(name, 1, 1);
        auto piece = TJorpBase::CreateAttached<TMidi>(mode, false, true, Window, mode);
        TMidi& made = *piece;
        Objects.push_back(std::move(piece));
        return made;
    }
    TMusicMCI& Player() { return *Manager->GetMidiPlayer(); }
    static bool Sounding(const TMidi& piece) {
        return piece.HasFlags(JOF_ON) && !piece.HasFlags(JOF_STOP_REQUESTED);
    }

    TRecordingSink Sink;
};

TEST_F(Music, APieceAskedForWhileAnotherPlaysStartsOnTheOthersAbortNotice) {
    TMidi& a = Piece("a");
    TMidi& b = Piece("b");
    a.Play(0);
    ASSERT_TRUE(Sounding(a));
    ASSERT_EQ(Player().GetCurrentPiece(), &a);
    b.Play(0);
    // A is closed at once; B waits for the notice of A's end.
    EXPECT_EQ(Player().GetDevice(), 0U);
    EXPECT_EQ(Player().GetPendingPiece(), &b);
    EXPECT_EQ(Player().GetCurrentPiece(), &a);
    App.PumpWaitingMessages();
    EXPECT_FALSE(Sounding(a));
    EXPECT_EQ(Player().GetCurrentPiece(), &b);
    EXPECT_TRUE(Sounding(b) && Player().IsPlaying());
    // Stopping all sound closes B; with no device open, stopping again does nothing.
    Manager->StopAll(true);
    App.PumpWaitingMessages();
    EXPECT_FALSE(Sounding(b) || Player().IsPlaying());
    EXPECT_FALSE(Player().Close());
    Manager->StopAll(true);
    Wait(600);
    EXPECT_FALSE(Sounding(a) || Sounding(b));
}

TEST_F(Music, ALoopedPieceStartsAgainUntilTheLoopingIsEnded) {
    TMidi& a = Piece("a");
    ASSERT_TRUE(a.Loop());
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        Wait(600);
        EXPECT_TRUE(Sounding(a));
        EXPECT_NE(Player().GetDevice(), 0U);
    }
    // The round sounding plays to its end and is not repeated.
    EXPECT_TRUE(Manager->LoopMidi(nullptr));
    Wait(600);
    EXPECT_FALSE(Sounding(a) || Player().IsPlaying());
    EXPECT_EQ(Player().GetDevice(), 0U);
    const size_t notes = Sink.Messages.size();
    Wait(600);
    EXPECT_EQ(Sink.Messages.size(), notes);
}

TEST_F(Music, APieceTheDeviceCannotOpenIsStoppedAndNothingIsShown) {
    Cd.WriteHostFile("riff.mid", "RIFF\x04\x01\x01\x01WAVE");
    for (const char* name : {"bad", "riff"}) {
        SCOPED_TRACE(name);
        TMidi& piece = Piece(name);
        EXPECT_FALSE(Manager->PlayMidi(&piece));
        EXPECT_TRUE(piece.HasFlags(JOF_STOP_REQUESTED));
        EXPECT_FALSE(Manager->LoopMidi(&piece));
        EXPECT_FALSE(Player().IsLooping());
    }
    EXPECT_FALSE(Player().IsPlaying());
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(Music, APieceThatGoesAwayIsForgottenBeforeItsNoticesArrive) {
    TMidi& b = Piece("b");
    {
        const TFileMode mode("a", 1, 1);
        auto a = TJorpBase::CreateAttached<TMidi>(mode, false, true, Window, mode);
        ASSERT_TRUE(a->Loop());
        b.Play(0);
    }
    EXPECT_EQ(Player().GetCurrentPiece(), nullptr);
    EXPECT_FALSE(Player().IsLooping());
    App.PumpWaitingMessages();
    EXPECT_TRUE(Sounding(b));
    Wait(600);
    // B ended; the looped piece that went away is not started again.
    EXPECT_FALSE(Sounding(b));
    EXPECT_EQ(Player().GetDevice(), 0U);
}

} // namespace

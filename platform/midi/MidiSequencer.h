// Plays a read MIDI song into a sink on the window thread, timed by the process clock.
#pragma once

#include "MidiFile.h"
#include "MidiMessage.h"

#include <optional>

// There is no playing thread: the message loop calls Pump, which sends every message that
// has fallen due since the last call, and asks NextDueMs when to call again.
class TMidiSequencer {
public:
    TMidiSequencer(TMidiSong song, TMidiSink& sink);

    // Starts, or resumes where Stop left off. At the end of the song, the next Pump reports
    // the end at once.
    void Play();
    // Keeps the position and silences the sink.
    void Stop();
    // True once, on the call that finds the song has reached its end; playing then stops.
    bool Pump();

    bool IsPlaying() const { return Playing; }
    u64 PositionUs() const;
    // The clock tick at which Pump next has something to do; nothing while stopped.
    std::optional<u64> NextDueMs() const;

private:
    TMidiSong Song;
    TMidiSink& Sink;
    size_t Next = 0;
    bool Playing = false;
    // Song time StartUs was reached at clock tick StartTickMs.
    u64 StartTickMs = 0;
    u64 StartUs = 0;
};

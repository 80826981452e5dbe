// The clock-driven sequencer: due messages go to the sink, the end is reported once.
#include "MidiSequencer.h"

#include "platform/host/Clock.h"

#include <utility>

TMidiSequencer::TMidiSequencer(TMidiSong song, TMidiSink& sink)
    : Song(std::move(song)), Sink(sink) {}

u64 TMidiSequencer::PositionUs() const {
    if (!Playing)
        return StartUs;
    const u64 now = GetTickCount64();
    // A clock set back (tests, a fake) must not run the song backwards.
    const u64 elapsedMs = now > StartTickMs ? now - StartTickMs : 0;
    const u64 remainingUs = Song.LengthUs - StartUs;
    return elapsedMs > remainingUs / 1000 ? Song.LengthUs : StartUs + elapsedMs * 1000;
}

void TMidiSequencer::Play() {
    if (Playing)
        return;
    StartTickMs = GetTickCount64();
    Playing = true;
}

void TMidiSequencer::Stop() {
    StartUs = PositionUs();
    Playing = false;
    Sink.Silence();
}

bool TMidiSequencer::Pump() {
    if (!Playing)
        return false;
    const u64 now = PositionUs();
    for (; Next < Song.Events.size() && Song.Events[Next].TimeUs <= now; ++Next)
        Sink.Send(Song.Events[Next].Message);
    if (Next < Song.Events.size() || now < Song.LengthUs)
        return false;
    StartUs = Song.LengthUs;
    Playing = false;
    return true;
}

std::optional<u64> TMidiSequencer::NextDueMs() const {
    if (!Playing)
        return std::nullopt;
    const u64 dueUs = Next < Song.Events.size() ? Song.Events[Next].TimeUs : Song.LengthUs;
    if (dueUs <= StartUs)
        return StartTickMs;
    const u64 waitUs = dueUs - StartUs;
    return StartTickMs + waitUs / 1000 + (waitUs % 1000 != 0 ? 1 : 0);
}

// Plays on channels: queueing and replacing, held plays, flushes, loops and the done notices.
#include "WaveMixTestSupport.h"

namespace {

using namespace wave_image;
using TMixPlay = TWaveMixFixture;
using Samples = std::vector<i16>;

TEST_F(TMixPlay, APlayOnABusyChannelWaitsItsTurnUnlessItClearsTheQueue) {
    TWaveMixSession* s = OpenSession();
    TMixWave* x = Open(s, Mono16({1, 2, 3}));
    TMixWave* y = Open(s, Mono16({10, 20}));

    EXPECT_EQ(Play(s, 0, x, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Play(s, 0, y, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 6), (Samples{1, 2, 3, 10, 20, 0}));
    EXPECT_EQ(Delivered(), (std::vector{Done(0, x), Done(0, y)}));

    // Clearing the queue cuts the sounding play off; it never reports an end.
    EXPECT_EQ(Play(s, 0, x, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 1), (Samples{1}));
    EXPECT_EQ(Play(s, 0, y, WMIX_CLEARQUEUE | WMIX_HIPRIORITY), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 4), (Samples{10, 20, 0, 0}));
    EXPECT_EQ(Delivered(), (std::vector{Done(0, y)}));
}

TEST_F(TMixPlay, HeldPlaysStartOnTheSameFrameAsTheReleasingPlay) {
    TWaveMixSession* s = OpenSession();
    TMixWave* x = Open(s, Mono16({1, 2, 3}));
    TMixWave* y = Open(s, Mono16({10, 20}));
    TMixWave* z = Open(s, Mono16({100}));

    // The pattern of a frame's plays: lower channels held, the last one releasing them all.
    EXPECT_EQ(Play(s, 0, x, WMIX_WAIT | WMIX_CLEARQUEUE), MMSYSERR_NOERROR);
    EXPECT_EQ(Play(s, 1, y, WMIX_WAIT | WMIX_CLEARQUEUE), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 2), (Samples{0, 0}));
    EXPECT_TRUE(Delivered().empty());
    EXPECT_EQ(Play(s, 2, z, WMIX_HIPRIORITY | WMIX_CLEARQUEUE), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 4), (Samples{111, 22, 3, 0}));
    // Ends are reported in the order they happened, channel order breaking ties.
    EXPECT_EQ(Delivered(), (std::vector{Done(2, z), Done(1, y), Done(0, x)}));
}

TEST_F(TMixPlay, FlushStopsAChannelWithoutANotice) {
    TWaveMixSession* s = OpenSession();
    TMixWave* x = Open(s, Mono16({1, 2, 3}));
    TMixWave* y = Open(s, Mono16({10, 20, 30}));

    EXPECT_EQ(Play(s, 0, x, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Play(s, 0, x, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Play(s, 1, y, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 1), (Samples{11}));
    EXPECT_EQ(WaveMixFlushChannel(s, 0, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 3), (Samples{20, 30, 0}));
    EXPECT_EQ(Delivered(), (std::vector{Done(1, y)}));

    // A play that ended but whose notice was not yet delivered is flushed with its notice.
    EXPECT_EQ(Play(s, 0, x, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 4), (Samples{1, 2, 3, 0}));
    EXPECT_EQ(WaveMixFlushChannel(s, 0, 0), MMSYSERR_NOERROR);
    EXPECT_TRUE(Delivered().empty());

    // Every channel at once, held plays included; the channels stay open.
    EXPECT_EQ(Play(s, 0, x, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Play(s, 5, y, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Play(s, 6, y, WMIX_WAIT), MMSYSERR_NOERROR);
    EXPECT_EQ(WaveMixFlushChannel(s, 8, WMIX_ALL), MMSYSERR_NOERROR);
    EXPECT_EQ(Play(s, 7, x, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 4), (Samples{1, 2, 3, 0}));
    EXPECT_EQ(Delivered(), (std::vector{Done(7, x)}));
}

TEST_F(TMixPlay, LoopsRepeatTheWaveAndEndOnce) {
    TWaveMixSession* s = OpenSession();
    TMixWave* x = Open(s, Mono16({1, 2, 3}));
    EXPECT_EQ(Play(s, 4, x, WMIX_QUEUEWAVE, 2), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 4), (Samples{1, 2, 3, 1}));
    EXPECT_TRUE(Delivered().empty());
    EXPECT_EQ(Pull(s, 6), (Samples{2, 3, 1, 2, 3, 0}));
    EXPECT_EQ(Delivered(), (std::vector{Done(4, x)}));
    // Without a notify window a play ends quietly.
    MIXPLAYPARAMS params;
    params.hMixSession = s;
    params.lpMixWave = x;
    EXPECT_EQ(WaveMixPlay(&params), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 4), (Samples{1, 2, 3, 0}));
    EXPECT_TRUE(Delivered().empty());
}

TEST_F(TMixPlay, AnInactiveSessionPlaysNothingAndResumesOnActivation) {
    TWaveMixSession* s = OpenSession(1, 22, false);
    TMixWave* x = Open(s, Mono16({1, 2, 3}));
    EXPECT_EQ(Play(s, 0, x, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 4), (Samples{0, 0, 0, 0}));
    ASSERT_EQ(WaveMixActivate(s, true), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 1), (Samples{1}));
    ASSERT_EQ(WaveMixActivate(s, false), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 3), (Samples{0, 0, 0}));
    EXPECT_TRUE(Delivered().empty());
    ASSERT_EQ(WaveMixActivate(s, true), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 3), (Samples{2, 3, 0}));
    EXPECT_EQ(Delivered(), (std::vector{Done(0, x)}));
}

TEST_F(TMixPlay, FreeingAWaveStopsItsPlaysSilently) {
    TWaveMixSession* s = OpenSession();
    TMixWave* x = Open(s, Mono16({1, 2, 3}));
    TMixWave* y = Open(s, Mono16({10, 20}));
    EXPECT_EQ(Play(s, 0, x, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Play(s, 0, y, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Play(s, 1, x, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 1), (Samples{2}));
    EXPECT_EQ(WaveMixFreeWave(s, x), MMSYSERR_NOERROR);
    // The play queued behind the freed wave moves up.
    EXPECT_EQ(Pull(s, 3), (Samples{10, 20, 0}));
    EXPECT_EQ(Delivered(), (std::vector{Done(0, y)}));
    EXPECT_EQ(WaveMixFreeWave(s, x), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(Play(s, 0, x, WMIX_QUEUEWAVE), MMSYSERR_INVALHANDLE);
}

} // namespace

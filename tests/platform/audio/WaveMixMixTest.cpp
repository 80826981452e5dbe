// The mix itself: waves of different formats summed sample by sample, clipping, the output.
#include "WaveMixTestSupport.h"

namespace {

using namespace wave_image;
using TMixing = TWaveMixFixture;
using Samples = std::vector<i16>;

TEST_F(TMixing, WavesOfDifferentFormatsMixIntoTheSessionFormat) {
    TWaveMixSession* s = OpenSession(2, 22);
    // 8-bit mono at 11025 Hz: 2560 and 5120 once widened, one new frame between them.
    TMixWave* low = Open(s, Wave(1, 11025, 8, {128 + 10, 128 + 20}));
    // 16-bit stereo at 44100 Hz: every other frame is kept.
    TMixWave* high = Open(s, Wave(2, 44100, 16,
                                  Pcm16({100, -100, 200, -200, 300, -300, 400, -400, 500, -500, 600,
                                         -600, 700, -700, 800, -800})));
    EXPECT_EQ(Play(s, 0, low, WMIX_WAIT | WMIX_CLEARQUEUE), MMSYSERR_NOERROR);
    EXPECT_EQ(Play(s, 1, high, WMIX_HIPRIORITY | WMIX_CLEARQUEUE), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 5), (Samples{2660, 2460, 4140, 3540, 5620, 4620, 5820, 4420, 0, 0}));
    EXPECT_EQ(Delivered(), (std::vector{Done(0, low), Done(1, high)}));
}

TEST_F(TMixing, SumsBeyondTheSampleRangeAreClippedAndWavesAreCopies) {
    TWaveMixSession* s = OpenSession();
    TMixWave* a = Open(s, Mono16({30000, -30000, 20000}));
    TMixWave* b = Open(s, Mono16({10000, -10000, -25000}));
    // The wave is a copy: the image may go at once.
    std::vector<u8> image = Mono16({32767, -32768, 0});
    TMixWave* c = Open(s, image);
    std::fill(image.begin(), image.end(), u8{0xAA});
    EXPECT_EQ(Play(s, 0, a, WMIX_WAIT), MMSYSERR_NOERROR);
    EXPECT_EQ(Play(s, 1, b, WMIX_WAIT), MMSYSERR_NOERROR);
    EXPECT_EQ(Play(s, 2, c, WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    EXPECT_EQ(Pull(s, 3), (Samples{32767, -32768, -5000}));
}

TEST_F(TMixing, TheOutputFollowsTheActiveSession) {
    TWaveMixSession* first = OpenSession(1, 11, false);
    TWaveMixSession* second = OpenSession(2, 44, false);
    const TMixFormat mono11{11025, 1};
    const TMixFormat stereo44{44100, 2};
    EXPECT_EQ(GetWaveMixOutputFormat(), TMixFormat{});

    ASSERT_EQ(WaveMixActivate(first, true), MMSYSERR_NOERROR);
    // One session holds the output at a time.
    EXPECT_EQ(WaveMixActivate(second, true), MMSYSERR_ALLOCATED);
    EXPECT_EQ(GetWaveMixOutputFormat(), mono11);
    EXPECT_EQ(Play(first, 0, Open(first, Mono16({5, 6}, 11025)), WMIX_QUEUEWAVE), MMSYSERR_NOERROR);
    // A device asking for another format gets silence rather than misread samples.
    Samples wrong(4, 9);
    PullWaveMixOutput(wrong.data(), 2, stereo44);
    EXPECT_EQ(wrong, (Samples{0, 0, 0, 0}));
    Samples right(3, 9);
    PullWaveMixOutput(right.data(), 3, mono11);
    EXPECT_EQ(right, (Samples{5, 6, 0}));

    ASSERT_EQ(WaveMixActivate(first, false), MMSYSERR_NOERROR);
    ASSERT_EQ(WaveMixActivate(second, true), MMSYSERR_NOERROR);
    EXPECT_EQ(GetWaveMixOutputFormat(), stereo44);
    // Closing the active session releases the output.
    EXPECT_EQ(WaveMixCloseSession(second), MMSYSERR_NOERROR);
    Sessions.pop_back();
    EXPECT_EQ(GetWaveMixOutputFormat(), TMixFormat{});
    Samples none(4, 9);
    PullWaveMixOutput(none.data(), 2, TMixFormat{});
    EXPECT_EQ(none, (Samples{0, 0, 0, 0}));
}

} // namespace

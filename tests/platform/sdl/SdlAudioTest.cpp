// The audio device's work: the wave mix pulled as it is, MIDI added without wrapping, and
// the window thread woken only around sounding blocks.
#include "platform/sdl/SdlAudio.h"
#include "platform/audio/WaveMixOutput.h"
#include "platform/audio/WaveOut.h"
#include "tests/platform/audio/WaveMixTestSupport.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using Samples = std::vector<i16>;

TEST(SdlAudioMixTest, AddingClipsAtTheSixteenBitLimits) {
    struct TCase {
        i16 Into, Add, Sum;
    };
    const TCase cases[] = {
        {0, 0, 0},
        {100, -30, 70},
        {32000, 767, 32767},
        {32000, 800, 32767},
        {-32000, -769, -32768},
        {-32768, -32768, -32768},
        {32767, 32767, 32767},
        {32767, -32768, -1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Into) + " + " + std::to_string(c.Add));
        i16 into = c.Into;
        AddSamplesClipped(&into, &c.Add, 1);
        EXPECT_EQ(into, c.Sum);
    }
}

TEST(SdlAudioMixTest, TheWatchWakesForSoundingBlocksAndTheFirstSilentOneAfter) {
    TSoundWatch watch;
    const Samples silent(8, 0);
    Samples sounding(8, 0);
    sounding[5] = -1;
    const struct {
        const Samples* Block;
        bool Wake;
    } steps[] = {
        {&silent, false}, {&sounding, true}, {&sounding, true},
        {&silent, true},  {&silent, false},  {&silent, false},
    };
    int i = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(i++);
        EXPECT_EQ(watch.BlockPulled(s.Block->data(), s.Block->size()), s.Wake);
    }
}

using SdlAudioFillTest = TWaveMixFixture;

TEST_F(SdlAudioFillTest, ABlockIsTheMixersOutputAndItsEndWakesTheWindowThread) {
    // The device follows the default format until a session says otherwise: 22 kHz stereo.
    TWaveMixSession* s = OpenSession(2, 22);
    ASSERT_EQ(WaveMixActivate(s, true), MMSYSERR_NOERROR);
    TMixWave* wave = Open(s, wave_image::Mono16({1000, -2000, 32767}));
    ASSERT_EQ(Play(s, 0, wave, 0), MMSYSERR_NOERROR);

    int wakes = 0;
    TSdlAudio audio([&] { ++wakes; });
    ASSERT_EQ(audio.GetFormat(), GetWaveMixOutputFormat());
    Samples block(8, 99);
    audio.FillBlock(block.data(), 4);
    // No song plays, so the MIDI output adds nothing.
    EXPECT_EQ(block, (Samples{1000, 1000, -2000, -2000, 32767, 32767, 0, 0}));
    EXPECT_EQ(wakes, 1);
    // The play ended in that block: its notice waits for the window thread.
    EXPECT_EQ(Delivered(), (std::vector{Done(0, wave)}));

    audio.FillBlock(block.data(), 4);
    EXPECT_EQ(block, Samples(8, 0));
    EXPECT_EQ(wakes, 2);
    audio.FillBlock(block.data(), 4);
    EXPECT_EQ(wakes, 2);
}

TEST(SdlAudioDeviceTest, TheWaveOutCountIsWhetherTheDeviceOpens) {
    // SDL's silent driver opens anywhere; a driver it does not have stands for a machine
    // without a sound card.
    const struct {
        const char* Driver;
        u32 Count;
    } cases[] = {{"dummy", 1}, {"no-such-driver", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Driver);
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, c.Driver, SDL_HINT_OVERRIDE);
        {
            TSdlAudio audio(nullptr);
            EXPECT_EQ(waveOutGetNumDevs(), c.Count);
            EXPECT_EQ(audio.IsOpen(), c.Count == 1);
            // A device that failed is not tried again on the next question.
            EXPECT_EQ(audio.IsUnavailable(), c.Count == 0);
            EXPECT_EQ(waveOutGetNumDevs(), c.Count);
        }
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        // Without the device's probe the headless answer holds again.
        EXPECT_EQ(waveOutGetNumDevs(), 1U);
    }
}

} // namespace

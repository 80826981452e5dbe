// The engine's plays reach the SDL audio device's blocks, as they reach the headless backend's
// pulled mix.
#include "SoundFixture.h"

#include "platform/audio/WaveMixOutput.h"
#include "platform/sdl/SdlAudio.h"

#include <SDL2/SDL.h>

namespace {

using WaveMixDevice = SoundFixture;

TEST_F(WaveMixDevice, APumpedPlayFillsTheDevicesNextBlock) {
    StartSound();
    WriteWave("bell", LevelWave(1000, 64));
    TWav& bell = Wav("bell");
    bell.Play(Window->FrameCount);
    Mixer().Pump();
    // The device's blocks follow the mixer's format; this one is filled as its callback
    // would fill it.
    TSdlAudio device(nullptr);
    ASSERT_EQ(device.GetFormat(), GetWaveMixOutputFormat());
    std::vector<i16> block(2 * 80, 99);
    device.FillBlock(block.data(), 80);
    EXPECT_EQ(block[0], 1000);
    EXPECT_EQ(block[2 * 63 + 1], 1000);
    EXPECT_EQ(block[2 * 64], 0);
    // Its end is the window thread's to hear, as a notice.
    App.PumpWaitingMessages();
    EXPECT_TRUE(bell.HasFlags(JOF_STOP_REQUESTED));
}

TEST_F(WaveMixDevice, AHostWithoutAnOutputDeviceIsToldSoAndTheMixerStartsAnyway) {
    // A driver SDL does not have stands for a machine without a sound card: the device
    // cannot be opened.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "no-such-driver", SDL_HINT_OVERRIDE);
    {
        TSdlAudio device(nullptr);
        StartSound();
        EXPECT_FALSE(device.IsOpen());
    }
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Error - Audio");
    EXPECT_EQ(Boxes.Boxes[0].Text, "System reports there is no wave out devices");
    // Plays are taken and mixed as ever; nobody hears them.
    ASSERT_NE(Manager->GetWaveMix(), nullptr);
    WriteWave("bell", LevelWave(1000, 64));
    EXPECT_TRUE(Mixer().QueuePlay(&Wav("bell"), 0));
}

} // namespace

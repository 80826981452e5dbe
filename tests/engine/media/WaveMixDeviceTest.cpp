// The engine's plays reach the SDL audio device's blocks, as they reach the headless backend's
// pulled mix.
#include "SoundFixture.h"

#include "platform/audio/WaveMixOutput.h"
#include "platform/sdl/SdlAudio.h"

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

} // namespace

// The pulled output from another thread while the window thread plays, flushes and frees.
#include "WaveMixTestSupport.h"

#include <atomic>
#include <thread>

namespace {

using namespace wave_image;
using TMixThreads = TWaveMixFixture;

TEST_F(TMixThreads, TheDeviceThreadPullsWhileTheWindowThreadChangesEverything) {
    TWaveMixSession* s = OpenSession(2, 22);
    const std::vector<u8> image = Mono16(std::vector<i16>(300, 1));
    const TMixFormat format{22050, 2};

    std::atomic<bool> stop{false};
    std::atomic<int> pulls{0};
    std::atomic<bool> outOfRange{false};
    std::thread device([&] {
        std::vector<i16> buffer(2 * 64);
        while (!stop.load()) {
            PullWaveMixOutput(buffer.data(), 64, format);
            // At most eight channels of a wave of ones can sound at once.
            for (i16 v : buffer)
                if (v < 0 || v > 8)
                    outOfRange = true;
            ++pulls;
        }
    });

    for (int round = 0; round < 200; ++round) {
        TMixWave* wave = Open(s, image);
        for (i32 channel = 0; channel < 8; ++channel) {
            EXPECT_EQ(Play(s, channel, wave, channel == 7 ? WMIX_CLEARQUEUE : WMIX_WAIT),
                      MMSYSERR_NOERROR);
        }
        if (round % 3 == 0) {
            EXPECT_EQ(WaveMixFlushChannel(s, round % 8, 0), MMSYSERR_NOERROR);
        }
        WaveMixPump();
        EXPECT_EQ(WaveMixFreeWave(s, wave), MMSYSERR_NOERROR);
        if (round % 50 == 49) {
            EXPECT_EQ(WaveMixActivate(s, false), MMSYSERR_NOERROR);
            EXPECT_EQ(WaveMixActivate(s, true), MMSYSERR_NOERROR);
        }
    }
    // Closing the session the device is pulling from must be safe as well.
    EXPECT_EQ(WaveMixCloseSession(s), MMSYSERR_NOERROR);
    Sessions.clear();
    const int before = pulls.load();
    while (pulls.load() < before + 2)
        std::this_thread::yield();
    stop = true;
    device.join();
    EXPECT_FALSE(outOfRange.load());
}

} // namespace

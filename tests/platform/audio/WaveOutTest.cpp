// The wave-out device count: the backend's probe decides it, a test's override beats both.
#include "platform/audio/WaveOut.h"

#include <gtest/gtest.h>

namespace {

TEST(WaveOutTest, TheCountFollowsTheProbeUnlessOverridden) {
    EXPECT_EQ(waveOutGetNumDevs(), 1U);
    int asked = 0;
    bool opens = false;
    SetWaveOutDeviceProbe([&] {
        ++asked;
        return opens;
    });
    EXPECT_EQ(waveOutGetNumDevs(), 0U);
    opens = true;
    EXPECT_EQ(waveOutGetNumDevs(), 1U);
    EXPECT_EQ(asked, 2);
    SetWaveOutDeviceCountOverride(0U);
    EXPECT_EQ(waveOutGetNumDevs(), 0U);
    EXPECT_EQ(asked, 2);
    SetWaveOutDeviceCountOverride(std::nullopt);
    SetWaveOutDeviceProbe(nullptr);
    opens = false;
    EXPECT_EQ(waveOutGetNumDevs(), 1U);
    EXPECT_EQ(asked, 2);
}

} // namespace

// The animated icon's frames.
#include "engine/media/AnimatedIcons.h"

#include "platform/framework/window/FrameWindow.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(AnimatedIcons, FramesCycleAndNoFramesShowNothing) {
    THeadlessSession session;
    TFrameWindow frame(nullptr, "Icon");
    ASSERT_TRUE(frame.Create());
    frame.SetIcon(nullptr, 1001);
    TJorpAnimatedIcons icons;
    // Nothing loaded: no frame, no icon change, and no division by a count of 0.
    icons.NextFrame(frame);
    EXPECT_EQ(frame.GetIconId(), 1001U);
    icons.SetFrames(0, nullptr);
    icons.NextFrame(frame);
    EXPECT_EQ(frame.GetIconId(), 1001U);

    EXPECT_TRUE(icons.StartTimer(frame));
    icons.LoadIconIds();
    EXPECT_EQ(icons.GetConfiguredCount(), 31);
    std::vector<u32> shown;
    for (int tick = 0; tick < 33; ++tick) {
        icons.NextFrame(frame);
        shown.push_back(frame.GetIconId());
    }
    EXPECT_EQ(shown[0], 11019U);
    EXPECT_EQ(shown[30], 11049U);
    // The 32nd tick shows the first icon again.
    EXPECT_EQ(shown[31], 11019U);
    EXPECT_EQ(shown[32], 11020U);
    // A longer list than the icon can hold keeps the first 33.
    std::vector<u32> many(40, 7);
    icons.SetFrames(40, many.data());
    EXPECT_EQ(icons.GetActiveCount(), TJorpAnimatedIcons::MaxFrames);
    frame.Destroy();
}

} // namespace

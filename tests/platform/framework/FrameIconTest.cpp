// The frame's icon reaching the host window through the backend.
#include "FrameFixture.h"

#include "platform/framework/ResourceRegistry.h"

namespace {

TIconImage Solid(i32 size, u32 argb) {
    TIconImage image;
    image.Width = size;
    image.Height = size;
    image.Pixels.assign(static_cast<size_t>(size) * static_cast<size_t>(size), argb);
    return image;
}

class FrameIconTest : public FrameFixture {};

TEST_F(FrameIconTest, OnlyAKnownIconOfATopLevelFrameReachesTheHost) {
    TResourceRegistry::Get().AddIcon(1001, Solid(32, 0xFF102030));
    TResourceRegistry::Get().AddIcon(7, Solid(16, 0x80405060));
    // The icon chosen before the window exists is shown once it is set up.
    TTestFrame* frame = new TTestFrame;
    frame->SetClientWindow(new TTestClient);
    App.SetMainWindow(frame);
    frame->SetIcon(&App, 1001);
    ASSERT_TRUE(frame->Create());
    THeadlessBackend& backend = Fx.Backend();
    EXPECT_EQ(backend.GetHostIcon().Width, 32);
    EXPECT_EQ(backend.GetHostIcon().Pixels, Solid(32, 0xFF102030).Pixels);

    struct Case {
        const char* Name;
        bool Child;
        u32 Id;
        bool Shown;
        i32 ShownWidth;
    };
    // A child frame is not the host window; an id with no picture keeps the last one shown.
    for (const Case& c :
         {Case{"another icon", false, 7, true, 16}, Case{"no such icon", false, 11019, false, 16},
          Case{"a child frame", true, 1001, false, 16},
          Case{"back to the first", false, 1001, true, 32}}) {
        SCOPED_TRACE(c.Name);
        const u32 before = backend.GetHostIconCount();
        if (c.Child) {
            TFrameWindow* child = new TFrameWindow(frame, "child");
            child->SetIcon(&App, c.Id);
        } else {
            frame->SetIcon(&App, c.Id);
            EXPECT_EQ(frame->GetIconId(), c.Id);
        }
        EXPECT_EQ(backend.GetHostIconCount() - before, c.Shown ? 1U : 0U);
        EXPECT_EQ(backend.GetHostIcon().Width, c.ShownWidth);
    }
}

} // namespace

// The credits over the table on the built data set: shown only with their picture, the game
// held still while they show and running again after, an earlier pause left in place.
#include "ProgramSupport.h"

#include "platform/framework/draw/BitmapResources.h"
#include "platform/framework/window/Desktop.h"

namespace {

constexpr u32 CreditsBitmap = 9;

class Credits : public ProgramFixture {
protected:
    Credits() {
        Build();
        Dir.WriteHostFile("otcraps.ini", "[Intro]\nShow=0\n");
    }
    ~Credits() override { TBitmapResources::Get().Clear(); }

    static u32 Frames() { return Mode()->GetFrameTimer()->GetCounter(); }
    static bool DialogUp() {
        TWindow* active = TDesktop::Get().GetActiveWindow();
        return active != nullptr && active != Frame();
    }
};

TEST_F(Credits, ShowOverAHeldGameOnlyWithTheirPictureAndTheGameRunsOnAfter) {
    struct Case {
        const char* Name;
        bool Picture;
        bool PausedBefore;
    };
    const Case cases[] = {{"picture", true, false},
                          {"picture, game paused before", true, true},
                          {"no picture", false, false}};
    THeadlessBackend& backend = Session.Backend();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TBitmapResources::Get().Clear();
        if (c.Picture) {
            TDibImage picture;
            picture.Width = picture.Height = 8;
            picture.Colors = {{0x10, 0x80, 0x20, 0}};
            picture.Pixels.assign(64, 0);
            ASSERT_TRUE(TBitmapResources::Get().Add(CreditsBitmap, picture));
        }
        bool shown = false, pausedInside = false, pausedAfter = !c.PausedBefore;
        u32 atOpen = 0, atClose = 0, after = 0, later = 0;
        const u64 start = backend.Now();
        backend.At(start + 800, [&] {
            Mode()->SetPaused(c.PausedBefore);
            Post(CM_VIEWCREDITS);
        });
        backend.At(start + 1000, [&] {
            shown = DialogUp();
            pausedInside = Mode()->IsPaused();
            atOpen = Frames();
        });
        backend.At(start + 2000, [&] {
            atClose = Frames();
            if (DialogUp())
                backend.Key(VK_ESCAPE);
        });
        backend.At(start + 2200, [&] {
            pausedAfter = Mode()->IsPaused();
            after = Frames();
        });
        backend.At(start + 3200, [&] { later = Frames(); });
        CloseAt(start + 3300);
        EXPECT_EQ(RunOwlMain(), 0);
        EXPECT_EQ(shown, c.Picture);
        EXPECT_EQ(pausedAfter, c.PausedBefore);
        EXPECT_EQ(later > after, !c.PausedBefore) << after << " " << later;
        if (c.Picture) {
            EXPECT_TRUE(pausedInside);
            EXPECT_EQ(atClose, atOpen) << "no frame while the credits show";
        } else {
            EXPECT_FALSE(pausedInside);
        }
    }
    EXPECT_TRUE(Boxes.Boxes.empty());
}

} // namespace

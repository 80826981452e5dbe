// The host window fitted to stand-in displays: usable areas with and without panels, window
// managers' title bars known or still to be told, and sizes kept from earlier runs.
#include "platform/sdl/SdlWindowFit.h"
#include "platform/sdl/SdlViewport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The game's frame less its caption and border: its menu bar and 640 x 480 client area.
constexpr TSize Frame{640, 499};
// A window manager's title bar and borders (openbox's own theme).
constexpr TSdlFrameEdges TitleBar{20, 1, 5, 1};

// The window with its title bar and borders.
TRect Outer(const TRect& client, const TSdlFrameEdges& e) {
    return {client.left - e.Left, client.top - e.Top, client.right + e.Right,
            client.bottom + e.Bottom};
}

TEST(SdlWindowFitTest, TheWholeWindowFitsTheUsableAreaInTheTablesProportions) {
    struct TCase {
        const char* Name;
        TSdlDisplayRoom Display;
        TSize Window;
    };
    const TCase cases[] = {
        // The screen's full height once went to the client area, and the title bar pushed the
        // table's bottom rows off the screen.
        {"1280x720 under a title bar", {{0, 0, 1280, 720}, TitleBar}, {891, 695}},
        {"1366x768 under a title bar", {{0, 0, 1366, 768}, TitleBar}, {953, 743}},
        // A panel along the top and one along the bottom take their rows too.
        {"1366x768 between panels", {{0, 27, 1366, 736}, TSdlFrameEdges{37, 0, 0, 0}}, {862, 672}},
        // Before the window manager has said: room for the guessed title bar.
        {"1280x720, decorations not yet told", {{0, 0, 1280, 720}, std::nullopt}, {867, 676}},
        // No window manager: nothing around the client area.
        {"1280x720 without a window manager", {{0, 0, 1280, 720}, TSdlFrameEdges{}}, {923, 720}},
        // Twice the frame fits: the whole scale, on a second display to the right.
        {"1920x1080 beside another", {{1920, 0, 3840, 1050}, TitleBar}, {1280, 998}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TSize size = SdlOpeningSize(Frame, c.Display);
        EXPECT_EQ(size, c.Window);
        const TRect client = PlaceSdlWindow(size, c.Display);
        EXPECT_EQ(client.Size(), size);
        const TRect outer = Outer(client, c.Display.FrameEdges());
        EXPECT_EQ(outer & c.Display.Usable, outer) << "off the usable area";
        // Centred, and the picture fills the window: the table's proportions, no bars.
        EXPECT_LE(
            std::abs((outer.left - c.Display.Usable.left) - (c.Display.Usable.right - outer.right)),
            1);
        EXPECT_EQ(TSdlViewport::For({{0, 0}, Frame}, size).Picture, (TRect{{0, 0}, size}));
    }
}

TEST(SdlWindowFitTest, AKeptSizeTheDisplayCannotHoldWithItsTitleBarIsFittedAgain) {
    const TSdlDisplayRoom small{{0, 0, 1280, 720}, TitleBar};
    struct TCase {
        TSize Kept;
        TSize Window;
    };
    const TCase cases[] = {
        // Within the screen's own bounds, but not with the title bar over it.
        {{923, 720}, {891, 695}},
        {{1280, 700}, {891, 695}},
        {{1279, 695}, {891, 695}},
        // What the room holds is the player's size, whatever its proportions.
        {{1278, 695}, {1278, 695}},
        {{1001, 600}, {1001, 600}},
        {{700, 500}, {700, 500}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Kept.cx) + "x" + std::to_string(c.Kept.cy));
        EXPECT_EQ(SdlOpeningSize(Frame, small, c.Kept), c.Window);
        // A whole scale asked for gives way to a kept size, and a kept size too large to it.
        EXPECT_EQ(SdlOpeningSize(Frame, small, c.Kept, 1),
                  c.Window == c.Kept ? c.Kept : TSize(640, 499));
    }
    // A display smaller than the frame still shows it whole; its title bar stays on the screen.
    const TSdlDisplayRoom tiny{{0, 0, 640, 480}, TitleBar};
    const TSize size = SdlOpeningSize(Frame, tiny, {1280, 998});
    EXPECT_EQ(size, Frame);
    EXPECT_EQ(PlaceSdlWindow(size, tiny).TopLeft(), TPoint(1, 20));
}

} // namespace

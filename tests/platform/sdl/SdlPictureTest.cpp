// What a frame costs the window: only pixels that really changed count, and the GL libraries
// that draw on the processor are told from those that do not.
#include "platform/sdl/SdlPicture.h"
#include "platform/sdl/SdlRenderer.h"

#include <gtest/gtest.h>

namespace {

TEST(SdlPictureTest, OnlyThePixelsThatDifferWithinTheRectangleCount) {
    TScreenSurface before({800, 600});
    before.Fill(before.Bounds(), 0xFF008080U);
    struct TCase {
        const char* Name;
        std::vector<TPoint> Changed;
        TRect Within;
        TRect Differing;
    };
    const TCase cases[] = {
        {"a frame that drew the same pixels again", {}, {80, 60, 720, 540}, {}},
        {"one pixel", {{300, 200}}, {80, 60, 720, 540}, {300, 200, 301, 201}},
        {"two pixels far apart", {{100, 500}, {700, 70}}, {80, 60, 720, 540}, {100, 70, 701, 501}},
        {"a change outside the rectangle is not this frame's", {{10, 10}}, {80, 60, 720, 540}, {}},
        {"the rectangle's edges", {{80, 60}, {719, 539}}, {80, 60, 720, 540}, {80, 60, 720, 540}},
        {"a rectangle past the screen", {{799, 599}}, {700, 500, 900, 700}, {799, 599, 800, 600}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TScreenSurface after = before;
        for (const TPoint p : c.Changed)
            after.SetPixel(p.x, p.y, 0xFF000000U);
        EXPECT_EQ(DifferingBounds(after, before, c.Within), c.Differing);
    }
    // Surfaces of different sizes cannot be compared: all of the rectangle counts.
    const TScreenSurface small({640, 480});
    EXPECT_EQ(DifferingBounds(small, before, {10, 10, 20, 20}), (TRect{10, 10, 20, 20}));
}

TEST(SdlPictureTest, GlThatDrawsOnTheProcessorIsKnownByItsRendererString) {
    struct TCase {
        const char* Renderer;
        bool Software;
    };
    const TCase cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
        {"softpipe", true},
        {"Mesa DRI swrast", true},
        {"GDI Generic Software Rasterizer", true},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
        {"NVIDIA GeForce GTX 1060/PCIe/SSE2", false},
        {"AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49, 6.1.0)", false},
        {"", false},
        {nullptr, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Renderer != nullptr ? c.Renderer : "(none)");
        EXPECT_EQ(IsSoftwareGl(c.Renderer), c.Software);
    }
}

} // namespace

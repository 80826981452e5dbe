// The 8-bit back-buffer library: its ten entry points bound by name through the loader, and
// a back buffer drawn into through its pointer and shown through its colour table.
#include "platform/framework/draw/WinG.h"
#include "platform/framework/draw/Dc.h"
#include "platform/host/Library.h"

#include <gtest/gtest.h>

namespace {

class WinGTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterWinGLibrary();
        Module = LoadLibraryA("WING32.DLL");
        ASSERT_NE(Module, nullptr);
    }
    void TearDown() override {
        FreeLibrary(Module);
        UnregisterBuiltinLibraries();
    }

    template <class F> F Bind(const char* name) {
        return reinterpret_cast<F>(GetProcAddress(Module, name));
    }

    THostModule* Module = nullptr;
};

TEST_F(WinGTest, AllTenEntryPointsBindByName) {
    const std::pair<const char*, TProcAddress> expected[] = {
        {"WinGCreateDC", reinterpret_cast<TProcAddress>(&WinGCreateDC)},
        {"WinGRecommendDIBFormat", reinterpret_cast<TProcAddress>(&WinGRecommendDIBFormat)},
        {"WinGCreateBitmap", reinterpret_cast<TProcAddress>(&WinGCreateBitmap)},
        {"WinGGetDIBPointer", reinterpret_cast<TProcAddress>(&WinGGetDIBPointer)},
        {"WinGGetDIBColorTable", reinterpret_cast<TProcAddress>(&WinGGetDIBColorTable)},
        {"WinGSetDIBColorTable", reinterpret_cast<TProcAddress>(&WinGSetDIBColorTable)},
        {"WinGCreateHalftonePalette", reinterpret_cast<TProcAddress>(&WinGCreateHalftonePalette)},
        {"WinGCreateHalftoneBrush", reinterpret_cast<TProcAddress>(&WinGCreateHalftoneBrush)},
        {"WinGBitBlt", reinterpret_cast<TProcAddress>(&WinGBitBlt)},
        {"WinGStretchBlt", reinterpret_cast<TProcAddress>(&WinGStretchBlt)},
    };
    for (const auto& [name, address] : expected)
        EXPECT_EQ(GetProcAddress(Module, name), address) << name;
    EXPECT_EQ(GetProcAddress(Module, "WinGSetPixel"), nullptr);
}

TEST_F(WinGTest, ABackBufferIsShownThroughItsColourTable) {
    const auto createDc = Bind<TWinGCreateDC>("WinGCreateDC");
    const auto recommend = Bind<TWinGRecommendDIBFormat>("WinGRecommendDIBFormat");
    const auto createBitmap = Bind<TWinGCreateBitmap>("WinGCreateBitmap");
    const auto getPointer = Bind<TWinGGetDIBPointer>("WinGGetDIBPointer");
    const auto setColors = Bind<TWinGSetDIBColorTable>("WinGSetDIBColorTable");
    const auto getColors = Bind<TWinGGetDIBColorTable>("WinGGetDIBColorTable");
    const auto bitBlt = Bind<TWinGBitBlt>("WinGBitBlt");

    BITMAPINFO info;
    ASSERT_TRUE(recommend(&info));
    EXPECT_LT(info.bmiHeader.biHeight, 0);
    EXPECT_EQ(info.bmiHeader.biBitCount, 8);
    EXPECT_FALSE(recommend(nullptr));
    info.bmiHeader.biWidth = 640;
    info.bmiHeader.biHeight = -480;
    for (int i = 0; i < 256; ++i)
        info.bmiColors[i] = {static_cast<u8>(i), static_cast<u8>(i / 2), static_cast<u8>(255 - i),
                             0};

    HDC buffer = createDc();
    void* bits = nullptr;
    HBITMAP bitmap = createBitmap(buffer, &info, &bits);
    ASSERT_NE(bitmap, nullptr);
    ASSERT_NE(bits, nullptr);
    const HBITMAP initial = SelectObject(buffer, bitmap);
    ASSERT_NE(initial, nullptr);
    BITMAPINFO back;
    EXPECT_EQ(getPointer(bitmap, &back), bits);
    EXPECT_EQ(back.bmiHeader.biHeight, -480);
    EXPECT_EQ(back.bmiColors[200], info.bmiColors[200]);

    // Top-down rows of 640 bytes: write a pattern and present a rectangle of it 1:1.
    u8* pixels = static_cast<u8*>(bits);
    for (i32 y = 0; y < 480; ++y)
        for (i32 x = 0; x < 640; ++x)
            pixels[y * 640 + x] = static_cast<u8>(x + y);
    TScreenSurface screen({800, 600});
    TDC window(screen, {80, 40}, TRegion(TRect{80, 40, 720, 520}));
    EXPECT_TRUE(bitBlt(window, 100, 50, 20, 10, buffer, 100, 50));
    const RGBQUAD q = info.bmiColors[static_cast<u8>(105 + 52)];
    EXPECT_EQ(screen.GetPixel(80 + 105, 40 + 52), MakeArgb(q.rgbRed, q.rgbGreen, q.rgbBlue));
    EXPECT_EQ(screen.GetPixel(80 + 120, 40 + 52), 0xFF000000U);

    // A new colour table changes the picture without touching the pixels.
    const RGBQUAD white{255, 255, 255, 0};
    EXPECT_EQ(setColors(buffer, 157, 1, &white), 1U);
    RGBQUAD check;
    EXPECT_EQ(getColors(buffer, 157, 1, &check), 1U);
    EXPECT_EQ(check, white);
    bitBlt(window, 100, 50, 20, 10, buffer, 100, 50);
    EXPECT_EQ(screen.GetPixel(80 + 105, 40 + 52), 0xFFFFFFFFU);

    SelectObject(buffer, initial);
    EXPECT_TRUE(DeleteDC(buffer));
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST_F(WinGTest, OnlyEightBitUncompressedBitmapsAreMade) {
    const auto createBitmap = Bind<TWinGCreateBitmap>("WinGCreateBitmap");
    HDC dc = WinGCreateDC();
    struct TCase {
        i32 Width, Height;
        u16 BitCount;
        u32 Compression;
        bool Made;
    };
    const TCase cases[] = {
        {640, 480, 8, BI_RGB, true},  {640, -480, 8, BI_RGB, true}, {640, 480, 24, BI_RGB, false},
        {640, 480, 8, 1, false},      {0, 480, 8, BI_RGB, false},   {640, 0, 8, BI_RGB, false},
        {5000, 10, 8, BI_RGB, false},
    };
    for (const TCase& c : cases) {
        BITMAPINFO info;
        info.bmiHeader.biWidth = c.Width;
        info.bmiHeader.biHeight = c.Height;
        info.bmiHeader.biBitCount = c.BitCount;
        info.bmiHeader.biCompression = c.Compression;
        void* bits = reinterpret_cast<void*>(1);
        HBITMAP bitmap = createBitmap(dc, &info, &bits);
        EXPECT_EQ(bitmap != nullptr, c.Made) << c.Width << "x" << c.Height << " " << c.BitCount;
        EXPECT_EQ(bits != nullptr, c.Made);
        DeleteObject(bitmap);
    }
    void* bits = nullptr;
    BITMAPINFO info;
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = 4;
    EXPECT_EQ(createBitmap(nullptr, &info, &bits), nullptr);
    DeleteDC(dc);
}

TEST_F(WinGTest, StretchingAndHalftonesWorkThroughTheTable) {
    const auto stretch = Bind<TWinGStretchBlt>("WinGStretchBlt");
    const auto halftone = Bind<TWinGCreateHalftonePalette>("WinGCreateHalftonePalette");
    const auto halftoneBrush = Bind<TWinGCreateHalftoneBrush>("WinGCreateHalftoneBrush");

    HPALETTE palette = halftone();
    ASSERT_NE(palette, nullptr);
    PALETTEENTRY entries[256];
    ASSERT_EQ(GetPaletteEntries(palette, 0, 256, entries), 256U);
    EXPECT_EQ(entries[0], (PALETTEENTRY{0, 0, 0, 0}));
    EXPECT_EQ(entries[255], (PALETTEENTRY{255, 255, 255, 0}));
    // The colour cube holds pure red at full strength.
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(255, 0, 0)) != CLR_INVALID, true);
    PALETTEENTRY nearest;
    GetPaletteEntries(palette, GetNearestPaletteIndex(palette, RGB(250, 5, 50)), 1, &nearest);
    EXPECT_EQ(nearest, (PALETTEENTRY{255, 0, 51, PC_NOCOLLAPSE}));
    DeleteObject(palette);

    HDC dc = WinGCreateDC();
    HBRUSH brush = halftoneBrush(dc, RGB(250, 5, 50), WING_DISPERSED_4x4);
    ASSERT_NE(brush, nullptr);
    TScreenSurface screen({4, 4});
    TDC target(screen, {0, 0}, TRegion(screen.Bounds()));
    TRect all{0, 0, 4, 4};
    FillRect(target, &all, brush);
    EXPECT_EQ(screen.GetPixel(3, 3), MakeArgb(255, 0, 51));
    DeleteObject(brush);

    BITMAPINFO info;
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = -1;
    info.bmiColors[1] = {0, 0, 255, 0};
    void* bits = nullptr;
    HBITMAP bitmap = WinGCreateBitmap(dc, &info, &bits);
    static_cast<u8*>(bits)[1] = 1;
    SelectObject(dc, bitmap);
    EXPECT_TRUE(stretch(target, 0, 0, 4, 2, dc, 0, 0, 2, 1));
    EXPECT_EQ(screen.GetPixel(1, 1), 0xFF000000U);
    EXPECT_EQ(screen.GetPixel(2, 0), 0xFFFF0000U);
    EXPECT_EQ(screen.GetPixel(2, 2), MakeArgb(255, 0, 51));
    DeleteDC(dc);
    DeleteObject(bitmap);
}

} // namespace

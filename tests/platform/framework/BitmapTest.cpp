// Bitmaps from resources: the ".bmp" reader against good and damaged images, the resource
// registry, and TBitmap drawn through a memory DC.
#include "platform/framework/draw/BitmapResources.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/window/Module.h"

#include <gtest/gtest.h>

namespace {

void Put16(std::vector<u8>& b, u16 v) {
    b.push_back(static_cast<u8>(v));
    b.push_back(static_cast<u8>(v >> 8));
}

void Put32(std::vector<u8>& b, u32 v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<u8>(v >> (8 * i)));
}

// A 3 x 2 8-bit image with two colours: rows stored bottom first unless topDown.
std::vector<u8> MakeBmp(bool topDown, u16 bitCount = 8, u32 colorsUsed = 2) {
    std::vector<u8> b;
    const u32 stride = 4;
    const u32 colors = colorsUsed == 0 ? 256 : colorsUsed;
    const u32 offset = 14 + 40 + 4 * colors;
    b.push_back('B');
    b.push_back('M');
    Put32(b, offset + stride * 2);
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, 3);
    Put32(b, static_cast<u32>(topDown ? -2 : 2));
    Put16(b, 1);
    Put16(b, bitCount);
    Put32(b, 0);
    Put32(b, stride * 2);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, colorsUsed);
    Put32(b, 0);
    for (u32 i = 0; i < colors; ++i) {
        b.push_back(static_cast<u8>(i == 1 ? 255 : 0)); // blue
        b.push_back(0);
        b.push_back(static_cast<u8>(i == 0 ? 255 : 0)); // red
        b.push_back(0);
    }
    // The top row is 0 1 0, the bottom row 1 1 0.
    const u8 top[4] = {0, 1, 0, 0xEE};
    const u8 bottom[4] = {1, 1, 0, 0xEE};
    for (const u8* row :
         topDown ? std::vector<const u8*>{top, bottom} : std::vector<const u8*>{bottom, top})
        b.insert(b.end(), row, row + 4);
    return b;
}

TEST(BitmapTest, ReadsEightBitImagesEitherWayUp) {
    for (const bool topDown : {false, true}) {
        const auto image = ParseBmpImage(MakeBmp(topDown));
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->Width, 3);
        EXPECT_EQ(image->Height, 2);
        ASSERT_EQ(image->Colors.size(), 2U);
        EXPECT_EQ(image->Colors[0].rgbRed, 255);
        EXPECT_EQ(image->Colors[1].rgbBlue, 255);
        EXPECT_EQ(image->Pixels, (std::vector<u8>{0, 1, 0, 1, 1, 0}));
    }
    // No colour count means a full table.
    const auto full = ParseBmpImage(MakeBmp(false, 8, 0));
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->Colors.size(), 256U);
}

TEST(BitmapTest, DamagedOrUnsupportedImagesAreRefused) {
    const std::vector<u8> good = MakeBmp(false);
    for (size_t length = 0; length < good.size(); ++length)
        EXPECT_FALSE(ParseBmpImage(std::span(good.data(), length)).has_value()) << length;

    struct TCase {
        size_t At;
        std::vector<u8> Bytes;
        const char* What;
    };
    const TCase cases[] = {
        {0, {'X'}, "tag"},
        {10, {0xFF, 0xFF, 0, 0}, "pixel offset past the end"},
        {14, {10, 0, 0, 0}, "short information header"},
        {18, {0, 0, 0, 0}, "zero width"},
        {18, {0xFF, 0xFF, 0xFF, 0xFF}, "negative width"},
        {18, {0, 0x10, 0, 0}, "too wide"},
        {22, {0, 0, 0, 0x80}, "the most negative height"},
        {26, {2, 0}, "two planes"},
        {28, {24, 0}, "24 bits"},
        {30, {1, 0, 0, 0}, "run-length compressed"},
        {46, {1, 1, 0, 0}, "more than 256 colours"},
    };
    for (const TCase& c : cases) {
        std::vector<u8> bad = good;
        std::copy(c.Bytes.begin(), c.Bytes.end(), bad.begin() + static_cast<std::ptrdiff_t>(c.At));
        EXPECT_FALSE(ParseBmpImage(bad).has_value()) << c.What;
    }
}

TEST(BitmapTest, ResourcesGiveBitmapsOfTheirSize) {
    TBitmapResources& resources = TBitmapResources::Get();
    resources.Clear();
    const auto image = ParseBmpImage(MakeBmp(false));
    ASSERT_TRUE(image.has_value());
    ASSERT_TRUE(resources.Add(4, *image));
    TDibImage mismatched = *image;
    mismatched.Pixels.pop_back();
    EXPECT_FALSE(resources.Add(5, mismatched));

    TModule module("otcraps");
    TBitmap bitmap(module, 4);
    ASSERT_TRUE(bitmap.IsValid());
    EXPECT_EQ(bitmap.Size(), TSize(3, 2));
    TBitmap absent(module, 99);
    EXPECT_FALSE(absent.IsValid());
    EXPECT_EQ(absent.Width(), 0);

    // Drawn 1:1 through a memory DC, in the picture's own colours.
    TScreenSurface surface({4, 3});
    TDC dc(surface, {0, 0}, TRegion(surface.Bounds()));
    TMemoryDC memory(dc);
    ASSERT_TRUE(memory.SelectObject(bitmap));
    EXPECT_TRUE(dc.StretchBlt(0, 0, bitmap.Width(), bitmap.Height(), memory, 0, 0, bitmap.Width(),
                              bitmap.Height()));
    EXPECT_EQ(surface.GetPixel(0, 0), MakeArgb(255, 0, 0));
    EXPECT_EQ(surface.GetPixel(1, 0), MakeArgb(0, 0, 255));
    EXPECT_EQ(surface.GetPixel(0, 1), MakeArgb(0, 0, 255));
    EXPECT_EQ(surface.GetPixel(3, 0), 0xFF000000U);
    resources.Clear();
}

TEST(BitmapTest, DeviceBitmapsHoldWhatTheyAreGiven) {
    const u8 indices[] = {1, 2, 3, 0, 4, 5, 6, 0}; // 3 wide, rows padded to 2 bytes
    TBitmap bitmap(3, 2, 1, 8, indices);
    ASSERT_TRUE(bitmap.IsValid());
    TMemoryDC dc;
    dc.SelectObject(bitmap);
    // Without a colour table of its own an 8-bit bitmap shows the system palette.
    EXPECT_EQ(dc.GetPixel(0, 0).GetValue(), RGB(128, 0, 0));
    EXPECT_EQ(dc.GetPixel(2, 1).GetValue(), RGB(0, 128, 128));
    EXPECT_FALSE(TBitmap(3, 2, 1, 4, nullptr).IsValid());
    EXPECT_FALSE(TBitmap(0, 2, 1, 8, nullptr).IsValid());
    EXPECT_FALSE(TBitmap(5000, 2, 1, 8, nullptr).IsValid());

    TBitmap colour(dc, 2, 2);
    BITMAP info;
    ASSERT_EQ(GetObject(colour, sizeof(info), &info), static_cast<int>(sizeof(info)));
    EXPECT_EQ(info.bmWidth, 2);
    EXPECT_EQ(info.bmBitsPixel, 32);
}

} // namespace

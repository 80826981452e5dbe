// Screenshots: PNG files written from the desktop read back with the same pixels.
#include "platform/headless/PngWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

TEST(PngTest, WrittenPixelsReadBackUnchanged) {
    TTempDir dir;
    TScreenSurface s(TSize(7, 5));
    s.Fill(s.Bounds(), MakeArgb(1, 2, 3));
    s.Fill({2, 1, 5, 4}, MakeArgb(250, 128, 0));
    s.SetPixel(6, 4, MakeArgb(0, 0, 255));
    const std::string path = dir.Host("shot.png").string();
    ASSERT_TRUE(WritePng(path, s));
    const std::optional<TScreenSurface> back = ReadPng(path);
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->GetSize(), s.GetSize());
    for (i32 y = 0; y < 5; ++y)
        for (i32 x = 0; x < 7; ++x)
            EXPECT_EQ(back->GetPixel(x, y), s.GetPixel(x, y)) << x << "," << y;
}

TEST(PngTest, NotAPngIsRefused) {
    TTempDir dir;
    const std::string path = dir.Host("bad.png").string();
    std::ofstream(path) << "not a picture";
    EXPECT_FALSE(ReadPng(path).has_value());
    EXPECT_FALSE(ReadPng(dir.Host("missing.png").string()).has_value());
    EXPECT_FALSE(WritePng(dir.Host("no/such/dir/x.png").string(), TScreenSurface(TSize(2, 2))));
}

} // namespace

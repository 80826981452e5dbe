// Bitmaps: hostile ".bmp" files, row copies between every orientation with clipping to both
// sides, and one-colour fills.
#include "MediaFixture.h"

#include <cstring>
#include <limits>

namespace {

// A bitmap drawn into: its own pixels, top-down or bottom-up, at a place on the screen.
class TTargetBmp : public TBmp {
public:
    TTargetBmp(i32 x, i32 y, i32 width, i32 height, bool topDown, u8 fill = 0xEE)
        : Pixels(static_cast<size_t>((width + 3) / 4 * 4 * height), fill) {
        auto info = std::make_unique<TBitmapInfo>(256);
        info->Get()->bmiHeader.biWidth = width;
        info->Get()->bmiHeader.biHeight = topDown ? -height : height;
        SetRect({x, y, x, y});
        AdoptBits(std::move(info), Pixels.data(), nullptr);
    }
    // The pixel at a screen point.
    u8 At(i32 x, i32 y) const {
        const i32 row = IsTopDown() ? y - GetRect().top : PixelHeight() - 1 - (y - GetRect().top);
        return Pixels[static_cast<size_t>(row * GetPitch() + x - GetRect().left)];
    }
    std::vector<u8> Pixels;
};

// Pixel (x, y) of a w x h picture: a value that tells every pixel apart.
u8 PixelValue(i32 x, i32 y) {
    return static_cast<u8>(1 + x + 16 * y);
}

std::vector<u8> Picture(i32 width, i32 height) {
    std::vector<u8> pixels;
    for (i32 y = 0; y < height; ++y)
        for (i32 x = 0; x < width; ++x)
            pixels.push_back(PixelValue(x, y));
    return pixels;
}

std::string Bytes(const std::vector<u8>& v) {
    return {v.begin(), v.end()};
}

void Patch32(std::string& file, size_t at, u32 value) {
    for (int i = 0; i < 4; ++i)
        file[at + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
}

// The same picture stored top row first: the rows reversed and the height negative.
std::string TopDown(std::string file, i32 width, i32 height) {
    const size_t pitch = static_cast<size_t>((width + 3) / 4 * 4);
    const size_t bits = 14 + 40 + 1024;
    std::string rows = file.substr(bits);
    for (i32 y = 0; y < height; ++y)
        std::memcpy(&file[bits + static_cast<size_t>(y) * pitch],
                    &rows[static_cast<size_t>(height - 1 - y) * pitch], pitch);
    Patch32(file, 22, static_cast<u32>(-height));
    return file;
}

using Bitmaps = MediaFixture;

TEST_F(Bitmaps, HostileFilesFailToLoadOrLoadUndrawable) {
    const std::string good = Bytes(TBmpEncoder::Encode(5, 3, Picture(5, 3), RampColours()));
    struct TCase {
        const char* What;
        std::string File;
        bool Loads;
        bool Drawable;
    };
    const auto patched32 = [&](size_t at, u32 v) {
        std::string f = good;
        Patch32(f, at, v);
        return f;
    };
    const TCase cases[] = {
        {"sound", good, true, true},
        {"no file", "", false, false},
        {"53 bytes", good.substr(0, 53), false, false},
        {"header size 12", patched32(14, 12), false, false},
        {"width 0", patched32(18, 0), false, false},
        {"width -5", patched32(18, static_cast<u32>(-5)), false, false},
        {"width 40000", patched32(18, 40000), false, false},
        {"height 0", patched32(22, 0), false, false},
        {"height of the most negative", patched32(22, 0x80000000U), false, false},
        {"300 colours", patched32(46, 300), false, false},
        {"colour table cut", good.substr(0, 14 + 40 + 1000), false, false},
        {"last row one byte short", good.substr(0, good.size() - 1), false, false},
        {"rows claimed for a taller picture", patched32(22, 4), false, false},
        {"compressed", patched32(30, 1), true, false},
        {"24 bits with one colour",
         [&] {
             std::string f = patched32(46, 1);
             f[28] = 24;
             return f;
         }(),
         true, false},
        {"trailing bytes", good + "junk", true, true},
    };
    int n = 0;
    for (const TCase& c : cases) {
        const std::string name = "bad" + std::to_string(n++);
        Cd.WriteHostFile(name + ".bmp", c.File);
        TBmp* bmp = LoadBmp(name);
        EXPECT_EQ(bmp->HasFlags(JOF_LOADED), c.Loads) << c.What;
        EXPECT_EQ(bmp->HasFlags(JOF_NO_IMAGE), !c.Loads) << c.What;
        EXPECT_EQ(bmp->IsDrawable(), c.Drawable) << c.What;
        // Nothing but a sound bitmap leaves a mark on the target.
        TTargetBmp target(0, 0, 8, 4, true);
        const std::vector<u8> before = target.Pixels;
        EXPECT_EQ(bmp->CopyTo(target, {0, 0, 8, 4}), c.Drawable) << c.What;
        EXPECT_EQ(target.Pixels != before, c.Drawable) << c.What;
    }
}

// What the target must hold: the source's pixel wherever source, clip and target meet, the
// fill elsewhere.
void ExpectCopied(const TTargetBmp& target, const TRect16& source, const TRect16& clip,
                  const char* what) {
    const TRect16 t = target.GetRect();
    for (i32 y = t.top; y < t.bottom; ++y)
        for (i32 x = t.left; x < t.right; ++x) {
            const bool inside = source.Intersect(clip).Intersect(t).Overlaps({x, y, x + 1, y + 1});
            const u8 want = inside ? PixelValue(x - source.left, y - source.top) : 0xEE;
            ASSERT_EQ(target.At(x, y), want) << what << " at " << x << "," << y;
        }
}

TEST_F(Bitmaps, RowsCopyBetweenEveryOrientationClippedToBothSides) {
    // Five columns: rows padded to eight bytes.
    const std::string bottomUp = Bytes(TBmpEncoder::Encode(5, 3, Picture(5, 3), RampColours()));
    Cd.WriteHostFile("up.bmp", bottomUp);
    Cd.WriteHostFile("down.bmp", TopDown(bottomUp, 5, 3));
    struct TPlace {
        const char* What;
        i32 X, Y;
        TRect16 Clip;
    };
    const TPlace places[] = {
        {"inside", 12, 3, {0, 0, 640, 480}},
        {"over the left and top edges", 8, 1, {0, 0, 640, 480}},
        {"over the right and bottom edges", 22, 8, {0, 0, 640, 480}},
        {"clipped by the area", 12, 3, {13, 4, 16, 5}},
        {"area and target apart", 12, 3, {0, 0, 11, 2}},
        {"far off", -300, -300, {-400, -400, 640, 480}},
    };
    for (const char* file : {"up", "down"}) {
        TBmp* source = LoadBmp(file);
        ASSERT_TRUE(source->IsDrawable()) << file;
        EXPECT_EQ(source->IsTopDown(), std::string(file) == "down");
        EXPECT_EQ(source->GetRect(), (TRect16{0, 0, 5, 3})) << file;
        for (bool topDownTarget : {false, true})
            for (const TPlace& p : places) {
                // The target stands at (10, 2) on the screen, 14 x 8.
                TTargetBmp target(10, 2, 14, 8, topDownTarget);
                source->SetRect({p.X, p.Y, p.X + 5, p.Y + 3});
                EXPECT_TRUE(source->CopyTo(target, p.Clip));
                const std::string what = std::string(file) +
                                         (topDownTarget ? " to top-down " : " to bottom-up ") +
                                         p.What;
                ExpectCopied(target, source->GetRect(), p.Clip, what.c_str());
            }
    }
}

TEST_F(Bitmaps, OnlyTheRowsAndPixelsOfItsOwnAreEverTouched) {
    WriteBmp("small", 3, 2, Picture(3, 2));
    TBmp* source = LoadBmp("small");
    // Stretched by hand, the rectangle claims more than the rows; only the rows are copied.
    source->SetRect({0, 0, 40, 40});
    TTargetBmp target(0, 0, 8, 8, true);
    EXPECT_TRUE(source->CopyTo(target, {0, 0, 640, 480}));
    ExpectCopied(target, {0, 0, 3, 2}, {0, 0, 640, 480}, "stretched");
    // A file's rows are the shared image: never drawn into.
    EXPECT_EQ(source->GetTargetBits(), nullptr);
    EXPECT_FALSE(LoadBmp("small")->CopyTo(*source, {0, 0, 4, 4}));
    // An image let go leaves nothing to copy.
    TBmp* gone =
        Keep(std::make_unique<TBmp>(Window, TFileMode("small", 0, FM_LEVEL_NOW), true, false));
    EXPECT_TRUE(gone->HasFlags(JOF_LOADED));
    EXPECT_EQ(gone->GetBits(), nullptr);
    EXPECT_FALSE(gone->CopyTo(target, {0, 0, 4, 4}));
}

TEST_F(Bitmaps, MonoFillsItsAreaAtMost4096ColumnsWide) {
    struct TCase {
        const char* What;
        TRect16 Mono, Clip, Target;
        i32 FilledFrom, FilledTo;
    };
    const TCase cases[] = {
        {"wider than the fill row", {0, 0, 5000, 2}, {0, 0, 5000, 2}, {0, 0, 5000, 2}, 0, 4096},
        {"clipped on the left", {-10, 0, 30, 2}, {0, 0, 100, 2}, {0, 0, 5000, 2}, 0, 30},
        {"from column 700", {700, 0, 5000, 2}, {0, 0, 5000, 2}, {0, 0, 5000, 2}, 700, 4796},
        {"target narrower", {0, 0, 5000, 2}, {0, 0, 5000, 2}, {0, 0, 64, 2}, 0, 64},
    };
    for (const TCase& c : cases)
        for (bool topDown : {false, true}) {
            TBmpMono mono(Window, c.Mono.left, c.Mono.top, static_cast<i16>(c.Mono.Width()),
                          static_cast<i16>(c.Mono.Height()), 7);
            EXPECT_FALSE(mono.IsDrawable());
            TTargetBmp target(c.Target.left, c.Target.top, c.Target.Width(), c.Target.Height(),
                              topDown);
            EXPECT_TRUE(mono.CopyTo(target, c.Clip)) << c.What;
            for (i32 y = 0; y < 2; ++y)
                for (i32 x = 0; x < c.Target.Width(); ++x) {
                    const u8 want = x >= c.FilledFrom && x < c.FilledTo ? 7 : 0xEE;
                    ASSERT_EQ(target.At(x, y), want) << c.What << " at " << x << "," << y;
                }
        }
}

} // namespace

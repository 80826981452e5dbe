// The check of an animation's image against the plain rule, on files as written, damaged at
// random, and built to make their tables share bytes.
#include "SpriteSupport.h"

#include "engine/media/AnmEncoder.h"
#include "engine/media/AnmImage.h"

#include <gtest/gtest.h>

#include <random>

namespace {

bool Inside(u64 at, u64 length, size_t size) {
    return at <= size && length <= size - at;
}

// The rule, walked table by table: a frame is drawable when its header, its row table, every
// row's run table and every run lie inside the image.
std::vector<TAnmFrameInfo> Walked(const std::vector<u8>& b) {
    const u8* d = b.data();
    const u16 count = GetLe16(d + 12);
    std::vector<TAnmFrameInfo> frames(count);
    for (u16 k = 0; k < count; ++k) {
        TAnmFrameInfo& f = frames[k];
        f.Offset = GetLe32(d + ANM_HEADER_SIZE + 4 * k);
        if (!Inside(f.Offset, ANM_FRAME_HEADER_SIZE, b.size()))
            continue;
        f.Known = true;
        f.Width = static_cast<i16>(GetLe16(d + f.Offset));
        f.Height = static_cast<i16>(GetLe16(d + f.Offset + 2));
        f.HotX = static_cast<i16>(GetLe16(d + f.Offset + 4));
        f.HotY = static_cast<i16>(GetLe16(d + f.Offset + 6));
        const u64 rows = u64{f.Offset} + ANM_FRAME_HEADER_SIZE;
        f.Drawable = f.Width >= 0 && f.Height >= 0 && Inside(rows, 4ULL * f.Height, b.size());
        for (i32 r = 0; f.Drawable && r < f.Height; ++r) {
            const u32 row = GetLe32(d + rows + 4 * r);
            f.Drawable =
                Inside(row, 2, b.size()) && Inside(row + 2ULL, 4ULL * GetLe16(d + row), b.size());
            for (u32 j = 0; f.Drawable && j < GetLe16(d + row); ++j) {
                const u32 run = GetLe32(d + row + 2 + 4 * j);
                f.Drawable =
                    Inside(run, 4, b.size()) && Inside(run + 4ULL, GetLe16(d + run + 2), b.size());
            }
        }
    }
    return frames;
}

void ExpectChecksAsWalked(const std::vector<u8>& bytes, const std::string& what) {
    TAnmImage image;
    ASSERT_TRUE(image.Check(bytes.data(), static_cast<u32>(bytes.size()))) << what;
    const std::vector<TAnmFrameInfo> want = Walked(bytes);
    ASSERT_EQ(image.GetFrameCount(), want.size()) << what;
    for (u16 k = 0; k < want.size(); ++k) {
        const TAnmFrameInfo* got = image.GetFrame(k);
        const TAnmFrameInfo& w = want[k];
        ASSERT_EQ(got != nullptr, w.Known) << what << " frame " << k;
        if (got == nullptr)
            continue;
        EXPECT_EQ(std::vector<i32>({got->Width, got->Height, got->HotX, got->HotY,
                                    static_cast<i32>(got->Offset), got->Drawable}),
                  std::vector<i32>(
                      {w.Width, w.Height, w.HotX, w.HotY, static_cast<i32>(w.Offset), w.Drawable}))
            << what << " frame " << k;
    }
}

bool Stripes(i32 x, i32 y) {
    return (x / 2 + y) % 3 != 0;
}

TEST(AnmImageCheck, WrittenAndRandomlyDamagedFilesCheckAsTheRuleSays) {
    std::vector<TAnmFrameSource> frames;
    for (i16 k = 0; k < 6; ++k)
        frames.push_back(MakeFrame(static_cast<i16>(3 + k), static_cast<i16>(2 + k % 4), k, 0,
                                   k % 2 == 0 ? &Stripes : &AllOpaque));
    const std::vector<u8> good = TAnmEncoder::Encode(frames, 1, 2);
    ExpectChecksAsWalked(good, "as written");
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
        std::vector<u8> bytes = good;
        // Damage after the frame count, so that the frames stay to be looked at.
        for (int n = 1 + round % 4; n > 0; --n) {
            const size_t at = 14 + random() % (bytes.size() - 14);
            bytes[at] = round % 3 == 0 ? static_cast<u8>(random()) : static_cast<u8>(bytes[at] ^ 1);
        }
        if (round % 5 == 0)
            bytes.resize(bytes.size() - random() % (bytes.size() - ANM_HEADER_SIZE - 24));
        ExpectChecksAsWalked(bytes, "round " + std::to_string(round));
    }
}

// Frames whose row tables overlap four bytes apart or are the same table, rows that share run
// tables, runs that every run table shares, and then a bad shared run, a row outside and a cut.
TEST(AnmImageCheck, TablesSharingTheirBytesCheckAsTheRuleSays) {
    constexpr u16 Frames = 12;
    constexpr u32 Rows = 30;
    const u32 headers = ANM_HEADER_SIZE + 4 * Frames;
    // Frame k's header 4 bytes after frame k - 1's, so that their row tables overlap; from
    // frame 5 on, the headers of frames 0 to 4 again.
    const u32 rowsAt = headers + ANM_FRAME_HEADER_SIZE;
    const u32 runTablesAt = rowsAt + 4 * Rows;
    const u32 runsAt = runTablesAt + 3 * (2 + 4 * 4);
    TBytes file;
    file.Header("ANM ", 2, 0).W({Frames, 0, 0, 0, 0});
    for (u16 k = 0; k < Frames; ++k)
        file.D(headers + 4 * (k % 5));
    // Width 1 and heights 30 down to 26; the rest of each header is read from the next ones.
    for (u16 k = 0; k < 5; ++k)
        file.W({1, static_cast<u16>(Rows - k)});
    // Row r names run table r % 3; run table t holds 4 runs, from run t on.
    for (u32 r = 0; r < Rows; ++r)
        file.D(runTablesAt + (2 + 4 * 4) * (r % 3));
    for (u32 t = 0; t < 3; ++t) {
        file.W({4});
        for (u32 j = 0; j < 4; ++j)
            file.D(runsAt + 8 * (t + j));
    }
    for (u32 j = 0; j < 6; ++j)
        file.W({0, 4}).Raw({1, 2, 3, 4});
    std::vector<u8> bytes = file.Data;
    ASSERT_EQ(bytes.size(), runsAt + 8 * 6);
    const auto drawable = [&](const std::vector<u8>& b) {
        ExpectChecksAsWalked(b, "");
        // With room to spare the same tables are walked one by one rather than as chains,
        // and must come out the same.
        std::vector<u8> roomy = b;
        roomy.resize(b.size() + 16384, 0);
        ExpectChecksAsWalked(roomy, "with room to spare");
        TAnmImage image;
        std::string frames;
        if (image.Check(b.data(), static_cast<u32>(b.size())))
            for (u16 k = 0; k < Frames; ++k)
                frames += image.GetFrame(k) != nullptr && image.GetFrame(k)->Drawable ? 'y' : 'n';
        return frames;
    };
    EXPECT_EQ(drawable(bytes), "yyyyyyyyyyyy");
    const auto put32 = [&](u32 at, u32 v) {
        for (u32 i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<u8>(v >> (8 * i));
    };
    // A row offset past the end, in the rows of frames 0 to 2 only.
    put32(rowsAt + 4 * 2, 0xFFFFFF00U);
    EXPECT_EQ(drawable(bytes), "nnnyynnnyynn");
    put32(rowsAt + 4 * 2, runTablesAt + (2 + 4 * 4) * 2);
    // Run 5 claims more pixels than there are: only run table 2 holds it.
    put32(runsAt + 8 * 5, 60000U << 16);
    drawable(bytes);
    const std::vector<u8> cut(bytes.begin(), bytes.begin() + runsAt + 20);
    drawable(cut);
}

} // namespace

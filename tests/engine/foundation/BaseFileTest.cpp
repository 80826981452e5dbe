// The data-file image: level counting, loading from source or buffer copy, and writing the copy.
#include "engine/foundation/BaseFile.h"

#include "FileMgrFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(BaseFile, HighestLevelInUseWinsAndCountsNeverGoBelowZero) {
    using TUses = std::vector<std::pair<u8, u8>>; // disk, RAM
    const struct {
        const char* What;
        TUses Added, Dropped;
        u8 Disk, Ram;
    } cases[] = {
        {"two users", {{0, 2}, {1, 4}}, {}, 1, 4},
        {"the level-4 user leaves", {{0, 2}, {1, 4}}, {{1, 4}}, 0, 2},
        {"both leave", {{0, 2}, {1, 4}}, {{1, 4}, {0, 2}}, 0, 0},
        {"out of range counts as other", {{7, 7}}, {}, 0, 0},
        {"never added", {{3, 3}}, {{2, 2}, {2, 2}}, 3, 3},
        {"one of two at the same level", {{2, 3}, {2, 3}}, {{2, 3}}, 2, 3},
    };
    for (const auto& c : cases) {
        TJorpBaseFile image;
        for (auto [disk, ram] : c.Added)
            image.AddLevelUse(disk, ram);
        for (auto [disk, ram] : c.Dropped)
            image.DropLevelUse(disk, ram);
        EXPECT_EQ(image.GetDiskLevel(), c.Disk) << c.What;
        EXPECT_EQ(image.GetRamLevel(), c.Ram) << c.What;
    }
    TJorpBaseFile image;
    image.AddLevelUse(7, 0);
    image.DropLevelUse(2, 2);
    EXPECT_EQ(image.GetDiskCount(7) + image.GetRamCount(0), 2);
    EXPECT_EQ(image.GetDiskCount(2) + image.GetRamCount(2), 0);
}

class BaseFileLoad : public FileMgrFixture {
protected:
    TJorpBaseFile& Image(const std::string& source, u32 offset, u32 size) {
        Owned = std::make_unique<TJorpBaseFile>();
        Owned->SourcePath = source;
        Owned->Offset = offset;
        Owned->Size = size;
        Owned->BufferPath = "c:\\buffer\\fm000000.tmp";
        return *Owned;
    }
    std::unique_ptr<TJorpBaseFile> Owned;
};

TEST_F(BaseFileLoad, ReadsItsBytesAtTheOffsetOrNothingAtAll) {
    Dir.WriteHostFile("pack.dew", "....hello....");
    TJorpBaseFile& image = Image("c:\\pack.dew", 4, 5);
    EXPECT_EQ(image.LoadData(), BF_DONE);
    EXPECT_EQ(ImageBytes(image), "hello");
    EXPECT_EQ(JorpRamInUse, 5U);
    // Already in memory: nothing is read again, even with the source gone.
    std::filesystem::remove(Dir.Host("pack.dew"));
    EXPECT_EQ(image.LoadData(), BF_DONE);
    EXPECT_EQ(JorpRamInUse, 5U);
    Owned.reset();
    EXPECT_EQ(JorpRamInUse, 0U);

    // Missing, too short, and an offset no read could honour: refused, nothing left behind.
    // A missing source may yet come (the CD); one that is there but too short is damaged.
    Dir.WriteHostFile("short.bmp", "abc");
    const std::tuple<const char*, u32, u32, u16> failing[] = {
        {"c:\\missing.bmp", 0, 10, BF_FAILED},
        {"c:\\short.bmp", 2, 10, BF_SHORT_SOURCE},
        {"c:\\short.bmp", 0x80000000U, 1, BF_SHORT_SOURCE},
        {"c:\\short.bmp", 0, 4, BF_SHORT_SOURCE},
        {"c:\\short.bmp", 3, 1, BF_SHORT_SOURCE},
        {"c:\\short.bmp", 0xFFFFFFFFU, 0xFFFFFFFFU, BF_SHORT_SOURCE}};
    for (const auto& [source, offset, size, result] : failing) {
        TJorpBaseFile& bad = Image(source, offset, size);
        EXPECT_EQ(bad.LoadData(), result) << source << " " << offset << " " << size;
        EXPECT_FALSE(bad.IsInMemory());
        EXPECT_EQ(JorpRamInUse, 0U);
    }
    // The last bytes of a file are its own, not too few.
    TJorpBaseFile& tail = Image("c:\\short.bmp", 1, 2);
    EXPECT_EQ(tail.LoadData(), BF_DONE);
    EXPECT_EQ(ImageBytes(tail), "bc");
}

TEST_F(BaseFileLoad, PrefersTheBufferCopyAndFallsBackToTheSource) {
    Dir.WriteHostFile("data/a.bmp", "source");
    Dir.WriteHostFile("buffer/fm000000.tmp", "copied");
    TJorpBaseFile& image = Image("c:\\data\\a.bmp", 0, 6);
    image.Flags |= BF_BUFFERED;
    EXPECT_EQ(image.LoadData(), BF_DONE);
    EXPECT_EQ(ImageBytes(image), "copied");
    image.FreeData();
    // The copy vanished: the source serves.
    std::filesystem::remove(Dir.Host("buffer/fm000000.tmp"));
    EXPECT_EQ(image.LoadData(), BF_DONE);
    EXPECT_EQ(ImageBytes(image), "source");
    image.FreeData();
    // A copy too short to read: the source serves too.
    Dir.WriteHostFile("buffer/fm000000.tmp", "cop");
    EXPECT_EQ(image.LoadData(), BF_DONE);
    EXPECT_EQ(ImageBytes(image), "source");
    image.Flags &= static_cast<u16>(~BF_BUFFERED); // the test wrote that copy, not the image
}

TEST_F(BaseFileLoad, WritesTheBufferCopyOnceAndDeletesItWhenDestroyed) {
    MakeFolders();
    MakeManager();
    Dir.WriteHostFile("data/a.bmp", "abcdef");
    TJorpBaseFile& image = Image("c:\\data\\a.bmp", 0, 6);
    EXPECT_EQ(image.WriteBufferCopy(), BF_NOTHING);
    ASSERT_EQ(image.LoadData(), BF_DONE);
    EXPECT_EQ(image.WriteBufferCopy(), BF_DONE);
    EXPECT_TRUE(image.HasBufferCopy());
    EXPECT_EQ(Dir.ReadHostFile("buffer/fm000000.tmp"), "abcdef");
    EXPECT_EQ(image.WriteBufferCopy(), BF_DONE);
    EXPECT_EQ(Manager->GetDiskData().Written, 6U);
    Owned.reset();
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("buffer/fm000000.tmp")));
    EXPECT_EQ(Manager->GetDiskData().Written, 0U);
    EXPECT_EQ(JorpRamInUse, 0U);
}

} // namespace

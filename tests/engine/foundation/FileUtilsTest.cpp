// The disk operations of file names: existence, sizes, copies, blocks and directories.
#include "engine/foundation/FileName.h"
#include "engine/foundation/JorpFile.h"
#include "engine/foundation/MemMgr.h"

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <unistd.h>

namespace {

TJorpFile HeldWriter(const std::string& path) {
    return TJorpFile(path, GENERIC_WRITE, 0, OPEN_EXISTING, 0, FILE_ATTRIBUTE_NORMAL, true, true);
}

TEST(FileUtils, ExistsOnlyForFiles) {
    TTempDir dir;
    std::filesystem::create_directories(dir.Host("data/sub"));
    dir.WriteHostFile("data/x.bmp", "bmp");
    EXPECT_TRUE(TJorpFileName("c:\\data\\x.bmp").Exists());
    EXPECT_TRUE(TJorpFileName::Exists("c:\\data\\x.bmp"));
    EXPECT_FALSE(TJorpFileName("c:\\data\\sub").Exists());
    EXPECT_FALSE(TJorpFileName("c:\\data\\sub\\").Exists());
    EXPECT_FALSE(TJorpFileName("c:\\nodir\\x.bmp").Exists());
    EXPECT_FALSE(TJorpFileName("c:\\..\\x.bmp").Exists());
    // A file held open without any sharing still exists.
    TJorpFile held = HeldWriter("c:\\data\\x.bmp");
    ASSERT_TRUE(held.IsOpen());
    EXPECT_TRUE(TJorpFileName::Exists("c:\\data\\x.bmp"));
}

TEST(FileUtils, GetFileSizeIsZeroForMissingAndEmptyFiles) {
    TTempDir dir;
    dir.WriteHostFile("empty.dat", "");
    dir.WriteHostFile("five.dat", "12345");
    EXPECT_EQ(TJorpFileName("c:\\none.dat").GetFileSize(), 0);
    EXPECT_EQ(TJorpFileName("c:\\empty.dat").GetFileSize(), 0);
    EXPECT_EQ(TJorpFileName("c:\\five.dat").GetFileSize(), 5);
    EXPECT_EQ(TJorpFileName::GetFileSize("c:\\five.dat"), 5);
}

TEST(FileUtils, DeleteRemovesOnlyAClosedExistingFile) {
    TTempDir dir;
    dir.WriteHostFile("a.dat", "a");
    {
        TJorpFile held = HeldWriter("c:\\a.dat");
        EXPECT_FALSE(TJorpFileName("c:\\a.dat").Delete());
        EXPECT_TRUE(std::filesystem::exists(dir.Host("a.dat")));
    }
    EXPECT_TRUE(TJorpFileName("c:\\a.dat").Delete());
    EXPECT_FALSE(std::filesystem::exists(dir.Host("a.dat")));
    EXPECT_FALSE(TJorpFileName("c:\\a.dat").Delete());
}

TEST(FileUtils, CopyToCopiesWholeFilesAndReplacesTheDestination) {
    TTempDir dir;
    std::string bytes;
    for (int i = 0; i < 70000; ++i)
        bytes += static_cast<char>(i * 7);
    dir.WriteHostFile("src.dat", bytes);
    dir.WriteHostFile("dst.dat", "something much longer than nothing");
    const u32 before = JorpRamInUse;
    EXPECT_TRUE(TJorpFileName("c:\\src.dat").CopyTo("c:\\dst.dat"));
    EXPECT_EQ(dir.ReadHostFile("dst.dat"), bytes);
    EXPECT_EQ(dir.ReadHostFile("src.dat"), bytes);
    EXPECT_EQ(JorpRamInUse, before);
}

TEST(FileUtils, CopyToOfAnEmptySourceGivesAnEmptyCopy) {
    TTempDir dir;
    dir.WriteHostFile("src.dat", "");
    dir.WriteHostFile("dst.dat", "old");
    EXPECT_TRUE(TJorpFileName("c:\\src.dat").CopyTo("c:\\dst.dat"));
    EXPECT_EQ(dir.ReadHostFile("dst.dat"), "");
    EXPECT_TRUE(TJorpFileName("c:\\src.dat").CopyTo("c:\\new.dat"));
    EXPECT_TRUE(std::filesystem::exists(dir.Host("new.dat")));
}

TEST(FileUtils, CopyToNeverEmptiesItsOwnSource) {
    TTempDir dir;
    dir.WriteHostFile("src.dat", "precious");
    // The same text is not even opened: a missing file copies onto itself too.
    EXPECT_TRUE(TJorpFileName("c:\\src.dat").CopyTo("c:\\src.dat"));
    EXPECT_TRUE(TJorpFileName("c:\\none.dat").CopyTo("c:\\none.dat"));
    std::filesystem::create_hard_link(dir.Host("src.dat"), dir.Host("link.dat"));
    for (const char* other :
         {"c:\\.\\src.dat", "c:\\sub\\..\\src.dat", "c:/src.dat", "c:\\link.dat"}) {
        SCOPED_TRACE(other);
        EXPECT_FALSE(TJorpFileName("c:\\src.dat").CopyTo(other));
        EXPECT_EQ(dir.ReadHostFile("src.dat"), "precious");
    }
}

TEST(FileUtils, CopyToFailures) {
    TTempDir dir;
    dir.WriteHostFile("src.dat", "abc");
    dir.WriteHostFile("held.dat", "keep");
    // A missing source creates no destination.
    EXPECT_FALSE(TJorpFileName("c:\\none.dat").CopyTo("c:\\dst.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir.Host("dst.dat")));
    EXPECT_FALSE(TJorpFileName("c:\\src.dat").CopyTo("c:\\nodir\\dst.dat"));
    TJorpFile held("c:\\held.dat", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0,
                   FILE_ATTRIBUTE_NORMAL, true, true);
    EXPECT_FALSE(TJorpFileName("c:\\src.dat").CopyTo("c:\\held.dat"));
    EXPECT_EQ(dir.ReadHostFile("held.dat"), "keep");
}

TEST(FileUtils, ASourceTooLargeToMeasureIsNotCopiedInPart) {
    TTempDir dir;
    dir.WriteHostFile("big.dat", "");
    ASSERT_EQ(::truncate(dir.Host("big.dat").c_str(), 0x8000'0100LL), 0);
    EXPECT_EQ(TJorpFileName::GetFileSize("c:\\big.dat"), std::numeric_limits<i32>::max());
    const u32 before = JorpRamInUse;
    EXPECT_FALSE(TJorpFileName("c:\\big.dat").CopyTo("c:\\copy.dat"));
    EXPECT_EQ(JorpRamInUse, before);
    EXPECT_EQ(std::filesystem::file_size(dir.Host("copy.dat")), 0U);
}

TEST(FileUtils, ReadBlockReadsExactlyCountBytesAtTheOffset) {
    TTempDir dir;
    dir.WriteHostFile("a.dat", "0123456789");
    char buf[4] = {};
    EXPECT_TRUE(TJorpFileName("c:\\a.dat").ReadBlock(buf, 4, 3));
    EXPECT_EQ(std::string(buf, 4), "3456");
    EXPECT_TRUE(TJorpFileName::ReadBlock("c:\\a.dat", buf, 4, 6));
    EXPECT_EQ(std::string(buf, 4), "6789");
    EXPECT_FALSE(TJorpFileName::ReadBlock("c:\\a.dat", buf, 4, 7));
    EXPECT_FALSE(TJorpFileName::ReadBlock("c:\\a.dat", buf, 1, 10));
    EXPECT_FALSE(TJorpFileName::ReadBlock("c:\\a.dat", buf, 1, -1));
    EXPECT_FALSE(TJorpFileName::ReadBlock("c:\\a.dat", buf, -1, 0));
    EXPECT_FALSE(TJorpFileName::ReadBlock("c:\\none.dat", buf, 1, 0));
}

TEST(FileUtils, WriteBlockCreatesExtendsAndKeepsTheRest) {
    TTempDir dir;
    EXPECT_TRUE(TJorpFileName("c:\\new.dat").WriteBlock("abc", 3, 0));
    EXPECT_EQ(dir.ReadHostFile("new.dat"), "abc");
    EXPECT_TRUE(TJorpFileName::WriteBlock("c:\\new.dat", "XY", 2, 1));
    EXPECT_EQ(dir.ReadHostFile("new.dat"), "aXY");
    EXPECT_TRUE(TJorpFileName::WriteBlock("c:\\new.dat", "end", 3, 5));
    EXPECT_EQ(dir.ReadHostFile("new.dat"), std::string("aXY\0\0end", 8));
    EXPECT_FALSE(TJorpFileName::WriteBlock("c:\\new.dat", "z", 1, -1));
    EXPECT_FALSE(TJorpFileName::WriteBlock("c:\\nodir\\new.dat", "z", 1, 0));
    EXPECT_FALSE(std::filesystem::exists(dir.Host("nodir")));
}

TEST(FileUtils, DirExistsLooksAtTheDirectoryPartOnly) {
    TTempDir dir;
    std::filesystem::create_directories(dir.Host("games/data"));
    dir.WriteHostFile("file.txt", "x");
    struct {
        const char* Path;
        bool Exists;
    } cases[] = {
        {"c:\\games\\data\\x.bmp", true},
        {"C:\\Games\\DATA\\", true},
        {"c:\\x.bmp", true},
        {"c:", true},
        {"games\\x.bmp", true},
        {"x.txt", false},
        {"c:\\nope\\x.bmp", false},
        {"c:\\file.txt\\x", false},
        {"", false},
        {"c:\\..\\x.bmp", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TJorpFileName(c.Path).DirExists(), c.Exists) << c.Path;
}

TEST(FileUtils, MakeDirectoriesCreatesEachMissingLevel) {
    TTempDir dir;
    std::filesystem::create_directory(dir.Host("a"));
    EXPECT_TRUE(TJorpFileName("c:\\a\\b\\c\\x.txt").MakeDirectories());
    EXPECT_TRUE(std::filesystem::is_directory(dir.Host("a/b/c")));
    EXPECT_FALSE(std::filesystem::exists(dir.Host("a/b/c/x.txt")));
    // Already there.
    EXPECT_TRUE(TJorpFileName("c:\\a\\b\\c\\y.txt").MakeDirectories());
    // Without a drive, below drive c:'s root; without a directory, nothing to make.
    EXPECT_TRUE(TJorpFileName("m\\n\\x.txt").MakeDirectories());
    EXPECT_TRUE(std::filesystem::is_directory(dir.Host("m/n")));
    EXPECT_TRUE(TJorpFileName("x.txt").MakeDirectories());
}

TEST(FileUtils, MakeDirectoriesStopsAtTheFirstLevelItCannotMake) {
    TTempDir dir;
    dir.WriteHostFile("p/file", "x");
    EXPECT_FALSE(TJorpFileName("c:\\p\\file\\q\\x.txt").MakeDirectories());
    EXPECT_TRUE(std::filesystem::is_directory(dir.Host("p")));
    EXPECT_FALSE(std::filesystem::exists(dir.Host("p/file/q")));
    EXPECT_FALSE(TJorpFileName("q:\\p\\x.txt").MakeDirectories());
}

} // namespace

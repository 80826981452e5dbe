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

// Held open for writing without any sharing.
TJorpFile HeldWriter(const std::string& path) {
    return TJorpFile(path, GENERIC_WRITE, 0, OPEN_EXISTING, 0, FILE_ATTRIBUTE_NORMAL, true, true);
}

TEST(FileUtils, ExistsSizeAndDeleteOfFilesOnly) {
    TTempDir dir;
    std::filesystem::create_directories(dir.Host("data/sub"));
    dir.WriteHostFile("data/x.bmp", "12345");
    dir.WriteHostFile("empty.dat", "");
    for (const char* absent :
         {"c:\\data\\sub", "c:\\data\\sub\\", "c:\\nodir\\x.bmp", "c:\\..\\x.bmp"})
        EXPECT_FALSE(TJorpFileName(absent).Exists()) << absent;
    EXPECT_EQ(TJorpFileName("c:\\none.dat").GetFileSize(), 0);
    EXPECT_EQ(TJorpFileName("c:\\empty.dat").GetFileSize(), 0);
    {
        // A file held open without any sharing still exists, and is not deleted.
        TJorpFile held = HeldWriter("c:\\data\\x.bmp");
        ASSERT_TRUE(held.IsOpen());
        EXPECT_TRUE(TJorpFileName::Exists("c:\\data\\x.bmp"));
        EXPECT_FALSE(TJorpFileName("c:\\data\\x.bmp").Delete());
    }
    EXPECT_EQ(TJorpFileName::GetFileSize("c:\\data\\x.bmp"), 5);
    EXPECT_TRUE(TJorpFileName("c:\\data\\x.bmp").Delete());
    EXPECT_FALSE(std::filesystem::exists(dir.Host("data/x.bmp")));
    EXPECT_FALSE(TJorpFileName("c:\\data\\x.bmp").Delete());
}

TEST(FileUtils, CopyToCopiesWholeFilesAndReplacesTheDestination) {
    TTempDir dir;
    std::string bytes;
    for (int i = 0; i < 70000; ++i)
        bytes += static_cast<char>(i * 7);
    dir.WriteHostFile("src.dat", bytes);
    dir.WriteHostFile("dst.dat", "something much longer than nothing");
    dir.WriteHostFile("empty.dat", "");
    const u32 before = JorpRamInUse;
    EXPECT_TRUE(TJorpFileName("c:\\src.dat").CopyTo("c:\\dst.dat"));
    EXPECT_EQ(dir.ReadHostFile("dst.dat"), bytes);
    EXPECT_EQ(dir.ReadHostFile("src.dat"), bytes);
    EXPECT_EQ(JorpRamInUse, before);
    EXPECT_TRUE(TJorpFileName("c:\\empty.dat").CopyTo("c:\\dst.dat"));
    EXPECT_EQ(dir.ReadHostFile("dst.dat"), "");
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
        EXPECT_FALSE(TJorpFileName("c:\\src.dat").CopyTo(other)) << other;
        EXPECT_EQ(dir.ReadHostFile("src.dat"), "precious") << other;
    }
}

TEST(FileUtils, CopyToFailuresLeaveNoPartialCopy) {
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

    // A source too large to measure is not copied in part.
    dir.WriteHostFile("big.dat", "");
    ASSERT_EQ(::truncate(dir.Host("big.dat").c_str(), 0x8000'0100LL), 0);
    EXPECT_EQ(TJorpFileName::GetFileSize("c:\\big.dat"), std::numeric_limits<i32>::max());
    const u32 before = JorpRamInUse;
    EXPECT_FALSE(TJorpFileName("c:\\big.dat").CopyTo("c:\\copy.dat"));
    EXPECT_EQ(JorpRamInUse, before);
    EXPECT_EQ(std::filesystem::file_size(dir.Host("copy.dat")), 0U);
}

TEST(FileUtils, BlocksAreReadExactlyAndWrittenInPlace) {
    TTempDir dir;
    dir.WriteHostFile("a.dat", "0123456789");
    char buf[4] = {};
    EXPECT_TRUE(TJorpFileName("c:\\a.dat").ReadBlock(buf, 4, 3));
    EXPECT_EQ(std::string(buf, 4), "3456");
    EXPECT_TRUE(TJorpFileName::ReadBlock("c:\\a.dat", buf, 4, 6));
    EXPECT_EQ(std::string(buf, 4), "6789");
    const std::pair<i32, i32> refused[] = {{4, 7}, {1, 10}, {1, -1}, {-1, 0}};
    for (const auto& [count, offset] : refused)
        EXPECT_FALSE(TJorpFileName::ReadBlock("c:\\a.dat", buf, count, offset)) << offset;
    EXPECT_FALSE(TJorpFileName::ReadBlock("c:\\none.dat", buf, 1, 0));

    EXPECT_TRUE(TJorpFileName("c:\\new.dat").WriteBlock("abc", 3, 0));
    EXPECT_TRUE(TJorpFileName::WriteBlock("c:\\new.dat", "XY", 2, 1));
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
    const std::pair<const char*, bool> cases[] = {
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
    for (const auto& [path, exists] : cases)
        EXPECT_EQ(TJorpFileName(path).DirExists(), exists) << path;
}

TEST(FileUtils, MakeDirectoriesCreatesEachMissingLevelAndStopsAtTheFirstItCannot) {
    TTempDir dir;
    std::filesystem::create_directory(dir.Host("a"));
    EXPECT_TRUE(TJorpFileName("c:\\a\\b\\c\\x.txt").MakeDirectories());
    EXPECT_TRUE(std::filesystem::is_directory(dir.Host("a/b/c")));
    EXPECT_FALSE(std::filesystem::exists(dir.Host("a/b/c/x.txt")));
    EXPECT_TRUE(TJorpFileName("c:\\a\\b\\c\\y.txt").MakeDirectories());
    // Without a drive, below drive c:'s root; without a directory, nothing to make.
    EXPECT_TRUE(TJorpFileName("m\\n\\x.txt").MakeDirectories());
    EXPECT_TRUE(std::filesystem::is_directory(dir.Host("m/n")));
    EXPECT_TRUE(TJorpFileName("x.txt").MakeDirectories());

    dir.WriteHostFile("p/file", "x");
    EXPECT_FALSE(TJorpFileName("c:\\p\\file\\q\\x.txt").MakeDirectories());
    EXPECT_FALSE(std::filesystem::exists(dir.Host("p/file/q")));
    EXPECT_FALSE(TJorpFileName("q:\\p\\x.txt").MakeDirectories());
}

} // namespace

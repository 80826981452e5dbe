// Host files: dispositions, access, sharing among open handles, moves, deletes and seeks.
#include "platform/host/HostFile.h"

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

constexpr u32 RW = GENERIC_READ | GENERIC_WRITE;
constexpr u32 SHARE_RW = FILE_SHARE_READ | FILE_SHARE_WRITE;

THostFile* Open(const std::string& path, u32 access, u32 share, u32 disposition) {
    return CreateFileA(path, access, share, disposition, FILE_ATTRIBUTE_NORMAL);
}

std::string ReadAll(THostFile* file) {
    std::string text(64, '\0');
    u32 done = 0;
    EXPECT_TRUE(ReadFile(file, text.data(), static_cast<u32>(text.size()), &done));
    text.resize(done);
    return text;
}

struct TDispositionCase {
    u32 Disposition;
    bool Exists;
    bool Opens;
    // Host contents afterwards; "-" means the file is absent.
    const char* After;
};

TEST(HostFile, DispositionsCreateKeepAndEmptyAsTheOldSystemDid) {
    const TDispositionCase cases[] = {
        {CREATE_NEW, true, false, "old"},    {CREATE_NEW, false, true, ""},
        {CREATE_ALWAYS, true, true, ""},     {CREATE_ALWAYS, false, true, ""},
        {OPEN_EXISTING, true, true, "old"},  {OPEN_EXISTING, false, false, "-"},
        {OPEN_ALWAYS, true, true, "old"},    {OPEN_ALWAYS, false, true, ""},
        {TRUNCATE_EXISTING, true, true, ""}, {TRUNCATE_EXISTING, false, false, "-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "disposition " << c.Disposition << " exists " << c.Exists);
        TTempDir dir;
        if (c.Exists)
            dir.WriteHostFile("f.dat", "old");
        THostFile* file = Open("c:\\f.dat", GENERIC_WRITE, 0, c.Disposition);
        EXPECT_EQ(file != nullptr, c.Opens);
        if (file != nullptr) {
            EXPECT_TRUE(CloseHandle(file));
        }
        if (std::string(c.After) == "-")
            EXPECT_FALSE(std::filesystem::exists(dir.Host("f.dat")));
        else
            EXPECT_EQ(dir.ReadHostFile("f.dat"), c.After);
    }
}

TEST(HostFile, DirectoriesAndUnmappedPathsAreNeverOpened) {
    TTempDir dir;
    std::filesystem::create_directory(dir.Host("sub"));
    dir.WriteHostFile("x.txt", "x");
    EXPECT_EQ(Open("c:\\sub", GENERIC_READ, SHARE_RW, OPEN_EXISTING), nullptr);
    EXPECT_EQ(Open("c:\\sub", 0, SHARE_RW, OPEN_EXISTING), nullptr);
    EXPECT_EQ(Open("c:\\sub", GENERIC_WRITE, 0, OPEN_ALWAYS), nullptr);
    EXPECT_EQ(Open("c:\\sub", GENERIC_WRITE, 0, CREATE_ALWAYS), nullptr);
    // Climbing out of the root, a drive without a root, and a file used as a directory.
    EXPECT_EQ(Open("c:\\..\\x.txt", GENERIC_READ, SHARE_RW, OPEN_EXISTING), nullptr);
    EXPECT_EQ(Open("c:\\..\\new.txt", GENERIC_WRITE, 0, CREATE_ALWAYS), nullptr);
    EXPECT_EQ(Open("q:\\x.txt", GENERIC_READ, SHARE_RW, OPEN_EXISTING), nullptr);
    EXPECT_EQ(Open("c:\\x.txt\\y", GENERIC_WRITE, 0, CREATE_ALWAYS), nullptr);
    EXPECT_FALSE(DeleteFileA("c:\\..\\x.txt"));
    EXPECT_FALSE(MoveFileA("c:\\x.txt", "c:\\..\\moved.txt"));
    EXPECT_TRUE(std::filesystem::exists(dir.Host("x.txt")));
    EXPECT_FALSE(DirectoryExists("c:\\.."));
}

TEST(HostFile, AccessLimitsWhatAHandleMayDo) {
    TTempDir dir;
    dir.WriteHostFile("f.dat", "abcd");
    char buf[4] = {};
    u32 done = 99;

    THostFile* none = Open("c:\\f.dat", 0, SHARE_RW, OPEN_EXISTING);
    ASSERT_NE(none, nullptr);
    EXPECT_FALSE(ReadFile(none, buf, 4, &done));
    EXPECT_EQ(done, 0U);
    EXPECT_FALSE(WriteFile(none, "zz", 2, &done));
    EXPECT_TRUE(CloseHandle(none));

    THostFile* reader = Open("c:\\f.dat", GENERIC_READ, SHARE_RW, OPEN_EXISTING);
    ASSERT_NE(reader, nullptr);
    EXPECT_FALSE(WriteFile(reader, "zz", 2, &done));
    EXPECT_TRUE(CloseHandle(reader));

    THostFile* writer = Open("c:\\f.dat", GENERIC_WRITE, SHARE_RW, OPEN_EXISTING);
    ASSERT_NE(writer, nullptr);
    EXPECT_FALSE(ReadFile(writer, buf, 4, &done));
    EXPECT_TRUE(WriteFile(writer, "zz", 2, &done));
    EXPECT_EQ(done, 2U);
    EXPECT_TRUE(CloseHandle(writer));
    EXPECT_EQ(dir.ReadHostFile("f.dat"), "zzcd");

    // A TRUNCATE_EXISTING open needs write access, as before.
    EXPECT_EQ(Open("c:\\f.dat", GENERIC_READ, SHARE_RW, TRUNCATE_EXISTING), nullptr);
    EXPECT_EQ(dir.ReadHostFile("f.dat"), "zzcd");
}

struct TShareCase {
    u32 HeldAccess, HeldShare;
    u32 Access, Share, Disposition;
    bool Opens;
};

TEST(HostFile, SharingAmongOpenHandlesFollowsTheOldRule) {
    const TShareCase cases[] = {
        {GENERIC_READ, FILE_SHARE_READ, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, true},
        // The holder denies writing.
        {GENERIC_READ, FILE_SHARE_READ, GENERIC_WRITE, SHARE_RW, OPEN_EXISTING, false},
        // The new open denies the holder's reading.
        {GENERIC_READ, SHARE_RW, GENERIC_WRITE, FILE_SHARE_WRITE, OPEN_EXISTING, false},
        {GENERIC_READ, SHARE_RW, GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING, true},
        // Opens without data access (existence tests) take no part in sharing.
        {GENERIC_WRITE, 0, 0, SHARE_RW, OPEN_EXISTING, true},
        {GENERIC_WRITE, 0, GENERIC_READ, SHARE_RW, OPEN_EXISTING, false},
        {RW, 0, 0, 0, OPEN_EXISTING, true},
        {0, 0, RW, 0, OPEN_EXISTING, true},
        // Opening always, even without data access, cannot empty anything.
        {GENERIC_READ, FILE_SHARE_READ, 0, SHARE_RW, OPEN_ALWAYS, true},
        // Emptying a file is writing it, whatever access is asked for.
        {GENERIC_READ, FILE_SHARE_READ, GENERIC_READ, SHARE_RW, CREATE_ALWAYS, false},
        {GENERIC_READ, FILE_SHARE_READ, 0, SHARE_RW, CREATE_ALWAYS, false},
        {GENERIC_READ, SHARE_RW, GENERIC_WRITE, SHARE_RW, CREATE_ALWAYS, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "held " << c.HeldAccess << "/" << c.HeldShare << " new "
                                        << c.Access << "/" << c.Share << "/" << c.Disposition);
        TTempDir dir;
        dir.WriteHostFile("f.dat", "keep");
        THostFile* held = Open("c:\\f.dat", c.HeldAccess, c.HeldShare, OPEN_EXISTING);
        ASSERT_NE(held, nullptr);
        THostFile* second = Open("c:\\f.dat", c.Access, c.Share, c.Disposition);
        EXPECT_EQ(second != nullptr, c.Opens);
        if (second != nullptr) {
            EXPECT_TRUE(CloseHandle(second));
        } else {
            EXPECT_EQ(dir.ReadHostFile("f.dat"), "keep");
        }
        EXPECT_TRUE(CloseHandle(held));
    }
}

TEST(HostFile, CreateAlwaysOnAFileHeldForReadingWithoutWriteSharingFailsAndLeavesItsContents) {
    TTempDir dir;
    dir.WriteHostFile("f.dat", "precious");
    THostFile* reader = Open("c:\\f.dat", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    ASSERT_NE(reader, nullptr);
    // Another spelling of the same file, and a hard link to it, are the same file.
    std::filesystem::create_hard_link(dir.Host("f.dat"), dir.Host("alias.dat"));
    EXPECT_EQ(Open("c:\\.\\sub\\..\\f.dat", GENERIC_WRITE, 0, CREATE_ALWAYS), nullptr);
    EXPECT_EQ(Open("c:\\alias.dat", GENERIC_WRITE, 0, CREATE_ALWAYS), nullptr);
    EXPECT_EQ(dir.ReadHostFile("f.dat"), "precious");
    EXPECT_EQ(ReadAll(reader), "precious");
    EXPECT_TRUE(CloseHandle(reader));

    // Once the reader has gone the same open empties the file.
    THostFile* writer = Open("c:\\alias.dat", GENERIC_WRITE, 0, CREATE_ALWAYS);
    ASSERT_NE(writer, nullptr);
    EXPECT_TRUE(CloseHandle(writer));
    EXPECT_EQ(dir.ReadHostFile("f.dat"), "");
}

TEST(HostFile, OpenFilesCannotBeDeletedOrMovedNorTargetsReplaced) {
    TTempDir dir;
    dir.WriteHostFile("f.dat", "data");
    THostFile* held = Open("c:\\f.dat", 0, SHARE_RW, OPEN_EXISTING);
    ASSERT_NE(held, nullptr);
    EXPECT_FALSE(DeleteFileA("c:\\f.dat"));
    EXPECT_FALSE(MoveFileA("c:\\f.dat", "c:\\g.dat"));
    EXPECT_TRUE(std::filesystem::exists(dir.Host("f.dat")));
    EXPECT_FALSE(std::filesystem::exists(dir.Host("g.dat")));
    EXPECT_TRUE(CloseHandle(held));

    EXPECT_TRUE(MoveFileA("c:\\f.dat", "c:\\g.dat"));
    EXPECT_EQ(dir.ReadHostFile("g.dat"), "data");
    EXPECT_FALSE(std::filesystem::exists(dir.Host("f.dat")));
    EXPECT_TRUE(DeleteFileA("c:\\g.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir.Host("g.dat")));
    EXPECT_FALSE(DeleteFileA("c:\\g.dat"));
    EXPECT_FALSE(MoveFileA("c:\\g.dat", "c:\\h.dat"));
    // A move never replaces an existing target, itself included.
    dir.WriteHostFile("a.dat", "first");
    dir.WriteHostFile("b.dat", "second");
    EXPECT_FALSE(MoveFileA("c:\\a.dat", "c:\\b.dat"));
    EXPECT_FALSE(MoveFileA("c:\\a.dat", "c:\\a.dat"));
    EXPECT_EQ(dir.ReadHostFile("a.dat") + dir.ReadHostFile("b.dat"), "firstsecond");
}

TEST(HostFile, SeeksFromEachOriginAndRefusesBadPositions) {
    TTempDir dir;
    dir.WriteHostFile("f.dat", "0123456789");
    THostFile* file = Open("c:\\f.dat", RW, 0, OPEN_EXISTING);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(SetFilePointer(file, 3, FILE_BEGIN), 3U);
    EXPECT_EQ(SetFilePointer(file, 2, FILE_CURRENT), 5U);
    EXPECT_EQ(SetFilePointer(file, -2, FILE_END), 8U);
    // Failures leave the position where it was.
    EXPECT_EQ(SetFilePointer(file, -1, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(SetFilePointer(file, -9, FILE_CURRENT), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(SetFilePointer(file, -11, FILE_END), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(SetFilePointer(file, 0, 7), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(SetFilePointer(file, 0, FILE_CURRENT), 8U);
    char buf[2] = {};
    u32 done = 0;
    EXPECT_TRUE(ReadFile(file, buf, 2, &done));
    EXPECT_EQ(std::string(buf, done), "89");
    // A read at the end succeeds with no bytes.
    EXPECT_TRUE(ReadFile(file, buf, 2, &done));
    EXPECT_EQ(done, 0U);
    // A position past the end is allowed; writing there extends the file.
    EXPECT_EQ(SetFilePointer(file, 2, FILE_END), 12U);
    EXPECT_TRUE(WriteFile(file, "x", 1, &done));
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_EQ(dir.ReadHostFile("f.dat"), std::string("0123456789\0\0x", 13));

    EXPECT_EQ(SetFilePointer(nullptr, 0, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    EXPECT_FALSE(ReadFile(nullptr, buf, 1, &done));
    EXPECT_FALSE(WriteFile(nullptr, buf, 1, &done));
    EXPECT_FALSE(CloseHandle(nullptr));
}

TEST(HostFile, PositionsBeyondThirtyTwoBitsAreRefused) {
    TTempDir dir;
    dir.WriteHostFile("big.dat", "");
    // Sparse, so nothing of its size is written to disk.
    ASSERT_EQ(::truncate(dir.Host("big.dat").c_str(), 0x1'0000'0010LL), 0);
    THostFile* file = Open("c:\\big.dat", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(SetFilePointer(file, 0, FILE_END), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(SetFilePointer(file, 0, FILE_CURRENT), 0U);
    EXPECT_EQ(SetFilePointer(file, -0x20, FILE_END), 0xFFFFFFF0U);
    EXPECT_TRUE(CloseHandle(file));
}

TEST(HostFile, DirectoriesAreTestedAndMadeOnVirtualPaths) {
    TTempDir dir;
    dir.WriteHostFile("file.txt", "x");
    EXPECT_TRUE(DirectoryExists("c:"));
    EXPECT_TRUE(DirectoryExists("c:\\"));
    EXPECT_FALSE(DirectoryExists("c:\\made"));
    EXPECT_TRUE(MakeDirectory("c:\\made"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Host("made")));
    EXPECT_TRUE(DirectoryExists("c:\\made\\"));
    EXPECT_FALSE(MakeDirectory("c:\\made"));
    EXPECT_FALSE(MakeDirectory("c:\\missing\\deeper"));
    EXPECT_FALSE(DirectoryExists("c:\\file.txt"));
    EXPECT_FALSE(MakeDirectory("c:\\..\\escape"));
}

} // namespace

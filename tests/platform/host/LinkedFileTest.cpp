// Files kept behind a symbolic link: a replacement and the settings written through it, the
// link kept; a link that leads nowhere is left as it is and the write told, never replaced by a
// file of its own.
#include "platform/host/HostFile.h"
#include "platform/host/PrivateProfile.h"

#include "ProfileWritesTold.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

TEST(LinkedSettings, AreWrittenThroughALinkAndNeverReplaceOneThatLeadsNowhere) {
    TTempDir dir;
    TProfileWritesTold told;
    fs::create_directories(dir.Host("synced"));
    dir.WriteHostFile("synced/mine.ini", "[System]\r\nPrevRun=0\r\n");
    fs::create_symlink(dir.Host("synced/mine.ini"), dir.Host("live.ini"));
    EXPECT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "1", "c:\\live.ini"));
    EXPECT_TRUE(fs::is_symlink(dir.Host("live.ini")));
    EXPECT_EQ(ReadFileBytes(dir.Host("synced/mine.ini")), "[System]\r\nPrevRun=1\r\n");
    EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(dir.Host("synced")), {}),
              std::vector<fs::path>{dir.Host("synced/mine.ini")});

    fs::create_symlink(dir.Host("unmounted/mine.ini"), dir.Host("dangling.ini"));
    EXPECT_FALSE(WritePrivateProfileStringA("System", "PrevRun", "1", "c:\\dangling.ini"));
    EXPECT_TRUE(fs::is_symlink(dir.Host("dangling.ini")));
    EXPECT_FALSE(fs::exists(dir.Host("unmounted")));
    EXPECT_EQ(told.Failed,
              std::vector<std::string>{dir.Host("dangling.ini").string() +
                                       ": is a link to nothing, which is left as it is"});
}

// A synced folder is often on another file system: the new file is copied beside the linked
// one there and renamed over it, and nothing is left of it on either side.
TEST(LinkedFile, IsReplacedWhereItIsFromAnotherFileSystemAndTheLinkKept) {
    TTempDir dir;
    const fs::path other = fs::path("/dev/shm") / ("otcraps-linked-" + std::to_string(::getpid()));
    struct stat here {};
    struct stat there {};
    if (::stat(dir.Path.c_str(), &here) != 0 || ::stat("/dev/shm", &there) != 0 ||
        here.st_dev == there.st_dev)
        GTEST_SKIP() << "no second file system at /dev/shm";
    fs::create_directories(other);
    const fs::path linked = other / "mine.sav";
    { std::ofstream(linked) << "old"; }
    fs::create_symlink(linked, dir.Host("place.sav"));
    dir.WriteHostFile("place.tmp", "new");
    const bool moved = MoveFileExA("c:\\place.tmp", "c:\\place.sav",
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    const std::string held = ReadFileBytes(linked);
    const auto left = std::vector<fs::path>(fs::directory_iterator(other), {});
    fs::remove_all(other);
    EXPECT_TRUE(moved);
    EXPECT_EQ(held, "new");
    EXPECT_EQ(left, std::vector<fs::path>{linked});
    EXPECT_TRUE(fs::is_symlink(dir.Host("place.sav")));
    EXPECT_FALSE(fs::exists(dir.Host("place.tmp")));
}

} // namespace

// A settings file whose own place refuses it: kept in its kept place for the run, moved back
// when its place takes it again, and taken up from there by the next run.
#include "platform/host/PrivateProfile.h"

#include "ProfileWritesTold.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <utility>
#include <vector>

namespace {

// The host's disk, but no file can be made in the folder's top while Refuse is set: the
// player's folder read-only while the save's folder under it is not.
class TTopRefusingDisk : public TProfileDisk {
public:
    explicit TTopRefusingDisk(std::filesystem::path top) : Top(std::move(top)) {
        SetPrivateProfileDisk(this);
    }
    ~TTopRefusingDisk() override { SetPrivateProfileDisk(nullptr); }

    int CreateToWrite(const std::string& hostPath) override {
        if (Refuse && std::filesystem::path(hostPath).parent_path() == Top) {
            errno = EROFS;
            return -1;
        }
        return TProfileDisk::CreateToWrite(hostPath);
    }

    std::filesystem::path Top;
    bool Refuse = true;
};

const char File[] = "c:\\a.ini";
const char KeptFile[] = "c:\\data\\a.ini";

std::string Read(const std::string& key) {
    return GetPrivateProfileStringA("s", key, "-", File);
}

class PrivateProfileKept : public ::testing::Test {
protected:
    PrivateProfileKept() { Dir.WriteHostFile("data/x", ""); }
    bool KeptStands() const { return std::filesystem::exists(Dir.Host("data/a.ini")); }

    TTempDir Dir;
    TTopRefusingDisk Disk{Dir.Path};
    TProfileWritesTold Told;
};

TEST_F(PrivateProfileKept, WritesTheFilesPlaceRefusesGoToTheKeptPlaceUntilItTakesThemAgain) {
    Dir.WriteHostFile("a.ini", "[s]\r\nold=1\r\n");
    EXPECT_FALSE(SetPrivateProfileKeptPlace(File, KeptFile));
    EXPECT_TRUE(WritePrivateProfileStringA("s", "k", "1", File));
    EXPECT_TRUE(WritePrivateProfileStringA("s", "j", "2", File));
    // Every write is on the disk, the file's own values with them; told once.
    EXPECT_EQ(Dir.ReadHostFile("data/a.ini"), "[s]\r\nold=1\r\nk=1\r\nj=2\r\n");
    EXPECT_EQ(Dir.ReadHostFile("a.ini"), "[s]\r\nold=1\r\n");
    EXPECT_EQ(Told.Kept,
              (std::vector<std::string>{Dir.Host("a.ini").string() +
                                        " cannot be written (Read-only file system) -> " +
                                        Dir.Host("data/a.ini").string()}));
    EXPECT_TRUE(Told.Failed.empty());
    // The run reads what it wrote, not the file left behind in its place.
    EXPECT_EQ(Read("k"), "1");
    // Its place takes files again: the next write puts everything there, and the kept file,
    // now behind, goes.
    Disk.Refuse = false;
    EXPECT_TRUE(WritePrivateProfileStringA("s", "k", "3", File));
    EXPECT_EQ(Dir.ReadHostFile("a.ini"), "[s]\r\nold=1\r\nk=3\r\nj=2\r\n");
    EXPECT_FALSE(KeptStands());
    // Neither place taking it is a failure, told as one.
    Disk.Refuse = true;
    std::filesystem::remove_all(Dir.Host("data"));
    Dir.WriteHostFile("data", "a file");
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "4", File));
    EXPECT_EQ(Told.Failed.size(), 1U);
    EXPECT_EQ(Told.Kept.size(), 1U);
}

TEST_F(PrivateProfileKept, AFolderInTheFilesPlaceIsLeftAndTheSettingsKept) {
    std::filesystem::create_directory(Dir.Host("a.ini"));
    Disk.Refuse = false;
    EXPECT_FALSE(SetPrivateProfileKeptPlace(File, KeptFile));
    EXPECT_TRUE(WritePrivateProfileStringA("s", "k", "1", File));
    EXPECT_EQ(Dir.ReadHostFile("data/a.ini"), "[s]\r\nk=1\r\n");
    EXPECT_TRUE(std::filesystem::is_directory(Dir.Host("a.ini")));
    ASSERT_EQ(Told.Kept.size(), 1U);
    EXPECT_NE(Told.Kept[0].find(" is a folder -> "), std::string::npos) << Told.Kept[0];
    // The next run finds them there though the folder still stands.
    SetPrivateProfileDisk(&Disk);
    EXPECT_TRUE(SetPrivateProfileKeptPlace(File, KeptFile));
    EXPECT_EQ(Read("k"), "1");
    EXPECT_TRUE(KeptStands());
    // The kept place failing too is told, and the run still reads what it set: the disk holds
    // nothing newer.
    std::filesystem::remove_all(Dir.Host("data"));
    Dir.WriteHostFile("data", "a file");
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "2", File));
    EXPECT_EQ(Read("k"), "2");
    EXPECT_EQ(Told.Failed.size(), 1U);
}

TEST_F(PrivateProfileKept, TheNextRunTakesUpAKeptFileNewerThanTheFileAndPutsItBack) {
    Dir.WriteHostFile("a.ini", "[s]\r\nk=old\r\n");
    ASSERT_FALSE(SetPrivateProfileKeptPlace(File, KeptFile));
    ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "kept", File));
    // A new run, its place still refusing: read from the kept file, untold, and kept there.
    SetPrivateProfileDisk(&Disk);
    Told.Kept.clear();
    EXPECT_TRUE(SetPrivateProfileKeptPlace(File, KeptFile));
    EXPECT_EQ(Read("k"), "kept");
    EXPECT_TRUE(WritePrivateProfileStringA("s", "j", "1", File));
    EXPECT_EQ(Dir.ReadHostFile("data/a.ini"), "[s]\r\nk=kept\r\nj=1\r\n");
    EXPECT_TRUE(Told.Kept.empty());
    // A run whose place takes files puts them back at once.
    SetPrivateProfileDisk(&Disk);
    Disk.Refuse = false;
    EXPECT_TRUE(SetPrivateProfileKeptPlace(File, KeptFile));
    EXPECT_EQ(Dir.ReadHostFile("a.ini"), "[s]\r\nk=kept\r\nj=1\r\n");
    EXPECT_FALSE(KeptStands());
    EXPECT_TRUE(Told.Failed.empty());
}

TEST_F(PrivateProfileKept, AKeptFileOlderThanTheFileIsLeftUnread) {
    Dir.WriteHostFile("data/a.ini", "[s]\r\nk=kept\r\n");
    std::filesystem::last_write_time(Dir.Host("data/a.ini"),
                                     std::filesystem::file_time_type::clock::now() -
                                         std::chrono::hours(1));
    Dir.WriteHostFile("a.ini", "[s]\r\nk=newer\r\n");
    EXPECT_FALSE(SetPrivateProfileKeptPlace(File, KeptFile));
    EXPECT_EQ(Read("k"), "newer");
    EXPECT_EQ(Dir.ReadHostFile("data/a.ini"), "[s]\r\nk=kept\r\n");
}

} // namespace

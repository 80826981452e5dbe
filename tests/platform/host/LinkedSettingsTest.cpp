// Settings kept behind a symbolic link: written through it, the link kept; a link that leads
// nowhere is left as it is and the write told, never replaced by a file of its own.
#include "platform/host/PrivateProfile.h"

#include "support/FileBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class TTold : public TProfileWriteWatcher {
public:
    TTold() { SetPrivateProfileWatcher(this); }
    ~TTold() override { SetPrivateProfileWatcher(nullptr); }
    void WriteFailed(const std::string& hostPath, const std::string& why) override {
        Told.push_back(hostPath + ": " + why);
    }
    std::vector<std::string> Told;
};

TEST(LinkedSettings, AreWrittenThroughALinkAndNeverReplaceOneThatLeadsNowhere) {
    TTempDir dir;
    TTold told;
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
    EXPECT_EQ(told.Told,
              std::vector<std::string>{dir.Host("dangling.ini").string() +
                                       ": is a link to nothing, which is left as it is"});
}

} // namespace

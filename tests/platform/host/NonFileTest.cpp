// A folder, a FIFO or a link to a device where a file should be: every reader of the host layer
// turns it down at once, says what it is, and leaves it where it stands.
#include "platform/host/HostFile.h"
#include "platform/host/InstanceLock.h"
#include "platform/host/PathKind.h"
#include "platform/host/PrivateProfile.h"

#include "ProfileWritesTold.h"
#include "support/NoWait.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct TNonFile {
    const char* What;
    std::function<void(const fs::path&)> Make;
    THostPathKind Kind;
    int Error;
};

const TNonFile NonFiles[] = {
    {"a folder", [](const fs::path& p) { fs::create_directory(p); }, THostPathKind::Directory,
     EISDIR},
    {"a FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
     THostPathKind::Other, ENOTSUP},
    {"a link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
     THostPathKind::Other, ENOTSUP},
    {"a link to /dev/null", [](const fs::path& p) { fs::create_symlink("/dev/null", p); },
     THostPathKind::Other, ENOTSUP},
};

TEST(NonFileTest, EveryReaderTurnsItDownAtOnceAndLeavesItThere) {
    for (const TNonFile& c : NonFiles) {
        SCOPED_TRACE(c.What);
        TTempDir dir;
        const fs::path path = dir.Host("f.dat");
        c.Make(path);
        const std::string host = path.string();
        EXPECT_EQ(GetHostPathKindAt(host), c.Kind);
        EXPECT_EQ(GetHostPathKind("c:\\f.dat"), c.Kind);
        // Whatever waits on the FIFO fails its check and is let go.
        const auto now = [&](const std::function<void()>& call) {
            EXPECT_TRUE(ReturnsWithoutWaitingOn(host, call));
        };

        for (const u32 access : {GENERIC_READ, 0U, GENERIC_READ | GENERIC_WRITE}) {
            now([&] {
                errno = 0;
                EXPECT_EQ(CreateFileA("c:\\f.dat", access, FILE_SHARE_READ, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL),
                          nullptr)
                    << access;
                EXPECT_EQ(errno, c.Error) << access;
            });
        }
        now([&] { EXPECT_EQ(CreateFileA("c:\\f.dat", GENERIC_READ, 0, OPEN_ALWAYS, 0), nullptr); });
        now([&] {
            THostPathKind kind = THostPathKind::Regular;
            errno = 0;
            EXPECT_EQ(OpenPlainFileToRead(host, &kind), -1);
            EXPECT_EQ(errno, c.Error);
            EXPECT_EQ(kind, c.Kind);
        });

        // Settings read as defaults; a write is refused and its watcher told what stands there.
        TProfileWritesTold told;
        now([&] {
            EXPECT_EQ(GetPrivateProfileIntA("System", "PrevRun", 7, "c:\\f.dat"), 7);
            EXPECT_FALSE(WritePrivateProfileStringA("System", "PrevRun", "1", "c:\\f.dat"));
        });
        EXPECT_EQ(told.Failed,
                  std::vector<std::string>{host + ": is " + DescribeHostPathKind(c.Kind)});

        now([&] {
            TInstanceLock lock;
            EXPECT_EQ(lock.Acquire(host), TInstanceLock::TResult::NotAFile);
            EXPECT_FALSE(lock.IsHeld());
            EXPECT_EQ(TInstanceLock::SignalHolder(host).Answer, TInstanceLock::TAnswer::Free);
        });

        struct stat st {};
        ASSERT_EQ(::lstat(host.c_str(), &st), 0);
        EXPECT_FALSE(S_ISREG(st.st_mode));
    }
}

TEST(NonFileTest, ADiskThatRefusesAWriteIsToldWithTheSystemsReason) {
    class TFullDisk : public TProfileDisk {
    public:
        bool Write(int, const char*, size_t) override {
            errno = ENOSPC;
            return false;
        }
    } full;
    TTempDir dir;
    SetPrivateProfileDisk(&full);
    TProfileWritesTold told;
    EXPECT_FALSE(WritePrivateProfileStringA("System", "PrevRun", "1", "c:\\a.ini"));
    {
        TPrivateProfileBatch batch;
        EXPECT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "1", "c:\\b.ini"));
        EXPECT_FALSE(batch.Close());
    }
    SetPrivateProfileDisk(nullptr);
    const std::string why = ": cannot be written (No space left on device)";
    EXPECT_EQ(told.Failed, (std::vector<std::string>{dir.Host("a.ini").string() + why,
                                                     dir.Host("b.ini").string() + why}));
    // No temporary is left behind, and nothing took the files' names.
    EXPECT_TRUE(fs::is_empty(dir.Path));
    // A value the file could never hold is the caller's fault, not the disk's.
    EXPECT_FALSE(WritePrivateProfileStringA("System", "Bad", "a\nb", "c:\\a.ini"));
    EXPECT_EQ(told.Failed.size(), 2U);
}

} // namespace

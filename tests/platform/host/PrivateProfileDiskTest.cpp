// Settings files on the disk: read once and answered from memory, replaced through a temporary
// file flushed before it is renamed, temporaries of killed runs cleared, any bytes survived.
#include "platform/host/PrivateProfile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The host's disk, with every call counted and the order of the replacement's steps noted.
class TWatchedDisk : public TProfileDisk {
public:
    TWatchedDisk() { SetPrivateProfileDisk(this); }
    ~TWatchedDisk() override { SetPrivateProfileDisk(nullptr); }

    int OpenToRead(const std::string& hostPath) override {
        ++Opens;
        return TProfileDisk::OpenToRead(hostPath);
    }
    int CreateToWrite(const std::string& hostPath) override {
        Steps += "create " + Name(hostPath) + ";";
        Written = TProfileDisk::CreateToWrite(hostPath);
        return Written;
    }
    long Read(int fd, char* buffer, size_t size) override {
        ++Reads;
        return TProfileDisk::Read(fd, buffer, size);
    }
    bool Write(int fd, const char* data, size_t size) override {
        Steps += "write;";
        return TProfileDisk::Write(fd, data, size);
    }
    bool Flush(int fd) override {
        Steps += "flush;";
        return !FailFlush && TProfileDisk::Flush(fd);
    }
    bool Close(int fd) override {
        if (fd == Written) {
            Steps += "close;";
            Written = -1;
        }
        return TProfileDisk::Close(fd);
    }
    bool Rename(const std::string& from, const std::string& to) override {
        Steps += "rename " + Name(from) + " " + Name(to) + ";";
        return TProfileDisk::Rename(from, to);
    }
    bool FlushFolder(const std::string& hostFolder) override {
        Steps += "flush folder;";
        return TProfileDisk::FlushFolder(hostFolder);
    }
    bool Remove(const std::string& hostPath) override {
        Steps += "remove " + Name(hostPath) + ";";
        return TProfileDisk::Remove(hostPath);
    }

    static std::string Name(const std::string& path) { return path.substr(path.rfind('/') + 1); }

    int Written = -1;
    int Opens = 0;
    int Reads = 0;
    bool FailFlush = false;
    std::string Steps;
};

std::string Temporary() {
    return "a.ini.tmp" + std::to_string(::getpid());
}

TEST(PrivateProfileDisk, TheTemporaryFileIsOnTheDiskBeforeItTakesTheName) {
    TTempDir dir;
    TWatchedDisk disk;
    dir.WriteHostFile("a.ini", "[System]\r\nPrevRun=0\r\n");
    ASSERT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "1", "c:\\a.ini"));
    EXPECT_EQ(disk.Steps, "create " + Temporary() + ";write;flush;close;rename " + Temporary() +
                              " a.ini;flush folder;");
    EXPECT_EQ(dir.ReadHostFile("a.ini"), "[System]\r\nPrevRun=1\r\n");

    // A flush that fails renames nothing: the file and what is read of it stay as they were.
    disk.Steps.clear();
    disk.FailFlush = true;
    EXPECT_FALSE(WritePrivateProfileStringA("System", "PrevRun", "2", "c:\\a.ini"));
    EXPECT_EQ(disk.Steps,
              "create " + Temporary() + ";write;flush;close;remove " + Temporary() + ";");
    EXPECT_EQ(dir.ReadHostFile("a.ini"), "[System]\r\nPrevRun=1\r\n");
    EXPECT_EQ(GetPrivateProfileIntA("System", "PrevRun", 9, "c:\\a.ini"), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.Host(Temporary())));
}

TEST(PrivateProfileDisk, TemporariesOfRunsThatEndedAreClearedAtTheFirstUse) {
    TTempDir dir;
    TWatchedDisk disk;
    // 999999999 lies above any process id the system hands out.
    const std::string dead = "otcraps.ini.tmp999999999";
    const std::string own = "otcraps.ini.tmp" + std::to_string(::getpid());
    const std::string running = "otcraps.ini.tmp" + std::to_string(::getppid());
    const char* others[] = {"otcraps.ini.tmpx", "other.ini.tmp999999999", "otcraps.ini"};
    for (const std::string& name : {dead, own, running})
        dir.WriteHostFile(name, "[half\r\n");
    for (const char* name : others)
        dir.WriteHostFile(name, "[System]\r\nPrevRun=1\r\n");
    EXPECT_EQ(GetPrivateProfileIntA("System", "PrevRun", 0, "c:\\otcraps.ini"), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.Host(dead)));
    EXPECT_FALSE(std::filesystem::exists(dir.Host(own)));
    // A copy of the program that still runs may be writing its own.
    EXPECT_TRUE(std::filesystem::exists(dir.Host(running)));
    for (const char* name : others)
        EXPECT_TRUE(std::filesystem::exists(dir.Host(name))) << name;
}

TEST(PrivateProfileDisk, AFileIsReadOnceAndReadsAfterAWriteSeeTheWrite) {
    TTempDir dir;
    TWatchedDisk disk;
    dir.WriteHostFile("a.ini", "[System]\r\nPrevRun=0\r\n[sound]\r\neffects=1\r\n");
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(GetPrivateProfileIntA("System", "PrevRun", 9, "c:\\a.ini"), 0);
        ASSERT_EQ(GetPrivateProfileStringA("SOUND", "Effects", "", "c:\\a.ini"), "1");
    }
    EXPECT_EQ(disk.Opens, 1);
    ASSERT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "1", "c:\\a.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("New", "k", "v", "c:\\a.ini"));
    EXPECT_EQ(GetPrivateProfileIntA("System", "PrevRun", 9, "c:\\a.ini"), 1);
    EXPECT_EQ(GetPrivateProfileStringA("new", "K", "", "c:\\a.ini"), "v");
    EXPECT_EQ(GetPrivateProfileStringA("sound", "effects", "", "c:\\a.ini"), "1");
    EXPECT_EQ(disk.Opens, 1);
    // A file replaced by other means is read again.
    dir.WriteHostFile("b.ini", "x");
    std::filesystem::rename(dir.Host("b.ini"), dir.Host("a.ini"));
    EXPECT_EQ(GetPrivateProfileIntA("System", "PrevRun", 9, "c:\\a.ini"), 9);
    EXPECT_EQ(disk.Opens, 2);
    // So is one that was missing and has come since.
    EXPECT_EQ(GetPrivateProfileIntA("System", "PrevRun", 9, "c:\\c.ini"), 9);
    dir.WriteHostFile("c.ini", "[System]\r\nPrevRun=3\r\n");
    EXPECT_EQ(GetPrivateProfileIntA("System", "PrevRun", 9, "c:\\c.ini"), 3);
}

TEST(PrivateProfileDisk, AHugeLineIsCutOnceAndCostsNothingPerRead) {
    TTempDir dir;
    TWatchedDisk disk;
    const size_t huge = 10u << 20;
    dir.WriteHostFile("a.ini",
                      "[Expert]\r\nX=" + std::string(huge, '7') + "\r\n[System]\r\nPrevRun=1\r\n");
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(GetPrivateProfileIntA("System", "PrevRun", 9, "c:\\a.ini"), 1);
    EXPECT_EQ(disk.Opens, 1);
    // One pass over the file in blocks, not one per read.
    EXPECT_LE(disk.Reads, static_cast<int>(huge / 65536 + 2));
    EXPECT_EQ(GetPrivateProfileStringA("Expert", "X", "", "c:\\a.ini"),
              std::string(PrivateProfileLineLimit - 2, '7'));
    // The next write leaves the file as it was read.
    ASSERT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "2", "c:\\a.ini"));
    EXPECT_EQ(dir.ReadHostFile("a.ini"),
              "[Expert]\r\nX=" + std::string(PrivateProfileLineLimit - 2, '7') +
                  "\r\n[System]\r\nPrevRun=2\r\n");
    // A line that could not be read back is not written.
    EXPECT_FALSE(WritePrivateProfileStringA(
        "Expert", "Y", std::string(PrivateProfileLineLimit, 'y'), "c:\\a.ini"));
    EXPECT_TRUE(WritePrivateProfileStringA(
        "Expert", "Y", std::string(PrivateProfileLineLimit - 2, 'y'), "c:\\a.ini"));
}

TEST(PrivateProfileDisk, AFileOfAnyBytesReadsAsDefaultsWhereItMakesNoSense) {
    TTempDir dir;
    struct Case {
        const char* Name;
        std::string Bytes;
        int PrevRun;
    };
    std::string noise(70000, '\0');
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 131 + 17) % 251);
    const Case cases[] = {
        {"empty", "", 9},
        {"no line break at the end", "[System]\r\nPrevRun=3", 3},
        {"bare line feeds", "[System]\nPrevRun=4\n", 4},
        {"a zero in the section", std::string("[Sys\0tem]\r\nPrevRun=5\r\n", 22), 9},
        {"a zero in the value's line", std::string("[System]\r\nPrevRun=5\0x\r\n", 23), 9},
        {"binary before the section", noise + "\n[System]\r\nPrevRun=6\r\n", 6},
        {"only noise", noise, 9},
        {"carriage returns only", "[System]\rPrevRun=7\r", 9},
        {"a key before any section", "PrevRun=8\r\n", 9},
        {"high bytes are text", "[System]\r\n\xE9t\xE9=1\r\nPrevRun=2\r\n", 2},
        {"a million empty lines", std::string(1 << 20, '\n') + "[System]\nPrevRun=1\n", 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        dir.WriteHostFile("a.ini", c.Bytes);
        SetPrivateProfileDisk(nullptr);
        EXPECT_EQ(GetPrivateProfileIntA("System", "PrevRun", 9, "c:\\a.ini"), c.PrevRun);
        EXPECT_EQ(GetPrivateProfileStringA("location", "cddrive", "c:", "c:\\a.ini"), "c:");
        // Writing keeps the file readable and the key found.
        ASSERT_TRUE(WritePrivateProfileStringA("System", "Written", "1", "c:\\a.ini"));
        EXPECT_EQ(GetPrivateProfileIntA("System", "Written", 0, "c:\\a.ini"), 1);
    }
    // What is no file at all gives defaults at once, and is never replaced.
    std::filesystem::create_symlink("/dev/zero", dir.Host("zero.ini"));
    ASSERT_EQ(::mkfifo(dir.Host("pipe.ini").c_str(), 0600), 0);
    for (const char* file : {"c:\\zero.ini", "c:\\pipe.ini"}) {
        EXPECT_EQ(GetPrivateProfileIntA("System", "PrevRun", 9, file), 9) << file;
        EXPECT_FALSE(WritePrivateProfileStringA("System", "PrevRun", "1", file)) << file;
    }
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Host("zero.ini")));
    EXPECT_TRUE(std::filesystem::is_fifo(dir.Host("pipe.ini")));
}

} // namespace

// A write whose value already stands costs the disk nothing; one that changes the file, or finds
// the disk changed by others since it was read, replaces it once.
TEST(PrivateProfileDisk, AValueThatAlreadyStandsIsNotWrittenAgain) {
    TTempDir dir;
    TWatchedDisk disk;
    const std::string text = "[System]\r\nPrevRun=1\r\n[Players]\r\n0=Joe Gambler\r\n";
    dir.WriteHostFile("a.ini", text);
    const auto renames = [&disk] {
        int n = 0;
        for (size_t at = disk.Steps.find("rename"); at != std::string::npos;
             at = disk.Steps.find("rename", at + 1))
            ++n;
        disk.Steps.clear();
        return n;
    };
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "1", "c:\\a.ini"));
        ASSERT_TRUE(WritePrivateProfileStringA("players", "0", "Joe Gambler", "c:\\a.ini"));
    }
    EXPECT_EQ(renames(), 0);
    EXPECT_EQ(dir.ReadHostFile("a.ini"), text);
    ASSERT_TRUE(WritePrivateProfileStringA("Players", "1", "", "c:\\a.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("Players", "1", "", "c:\\a.ini"));
    EXPECT_EQ(renames(), 1);
    ASSERT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "0", "c:\\a.ini"));
    EXPECT_EQ(renames(), 1);
    // Another program put the old value back: the file on the disk no longer holds ours.
    dir.WriteHostFile("a.ini", text);
    ASSERT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "0", "c:\\a.ini"));
    EXPECT_EQ(renames(), 1);
    EXPECT_EQ(GetPrivateProfileIntA("System", "PrevRun", 9, "c:\\a.ini"), 0);
    std::filesystem::remove(dir.Host("a.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "0", "c:\\a.ini"));
    EXPECT_EQ(renames(), 1);
    EXPECT_EQ(dir.ReadHostFile("a.ini"), "[System]\r\nPrevRun=0\r\n");
}

// A settings file far larger than one: read only as far as a settings file can reach, in a few
// blocks, with the keys past that point read as their defaults.
#include "platform/host/PrivateProfile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// The host's disk, counting the blocks read.
class TCountingDisk : public TProfileDisk {
public:
    TCountingDisk() { SetPrivateProfileDisk(this); }
    ~TCountingDisk() override { SetPrivateProfileDisk(nullptr); }
    long Read(int fd, char* buffer, size_t size) override {
        ++Reads;
        return TProfileDisk::Read(fd, buffer, size);
    }
    int Reads = 0;
};

TEST(SettingsBadInput, TenMegabytesOfLinesAreReadOnlyAsFarAsASettingsFileReaches) {
    TTempDir dir;
    TCountingDisk disk;
    std::string bytes = "[System]\r\nPrevRun=3\r\n";
    for (int n = 0; bytes.size() < (10u << 20); ++n)
        bytes += "[S" + std::to_string(n) + "]\r\nKey=" + std::string(40, 'v') + "\r\n";
    bytes += "[Late]\r\nKey=5\r\n";
    dir.WriteHostFile("big.ini", bytes);

    EXPECT_EQ(GetPrivateProfileIntA("System", "PrevRun", 9, "c:\\big.ini"), 3);
    EXPECT_EQ(GetPrivateProfileIntA("Late", "Key", 9, "c:\\big.ini"), 9);
    EXPECT_EQ(GetPrivateProfileStringA("S0", "Key", "", "c:\\big.ini"), std::string(40, 'v'));
    // A megabyte's worth of 64-kilobyte blocks, not ten.
    EXPECT_LE(disk.Reads, 17);
    // A later look is answered from what was held.
    EXPECT_EQ(GetPrivateProfileIntA("Late", "Key", 9, "c:\\big.ini"), 9);
    EXPECT_LE(disk.Reads, 17);
}

} // namespace

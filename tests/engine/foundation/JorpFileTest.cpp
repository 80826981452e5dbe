// Raw files and the buffered writer: open state, sizes, reads, renames and write ordering.
#include "engine/foundation/JorpFile.h"
#include "engine/foundation/FileWriteBuf.h"
#include "engine/foundation/MemMgr.h"

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

TJorpFile Reader(const std::string& path, bool openNow) {
    return TJorpFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0, FILE_ATTRIBUTE_NORMAL,
                     openNow, true);
}

bool OpenAsReader(TJorpFile& file, const std::string& path) {
    return file.OpenAs(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0, FILE_ATTRIBUTE_NORMAL,
                       true);
}

// Maps drive z: to the host's devices for the whole test, so that z:\full is a file every
// write to fails.
class TDevDrive {
public:
    TDevDrive() { TVirtualPaths::SetDriveRoot('z', "/dev"); }
    ~TDevDrive() { TVirtualPaths::SetDriveRoot('z', ""); }
};

TEST(JorpFile, OpenOpenAsAndCloseActOnlyInTheirStateAndSizesAreMeasuredOnce) {
    TTempDir dir;
    dir.WriteHostFile("a.dat", "12345");
    dir.WriteHostFile("b.dat", "xy");
    TJorpFile file = Reader("c:\\a.dat", false);
    EXPECT_TRUE(file.Close());
    // A closed file is opened, measured and closed again for real: a writer that shares
    // nothing can open it.
    EXPECT_EQ(file.GetSize(), 5);
    EXPECT_FALSE(file.IsOpen());
    TJorpFile writer("c:\\a.dat", GENERIC_WRITE, 0, OPEN_EXISTING, 0, FILE_ATTRIBUTE_NORMAL, true,
                     true);
    EXPECT_TRUE(writer.IsOpen());
    EXPECT_TRUE(writer.Close());

    ASSERT_TRUE(file.Open());
    EXPECT_EQ(file.GetSize(), 5);
    // Growth seen only through a new measurement: an Open of an open file keeps the old one.
    dir.WriteHostFile("a.dat", "1234567");
    EXPECT_TRUE(file.Open());
    EXPECT_EQ(file.GetSize(), 5);
    EXPECT_FALSE(OpenAsReader(file, "c:\\b.dat"));
    EXPECT_EQ(file.GetName().GetText(), "c:\\a.dat");
    EXPECT_TRUE(file.Close());
    ASSERT_TRUE(file.Open());
    EXPECT_EQ(file.GetSize(), 7);
    EXPECT_TRUE(file.Close());
    EXPECT_TRUE(OpenAsReader(file, "c:\\b.dat"));
    EXPECT_EQ(file.GetSize(), 2);

    // An empty file is measured again at every call.
    dir.WriteHostFile("e.dat", "");
    TJorpFile empty = Reader("c:\\e.dat", true);
    EXPECT_EQ(empty.GetSize(), 0);
    dir.WriteHostFile("e.dat", "abc");
    EXPECT_EQ(empty.GetSize(), 3);
}

TEST(JorpFile, SeeksReadsAndSizesOfAnOpenFile) {
    TTempDir dir;
    dir.WriteHostFile("a.dat", "abcdef");
    TJorpFile file = Reader("c:\\a.dat", true);
    EXPECT_EQ(file.Seek(-1, FILE_BEGIN), -1);
    EXPECT_EQ(file.Seek(0, -1), -1);
    EXPECT_EQ(file.Seek(2, FILE_BEGIN), 2);
    EXPECT_EQ(file.GetSize(), 6); // and keeps the position
    char buf[8] = {};
    i32 done = 0;
    EXPECT_TRUE(file.Read(buf, 2, done));
    EXPECT_EQ(std::string(buf, 2), "cd");
    // Past the end: fails with the counter holding what was read.
    done = 0;
    EXPECT_FALSE(file.Read(buf, 8, done));
    EXPECT_EQ(done, 2);
    EXPECT_EQ(std::string(buf, 2), "ef");
    done = 0;
    EXPECT_FALSE(file.Read(buf, -1, done));
    EXPECT_EQ(done, 0);

    TJorpFile missing = Reader("c:\\none.dat", true);
    EXPECT_FALSE(missing.Read(buf, 1, done));
    EXPECT_FALSE(missing.WriteRaw(buf, 1, done));
    EXPECT_EQ(done, 0);
    EXPECT_EQ(missing.Seek(0, FILE_BEGIN), -1);
    EXPECT_EQ(missing.GetSize(), 0);
    EXPECT_FALSE(missing.IsOpen());
}

TEST(JorpFile, AFileBeyondTwoGibibytesIsNeverMeasuredNegative) {
    TTempDir dir;
    dir.WriteHostFile("big.dat", "");
    for (const long long length : {0x8000'0010LL, 0x1'4000'0000LL}) {
        ASSERT_EQ(::truncate(dir.Host("big.dat").c_str(), length), 0);
        TJorpFile file = Reader("c:\\big.dat", true);
        EXPECT_EQ(file.GetSize(), std::numeric_limits<i32>::max()) << length;
        EXPECT_EQ(file.Seek(0, FILE_CURRENT), 0) << length;
        EXPECT_EQ(file.Seek(0, FILE_END), -1) << length;
    }
}

TEST(JorpFile, RenameMovesOnlyAClosedFileAndNeverOntoAnother) {
    TTempDir dir;
    dir.WriteHostFile("a.dat", "A");
    dir.WriteHostFile("b.dat", "B");
    TJorpFile file = Reader("c:\\a.dat", true);
    EXPECT_FALSE(file.Rename("c:\\c.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir.Host("c.dat")));
    file.Close();
    EXPECT_FALSE(file.Rename("c:\\b.dat"));
    EXPECT_EQ(dir.ReadHostFile("b.dat"), "B");
    EXPECT_EQ(file.GetName().GetText(), "c:\\a.dat");
    EXPECT_TRUE(file.Rename("c:\\c.dat"));
    EXPECT_EQ(file.GetName().GetText(), "c:\\c.dat");
    EXPECT_EQ(dir.ReadHostFile("c.dat"), "A");
    EXPECT_FALSE(std::filesystem::exists(dir.Host("a.dat")));
}

TEST(FileWriteBuf, BytesReachTheFileInOrderAndOnlyWhenTheBufferWouldFill) {
    // Each step: the bytes written, and what the file holds right after.
    using TSteps = std::vector<std::pair<std::string, std::string>>;
    const std::pair<const char*, TSteps> cases[] = {
        {"room left for three more", {{"abcdef", ""}, {"ghi", ""}}},
        {"four would fill it: the six go first",
         {{"abcdef", ""}, {"ghij", "abcdef"}, {"klm", "abcdef"}}},
        {"nine fit in an empty buffer", {{"123456789", ""}}},
        {"a write of the capacity goes straight through", {{"0123456789", "0123456789"}}},
        {"a large write follows what was buffered",
         {{"abc", ""}, {"0123456789ABCD", "abc0123456789ABCD"}, {"z", "abc0123456789ABCD"}}},
        {"empty writes change nothing", {{"", ""}, {"ab", ""}, {"", ""}}},
    };
    for (const auto& [name, steps] : cases) {
        SCOPED_TRACE(name);
        TTempDir dir;
        TFileWriteBuf writer("c:\\out.dat", 10);
        ASSERT_TRUE(writer.IsOpen());
        std::string all;
        for (const auto& [bytes, after] : steps) {
            EXPECT_TRUE(writer.Write(bytes.data(), static_cast<i32>(bytes.size())));
            EXPECT_EQ(dir.ReadHostFile("out.dat"), after) << "after " << bytes;
            all += bytes;
        }
        EXPECT_TRUE(writer.Close());
        EXPECT_EQ(dir.ReadHostFile("out.dat"), all);
    }
}

TEST(FileWriteBuf, CreationEmptiesTheFileAndTheDestructorWritesOutAndUncountsTheBuffer) {
    TTempDir dir;
    dir.WriteHostFile("out.dat", "old contents");
    const u32 before = JorpRamInUse;
    {
        TFileWriteBuf writer("c:\\out.dat", 32000);
        ASSERT_TRUE(writer.IsOpen());
        EXPECT_EQ(JorpRamInUse, before + 32000);
        EXPECT_EQ(dir.ReadHostFile("out.dat"), "");
        EXPECT_TRUE(writer.Write("new", 3));
    }
    EXPECT_EQ(dir.ReadHostFile("out.dat"), "new");
    EXPECT_EQ(JorpRamInUse, before);

    // Without capacity every write goes straight to the file.
    for (const i32 capacity : {0, -5}) {
        TFileWriteBuf writer("c:\\out.dat", capacity);
        EXPECT_EQ(JorpRamInUse, before);
        EXPECT_TRUE(writer.Write("ab", 2));
        EXPECT_EQ(dir.ReadHostFile("out.dat"), "ab") << capacity;
        EXPECT_TRUE(writer.Close());
        EXPECT_FALSE(writer.Write("d", 1));
        EXPECT_EQ(dir.ReadHostFile("out.dat"), "ab") << capacity;
    }
}

TEST(FileWriteBuf, LostBytesAreReportedNeverCountedAsWritten) {
    TDevDrive dev;
    TFileWriteBuf writer("z:\\full", 32);
    ASSERT_TRUE(writer.IsOpen());
    EXPECT_TRUE(writer.Write("abcde", 5));
    EXPECT_FALSE(writer.Close());
    EXPECT_FALSE(writer.IsOpen());
    // Nothing is left to lose the second time.
    EXPECT_TRUE(writer.Close());
    TFileWriteBuf unbuffered("z:\\full", 0);
    EXPECT_FALSE(unbuffered.Write("abcde", 5));
    TFileWriteBuf large("z:\\full", 4);
    EXPECT_FALSE(large.Write("abcde", 5));

    // A file that could not be created: small writes are still taken into the buffer; the
    // loss shows when it must go out.
    TTempDir dir;
    TFileWriteBuf lost("c:\\missing\\out.dat", 10);
    EXPECT_FALSE(lost.IsOpen());
    EXPECT_TRUE(lost.Write("abc", 3));
    EXPECT_FALSE(lost.Write("defghij", 7));
    EXPECT_FALSE(lost.Write("0123456789", 10));
    EXPECT_FALSE(lost.Close());
    EXPECT_FALSE(std::filesystem::exists(dir.Host("missing")));
}

} // namespace

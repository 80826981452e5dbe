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

constexpr u32 SHARE_RW = FILE_SHARE_READ | FILE_SHARE_WRITE;

TJorpFile Reader(const std::string& path, bool openNow) {
    return TJorpFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0, FILE_ATTRIBUTE_NORMAL,
                     openNow, true);
}

// Maps drive z: to the host's devices for the whole test, so that z:\full is a file every
// write to fails.
class TDevDrive {
public:
    TDevDrive() { TVirtualPaths::SetDriveRoot('z', "/dev"); }
    ~TDevDrive() { TVirtualPaths::SetDriveRoot('z', ""); }
};

TEST(JorpFile, OpenOpenAsAndCloseActOnlyInTheirState) {
    TTempDir dir;
    dir.WriteHostFile("a.dat", "12345");
    dir.WriteHostFile("b.dat", "xy");
    TJorpFile file = Reader("c:\\a.dat", false);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(file.Close());

    ASSERT_TRUE(file.Open());
    EXPECT_EQ(file.GetSize(), 5);
    // Growth seen only through a new measurement: an Open of an open file keeps the old one.
    dir.WriteHostFile("a.dat", "1234567");
    EXPECT_TRUE(file.Open());
    EXPECT_EQ(file.GetSize(), 5);
    EXPECT_FALSE(file.OpenAs("c:\\b.dat", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0,
                             FILE_ATTRIBUTE_NORMAL, true));
    EXPECT_EQ(file.GetName().GetText(), "c:\\a.dat");

    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.IsOpen());
    // A real open measures afresh.
    ASSERT_TRUE(file.Open());
    EXPECT_EQ(file.GetSize(), 7);
    EXPECT_TRUE(file.Close());

    EXPECT_TRUE(file.OpenAs("c:\\b.dat", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0,
                            FILE_ATTRIBUTE_NORMAL, true));
    EXPECT_EQ(file.GetSize(), 2);
    EXPECT_EQ(file.GetName().GetText(), "c:\\b.dat");
}

TEST(JorpFile, CloseOnDestroyDecidesWhetherTheDestructorCloses) {
    TTempDir dir;
    dir.WriteHostFile("a.dat", "1");
    {
        TJorpFile kept("c:\\a.dat", GENERIC_READ, 0, OPEN_EXISTING, 0, FILE_ATTRIBUTE_NORMAL, true,
                       false);
        ASSERT_TRUE(kept.IsOpen());
    }
    // The handle left open still denies everyone else.
    EXPECT_FALSE(Reader("c:\\a.dat", true).IsOpen());
    {
        TJorpFile closed("c:\\b.dat", GENERIC_WRITE, 0, CREATE_ALWAYS, 0, FILE_ATTRIBUTE_NORMAL,
                         true, true);
        ASSERT_TRUE(closed.IsOpen());
    }
    EXPECT_TRUE(Reader("c:\\b.dat", true).IsOpen());
}

TEST(JorpFile, GetSizeOfAClosedFileOpensMeasuresAndClosesAgain) {
    TTempDir dir;
    dir.WriteHostFile("a.dat", "0123456789");
    TJorpFile file = Reader("c:\\a.dat", false);
    EXPECT_EQ(file.GetSize(), 10);
    EXPECT_FALSE(file.IsOpen());
    // Closed again for real: a writer that shares nothing can open it.
    TJorpFile writer("c:\\a.dat", GENERIC_WRITE, 0, OPEN_EXISTING, 0, FILE_ATTRIBUTE_NORMAL, true,
                     true);
    EXPECT_TRUE(writer.IsOpen());
    EXPECT_TRUE(writer.Close());

    TJorpFile missing = Reader("c:\\none.dat", false);
    EXPECT_EQ(missing.GetSize(), 0);
    EXPECT_FALSE(missing.IsOpen());
}

TEST(JorpFile, GetSizeOfAnOpenFileKeepsItsPosition) {
    TTempDir dir;
    dir.WriteHostFile("a.dat", "abcdef");
    TJorpFile file = Reader("c:\\a.dat", true);
    EXPECT_EQ(file.Seek(-1, FILE_BEGIN), -1);
    EXPECT_EQ(file.Seek(0, -1), -1);
    EXPECT_EQ(file.Seek(2, FILE_BEGIN), 2);
    EXPECT_EQ(file.GetSize(), 6);
    char buf[2] = {};
    i32 done = 0;
    EXPECT_TRUE(file.Read(buf, 2, done));
    EXPECT_EQ(std::string(buf, 2), "cd");
}

TEST(JorpFile, AnEmptyFileIsMeasuredAgainAtEveryCall) {
    TTempDir dir;
    dir.WriteHostFile("a.dat", "");
    TJorpFile file("c:\\a.dat", GENERIC_READ, SHARE_RW, OPEN_EXISTING, 0, FILE_ATTRIBUTE_NORMAL,
                   true, true);
    EXPECT_EQ(file.GetSize(), 0);
    dir.WriteHostFile("a.dat", "abc");
    EXPECT_EQ(file.GetSize(), 3);
}

TEST(JorpFile, AFileBeyondTwoGibibytesIsNeverMeasuredNegative) {
    TTempDir dir;
    dir.WriteHostFile("big.dat", "");
    for (const long long length : {0x8000'0010LL, 0x1'4000'0000LL}) {
        SCOPED_TRACE(length);
        ASSERT_EQ(::truncate(dir.Host("big.dat").c_str(), length), 0);
        TJorpFile file = Reader("c:\\big.dat", true);
        EXPECT_EQ(file.GetSize(), std::numeric_limits<i32>::max());
        EXPECT_EQ(file.Seek(0, FILE_CURRENT), 0);
        EXPECT_EQ(file.Seek(0, FILE_END), -1);
    }
}

TEST(JorpFile, ReadPastTheEndFailsWithTheCounterHoldingWhatWasRead) {
    TTempDir dir;
    dir.WriteHostFile("a.dat", "abcd");
    TJorpFile file = Reader("c:\\a.dat", true);
    char buf[8] = {};
    i32 done = 0;
    EXPECT_TRUE(file.Read(buf, 3, done));
    EXPECT_EQ(done, 3);
    done = 0;
    EXPECT_FALSE(file.Read(buf, 8, done));
    EXPECT_EQ(done, 1);
    EXPECT_EQ(buf[0], 'd');
    done = 0;
    EXPECT_FALSE(file.Read(buf, -1, done));
    EXPECT_EQ(done, 0);
}

TEST(JorpFile, FailuresOfAFileThatCannotBeOpened) {
    TTempDir dir;
    TJorpFile file = Reader("c:\\none.dat", true);
    EXPECT_FALSE(file.IsOpen());
    char buf[1] = {};
    i32 done = 0;
    EXPECT_FALSE(file.Read(buf, 1, done));
    EXPECT_FALSE(file.WriteRaw(buf, 1, done));
    EXPECT_EQ(done, 0);
    EXPECT_EQ(file.Seek(0, FILE_BEGIN), -1);
    EXPECT_EQ(file.GetSize(), 0);
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
    EXPECT_EQ(file.GetSize(), 1);
}

// One buffered write and what the file holds right after it.
struct TBufferedStep {
    std::string Bytes;
    std::string FileAfter;
};

struct TBufferedCase {
    const char* Name;
    std::vector<TBufferedStep> Steps;
};

TEST(FileWriteBuf, BytesReachTheFileInOrderAndOnlyWhenTheBufferWouldFill) {
    const std::vector<TBufferedCase> cases = {
        {"room left for three more", {{"abcdef", ""}, {"ghi", ""}}},
        {"four would fill it: the six go first",
         {{"abcdef", ""}, {"ghij", "abcdef"}, {"klm", "abcdef"}}},
        {"nine fit in an empty buffer", {{"123456789", ""}}},
        {"a write of the capacity goes straight through", {{"0123456789", "0123456789"}}},
        {"a large write follows what was buffered",
         {{"abc", ""}, {"0123456789ABCD", "abc0123456789ABCD"}, {"z", "abc0123456789ABCD"}}},
        {"empty writes change nothing", {{"", ""}, {"ab", ""}, {"", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempDir dir;
        TFileWriteBuf writer("c:\\out.dat", 10);
        ASSERT_TRUE(writer.IsOpen());
        std::string all;
        for (const auto& step : c.Steps) {
            EXPECT_TRUE(writer.Write(step.Bytes.data(), static_cast<i32>(step.Bytes.size())));
            EXPECT_EQ(dir.ReadHostFile("out.dat"), step.FileAfter) << "after " << step.Bytes;
            all += step.Bytes;
        }
        EXPECT_TRUE(writer.Close());
        EXPECT_EQ(dir.ReadHostFile("out.dat"), all);
    }
}

TEST(FileWriteBuf, CreationEmptiesAnExistingFileAndTheDestructorWritesOut) {
    TTempDir dir;
    dir.WriteHostFile("out.dat", "old contents");
    {
        TFileWriteBuf writer("c:\\out.dat", 32000);
        ASSERT_TRUE(writer.IsOpen());
        EXPECT_EQ(dir.ReadHostFile("out.dat"), "");
        EXPECT_TRUE(writer.Write("new", 3));
    }
    EXPECT_EQ(dir.ReadHostFile("out.dat"), "new");
}

TEST(FileWriteBuf, TheBufferIsCountedWhileTheWriterLives) {
    TTempDir dir;
    const u32 before = JorpRamInUse;
    {
        TFileWriteBuf writer("c:\\out.dat", 32000);
        EXPECT_EQ(JorpRamInUse, before + 32000);
    }
    EXPECT_EQ(JorpRamInUse, before);
    {
        TFileWriteBuf unbuffered("c:\\out.dat", 0);
        EXPECT_EQ(JorpRamInUse, before);
    }
}

TEST(FileWriteBuf, WithoutCapacityEveryWriteGoesStraightToTheFile) {
    for (const i32 capacity : {0, -5}) {
        SCOPED_TRACE(capacity);
        TTempDir dir;
        TFileWriteBuf writer("c:\\out.dat", capacity);
        ASSERT_TRUE(writer.IsOpen());
        EXPECT_TRUE(writer.Write("ab", 2));
        EXPECT_EQ(dir.ReadHostFile("out.dat"), "ab");
        EXPECT_TRUE(writer.Write("c", 1));
        EXPECT_EQ(dir.ReadHostFile("out.dat"), "abc");
        EXPECT_TRUE(writer.Close());
        EXPECT_FALSE(writer.Write("d", 1));
        EXPECT_EQ(dir.ReadHostFile("out.dat"), "abc");
    }
}

TEST(FileWriteBuf, CloseReportsAFinalWriteThatFailed) {
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
}

TEST(FileWriteBuf, AWriterWhoseFileCouldNotBeCreatedNeverReportsItsBytesWritten) {
    TTempDir dir;
    TFileWriteBuf writer("c:\\missing\\out.dat", 10);
    EXPECT_FALSE(writer.IsOpen());
    // Small writes are still taken into the buffer; the loss shows when it must go out.
    EXPECT_TRUE(writer.Write("abc", 3));
    EXPECT_FALSE(writer.Write("defghij", 7));
    EXPECT_FALSE(writer.Write("0123456789", 10));
    EXPECT_FALSE(writer.Close());
    EXPECT_FALSE(std::filesystem::exists(dir.Host("missing")));
}

} // namespace

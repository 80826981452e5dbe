// Batched settings writes: nothing reaches the file until the outermost batch closes, reads see
// the batch, the file then holds what the same writes unbatched would have left.
#include "platform/host/PrivateProfile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

void WriteCursors(const std::string& file) {
    for (int level = 0; level < 10; ++level)
        ASSERT_TRUE(WritePrivateProfileStringA("\\f1glrd00\\f100kcpm.skl", std::to_string(level),
                                               std::to_string(level * 3), file));
    ASSERT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "1", file));
    ASSERT_TRUE(WritePrivateProfileStringA("\\f1glrd00\\f100kcpm.skl", "4", "-1", file));
}

TEST(PrivateProfileBatch, WritesReachTheFileOnceWhenTheOutermostBatchCloses) {
    TTempDir dir;
    const std::string before = "; kept\r\n[System]\r\nPrevRun=0\r\n";
    dir.WriteHostFile("plain.ini", before);
    dir.WriteHostFile("batched.ini", before);
    WriteCursors("c:\\plain.ini");
    {
        TPrivateProfileBatch outer;
        {
            TPrivateProfileBatch inner;
            WriteCursors("c:\\batched.ini");
            ASSERT_TRUE(WritePrivateProfileStringA("New", "k", "v", "c:\\fresh.ini"));
            EXPECT_TRUE(inner.Close());
        }
        EXPECT_EQ(dir.ReadHostFile("batched.ini"), before);
        EXPECT_FALSE(std::filesystem::exists(dir.Host("fresh.ini")));
        EXPECT_EQ(GetPrivateProfileIntA("\\F1GLRD00\\F100KCPM.SKL", "4", 9, "c:\\batched.ini"), -1);
        EXPECT_EQ(GetPrivateProfileStringA("new", "K", "", "c:\\fresh.ini"), "v");
        // Refused writes are refused inside a batch too.
        EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "a\r\nb", "c:\\batched.ini"));
        EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "a", "q:\\unmapped.ini"));
    }
    EXPECT_EQ(dir.ReadHostFile("batched.ini"), dir.ReadHostFile("plain.ini"));
    EXPECT_EQ(dir.ReadHostFile("fresh.ini"), "[New]\r\nk=v\r\n");
    // Closed, the batch no longer holds writes back.
    ASSERT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "2", "c:\\batched.ini"));
    EXPECT_EQ(GetPrivateProfileIntA("System", "PrevRun", 9, "c:\\batched.ini"), 2);
    EXPECT_NE(dir.ReadHostFile("batched.ini"), dir.ReadHostFile("plain.ini"));
}

TEST(PrivateProfileBatch, AFileThatCannotBeWrittenFailsTheCloseAndLeavesNoTemporaryFile) {
    TTempDir dir;
    TPrivateProfileBatch batch;
    ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "2", "c:\\a.ini"));
    ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "3", "c:\\b.ini"));
    // Something else took the name meanwhile.
    dir.WriteHostFile("a.ini/inside", "x");
    EXPECT_FALSE(batch.Close());
    EXPECT_EQ(dir.ReadHostFile("a.ini/inside"), "x");
    EXPECT_EQ(dir.ReadHostFile("b.ini"), "[s]\r\nk=3\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path))
        ++files;
    EXPECT_EQ(files, 2);
}

} // namespace

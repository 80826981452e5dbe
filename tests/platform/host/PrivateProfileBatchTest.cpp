// Batched settings writes: nothing reaches a file until the outermost batch closes, reads see the
// batch, and each file then holds what the same writes unbatched would have left.
#include "platform/host/PrivateProfile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(PrivateProfileBatch, WritesReachEachFileOnceWhenTheOutermostBatchCloses) {
    TTempDir dir;
    const std::string before = "; kept\r\n[System]\r\nPrevRun=0\r\n";
    dir.WriteHostFile("plain.ini", before);
    dir.WriteHostFile("batched.ini", before);
    const auto write = [](const std::string& file) {
        for (int level = 0; level < 10; ++level)
            WritePrivateProfileStringA("\\f1\\k.skl", std::to_string(level), "3", file);
        WritePrivateProfileStringA("System", "PrevRun", "1", file);
        return WritePrivateProfileStringA("\\f1\\k.skl", "4", "-1", file);
    };
    ASSERT_TRUE(write("c:\\plain.ini"));
    TPrivateProfileBatch outer;
    {
        TPrivateProfileBatch inner;
        ASSERT_TRUE(write("c:\\batched.ini"));
        ASSERT_TRUE(WritePrivateProfileStringA("New", "k", "v", "c:\\fresh.ini"));
    }
    EXPECT_EQ(dir.ReadHostFile("batched.ini"), before);
    EXPECT_FALSE(std::filesystem::exists(dir.Host("fresh.ini")));
    EXPECT_EQ(GetPrivateProfileIntA("\\F1\\K.SKL", "4", 9, "c:\\batched.ini"), -1);
    // Refused writes are refused inside a batch too.
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "a\r\nb", "c:\\batched.ini"));
    // A name something else took meanwhile fails the close; the other files are written.
    ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "2", "c:\\taken.ini"));
    dir.WriteHostFile("taken.ini/inside", "x");
    EXPECT_FALSE(outer.Close());
    EXPECT_EQ(dir.ReadHostFile("batched.ini"), dir.ReadHostFile("plain.ini"));
    EXPECT_EQ(dir.ReadHostFile("fresh.ini"), "[New]\r\nk=v\r\n");
    EXPECT_EQ(dir.ReadHostFile("taken.ini/inside"), "x");
    // Closed, the batch holds nothing back, and no temporary file is left.
    ASSERT_TRUE(WritePrivateProfileStringA("System", "PrevRun", "2", "c:\\batched.ini"));
    EXPECT_NE(dir.ReadHostFile("batched.ini"), dir.ReadHostFile("plain.ini"));
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path))
        ++files;
    EXPECT_EQ(files, 4);
}

} // namespace

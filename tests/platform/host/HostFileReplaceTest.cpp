// Host files: flushing through a handle, and moves that replace their target in one step.
#include "platform/host/HostFile.h"

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(HostFileReplace, MoveFileExReplacesOnlyWhenAskedAndNeverUnderAnOpenHandleOrADirectory) {
    constexpr u32 Replace = MOVEFILE_REPLACE_EXISTING;
    const struct {
        u32 Flags;
        bool TargetExists;
        const char* HeldOpen;
        bool Moves;
    } cases[] = {
        {0, false, "", true},
        {0, true, "", false},
        {Replace, true, "", true},
        {Replace | MOVEFILE_WRITE_THROUGH, true, "", true},
        {MOVEFILE_WRITE_THROUGH, false, "", true},
        {Replace, true, "c:\\new.tmp", false},
        {Replace, true, "c:\\game.sav", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Flags << " " << c.TargetExists << " " << c.HeldOpen);
        TTempDir dir;
        dir.WriteHostFile("new.tmp", "fresh");
        if (c.TargetExists)
            dir.WriteHostFile("game.sav", "old");
        THostFile* held =
            *c.HeldOpen ? CreateFileA(c.HeldOpen, GENERIC_READ, 3, OPEN_EXISTING, 0) : nullptr;
        EXPECT_EQ(MoveFileExA("c:\\new.tmp", "c:\\game.sav", c.Flags), c.Moves);
        CloseHandle(held);
        // A refused move leaves both names exactly as they were.
        EXPECT_EQ(dir.ReadHostFile("game.sav"), c.Moves ? "fresh" : (c.TargetExists ? "old" : ""));
        EXPECT_EQ(std::filesystem::exists(dir.Host("new.tmp")), !c.Moves);
    }
    TTempDir dir;
    dir.WriteHostFile("new.tmp", "fresh");
    std::filesystem::create_directories(dir.Host("folder"));
    EXPECT_FALSE(MoveFileExA("c:\\new.tmp", "c:\\folder", Replace));
    EXPECT_FALSE(MoveFileExA("c:\\folder", "c:\\new.tmp", Replace));
    EXPECT_FALSE(MoveFileExA("c:\\new.tmp", "q:\\x.sav", Replace));
    EXPECT_EQ(dir.ReadHostFile("new.tmp"), "fresh");
}

std::vector<std::string> FoldersSynced;

TEST(HostFileReplace, AWriteThroughMoveSyncsTheTargetsFolderAndAPlainOneDoesNot) {
    TTempDir dir;
    std::filesystem::create_directories(dir.Host("data"));
    dir.WriteHostFile("data/new.tmp", "fresh");
    FoldersSynced.clear();
    SetFolderSyncWatch([](const std::string& folder) { FoldersSynced.push_back(folder); });
    EXPECT_TRUE(MoveFileExA("c:\\data\\new.tmp", "c:\\data\\game.sav", MOVEFILE_REPLACE_EXISTING));
    EXPECT_TRUE(FoldersSynced.empty());
    dir.WriteHostFile("data/new.tmp", "fresher");
    EXPECT_TRUE(MoveFileExA("c:\\data\\new.tmp", "c:\\data\\game.sav",
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    SetFolderSyncWatch(nullptr);
    ASSERT_EQ(FoldersSynced.size(), 1U);
    EXPECT_TRUE(std::filesystem::equivalent(FoldersSynced[0], dir.Host("data")));
    EXPECT_EQ(dir.ReadHostFile("data/game.sav"), "fresher");
}

TEST(HostFileReplace, FlushNeedsAHandleThatMayWrite) {
    TTempDir dir;
    THostFile* writer = CreateFileA("c:\\f.dat", GENERIC_WRITE, 0, CREATE_ALWAYS, 0);
    u32 done = 0;
    EXPECT_TRUE(WriteFile(writer, "abc", 3, &done) && FlushFileBuffers(writer));
    EXPECT_TRUE(CloseHandle(writer));
    THostFile* reader = CreateFileA("c:\\f.dat", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0);
    EXPECT_FALSE(FlushFileBuffers(reader) || FlushFileBuffers(nullptr));
    EXPECT_TRUE(CloseHandle(reader));
}

} // namespace

// Host files: flushing through a handle, and moves that replace their target in one step.
#include "platform/host/HostFile.h"

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

struct TMoveCase {
    const char* What;
    u32 Flags;
    bool TargetExists;
    // Held open during the move: "from", "to" or nothing.
    const char* HeldOpen;
    bool Moves;
};

TEST(HostFileReplace, MoveFileExReplacesOnlyWhenAskedAndNeverUnderAnOpenHandle) {
    const TMoveCase cases[] = {
        {"plain move to a free name", 0, false, "", true},
        {"plain move refuses a target", 0, true, "", false},
        {"replace over a target", MOVEFILE_REPLACE_EXISTING, true, "", true},
        {"replace to a free name", MOVEFILE_REPLACE_EXISTING, false, "", true},
        {"replace and write through", MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH, true, "",
         true},
        {"write through to a free name", MOVEFILE_WRITE_THROUGH, false, "", true},
        {"source held open", MOVEFILE_REPLACE_EXISTING, true, "from", false},
        {"replaced target held open", MOVEFILE_REPLACE_EXISTING, true, "to", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        TTempDir dir;
        dir.WriteHostFile("new.tmp", "fresh");
        if (c.TargetExists)
            dir.WriteHostFile("game.sav", "old");
        THostFile* held = nullptr;
        const std::string heldOpen = c.HeldOpen;
        if (!heldOpen.empty())
            held = CreateFileA(heldOpen == "from" ? "c:\\new.tmp" : "c:\\game.sav", GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, 0);
        EXPECT_EQ(MoveFileExA("c:\\new.tmp", "c:\\game.sav", c.Flags), c.Moves);
        if (held != nullptr) {
            EXPECT_TRUE(CloseHandle(held));
        }
        if (c.Moves) {
            EXPECT_EQ(dir.ReadHostFile("game.sav"), "fresh");
            EXPECT_FALSE(std::filesystem::exists(dir.Host("new.tmp")));
        } else {
            // A refused move leaves both names exactly as they were.
            EXPECT_EQ(dir.ReadHostFile("new.tmp"), "fresh");
            EXPECT_EQ(std::filesystem::exists(dir.Host("game.sav")), c.TargetExists);
        }
    }
}

TEST(HostFileReplace, AFileNeverReplacesADirectoryNorIsReplacedByOne) {
    TTempDir dir;
    dir.WriteHostFile("new.tmp", "fresh");
    std::filesystem::create_directories(dir.Host("folder"));
    EXPECT_FALSE(MoveFileExA("c:\\new.tmp", "c:\\folder", MOVEFILE_REPLACE_EXISTING));
    EXPECT_FALSE(MoveFileExA("c:\\folder", "c:\\new.tmp", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(dir.ReadHostFile("new.tmp"), "fresh");
    EXPECT_TRUE(std::filesystem::is_directory(dir.Host("folder")));
    // A name outside every drive root is no file at all.
    EXPECT_FALSE(MoveFileExA("c:\\new.tmp", "q:\\x.sav", MOVEFILE_REPLACE_EXISTING));
}

TEST(HostFileReplace, FlushNeedsAHandleThatMayWrite) {
    TTempDir dir;
    THostFile* writer = CreateFileA("c:\\f.dat", GENERIC_WRITE, 0, CREATE_ALWAYS, 0);
    ASSERT_NE(writer, nullptr);
    u32 done = 0;
    EXPECT_TRUE(WriteFile(writer, "abc", 3, &done));
    EXPECT_TRUE(FlushFileBuffers(writer));
    EXPECT_TRUE(CloseHandle(writer));
    EXPECT_EQ(dir.ReadHostFile("f.dat"), "abc");

    THostFile* reader = CreateFileA("c:\\f.dat", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0);
    ASSERT_NE(reader, nullptr);
    EXPECT_FALSE(FlushFileBuffers(reader));
    EXPECT_TRUE(CloseHandle(reader));
    EXPECT_FALSE(FlushFileBuffers(nullptr));
}

} // namespace

// The gambler file changed by another program while the game runs (a folder synced or restored):
// the next save point writes the run's gamblers over what the game last had, and the other
// version is kept aside as a damaged file is, named in the box and on the error output.
#include "RecordsFixture.h"

#include "casino/GamblerRecord.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using ChangedTexts = std::vector<std::string>;

// The rename done and the folder's sync refused, once, when Unsynced is set: the file holds the
// new save, and only its reaching the disk is in doubt.
class TUnsyncedRenameHost : public TFaultyHost {
public:
    bool Move(const std::string& from, const std::string& to, u32 flags) override {
        const bool moved = TFaultyHost::Move(from, to, flags);
        if (!moved || !Unsynced || (flags & MOVEFILE_WRITE_THROUGH) == 0)
            return moved;
        Unsynced = false;
        LastError = EIO;
        return false;
    }
    bool Unsynced = false;
};

class ChangedSave : public CasinoRecords {
protected:
    TUnsyncedRenameHost Unsynced;
    // Joe seated and Ann made and saved; then Joe wins, in memory only, as play at the table
    // does between save points.
    void Play() {
        Make();
        ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0));
        Mgr->Save();
        ASSERT_EQ(Frame.Boxes, ChangedTexts{});
        Joe().SetBankroll(777.0);
    }
    TGamblerRecord Joe() {
        return TGamblerRecord(std::span(Mgr->GetDataBlock(Mgr->GetActive(0)), CasinoRecordSize));
    }
    // As the fixture's host names it.
    static std::string SaveName() { return "<c:\\data\\otcraps.sav>"; }
    // Another program leaves the bytes in the save's place, written in place as a sync does;
    // at the save point the run's gamblers go into the file with every byte the game did not
    // write as it last had it, and the other version stays whole under the kept name.
    void ExpectKeptAndSaved(const std::string& other, const std::function<void()>& savePoint) {
        const std::string before = File();
        Dir.WriteHostFile("data/otcraps.sav", other);
        testing::internal::CaptureStderr();
        savePoint();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(Frame.Boxes,
                  ChangedTexts{"Save File Changed by Another Program\n" + SaveName() +
                               "\nwas changed by another program since the game last read or "
                               "wrote it.\nThat version is kept as otcraps.bad, and the gamblers "
                               "of this run are saved in its place."});
        EXPECT_EQ(said, "otcraps: the save was changed by another program since the game last "
                        "read or wrote it: " +
                            SaveName() + " as it was changed is kept as otcraps.bad\n");
        EXPECT_TRUE(File("otcraps.bad") == other);
        const std::string saved = File();
        ASSERT_EQ(saved.size(), before.size());
        EXPECT_EQ(Decoded(saved.substr(231, CasinoRecordSize)).GetBankroll(), 777.0);
        EXPECT_EQ(Decoded(saved.substr(231 + CasinoRecordSize, CasinoRecordSize)).GetName(), "Ann");
        const size_t free = 231 + 2 * CasinoRecordSize;
        EXPECT_TRUE(saved.substr(free) == before.substr(free));
        EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.tmp")));
    }
};

TEST_F(ChangedSave, AByteAddedIsKeptAsideAndTheShootsSaveGetsThrough) {
    Play();
    ExpectKeptAndSaved(File() + '\x01', [this] { EXPECT_TRUE(Mgr->SaveSeatedPlayers()); });
    // Told once: the file is the run's own again.
    Frame.Boxes.clear();
    Joe().SetBankroll(778.0);
    EXPECT_TRUE(Mgr->SaveSeatedPlayers());
    EXPECT_EQ(Frame.Boxes, ChangedTexts{});
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.b01")));
}

// Nothing changed since the last save: the leaving writes all the same, since the file no
// longer holds the run's gamblers.
TEST_F(ChangedSave, AFileCutShortIsKeptAsideAndTheLeavingSaves) {
    Play();
    Mgr->Save();
    const std::string saved = File();
    ExpectKeptAndSaved(saved.substr(0, saved.size() - 100), [this] { Mgr.reset(); });
}

TEST_F(ChangedSave, OtherBytesOfTheSameSizeAreKeptAsideNotWrittenInto) {
    Play();
    std::string other = File();
    // A gambler in a free place, and Joe poorer: neither is what this run had.
    other.replace(231 + 5 * CasinoRecordSize + 1, 3, "Zed");
    other[231 + 20] = '\x7F';
    ExpectKeptAndSaved(other, [this] { EXPECT_TRUE(Mgr->SaveFile()); });
}

// A save told as failed that reached the file is the run's own: the next one is no news.
TEST_F(ChangedSave, ASaveWhoseRenameIsInDoubtIsNotTakenForAnotherProgramsFile) {
    Play();
    Mgr->SetSaveFileHost(&Unsynced);
    Unsynced.Unsynced = true;
    EXPECT_FALSE(Mgr->SaveFile());
    EXPECT_EQ(Frame.Boxes, ChangedTexts{WriteFailedBox("Write Save File Failed", "otcraps.sav")});
    EXPECT_EQ(Decoded(RecordOnDisk(0)).GetBankroll(), 777.0);
    Frame.Boxes.clear();
    Joe().SetBankroll(778.0);
    EXPECT_TRUE(Mgr->SaveFile());
    EXPECT_EQ(Frame.Boxes, ChangedTexts{});
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.bad")));
    EXPECT_EQ(Decoded(RecordOnDisk(0)).GetBankroll(), 778.0);
}

// With every kept name taken the other version stays in its place, and the box says why; once
// a name is free again the next save keeps it there.
TEST_F(ChangedSave, WithNoNameToKeepItUnderTheOtherVersionStays) {
    Play();
    Dir.WriteHostFile("data/otcraps.bad", "");
    for (int n = 1; n <= 99; ++n)
        Dir.WriteHostFile("data/otcraps.b" + std::string(n < 10 ? "0" : "") + std::to_string(n),
                          "");
    const std::string other = File() + "more";
    Dir.WriteHostFile("data/otcraps.sav", other);
    const std::string what = "was changed by another program since the game last read or wrote "
                             "it, and cannot be set aside (otcraps.bad and otcraps.b01 to "
                             "otcraps.b99 are all taken)";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Mgr->SaveFile());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "otcraps: the save could not be written: " + SaveName() + " " + what + "\n");
    EXPECT_EQ(Frame.Boxes,
              ChangedTexts{"Write Save File Failed\n" + SaveName() + "\n" + what + "."});
    EXPECT_TRUE(File() == other);
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.tmp")));

    std::filesystem::remove(Dir.Host("data/otcraps.b42"));
    Frame.Boxes.clear();
    EXPECT_TRUE(Mgr->SaveFile());
    EXPECT_TRUE(File("otcraps.b42") == other);
    EXPECT_EQ(Decoded(RecordOnDisk(0)).GetBankroll(), 777.0);
    ASSERT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_NE(Frame.Boxes[0].find("kept as otcraps.b42"), std::string::npos);
}

} // namespace

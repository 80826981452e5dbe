// The gambler file changed or removed by another program while the game runs (a folder synced or
// restored, a clean-up): the next save point writes the run's gamblers over what the game last
// had, the other version kept aside as a damaged file is, or where the file went, or beside what
// is no file in its place; named in the box and on the error output.
#include "RecordsFixture.h"

#include "casino/GamblerRecord.h"
#include "platform/framework/window/Desktop.h"
#include "platform/host/VirtualPath.h"
#include "support/FileBytes.h"
#include "support/PlayerRoot.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using ChangedTexts = std::vector<std::string>;

// A quit signal noted for as long as it lives, when asked for.
struct TQuitNoted {
    explicit TQuitNoted(bool quit) : Quit(quit) {
        if (Quit)
            TDesktop::Get().NoteQuitSignal();
    }
    ~TQuitNoted() {
        if (Quit)
            TDesktop::Get().Reset();
    }
    bool Quit;
    TQuitNoted(const TQuitNoted&) = delete;
    TQuitNoted& operator=(const TQuitNoted&) = delete;
};

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

// A rename that reached the file while its folder's sync failed leaves the file holding the
// run's gamblers, wherever the save was made: it is the run's own file, said on the error output
// alone, and the next save is no news. Over a changed file the other version stays kept.
TEST_F(ChangedSave, ARenameWhoseSyncFailedIsTheRunsOwnFileWhereverTheSaveWasMade) {
    const std::string unsynced = "otcraps: the save is written, but its folder could not be "
                                 "synced, so a crash of the system could still undo it: " +
                                 SaveName() + " (Input/output error)\n";
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed ? "over a changed file" : "over its own file");
        Mgr.reset();
        std::filesystem::remove_all(Dir.Host("data"));
        std::filesystem::create_directories(Dir.Host("data"));
        Play();
        const std::string other = File() + "more";
        if (changed)
            Dir.WriteHostFile("data/otcraps.sav", other);
        Mgr->SetSaveFileHost(&Unsynced);
        Unsynced.Unsynced = true;
        Frame.Boxes.clear();
        testing::internal::CaptureStderr();
        EXPECT_TRUE(Mgr->SaveFile());
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(Frame.Boxes.size(), changed ? 1U : 0U);
        EXPECT_NE(said.find(unsynced), std::string::npos) << said;
        EXPECT_EQ(Decoded(RecordOnDisk(0)).GetBankroll(), 777.0);
        EXPECT_EQ(std::filesystem::exists(Dir.Host("data/otcraps.bad")), changed);
        if (changed) {
            EXPECT_TRUE(File("otcraps.bad") == other);
        }
        Frame.Boxes.clear();
        Joe().SetBankroll(778.0);
        EXPECT_TRUE(Mgr->SaveFile());
        EXPECT_EQ(Frame.Boxes, ChangedTexts{});
        EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.b01")));
        EXPECT_EQ(Decoded(RecordOnDisk(0)).GetBankroll(), 778.0);
    }
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
    // Nothing of the run is on the disk until the player makes room.
    const std::string advice = "he gamblers of this run were not saved: move some of those "
                               "elsewhere so that the game can save them";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Mgr->SaveFile());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "otcraps: the save could not be written: " + SaveName() + " " + what + "; t" +
                  advice + "\n");
    EXPECT_EQ(Frame.Boxes, ChangedTexts{"Write Save File Failed\n" + SaveName() + "\n" + what +
                                        ".\nT" + advice + "."});
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

// Whatever another program leaves in the save's place while the game runs, the next save point
// loses nothing: a file removed (its folder with it, or renamed away) is written again whole
// where it was; what is no file (a folder, a FIFO, a link to nothing) is left alone, and the
// run saved beside it under the first free kept name. Told once, in the box and on the error
// output (after a quit signal on the error output only); the run's later saves go on into the
// same file without a word.
TEST_F(ChangedSave, ASaveRemovedOrTakenByWhatIsNoFileLosesNothing) {
    const auto again = [](const std::string& removed) {
        return "Save File Written Again\n" + SaveName() + "\nhad been removed" + removed +
               " while the game ran.\nIt is written again with the gamblers of this run.";
    };
    const auto againSaid = [](const std::string& removed) {
        return "otcraps: the save had been removed" + removed +
               " while the game ran: " + SaveName() +
               " is written again with the gamblers of this run\n";
    };
    const auto beside = [](const std::string& standing) {
        return "Save File Saved Under Another Name\n" + SaveName() + "\nis " + standing +
               ", which is left as it is.\nThe gamblers of this run are saved beside it as "
               "otcraps.bad; put that file in its place to play them at the next start.";
    };
    const auto besideSaid = [](const std::string& standing) {
        return "otcraps: something that is no file stands in the save's place: " + SaveName() +
               " is " + standing +
               ", left as it is; the gamblers of this run are saved beside it as otcraps.bad\n";
    };
    const std::filesystem::path place = Dir.Host("data/otcraps.sav");
    const std::string fifo = "not a file (a FIFO, a device or a socket)";
    const struct {
        const char* What;
        std::function<void()> Take;
        bool Quit;
        std::string Box;
        std::string Said;
        // Where the run's gamblers are, and what is still in the save's place afterwards.
        const char* SavedAs;
        std::filesystem::file_type Left;
    } cases[] = {
        {"the file removed", [&] { std::filesystem::remove(place); }, false, again(""),
         againSaid(""), "otcraps.sav", std::filesystem::file_type::regular},
        {"the data folder removed", [&] { std::filesystem::remove_all(Dir.Host("data")); }, false,
         again(" with its folder"), againSaid(" with its folder"), "otcraps.sav",
         std::filesystem::file_type::regular},
        {"the data folder renamed away",
         [&] { std::filesystem::rename(Dir.Host("data"), Dir.Host("data.old")); }, false,
         again(" with its folder"), againSaid(" with its folder"), "otcraps.sav",
         std::filesystem::file_type::regular},
        {"the file removed, then a quit signal", [&] { std::filesystem::remove(place); }, true, "",
         againSaid(""), "otcraps.sav", std::filesystem::file_type::regular},
        {"a folder in its place",
         [&] {
             std::filesystem::remove(place);
             Dir.WriteHostFile("data/otcraps.sav/notes.txt", "the player's");
         },
         false, beside("a folder"), besideSaid("a folder"), "otcraps.bad",
         std::filesystem::file_type::directory},
        {"a FIFO in its place",
         [&] {
             std::filesystem::remove(place);
             ASSERT_EQ(::mkfifo(place.c_str(), 0600), 0);
         },
         false, beside(fifo), besideSaid(fifo), "otcraps.bad", std::filesystem::file_type::fifo},
        {"a link to nothing in its place",
         [&] {
             std::filesystem::remove(place);
             std::filesystem::create_symlink(Dir.Host("data/elsewhere"), place);
         },
         false, beside("a link to nothing"), besideSaid("a link to nothing"), "otcraps.bad",
         std::filesystem::file_type::symlink},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        Mgr.reset();
        std::filesystem::remove_all(Dir.Host("data"));
        std::filesystem::remove_all(Dir.Host("data.old"));
        std::filesystem::create_directories(Dir.Host("data"));
        Play();
        const std::string before = File();
        Frame.Boxes.clear();
        c.Take();
        testing::internal::CaptureStderr();
        {
            const TQuitNoted quit(c.Quit);
            EXPECT_TRUE(Mgr->SaveSeatedPlayers());
        }
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.Said);
        EXPECT_EQ(Frame.Boxes, c.Box.empty() ? ChangedTexts{} : ChangedTexts{c.Box});
        const auto expectSaved = [&](double joe) {
            const std::string saved = File(c.SavedAs);
            ASSERT_EQ(saved.size(), before.size());
            EXPECT_EQ(Decoded(saved.substr(231, CasinoRecordSize)).GetBankroll(), joe);
            EXPECT_EQ(Decoded(saved.substr(231 + CasinoRecordSize, CasinoRecordSize)).GetName(),
                      "Ann");
            EXPECT_EQ(std::filesystem::symlink_status(place).type(), c.Left);
        };
        expectSaved(777.0);
        if (std::filesystem::exists(Dir.Host("data.old"))) {
            EXPECT_TRUE(Dir.ReadHostFile("data.old/otcraps.sav") == before);
        }
        if (c.Left == std::filesystem::file_type::directory) {
            EXPECT_EQ(Dir.ReadHostFile("data/otcraps.sav/notes.txt"), "the player's");
        }
        // The link's target is never made.
        EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/elsewhere")));

        // Told once: the next save and the end of the run go into the same file, saying
        // nothing.
        Frame.Boxes.clear();
        Joe().SetBankroll(778.0);
        testing::internal::CaptureStderr();
        EXPECT_TRUE(Mgr->SaveSeatedPlayers());
        Mgr.reset();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(Frame.Boxes, ChangedTexts{});
        expectSaved(778.0);
        EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.b01")));
    }
}

// Installed, the player's folder is not the program's: the data folder removed from it is made
// again there, and the run saved in it.
TEST_F(ChangedSave, ADataFolderRemovedFromThePlayersOwnFolderIsMadeAgainThere) {
    const TScratchDir player("player");
    const TPlayerRoot root(player.Path.string());
    std::filesystem::create_directories(player.Path / "data");
    Play();
    std::filesystem::remove_all(player.Path);
    EXPECT_TRUE(Mgr->SaveSeatedPlayers());
    Mgr.reset();
    ASSERT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_NE(Frame.Boxes[0].find("had been removed with its folder"), std::string::npos);
    const std::string saved = ReadFileBytes(player.Path / "data" / "otcraps.sav");
    ASSERT_EQ(saved.size(), 264131U);
    EXPECT_EQ(Decoded(saved.substr(231, CasinoRecordSize)).GetBankroll(), 777.0);
}

// With every kept name taken, beside a folder in the save's place and in the folder above, there
// is nowhere to save: the box and the error output say so once, that the run's gamblers were not
// saved, and what the player can do about it.
TEST_F(ChangedSave, BesideWhatIsNoFileWithEveryKeptNameTakenTheRunIsToldUnsaved) {
    Play();
    for (const std::string folder : {"data/", ""}) {
        Dir.WriteHostFile(folder + "otcraps.bad", "");
        for (int n = 1; n <= 99; ++n)
            Dir.WriteHostFile(
                folder + "otcraps.b" + std::string(n < 10 ? "0" : "") + std::to_string(n), "");
    }
    std::filesystem::remove(Dir.Host("data/otcraps.sav"));
    std::filesystem::create_directory(Dir.Host("data/otcraps.sav"));
    const std::string what = "is a folder, which is left as it is, and no name is free to save "
                             "beside it (otcraps.bad and otcraps.b01 to otcraps.b99 are all taken)";
    const std::string advice = "he gamblers of this run were not saved: move some of those "
                               "elsewhere so that the game can save them";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Mgr->SaveSeatedPlayers());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "otcraps: the save could not be written: " + SaveName() + " " + what + "; t" +
                  advice + "\n");
    EXPECT_EQ(Frame.Boxes, ChangedTexts{"Write Save File Failed\n" + SaveName() + "\n" + what +
                                        ".\nT" + advice + "."});
    EXPECT_TRUE(std::filesystem::is_directory(Dir.Host("data/otcraps.sav")));
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("data/otcraps.tmp")));
}

// A quit signal ends the program, and nobody may be there to answer a box: the other version is
// kept and said on the error output only.
TEST_F(ChangedSave, AfterAQuitSignalTheOtherVersionIsKeptWithoutABox) {
    Play();
    const std::string other = File() + "more";
    Dir.WriteHostFile("data/otcraps.sav", other);
    testing::internal::CaptureStderr();
    {
        const TQuitNoted quit(true);
        Mgr.reset();
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "otcraps: the save was changed by another program since the game last read or "
              "wrote it: " +
                  SaveName() + " as it was changed is kept as otcraps.bad\n");
    EXPECT_EQ(Frame.Boxes, ChangedTexts{});
    EXPECT_TRUE(File("otcraps.bad") == other);
    EXPECT_EQ(Decoded(RecordOnDisk(0)).GetBankroll(), 777.0);
}

// The file as the start read it is what the run knows it holds: a change before the run's first
// save point is another program's too.
TEST_F(ChangedSave, AChangeBeforeTheRunsFirstSaveIsKeptAside) {
    Make();
    ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, 100.0));
    Mgr.reset();
    Make();
    ASSERT_EQ(Frame.Boxes, ChangedTexts{});
    Joe().SetBankroll(777.0);
    ExpectKeptAndSaved(File() + '\x01', [this] { EXPECT_TRUE(Mgr->SaveSeatedPlayers()); });
}

// Sizes are 64 bits: a save of 4 GiB or more (sparse here, so nothing of its size is written) is
// a file of that size, kept aside whole by a second name: at the start as a damaged file, its
// gamblers lying whole where they were written carried into the fresh one; grown so while the
// game runs as another program's version.
TEST_F(ChangedSave, ASaveOfFourGibibytesOrMoreIsKeptAsideWhole) {
    Play();
    Mgr->Save();
    const std::filesystem::path place = Dir.Host("data/otcraps.sav");
    const std::uintmax_t huge = 0x1'0000'0000ULL + 10;
    const auto expectKept = [&](const char* heading, const std::string& said) {
        EXPECT_EQ(said.find("Input/output error"), std::string::npos) << said;
        ASSERT_EQ(Frame.Boxes.size(), 1U);
        EXPECT_EQ(Frame.Boxes[0].rfind(heading, 0), 0U) << Frame.Boxes[0];
        EXPECT_EQ(std::filesystem::file_size(Dir.Host("data/otcraps.bad")), huge);
        EXPECT_EQ(std::filesystem::file_size(place), 264131U);
        EXPECT_EQ(Decoded(RecordOnDisk(0)).GetBankroll(), 777.0);
        EXPECT_EQ(Decoded(RecordOnDisk(1)).GetName(), "Ann");
    };

    Mgr.reset();
    std::filesystem::resize_file(place, huge);
    Frame.Boxes.clear();
    testing::internal::CaptureStderr();
    Make();
    expectKept("Save File Corrupted\nThe old file is kept as otcraps.bad.",
               testing::internal::GetCapturedStderr());

    std::filesystem::remove(Dir.Host("data/otcraps.bad"));
    std::filesystem::resize_file(place, huge);
    Frame.Boxes.clear();
    testing::internal::CaptureStderr();
    EXPECT_TRUE(Mgr->SaveSeatedPlayers());
    expectKept("Save File Changed by Another Program\n", testing::internal::GetCapturedStderr());
}

// The file saved beside what is no file is the run's only while it holds what the run last
// put there: once another program has changed it, it is that program's, kept as it was left,
// and the run goes under the next free kept name, told again.
TEST_F(ChangedSave, AFileSavedBesideThatAnotherProgramChangedIsNotWrittenOver) {
    Play();
    std::filesystem::remove(Dir.Host("data/otcraps.sav"));
    std::filesystem::create_directory(Dir.Host("data/otcraps.sav"));
    EXPECT_TRUE(Mgr->SaveSeatedPlayers());
    ASSERT_EQ(Frame.Boxes.size(), 1U);
    const std::string other = File("otcraps.bad") + "appended";
    Dir.WriteHostFile("data/otcraps.bad", other);
    Frame.Boxes.clear();
    Joe().SetBankroll(778.0);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(Mgr->SaveSeatedPlayers());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(File("otcraps.bad") == other);
    const std::string saved = File("otcraps.b01");
    ASSERT_EQ(saved.size(), 264131U);
    EXPECT_EQ(Decoded(saved.substr(231, CasinoRecordSize)).GetBankroll(), 778.0);
    ASSERT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_NE(Frame.Boxes[0].find("saved beside it as otcraps.b01"), std::string::npos)
        << Frame.Boxes[0];
    EXPECT_NE(said.find("saved beside it as otcraps.b01"), std::string::npos) << said;
}

// A removal after the run's last save point, with nothing played since, still leaves the file
// holding nothing of the run: the end writes it again, and says so.
TEST_F(ChangedSave, ASaveRemovedAfterTheLastSavePointIsWrittenAgainAtTheEnd) {
    for (const bool quit : {false, true}) {
        SCOPED_TRACE(quit ? "ended by a quit signal" : "ended by the player");
        Mgr.reset();
        std::filesystem::remove_all(Dir.Host("data"));
        std::filesystem::create_directories(Dir.Host("data"));
        Frame.Boxes.clear();
        Play();
        Mgr->Save();
        std::filesystem::remove(Dir.Host("data/otcraps.sav"));
        testing::internal::CaptureStderr();
        {
            const TQuitNoted noted(quit);
            Mgr.reset();
        }
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("is written again with the gamblers of this run"), std::string::npos)
            << said;
        ASSERT_TRUE(std::filesystem::exists(Dir.Host("data/otcraps.sav")));
        EXPECT_EQ(Decoded(RecordOnDisk(0)).GetBankroll(), 777.0);
        EXPECT_EQ(Decoded(RecordOnDisk(1)).GetName(), "Ann");
    }
}

// A save longer than the game's by exactly 4 GiB is the game's size only to a size cut to
// 32 bits: at the start it is as damaged as any other size, and kept aside whole.
TEST_F(ChangedSave, ASaveLongerByExactlyFourGibibytesIsKeptAsideAtTheStart) {
    Play();
    Mgr.reset();
    const std::filesystem::path place = Dir.Host("data/otcraps.sav");
    const std::uintmax_t huge = 0x1'0000'0000ULL + 264131;
    std::filesystem::resize_file(place, huge);
    Frame.Boxes.clear();
    Make();
    ASSERT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_EQ(Frame.Boxes[0].rfind("Save File Corrupted\nThe old file is kept as otcraps.bad.", 0),
              0U)
        << Frame.Boxes[0];
    EXPECT_EQ(std::filesystem::file_size(Dir.Host("data/otcraps.bad")), huge);
    EXPECT_EQ(std::filesystem::file_size(place), 264131U);
    EXPECT_EQ(Decoded(RecordOnDisk(1)).GetName(), "Ann");
}

} // namespace

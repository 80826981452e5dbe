// The save file: made silently on the first run, reported when lost, damaged files kept aside
// untouched, every write all or nothing, the seated players in the settings, and the casino
// layer's sizes.
#include "PlayerMgrFakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string CorruptKept = "Save File Corrupted\nThe old file is kept as ";
const std::string NoneRecovered = ".\nNo gambler could be recovered from it.";
// The box of a damaged file that stays where it was, for the reason given.
std::string NotSetAsideBox(const std::string& why) {
    return "Save File Corrupted\n<c:\\data\\jorp.sav>\nis damaged and cannot be set aside (" + why +
           "), so it stays where it was.\nNo gambler could be recovered from it.\n\nNothing "
           "will be saved until the game is started again.";
}
using Boxes = std::vector<std::string>;

// Second names refused for the reason set, every try counted: a file system that gives files
// one name only (EPERM) has each kept file copied instead.
class TLinkRefusingHost : public TFaultyHost {
public:
    bool Link(const std::string&, const std::string&) override {
        ++Links;
        LastError = LinkError;
        return false;
    }
    int LinkError = EIO;
    int Links = 0;
};

class SaveFile : public SaveFolder {
protected:
    TPlayerMgr& Make() {
        Mgr = std::make_unique<TPlayerMgr>(&Frame, "c:\\data\\", 3, 20);
        Mgr->SetSaveFileHost(&Host);
        return *Mgr;
    }
    // A manager that has read a fresh file and made Ann, Bob and Cy, with Ann seated.
    void Ready() {
        std::filesystem::remove(Dir.Host("data/jorp.sav"));
        ASSERT_TRUE(Make().LoadSaveFile());
        for (const char* name : {"Ann", "Bob", "Cy"})
            ASSERT_TRUE(Mgr->CreatePlayer(name, 1, 500.0));
        ASSERT_TRUE(Mgr->ActivatePlayer(0, 0));
        Frame.Boxes.clear();
    }
    // The seated Ann's bankroll changes, in memory only.
    void AnnWins(double bankroll) {
        TPlayerData data;
        data.Decode(Mgr->GetDataBlock(0), 31);
        data.SetBankroll(bankroll);
        data.Encode(Mgr->GetDataBlock(0), 31);
    }
    TPlayerData OnDisk(i16 record) const {
        TPlayerData data;
        data.Decode(reinterpret_cast<const u8*>(SaveBytes().data()) + 24 + 31 * record, 31);
        return data;
    }
    static std::string FreshFile() {
        std::string bytes(644, '\0');
        auto* at = reinterpret_cast<u8*>(bytes.data());
        TGameHeader().Encode(at, 8);
        TGameData().Encode(at + 8, 16);
        for (int r = 0; r < 20; ++r)
            TPlayerData().Encode(at + 24 + 31 * r, 31);
        return bytes;
    }

    std::unique_ptr<TPlayerMgr> Mgr;
};

TEST_F(SaveFile, TheFirstRunIsSilentALaterOneSaysTheFileWasLostAndACrashLeavesNoTrace) {
    for (int prevRun : {0, 1}) {
        std::filesystem::remove(Dir.Host("data/jorp.sav"));
        SetPrevRun(prevRun);
        Frame.Boxes.clear();
        testing::internal::CaptureStderr();
        ASSERT_TRUE(Make().LoadSaveFile());
        const std::string logged = testing::internal::GetCapturedStderr();
        // Header "SAVE" 1.0, four stamps of this moment, twenty default records.
        EXPECT_EQ(SaveBytes(), FreshFile());
        EXPECT_EQ(SaveBytes().substr(0, 8), std::string("SAVE\x01\x00\x00\x00", 8));
        EXPECT_EQ(Mgr->GetPlayerName(19), "John Dough");
        const Boxes lost{"Save File Not Found", "Creating New Save File"};
        EXPECT_EQ(Frame.Boxes, prevRun == 0 ? Boxes{} : lost);
        // Each box stays on the error output once it is gone.
        EXPECT_EQ(logged, prevRun == 0 ? ""
                                       : "otcraps: the save file <c:\\data\\jorp.sav> was not "
                                         "found\notcraps: a new save file is made: "
                                         "<c:\\data\\jorp.sav>\n");
    }
    // A temporary file left by a crash goes at the next load; the file itself is whole.
    Dir.WriteHostFile("data/jorp.tmp", "half a fi");
    Frame.Boxes.clear();
    ASSERT_TRUE(Make().LoadSaveFile());
    EXPECT_FALSE(InData("jorp.tmp"));
    EXPECT_EQ(SaveBytes(), FreshFile());
    EXPECT_TRUE(Frame.Boxes.empty());
}

TEST_F(SaveFile, ADamagedFileIsKeptAsideUntouchedAndAFreshOneMade) {
    std::string otherVersion = FreshFile();
    otherVersion[6] = 1;
    std::string otherId = FreshFile();
    otherId.replace(0, 4, "JUNK");
    const struct {
        std::string Bytes;
        int PrevRun;
        bool KeptAside;
    } cases[] = {
        {FreshFile() + "x", 0, true},
        {FreshFile().substr(1), 1, true},
        {"", 0, true},
        {otherVersion, 0, true},
        {otherVersion, 1, true},
        // The id is not compared: another id with the right versions and size is used.
        {otherId, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Bytes.size() << " bytes, run " << c.PrevRun);
        std::filesystem::remove(Dir.Host("data/jorp.bad"));
        Dir.WriteHostFile("data/jorp.sav", c.Bytes);
        SetPrevRun(c.PrevRun);
        Frame.Boxes.clear();
        ASSERT_TRUE(Make().LoadSaveFile());
        EXPECT_EQ(SaveBytes(), c.KeptAside ? FreshFile() : c.Bytes);
        EXPECT_EQ(InData("jorp.bad") ? SaveBytes("jorp.bad") : "(none)",
                  c.KeptAside ? c.Bytes : "(none)");
        Boxes boxes;
        if (c.KeptAside)
            boxes.push_back(CorruptKept + "jorp.bad" + NoneRecovered);
        if (c.KeptAside && c.PrevRun != 0)
            boxes.push_back("Creating New Save File");
        EXPECT_EQ(Frame.Boxes, boxes);
    }
}

TEST_F(SaveFile, AKeptFileIsNeverReplacedAndWithNoNameLeftNothingIsTouched) {
    Dir.WriteHostFile("data/jorp.bad", "first");
    Dir.WriteHostFile("data/jorp.b01", "second");
    Dir.WriteHostFile("data/jorp.sav", "third");
    ASSERT_TRUE(Make().LoadSaveFile());
    EXPECT_EQ(Frame.Boxes, Boxes{CorruptKept + "jorp.b02" + NoneRecovered});
    EXPECT_EQ(SaveBytes("jorp.bad") + SaveBytes("jorp.b01") + SaveBytes("jorp.b02"),
              "firstsecondthird");

    // Every name taken: the damaged file stays and this run writes nothing, told once with
    // the names in the way. The players are kept in memory meanwhile.
    for (int n = 3; n <= 99; ++n)
        Dir.WriteHostFile("data/jorp.b" + std::string(n < 10 ? "0" : "") + std::to_string(n), "");
    Dir.WriteHostFile("data/jorp.sav", "fourth");
    Frame.Boxes.clear();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Make().LoadSaveFile());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(Mgr->IsSavingDisabled());
    EXPECT_TRUE(Mgr->CreatePlayer("Ann", 0, 10.0));
    EXPECT_FALSE(Mgr->SaveFile());
    const std::string taken = "jorp.bad and jorp.b01 to jorp.b99 are all taken";
    EXPECT_EQ(Frame.Boxes,
              Boxes{NotSetAsideBox(taken) + " Move some of those elsewhere first, so "
                                            "that the damaged file can be set aside."});
    EXPECT_NE(said.find("<c:\\data\\jorp.sav> is damaged and cannot be set aside (" + taken + ")"),
              std::string::npos)
        << said;
    EXPECT_EQ(SaveBytes(), "fourth");
    EXPECT_FALSE(InData("jorp.tmp"));
}

// The hundredth kept name is tried too: with every other one taken, the damaged file at the
// start is kept under it, and so is the run saved beside a folder in the save's place.
TEST_F(SaveFile, TheLastKeptNameIsTakenWhenEveryOtherIs) {
    Dir.WriteHostFile("data/jorp.bad", "");
    for (int n = 1; n <= 98; ++n)
        Dir.WriteHostFile("data/jorp.b" + std::string(n < 10 ? "0" : "") + std::to_string(n), "");
    Dir.WriteHostFile("data/jorp.sav", "damaged");
    ASSERT_TRUE(Make().LoadSaveFile());
    EXPECT_EQ(Frame.Boxes, Boxes{CorruptKept + "jorp.b99" + NoneRecovered});
    EXPECT_EQ(SaveBytes("jorp.b99"), "damaged");

    std::filesystem::remove(Dir.Host("data/jorp.b99"));
    Ready();
    std::filesystem::remove(Dir.Host("data/jorp.sav"));
    std::filesystem::create_directory(Dir.Host("data/jorp.sav"));
    testing::internal::CaptureStderr();
    EXPECT_TRUE(Mgr->SaveFile());
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_NE(Frame.Boxes[0].find("saved beside it as jorp.b99;"), std::string::npos)
        << Frame.Boxes[0];
    EXPECT_EQ(SaveBytes("jorp.b99").size(), FreshFile().size());
}

// Only a name in use sends the search on to the next one: any other refusal would meet them all.
TEST_F(SaveFile, ASecondNameRefusedForAnotherReasonEndsTheSearchAndTheBoxSaysWhy) {
    TLinkRefusingHost host;
    Dir.WriteHostFile("data/jorp.sav", "damaged");
    Make().SetSaveFileHost(&host);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Mgr->LoadSaveFile());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(host.Links, 1);
    EXPECT_EQ(Frame.Boxes, Boxes{NotSetAsideBox("Input/output error")});
    EXPECT_NE(said.find("<c:\\data\\jorp.sav> is damaged and cannot be set aside (Input/output "
                        "error)"),
              std::string::npos)
        << said;
    EXPECT_EQ(SaveBytes(), "damaged");
    EXPECT_FALSE(InData("jorp.bad") || InData("jorp.tmp"));

    // Copied where files have one name, a folder under the first name is refused as no file:
    // its name is taken all the same, and the next one is used.
    host.LinkError = EPERM;
    std::filesystem::create_directory(Dir.Host("data/jorp.bad"));
    Frame.Boxes.clear();
    Make().SetSaveFileHost(&host);
    ASSERT_TRUE(Mgr->LoadSaveFile());
    EXPECT_EQ(Frame.Boxes, Boxes{CorruptKept + "jorp.b01" + NoneRecovered});
    EXPECT_EQ(SaveBytes("jorp.b01"), "damaged");
    EXPECT_EQ(SaveBytes(), FreshFile());
}

// The damaged file is kept under a second name (a copy where the file system has none) before
// one rename puts its replacement in its place; when that rename fails the kept name goes again,
// and the damaged file stays as the only one.
TEST_F(SaveFile, ADamagedFileIsKeptByASecondNameOrACopyAndTheRenameIsAllOrNothing) {
    // Longer than a copy's every read, and damaged by its size.
    std::string damaged(150'001, '\0');
    for (size_t i = 0; i < damaged.size(); ++i)
        damaged[i] = static_cast<char>(i * 7 % 251);
    for (const TFaultyHost::TStep step : {TFaultyHost::None, TFaultyHost::FailLink}) {
        SCOPED_TRACE(step);
        std::filesystem::remove(Dir.Host("data/jorp.bad"));
        Dir.WriteHostFile("data/jorp.sav", damaged);
        Frame.Boxes.clear();
        Host.Armed = step;
        ASSERT_TRUE(Make().LoadSaveFile());
        EXPECT_EQ(Frame.Boxes, Boxes{CorruptKept + "jorp.bad" + NoneRecovered});
        EXPECT_TRUE(SaveBytes("jorp.bad") == damaged);
        EXPECT_EQ(SaveBytes(), FreshFile());
        EXPECT_FALSE(InData("jorp.tmp"));
    }
    Dir.WriteHostFile("data/jorp.sav", "damaged");
    std::filesystem::remove(Dir.Host("data/jorp.bad"));
    Frame.Boxes.clear();
    Host.Armed = TFaultyHost::FailMove;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Make().LoadSaveFile());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(SaveBytes(), "damaged");
    EXPECT_FALSE(InData("jorp.bad") || InData("jorp.tmp"));
    EXPECT_EQ(Frame.Boxes,
              Boxes{"Save File Corrupted\n<c:\\data\\jorp.sav>\nis damaged, and the file to "
                    "replace it cannot be written (Input/output error), so it stays where it "
                    "was.\nNo gambler could be recovered from it.\n\nNothing will be saved until "
                    "the game is started again."});
}

// The box waits for the player: a run killed meanwhile must find the file replaced already.
TEST_F(SaveFile, TheDamagedFileIsNamedKeptOnlyOnceItIsKeptAndReplaced) {
    class TLookingFrame : public TFakeFrame {
    public:
        void ShowPlayerMessage(const std::string& text, const std::string& caption) override {
            Seen.push_back(Look());
            TFakeFrame::ShowPlayerMessage(text, caption);
        }
        std::function<std::string()> Look;
        std::vector<std::string> Seen;
    } frame;
    frame.Look = [this] {
        return SaveBytes() + "|" + (InData("jorp.bad") ? SaveBytes("jorp.bad") : "-");
    };
    Dir.WriteHostFile("data/jorp.sav", "damaged");
    TPlayerMgr mgr(&frame, "c:\\data\\", 3, 20);
    mgr.SetSaveFileHost(&Host);
    ASSERT_TRUE(mgr.LoadSaveFile());
    EXPECT_EQ(frame.Boxes, Boxes{CorruptKept + "jorp.bad" + NoneRecovered});
    EXPECT_EQ(frame.Seen, Boxes{FreshFile() + "|damaged"});
}

TEST_F(SaveFile, AFaultAtAnyStepOfASaveLeavesTheOldFileAndNoTemporaryFile) {
    for (TFaultyHost::TStep step :
         {TFaultyHost::FailRead, TFaultyHost::FailCreateTemp, TFaultyHost::FailWrite,
          TFaultyHost::FailFlush, TFaultyHost::FailClose, TFaultyHost::FailMove}) {
        SCOPED_TRACE(testing::Message() << "step " << step);
        Ready();
        const std::string before = SaveBytes();
        AnnWins(1234.0);
        Host.Armed = step;
        // Never made anew: that would forget Bob and Cy.
        EXPECT_FALSE(Mgr->SaveFile());
        EXPECT_EQ(Frame.Boxes, Boxes{WriteFailedBox("Write Save File Failed")});
        EXPECT_EQ(SaveBytes(), before);
        EXPECT_FALSE(InData("jorp.tmp"));
        // The next save gets through.
        EXPECT_TRUE(Mgr->SaveFile());
        EXPECT_EQ(OnDisk(0).GetBankroll(), 1234.0);
        EXPECT_EQ(OnDisk(2).GetName(), "Cy");
    }
}

TEST_F(SaveFile, AFaultWhenASeatEmptiesOrAPlayerIsMadeOrDeletedChangesNothing) {
    Ready();
    AnnWins(42.0);
    const std::string before = SaveBytes();
    const u32 ram = JorpRamInUse;
    Host.Armed = TFaultyHost::FailMove;
    EXPECT_TRUE(Mgr->DeactivatePlayer(0));
    EXPECT_EQ(Mgr->GetDataBlock(0), nullptr);
    Host.Armed = TFaultyHost::FailWrite;
    EXPECT_FALSE(Mgr->CreatePlayer("Dee", 0, 10.0));
    Host.Armed = TFaultyHost::FailFlush;
    EXPECT_FALSE(Mgr->DeletePlayer(1));
    // Only the lost seat is reported; the others answer by their result. Nothing is kept.
    EXPECT_EQ(Frame.Boxes, Boxes{WriteFailedBox("Write Player Data Failed")});
    EXPECT_EQ(Mgr->FindPlayer("Dee") * 10 + Mgr->FindPlayer("Bob"), -9);
    EXPECT_EQ(JorpRamInUse, ram - 31);
    EXPECT_EQ(SaveBytes(), before);
    EXPECT_FALSE(InData("jorp.tmp"));
}

TEST_F(SaveFile, AFreshFileThatCannotBeWrittenIsReportedAndNothingIsLeft) {
    for (TFaultyHost::TStep step :
         {TFaultyHost::FailCreateTemp, TFaultyHost::FailWrite, TFaultyHost::FailMove}) {
        Frame.Boxes.clear();
        Host.Armed = step;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(Make().LoadSaveFile());
        EXPECT_NE(testing::internal::GetCapturedStderr().find("<c:\\data\\jorp.sav> cannot be "
                                                              "written (Input/output error)"),
                  std::string::npos);
        EXPECT_EQ(Frame.Boxes, Boxes{WriteFailedBox("Create New Save File Failed") +
                                     "\n\nNothing will be saved until the game is started "
                                     "again."});
        // The run plays from memory, and nothing reaches the disk.
        EXPECT_TRUE(Mgr->IsSavingDisabled());
        EXPECT_TRUE(Mgr->CreatePlayer("Ann", 0, 1.0));
        EXPECT_FALSE(Mgr->SaveFile());
        EXPECT_EQ(Frame.Boxes.size(), 1U);
        EXPECT_FALSE(InData("jorp.sav") || InData("jorp.tmp"));
    }
}

TEST_F(SaveFile, ASaveWritesOnlyTheLoadedBlocksAndKeepsEveryOtherByte) {
    Ready();
    // Bytes no save writes, in Bob's record and in Cy's, in the file read. (A free place holds
    // the blank: a byte changed there is damage.)
    std::string bytes = SaveBytes();
    bytes[24 + 31 + 29] = '\x77';
    bytes[24 + 31 * 2 + 16] = '\x55';
    Dir.WriteHostFile("data/jorp.sav", bytes);
    ASSERT_TRUE(Make().LoadSaveFile() && Mgr->ActivatePlayer(0, 0));
    AnnWins(88.0);
    ASSERT_TRUE(Mgr->SaveFile());
    std::string expected = bytes;
    std::copy_n(Mgr->GetDataBlock(0), 31, expected.begin() + 24);
    EXPECT_EQ(SaveBytes(), expected);
    // A file gone meanwhile is written again whole, every byte as this run had it; one of
    // another size is another program's, kept aside whole while the save is written as this
    // run had it.
    std::filesystem::remove(Dir.Host("data/jorp.sav"));
    AnnWins(89.0);
    std::copy_n(Mgr->GetDataBlock(0), 31, expected.begin() + 24);
    EXPECT_TRUE(Mgr->SaveFile());
    EXPECT_EQ(SaveBytes(), expected);
    ASSERT_EQ(Frame.Boxes.size(), 1U);
    EXPECT_EQ(Frame.Boxes[0].rfind("Save File Written Again\n", 0), 0U) << Frame.Boxes[0];
    Dir.WriteHostFile("data/jorp.sav", bytes + "x");
    EXPECT_TRUE(Mgr->SaveFile());
    EXPECT_EQ(SaveBytes(), expected);
    EXPECT_EQ(SaveBytes("jorp.bad"), bytes + "x");
}

TEST_F(SaveFile, TheSeatedPlayersAreStoredAndComeBackInTheirOrder) {
    Ready();
    ASSERT_TRUE(Mgr->ActivatePlayer(1, 0) && Mgr->ActivatePlayer(2, 0));
    ASSERT_TRUE(Mgr->DeactivatePlayer(1));
    ASSERT_TRUE(Mgr->SaveFile());
    std::string stored;
    for (int key = 0; key < 3; ++key)
        stored += Settings.GetStringN("Players", key, "?") + ";";
    EXPECT_EQ(stored, "Ann;;Cy;");
    // Each known player sits once, in the first free seat.
    const struct {
        std::vector<const char*> Stored;
        std::vector<i16> Seats;
    } cases[] = {{{"Ann", "", "Cy"}, {0, 2, -1}},
                 {{"Ghost", "Cy", "Cy"}, {2, -1, -1}},
                 {{"Bob", "Bob", "Bob"}, {1, -1, -1}}};
    for (const auto& c : cases) {
        for (int key = 0; key < 3; ++key)
            Settings.WriteStringN("Players", key, c.Stored[static_cast<size_t>(key)]);
        ASSERT_TRUE(Make().LoadSaveFile());
        Mgr->RestoreActivePlayers();
        EXPECT_EQ((std::vector<i16>{Mgr->GetActive(0), Mgr->GetActive(1), Mgr->GetActive(2)}),
                  c.Seats)
            << c.Stored[1];
    }
}

TEST_F(SaveFile, TheCasinoSizesMakeAFileOf264131BytesWithTheirOwnRecords) {
    auto mgr = std::make_unique<TCasinoSizedMgr>(&Frame, "c:\\data\\", 3, 20);
    ASSERT_TRUE(mgr->LoadSaveFile());
    const std::string bytes = SaveBytes("otcraps.sav");
    ASSERT_EQ(bytes.size(), 264131U);
    EXPECT_EQ(mgr->GetRecordOffset(19), 8U + 223U + 19U * 13195U);
    for (i16 r = 0; r < 20; ++r) {
        const size_t at = mgr->GetRecordOffset(r);
        EXPECT_EQ(static_cast<u8>(bytes[at + 31]) + static_cast<u8>(bytes[at + 13194]),
                  0xCA + 0x5E);
    }
    // A player seated brings his whole record into memory, and only that.
    ASSERT_TRUE(mgr->CreatePlayer("Dealer Dan", 1, 2000.0));
    ASSERT_TRUE(mgr->ActivatePlayer(0, 0));
    EXPECT_EQ(JorpRamInUse, 8U + 223U + 13195U);
    ASSERT_TRUE(mgr->SaveFile());
    EXPECT_EQ(SaveBytes("otcraps.sav").size(), 264131U);
    mgr.reset();
    EXPECT_EQ(JorpRamInUse, 0U);
}

} // namespace

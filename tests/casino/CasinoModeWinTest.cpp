// The casino mode window: a table without its lord or a seat player ends the program, every
// frame updates lord, seats and objects in that order, and the current seat's commands reach
// the gambler's record through the response table.
#include "RecordsTable.h"

#include "casino/CasinoStatDialog.h"
#include "platform/framework/CommandEnabler.h"
#include "platform/framework/Dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class CasinoModeWin : public CasinoTable {
protected:
    void TearDown() override {
        SetCasinoStatDialogFactory(nullptr);
        CasinoTable::TearDown();
    }
    // What the command's enabler answers: "on", "off", with "+" when checked.
    std::string Enabler(u32 id) {
        TCommandEnabler enabler(id);
        EXPECT_TRUE(Window->DispatchCommandEnable(enabler)) << id;
        return std::string(enabler.IsEnabled() ? "on" : "off") +
               (enabler.GetCheck() == TCommandEnabler::Checked ? "+" : "");
    }
    u8 JoesInstructionByte() const {
        return Players->GetDataBlock(0)[TCasinoPlayerData::InstructionAt];
    }
};

TEST_F(CasinoModeWin, ATableWithoutItsLordOrASeatPlayerEndsTheProgram) {
    const struct {
        std::vector<std::string> Members;
        const char* Text;
    } cases[] = {
        {{"seat0", "seat1", "seat2", "rail"}, "GameLord"},
        {{"lord", "seat0", "seat1", "rail"}, "Human Slot 2"},
        {{"lord", "seat1", "seat2"}, "Human Slot 0"},
    };
    for (const auto& c : cases) {
        MakeTable(c.Members);
        Boxes.Boxes.clear();
        Window->Checking = true;
        try {
            Window->CheckGameObjects();
            ADD_FAILURE() << c.Text << ": the program goes on";
        } catch (const TProcessExit& exit) {
            EXPECT_EQ(exit.Code, 1);
        }
        ASSERT_EQ(Boxes.Boxes.size(), 1U) << c.Text;
        EXPECT_EQ(Boxes.Boxes[0].Text,
                  "Error setting up GObj " + std::string(c.Text) + "\n GObj name: unknown");
        EXPECT_EQ(Boxes.Boxes[0].Caption, "GObj Setup");
        Mode.reset();
    }
    // A whole table passes.
    MakeFullTable();
    Boxes.Boxes.clear();
    Window->Checking = true;
    Window->CheckGameObjects();
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(CasinoModeWin, EachFrameUpdatesTheLordThenTheSeatsThenEveryObject) {
    MakeFullTable();
    EXPECT_EQ(Window->GetObjectCount(), 3);
    Window->UpdateGameObjects();
    EXPECT_EQ(ObjectLog(),
              (Log{"update lord", "update seat0", "update seat1", "update seat2", "update lord",
                   "update seat0", "update seat1", "update seat2", "update rail"}));
    // Skit conditions are the lord's to answer, asked by any object.
    EXPECT_EQ(Window->TestSkitCondition(7), 1);
    EXPECT_EQ(Window->GetGameObject(4)->TestSkitCondition(8), -1);
    Mode.reset();
    EXPECT_EQ(Window->TestSkitCondition(7), 0);
}

TEST_F(CasinoModeWin, InstructionModeFlipsTheCurrentGamblersRecordByte) {
    MakeFullTable();
    const u32 id = TCasinoModeWin::CmInstructionModeId;
    EXPECT_EQ(Enabler(id), "on");
    Window->DispatchCommand(id);
    EXPECT_EQ(JoesInstructionByte(), 1);
    EXPECT_EQ(Enabler(id), "on+");
    // Saved with the record.
    Players->Save();
    EXPECT_EQ(Dir.ReadHostFile("data/otcraps.sav")[231 + TCasinoPlayerData::InstructionAt], 1);
    Window->Flags[1] = false;
    EXPECT_EQ(Enabler(id), "off");
    Window->Flags[1] = true;
    Window->DispatchCommand(id);
    EXPECT_EQ(JoesInstructionByte(), 0);

    // The current seat empty: grayed, unchecked, and choosing it does nothing.
    Lord().SelectSeat(1);
    EXPECT_EQ(Enabler(id), "off");
    Window->DispatchCommand(id);
    ASSERT_TRUE(Players->ActivatePlayer(1, 0));
    EXPECT_EQ(Players->GetDataBlock(1)[TCasinoPlayerData::InstructionAt], 0);
    EXPECT_EQ(Enabler(id), "on");
    // Without a lord nobody is current.
    Mode.reset();
    EXPECT_EQ(Enabler(id), "off");
}

TEST_F(CasinoModeWin, StatisticsPauseTheGameForTheCurrentSeatsRecordEvenAnEmptyOne) {
    MakeFullTable();
    std::vector<std::string> asked;
    SetCasinoStatDialogFactory([&](TWindow*, TPlayerMgr&, i16 record) {
        asked.push_back(std::to_string(record) + (Window->IsPaused() ? " paused" : ""));
        return std::unique_ptr<TDialog>();
    });
    const u32 id = TCasinoModeWin::CmStatisticsId;
    Window->DispatchCommand(id);
    Lord().SelectSeat(2);
    Window->DispatchCommand(id);
    EXPECT_EQ(asked, (Log{"0 paused", "-1 paused"}));
    EXPECT_FALSE(Window->IsPaused());
    // A pause already in force stays.
    Window->SetPaused(true);
    Window->DispatchCommand(id);
    EXPECT_TRUE(Window->IsPaused());
    // Without a lord there is no current seat.
    Mode.reset();
    Window->SetPaused(false);
    Window->DispatchCommand(id);
    EXPECT_EQ(asked.back(), "-1 paused");

    EXPECT_EQ(Enabler(id), "on");
    Window->Flags[0] = false;
    EXPECT_EQ(Enabler(id), "off");
}

TEST_F(CasinoModeWin, TheLordsCommandNeedsItsFlagAndALord) {
    MakeFullTable();
    const u32 id = TCasinoModeWin::CmGameLordCommandId;
    EXPECT_EQ(Enabler(id), "on");
    Window->DispatchCommand(id);
    EXPECT_EQ(ObjectLog(), Log{"lord command"});
    Window->Flags[2] = false;
    EXPECT_EQ(Enabler(id), "off");
    Window->Flags[2] = true;
    Mode.reset();
    EXPECT_EQ(Enabler(id), "off");
    Window->DispatchCommand(id);
    EXPECT_EQ(ObjectLog(), Log{"lord command"});
}

} // namespace

// The casino mode window: a table without its lord or a seat player ends the program, every
// frame updates lord, seats and objects in that order, and the current seat's commands reach
// the gambler's record through the response table.
#include "RecordsFixture.h"

#include "casino/CasinoStatDialog.h"
#include "platform/framework/dialogs/Dialog.h"
#include "platform/framework/menus/CommandEnabler.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Log = std::vector<std::string>;

class CasinoModeWin : public CasinoRecords {
protected:
    void TearDown() override {
        SetCasinoStatDialogFactory(nullptr);
        CasinoRecords::TearDown();
    }
    // "on" or "off", with "+" when checked.
    std::string Enabler(u32 id) {
        TCommandEnabler enabler(id);
        EXPECT_TRUE(Window->DispatchCommandEnable(enabler)) << id;
        return std::string(enabler.IsEnabled() ? "on" : "off") +
               (enabler.GetCheck() == TCommandEnabler::Checked ? "+" : "");
    }
    u8 InstructionByte(i16 record) const {
        return Mgr->GetDataBlock(record)[TCasinoPlayerData::InstructionAt];
    }
};

TEST_F(CasinoModeWin, ATableWithoutItsLordOrASeatPlayerEndsTheProgram) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"seat0", "seat1", "seat2"}, "GameLord"},
        {{"lord", "seat0", "seat1", "rail"}, "Human Slot 2"},
        {{"lord", "seat1", "seat2"}, "Human Slot 0"},
        {{"lord", "seat0", "seat1", "seat2"}, nullptr},
    };
    for (const auto& [members, what] : cases) {
        MakeTable(members);
        Boxes.Boxes.clear();
        Window->Checking = true;
        try {
            Window->CheckGameObjects();
            EXPECT_EQ(what, nullptr) << what << ": the program goes on";
        } catch (const TProcessExit& exit) {
            EXPECT_EQ(exit.Code, 1);
            ASSERT_EQ(Boxes.Boxes.size(), 1U) << what;
            EXPECT_EQ(Boxes.Boxes[0].Caption + ": " + Boxes.Boxes[0].Text,
                      "GObj Setup: Error setting up GObj " + std::string(what) +
                          "\n GObj name: unknown");
        }
    }
}

TEST_F(CasinoModeWin, EachFrameUpdatesTheLordThenTheSeatsThenEveryObject) {
    MakeTable();
    Window->UpdateGameObjects();
    EXPECT_EQ(ObjectLog(),
              (Log{"update lord", "update seat0", "update seat1", "update seat2", "update lord",
                   "update seat0", "update seat1", "update seat2", "update rail"}));
    // Skit conditions are the lord's to answer, whoever asks.
    EXPECT_EQ(Window->TestSkitCondition(7) * 10 + Window->GetGameObject(4)->TestSkitCondition(8),
              9);
    Mode.reset();
    EXPECT_EQ(Window->TestSkitCondition(7), 0);
}

TEST_F(CasinoModeWin, InstructionModeFlipsTheCurrentGamblersRecordByte) {
    MakeTable();
    const u32 id = CM_INSTRUCTIONMODE;
    EXPECT_EQ(Enabler(id), "on");
    Window->DispatchCommand(id);
    EXPECT_EQ(Enabler(id), "on+");
    Mgr->Save();
    EXPECT_EQ(Dir.ReadHostFile("data/otcraps.sav")[231 + TCasinoPlayerData::InstructionAt], 1);
    Window->DispatchCommand(id);
    EXPECT_EQ(InstructionByte(0), 0);

    // An empty current seat: grayed, unchecked, and choosing it does nothing.
    Lord().SelectSeat(1);
    EXPECT_EQ(Enabler(id), "off");
    Window->DispatchCommand(id);
    ASSERT_TRUE(Mgr->ActivatePlayer(1, 0));
    EXPECT_EQ(InstructionByte(1) * 10 + InstructionByte(0), 0);
    EXPECT_EQ(Enabler(id), "on");
}

TEST_F(CasinoModeWin, StatisticsPauseTheGameForTheCurrentSeatsRecordEvenAnEmptyOne) {
    MakeTable();
    Log asked;
    SetCasinoStatDialogFactory([&](TWindow*, TPlayerMgr& players, i16 record) {
        asked.push_back(std::to_string(record) + (Window->IsPaused() ? " paused" : ""));
        players.LoadDataBlock(2);
        return std::unique_ptr<TDialog>();
    });
    const u32 id = CM_STATISTICS;
    Window->DispatchCommand(id);
    Lord().SelectSeat(2);
    Window->DispatchCommand(id);
    EXPECT_FALSE(Window->IsPaused());
    // A pause already in force stays.
    Window->SetPaused(true);
    Window->DispatchCommand(id);
    EXPECT_TRUE(Window->IsPaused());
    EXPECT_EQ(asked, (Log{"0 paused", "-1 paused", "-1 paused"}));
    // What the dialog read and no seat holds is let go.
    EXPECT_EQ(Mgr->GetDataBlock(2), nullptr);
}

// Each command needs its frame flag; all but statistics need the table's lord too.
TEST_F(CasinoModeWin, CommandsNeedTheirFlagsAndALord) {
    MakeTable();
    const std::tuple<u32, int, const char*> commands[] = {
        {CM_STATISTICS, 0, "on"}, {CM_INSTRUCTIONMODE, 1, "off"}, {CM_GAMELORDCOMMAND, 2, "off"}};
    for (const auto& [id, flag, withoutLord] : commands) {
        EXPECT_EQ(Enabler(id), "on") << id;
        Window->Flags[flag] = false;
        EXPECT_EQ(Enabler(id), "off") << id;
        Window->Flags[flag] = true;
    }
    Window->DispatchCommand(CM_GAMELORDCOMMAND);
    EXPECT_EQ(ObjectLog(), Log{"lord command"});
    Mode.reset();
    for (const auto& [id, flag, withoutLord] : commands)
        EXPECT_EQ(Enabler(id), withoutLord) << id;
}

} // namespace

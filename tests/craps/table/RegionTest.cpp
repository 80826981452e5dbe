// The table's click regions on the bound table: what a click at a point reaches, the hover help
// by region and phase, keys that must not bet, and the buttons' codes and flags.
#include "RegionSupport.h"

#include "casino/CasButton.h"
#include "casino/CasMessageDisplay.h"
#include "craps/bets/TableClickPieces.h"
#include "craps/table/RoundStates.h"
#include "engine/media/Anm.h"
#include "engine/media/CursorMgr.h"
#include "engine/media/MediaServices.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

class Regions : public RegionFixture {
protected:
    void SetUp() override {
        RegionFixture::SetUp();
        BuildWithout();
        LoadRegionLord();
    }
};

TEST_F(Regions, AClickReachesTheRoundStatesWithTheSpotOfTheFirstRegionThatHoldsThePoint) {
    struct TCase {
        int X, Y;
        int Region; // 0: no click reaches the round states
        int Spot;
    };
    const TCase cases[] = {
        {260, 465, 20, -1},
        {374, 476, 20, -1},
        {375, 470, 0, 0}, // right edge outside
        {300, 400, 22, 0},
        {606, 416, 22, 0},
        {620, 240, 0, 0}, // the layout alone, above the pass line's arm
        // Where the pass line turns its corner and the horn's column runs above its own
        // rectangle: drawn spots, which the added pieces answer for.
        {607, 400, 138, 0},
        {100, 350, 433, 42},
        {100, 250, 0, 0},
        {600, 350, 65, 0},
        {590, 300, 66, 0},
        {545, 280, 69, 1},
        {500, 260, 71, 3},
        {500, 280, 25, 3},
        {300, 350, 26, 4},
        {97, 370, 64, 42},
        {210, 330, 63, 41},
        {240, 275, 45, 23},
        {240, 264, 51, 29},
        {370, 254, 60, 38},
        // Equal priorities overlapping: the region registered first takes the pixel.
        {224, 310, 39, 17},
        {226, 310, 39, 17},
        {227, 310, 39, 17},
        {223, 310, 63, 41},
        {452, 300, 43, 21},
        {453, 310, 43, 21},
        {454, 300, 44, 22},
    };
    for (const TCase& c : cases) {
        Rounds.Clicks.clear();
        Mouse(JEK_LBUTTONDOWN, c.X, c.Y);
        if (c.Region == 0) {
            EXPECT_TRUE(Rounds.Clicks.empty()) << c.X << ", " << c.Y;
            continue;
        }
        ASSERT_EQ(Rounds.Clicks.size(), 1U) << c.X << ", " << c.Y;
        // The spot is the winning region's; the event is the one the mouse made.
        EXPECT_EQ(Rounds.Clicks[0].Spot, c.Spot) << c.X << ", " << c.Y;
        EXPECT_EQ(Rounds.Clicks[0].Kind, JEK_LBUTTONDOWN);
        EXPECT_EQ(Rounds.Clicks[0].Region == 20, c.Region == 20);
    }
}

// Each added piece, clicked at its corners, reaches the round states with its own spot, and
// hovered shows its spot's help; the roll takes out the extra pass-line area with the pass line's
// pieces beside it, and brings them back with it.
TEST_F(Regions, EveryAddedPieceAnswersForItsSpotAndThoseBesideTheRollAreaGoWithIt) {
    using table_region::FirstAddedSlot, table_region::GoesWithRollArea, table_region::SlotCount;
    const auto& all = table_region::Regions;
    i32 rollPieces = 0;
    for (size_t slot = FirstAddedSlot; slot < SlotCount; ++slot) {
        const TRect& r = all[slot].Rect;
        for (const TPoint p : {TPoint{r.left, r.top}, TPoint{r.right - 1, r.bottom - 1}}) {
            Rounds.Clicks.clear();
            Mouse(JEK_LBUTTONDOWN, p.x, p.y);
            ASSERT_EQ(Rounds.Clicks.size(), 1U) << all[slot].Id;
            EXPECT_EQ(Rounds.Clicks[0].Spot, all[slot].Spot) << p.x << "," << p.y;
        }
        rollPieces += GoesWithRollArea(slot) ? 1 : 0;
    }
    EXPECT_GT(rollPieces, 10);
    // Hovering a piece shows its spot's help as hovering the spot's own region does.
    Table->StartRegionHover();
    Table->StandingMessage = 1;
    Table->Point = 4;
    Table->ComeOutFlag = 0;
    i32 helped = 0;
    for (size_t slot = FirstAddedSlot; slot < SlotCount; ++slot) {
        const TRect& own = all[static_cast<size_t>(all[slot].Spot)].Rect;
        int shown[2] = {};
        for (int i = 0; i < 2; ++i) {
            Mouse(JEK_CURSOR, 700, 590);
            Table->MessageDisplay->ShowMessage(1, TMoney(), 0);
            const TPoint p = i == 0 ? TPoint{all[slot].Rect.left, all[slot].Rect.top}
                                    : TPoint{own.left + 3, own.top + 3};
            Mouse(JEK_CURSOR, p.x, p.y);
            shown[i] = Board();
        }
        EXPECT_EQ(shown[0], shown[1]) << all[slot].Id;
        helped += shown[0] != 1 ? 1 : 0;
    }
    EXPECT_GT(helped, static_cast<i32>(table_region::AddedCount) / 2);
    const TPoint beside{590, 250};
    ASSERT_FALSE(all[table_region::RollAreaSlot].Rect.Contains(beside));
    TCRoundTable& round = Table->GetRoundTable();
    for (const bool open : {false, true}) {
        open ? round.OpenBetting() : round.CloseBetting();
        for (size_t slot = 0; slot < SlotCount; ++slot) {
            if (GoesWithRollArea(slot)) {
                EXPECT_EQ(Table->GetClickRegion(static_cast<i16>(slot))->IsRegistered(), open)
                    << slot;
            }
        }
        EXPECT_TRUE(Table->GetClickRegion(0)->IsRegistered());
        Rounds.Clicks.clear();
        Mouse(JEK_LBUTTONDOWN, beside.x, beside.y);
        EXPECT_EQ(Rounds.Clicks.size(), open ? 1U : 0U) << open;
    }
}

// While the dice roll, the pass line keeps its clicks on its right side (region 65) and below and
// left of it; the roll area (region 66) and the pass line's arm above y 319, where the dice land,
// take none. Fixed points, so that one piece more or less going out shows: (590, 320) is on the
// piece left of region 65 whose top is level with its own, which stays.
TEST_F(Regions, DuringARollOnlyThePassLinesArmAboveItsRightSideTakesNoClick) {
    struct TCase {
        int X, Y;
        bool Answers;
    };
    const TCase cases[] = {
        {600, 350, true},  {633, 330, true},  {593, 388, true},  // region 65
        {592, 330, true},  {588, 322, true},  {590, 320, true},  // left of it, below y 319
        {620, 405, true},  {300, 400, true},  {230, 400, true},  // the corner and the bottom
        {590, 300, false}, {578, 260, false}, {600, 311, false}, // region 66
        {570, 270, false}, {590, 316, false}, {610, 280, false}, // the arm's pieces
        {600, 250, false}, {630, 318, false}, {560, 250, false},
    };
    TCRoundTable& round = Table->GetRoundTable();
    for (const bool rolling : {true, false}) {
        rolling ? round.CloseBetting() : round.OpenBetting();
        for (const TCase& c : cases) {
            Rounds.Clicks.clear();
            Mouse(JEK_LBUTTONDOWN, c.X, c.Y);
            const bool answers = !rolling || c.Answers;
            ASSERT_EQ(Rounds.Clicks.size(), answers ? 1U : 0U)
                << c.X << "," << c.Y << (rolling ? " rolling" : " betting");
            if (answers) {
                EXPECT_EQ(Rounds.Clicks[0].Spot, table_spot::PassLine) << c.X << "," << c.Y;
            }
        }
    }
}

TEST_F(Regions, EventsBeforeTheRoundStatesExistAreTakenAndIgnored) {
    Table->SetRoundInput(nullptr);
    Table->StartRegionHover();
    Table->MessageDisplay->ShowMessage(1, TMoney(), 0);
    Mouse(JEK_CURSOR, 300, 400);
    Mouse(JEK_LBUTTONDOWN, 300, 400);
    EXPECT_EQ(Board(), 1);
    EXPECT_TRUE(Rounds.Clicks.empty());
}

TEST_F(Regions, BeforeBettingClicksWaitAndReachTheRoundsInTheOrderMadeOnceBettingBegins) {
    Rounds.Waiting = true;
    for (const TPoint p : {TPoint{300, 400}, TPoint{260, 465}, TPoint{300, 350}}) {
        Mouse(JEK_LBUTTONDOWN, p.x, p.y);
        Mouse(JEK_LBUTTONUP, p.x, p.y);
    }
    // The presses go on (they only take the mouse); the clicks wait.
    const std::vector<TClick> presses = {
        {22, JEK_LBUTTONDOWN, 0}, {20, JEK_LBUTTONDOWN, -1}, {26, JEK_LBUTTONDOWN, 4}};
    EXPECT_EQ(Rounds.Clicks, presses);
    Table->Tick(Table->GetOwnerTick() + 1);
    EXPECT_EQ(Rounds.Clicks, presses);
    // One a frame once the rounds bet.
    Rounds.Waiting = false;
    Rounds.Clicks.clear();
    for (int frame = 1; frame <= 4; ++frame)
        Table->Tick(Table->GetOwnerTick() + frame);
    EXPECT_EQ(Rounds.Clicks,
              (std::vector<TClick>{
                  {22, JEK_LBUTTONUP, 0}, {20, JEK_LBUTTONUP, -1}, {26, JEK_LBUTTONUP, 4}}));
}

TEST(RoundRoot, WaitsForClicksUntilItsFirstBettingState) {
    TCLordMainState root(nullptr);
    EXPECT_TRUE(root.ClicksWait());
    root.CreateSubState(0);
    EXPECT_TRUE(root.ClicksWait());
    root.CreateSubState(1);
    EXPECT_FALSE(root.ClicksWait());
    root.CreateSubState(3);
    EXPECT_FALSE(root.ClicksWait());
}

TEST_F(Regions, NoTypedKeyPutsABetDownAndTabReachesTheSeatArea) {
    for (const char key : {'~', '^', 'a', ' '})
        Host.List.DispatchKey(key, 1, 0);
    for (const TClick& click : Rounds.Clicks)
        EXPECT_EQ(click.Spot, -1) << "region " << click.Region;
    Rounds.Clicks.clear();
    // The '^' pressed the first button in the list, whose action waits: a Tab made after it
    // waits its turn, and reaches the seat area on the frame after the action is taken.
    Host.List.DispatchKey('\t', 1, 0);
    EXPECT_TRUE(Rounds.Clicks.empty());
    Table->ClearButtonFlag(-1);
    Table->Tick(Table->GetOwnerTick() + 1);
    EXPECT_EQ(Rounds.Clicks, (std::vector<TClick>{{20, JEK_HOTKEY, -1}}));
    // Only the buttons that have a key answer one; three of them have none.
    for (i16 b : {1, 2, 3})
        EXPECT_EQ(Table->Buttons[static_cast<size_t>(b)]->GetResponder()->GetHotKey(), 0);
}

TEST_F(Regions, HoverShowsEachSpotsHelpByPhaseAndLeavingRestoresTheStandingMessage) {
    constexpr int Keep = 1; // the standing message: the hover showed nothing of its own
    struct TCase {
        int X, Y;
        i16 Point; // -1 coming out
        u8 Bought; // option bytes 0 to 2 as bits 0 to 2
        int Message;
    };
    const TCase cases[] = {
        {300, 400, -1, 0, 3},    {300, 400, 4, 0, 9},   {600, 350, 2, 0, 7},
        {300, 380, -1, 0, 4},    {300, 380, 8, 0, 10},  {570, 325, 3, 0, 11},
        {300, 325, -1, 0, Keep}, {300, 325, 2, 0, 5},   {510, 290, -1, 0, Keep},
        {510, 290, 6, 0, 6},     {300, 350, -1, 0, 21}, {300, 350, 7, 0, 21},
        {540, 380, 4, 0, 19},    {570, 350, -1, 0, 20}, {80, 305, -1, 0, 40},
        {150, 285, 2, 0, 42},    {120, 385, -1, 0, 48}, {50, 410, 4, 0, 45},
        {100, 338, -1, 0, 44},   {330, 300, -1, 4, 24}, {330, 300, 4, 3, 30},
        {380, 300, 2, 4, 25},    {240, 300, -1, 6, 28}, {240, 300, 4, 1, 22},
        {420, 300, -1, 2, 26},   {420, 300, -1, 5, 32}, {240, 275, -1, 0, Keep},
        {240, 275, 7, 0, 13},    {460, 275, 4, 0, 13},  {330, 275, 2, 0, 15},
        {240, 264, -1, 0, 34},   {460, 264, 4, 0, 39},  {370, 254, -1, 0, Keep},
        {370, 254, 3, 0, 18},    {240, 254, 4, 0, 16},  {210, 330, -1, 0, 51},
        {100, 370, 4, 0, 50},
    };
    Table->StartRegionHover();
    Table->StandingMessage = Keep;
    Table->MessageDisplay->ShowMessage(Keep, TMoney(), 0);
    for (const TCase& c : cases) {
        Mouse(JEK_CURSOR, 700, 590);
        ASSERT_EQ(Board(), Keep);
        Table->Point = c.Point;
        Table->ComeOutFlag = c.Point == -1 ? 1 : 0;
        Table->BetOptions = {static_cast<u8>(c.Bought & 1),
                             static_cast<u8>(c.Bought >> 1 & 1),
                             static_cast<u8>(c.Bought >> 2 & 1),
                             0,
                             0,
                             0,
                             0};
        Mouse(JEK_CURSOR, c.X, c.Y);
        EXPECT_EQ(Board(), c.Message) << c.X << ", " << c.Y << " point " << c.Point;
    }
}

TEST_F(Regions, TheOddsHelpNeedsAPointNumberAndAGroupUpToThirteen) {
    struct TCase {
        u16 K;
        i16 Point;
        int Message;
    };
    // -1: the board keeps its message.
    const TCase cases[] = {{0, 2, 7},   {0, 8, 7},    {0, 3, 8},    {1, 6, 12},   {0, -1, -1},
                           {1, 5, -1},  {0, 0, -1},   {2, -1, 13},  {7, -1, 13},  {3, -1, 14},
                           {6, -1, 14}, {4, -1, 15},  {5, -1, 15},  {8, -1, 16},  {13, -1, 16},
                           {9, -1, 17}, {12, -1, 17}, {10, -1, 18}, {11, -1, 18}, {14, 4, -1}};
    for (const TCase& c : cases) {
        Table->MessageDisplay->ShowMessage(1, TMoney(), 0);
        Table->Point = c.Point;
        Table->ShowOddsByPoint(c.K);
        EXPECT_EQ(Board(), c.Message == -1 ? 1 : c.Message) << "k " << c.K;
    }
}

TEST_F(Regions, OnlyTheHoverSetFollowsBettingAndTheSeatAreaNeverHovers) {
    Table->StartRegionHover();
    Table->DisableRegions();
    std::vector<int> tracking;
    for (i16 slot = 0; slot < TCasinoCGameLord::RegionCount; ++slot) {
        const TResponder* region = Table->GetClickRegion(slot);
        const i16 spot = table_region::SpotOfId(region->GetCode());
        if (slot < static_cast<i16>(table_region::FirstAddedSlot)) {
            if (region->TracksHover())
                tracking.push_back(region->GetCode());
            continue;
        }
        // An added piece follows its spot: the don't-come numbers' and the horn's keep hovering.
        const bool keeps =
            (spot >= table_spot::FirstDontComeNumber && spot < table_spot::CrapsEleven) ||
            spot == table_spot::Horn;
        EXPECT_EQ(region->TracksHover(), keeps) << region->GetCode();
    }
    EXPECT_EQ(tracking, (std::vector<int>{57, 58, 59, 60, 61, 62, 64, 74}));
    Table->EnableRegions();
    EXPECT_TRUE(Table->GetClickRegion(0)->TracksHover());
    EXPECT_FALSE(Table->GetClickRegion(50)->TracksHover());
}

TEST_F(Regions, WithNoCurrentSeatTheHoverLeavesTheTableCursorAlone) {
    THeadlessSession session;
    TMediaServices services;
    TCursorMgr cursors(nullptr);
    services.SetCursorMgr(&cursors);
    TEngineMedia* before = TEngineContext::Media;
    TEngineContext::Media = &services;
    const TCursorData mark(nullptr, 99);
    cursors.SetCursorData(CURSOR_SLOT_REGION, mark, false);
    Table->StartRegionHover();
    Table->BettingOpen = 1;
    Table->CurrentSeat = -1;
    for (const u8 placing : {1, 0}) {
        Table->PlacingBets = placing;
        Mouse(JEK_CURSOR, 300, 400);
        EXPECT_EQ(cursors.GetSlot(CURSOR_SLOT_REGION), mark) << "a spot";
        Mouse(JEK_CURSOR, 700, 590);
        EXPECT_EQ(cursors.GetSlot(CURSOR_SLOT_REGION), TCursorData()) << "leaving";
        cursors.SetCursorData(CURSOR_SLOT_REGION, mark, false);
        Mouse(JEK_CURSOR, 100, 250);
        EXPECT_EQ(cursors.GetSlot(CURSOR_SLOT_REGION), mark) << "the layout";
        Mouse(JEK_CURSOR, 700, 590);
        cursors.SetCursorData(CURSOR_SLOT_REGION, mark, false);
    }
    TEngineContext::Media = before;
}

TEST_F(Regions, ButtonEventsSetOneFlagEachAndKeepTheLastCode) {
    struct TCase {
        int Button;
        i32 Code;
        int Flag; // -1: none
        i16 LastCode;
    };
    const TCase cases[] = {
        {12, -1, -1, -1}, // Roll pressed with nothing on the table
        {12, 0, -1, -2},  {0xFFFE, 0, -1, -2}, {0xFFFE, 1, -1, -2}, {8, 1, 8, 1}, {6, 0, 6, 0},
        {4, -1, -1, -1},  {5, 0, 5, 0},        {13, 0, 13, 0},      {0, 0, 0, 0}, {12, 1, -1, -2},
    };
    for (const TCase& c : cases) {
        for (i16 b = 0; b < TCasinoCGameLord::ButtonCount; ++b)
            Table->ClearButtonFlag(b);
        Table->ButtonBusy = 1;
        EXPECT_EQ(Table->EvButton(static_cast<u16>(c.Button), c.Code, 0), 1);
        for (i16 b = 0; b < TCasinoCGameLord::ButtonCount; ++b)
            EXPECT_EQ(Table->GetButtonFlag(b), b == c.Flag ? 1 : 0)
                << "button " << c.Button << " code " << c.Code << " flag " << b;
        EXPECT_EQ(Table->GetLastButtonCode(), c.LastCode) << c.Button << " " << c.Code;
        // Only a release that never raises a flag frees the buttons at once.
        EXPECT_EQ(Table->ButtonBusy, c.LastCode == -2 ? 0 : 1) << c.Button << " " << c.Code;
    }
}

TEST_F(Regions, TheTalkButtonCyclesFromThreeThroughZeroAndClearingFreesTheButtons) {
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        Table->EvButton(13, 0, 0);
        Table->ClearButtonFlag(13);
        EXPECT_EQ(Table->GetButtonFlag(13), 0);
        EXPECT_EQ(Table->ButtonBusy, 0);
        seen.push_back(Table->GetTalkSetting());
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3}));
    Table->ButtonBusy = 1;
    Table->ClearButtonFlag(99);
    EXPECT_EQ(Table->ButtonBusy, 0);
}

TEST_F(Regions, ADisabledClickOnRollWithNoWholeDollarTellsTheGamblerHeIsBankrupt) {
    TMessageBoxRecorder boxes;
    Table->CurrentSeat = -1;
    for (u16 b = 0; b < 12; ++b)
        Table->EvButton(b, TCasButton::CodeDisabled, 0);
    EXPECT_TRUE(boxes.Boxes.empty());
    Table->EvButton(12, TCasButton::CodeDisabled, 0);
    ASSERT_EQ(boxes.Boxes.size(), 1U);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Bankrupt!");
    EXPECT_EQ(Table->GetButtonFlag(12), 0);
}

TEST_F(Regions, DeletingTheRegionsEmptiesTheResponderList) {
    const auto registered = [&] {
        int n = 0;
        for (i16 slot = 0; slot < TCasinoCGameLord::RegionCount; ++slot)
            n += Table->GetClickRegion(slot) != nullptr;
        return n;
    };
    EXPECT_EQ(registered(), static_cast<int>(52 + table_region::AddedCount));
    Table->DeleteRegions();
    EXPECT_EQ(registered(), 0);
    Rounds.Clicks.clear();
    Mouse(JEK_LBUTTONDOWN, 300, 400);
    EXPECT_TRUE(Rounds.Clicks.empty());
}

} // namespace

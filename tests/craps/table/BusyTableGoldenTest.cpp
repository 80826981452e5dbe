// The program on the built data set with three gamblers seated and chips of each on many spots:
// the lines and their odds, come bets moved to their numbers with odds, place and buy bets, the
// field, big six, the hardways and the one-roll props, with six the point.
#include "StillTableWindow.h"

#include "craps/bets/spots/BetSpot.h"
#include "craps/table/OwlMain.h"
#include "craps/table/Puck.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/PlayerMgr.h"
#include "engine/media/Anm.h"
#include "support/Golden.h"

#include <array>

namespace {

class TBusyLord : public TC1GameLord {
public:
    using TC1GameLord::TC1GameLord;
    using TCasinoCGameLord::ComeOutFlag;
    using TCasinoCGameLord::CurrentSeat;
    using TCasinoCGameLord::Die1;
    using TCasinoCGameLord::Die2;
    using TCasinoCGameLord::Point;
    using TCasinoCGameLord::PuckSprite;
};

using TBusyWindow = TStillTableWindow<TBusyLord>;
using BusyTableGolden = StillTableFixture;

// Table spots by their place in the lord.
constexpr i16 PassLine = 0, DoNotPass = 1, Come = 2, Field = 4, BigSix = 5, AnyCraps = 7,
              AnySeven = 8, FirstHard = 13, FirstBuy = 17, FirstComeNumber = 23, LastProp = 42;

struct TChips {
    i16 Seat;
    i16 Spot;
    double Amount;
};

} // namespace

TEST_F(BusyTableGolden, ThreeSeatsWithChipsOnTheLinesOddsComeNumbersPlaceFieldHardwaysAndProps) {
    THeadlessBackend& backend = Session.Backend();
    TBusyWindow* window = nullptr;
    i16 seated = 0;
    std::vector<std::string> missing;
    // (spot, seat, marker x less pile x) of each buy marker shown.
    std::vector<std::array<i32, 3>> markers;
    ::testing::AssertionResult golden = ::testing::AssertionFailure() << "never shown";
    backend.After(1000, [&] {
        TPlayerMgr* players = TJorpApp::GetApp()->GetFrame()->GetPlayerMgr();
        ASSERT_TRUE(players->CreatePlayer("Ann", 0, 800.0) &&
                    players->CreatePlayer("Bob", 1, 300.0));
        for (i16 record = 1; record < 3; ++record)
            ASSERT_TRUE(players->ActivatePlayer(record, 0));
        window = StageStill<TBusyWindow>();
    });
    backend.After(2500, [&] {
        ASSERT_NE(window->Lord, nullptr);
        TBusyLord& lord = *window->Lord;
        seated = lord.CountOccupiedSeats();
        const auto place = [&lord](const std::vector<TChips>& chips) {
            for (const TChips& c : chips) {
                lord.CurrentSeat = c.Seat;
                lord.AddToBetInHand(TMoney(c.Amount));
                lord.PlaceBet(c.Spot);
                lord.ClearBetInHand();
            }
        };
        const auto roll = [&lord](i16 die1, i16 die2) {
            lord.Die1 = die1;
            lord.Die2 = die2;
            lord.MoveComeBets();
        };
        // The come-out: the lines, the field, big six, the hardways and the props.
        lord.ComeOutFlag = 1;
        lord.Point = -1;
        place({{0, PassLine, 10},
               {1, PassLine, 25},
               {2, DoNotPass, 5},
               {0, Field, 5},
               {2, Field, 1},
               {1, BigSix, 6},
               {0, FirstHard + 1, 1},
               {1, FirstHard + 2, 5},
               {2, FirstHard + 3, 1},
               {0, AnySeven, 1},
               {1, AnyCraps, 2},
               {2, LastProp, 1}});
        // Six the point: odds behind the lines, come bets that travel to five and nine.
        lord.ComeOutFlag = 0;
        lord.Point = 4;
        lord.PuckSprite->SetPoint(4);
        place(
            {{0, PassLine, 20}, {1, PassLine, 50}, {2, DoNotPass, 6}, {0, Come, 5}, {1, Come, 5}});
        roll(1, 2);
        place({{2, Come, 10}, {0, Come, 1}});
        roll(3, 4);
        place({{0, FirstComeNumber + 1, 10},
               {1, FirstComeNumber + 1, 5},
               {2, FirstComeNumber + 4, 20},
               {0, FirstBuy, 5},
               {1, FirstBuy + 3, 6},
               {2, FirstBuy + 3, 12},
               {2, FirstBuy + 5, 25}});
        // Each seat's chips stand where the test put them.
        const TChips expected[] = {{0, FirstComeNumber + 1, 5},  {1, FirstComeNumber + 1, 5},
                                   {2, FirstComeNumber + 4, 10}, {0, FirstComeNumber + 4, 1},
                                   {1, FirstBuy + 3, 6},         {2, FirstHard + 3, 1}};
        for (const TChips& c : expected)
            if (lord.GetBetSpot(c.Spot)->GetAmount(c.Seat) != TMoney(c.Amount))
                missing.push_back(
                    std::to_string(c.Seat) + " on " + std::to_string(c.Spot) + ": " +
                    lord.GetBetSpot(c.Spot)->GetAmount(c.Seat).Format(true, true, false));
        // A buy marker lies on its own seat's pile, never on another seat's.
        for (i16 spot = FirstBuy; spot < FirstBuy + 6; ++spot)
            for (i16 seat = 0; seat < 3; ++seat) {
                const TCBetSpot& bet = *lord.GetBetSpot(spot);
                const TAnm& marker = *bet.GetSeatChit(seat);
                if ((marker.GetFlags() & JOF_SHOWN) != 0)
                    markers.push_back({spot, seat,
                                       marker.GetCurrentData().Base.x -
                                           bet.GetChipStack(seat, 0)->GetCurrentData().Base.x});
            }
    });
    backend.After(3000, [&] {
        golden = MatchesGolden(backend.GetScreen(), "craps_busy_table");
        CloseStill(window);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(seated, 3);
    EXPECT_EQ(missing, std::vector<std::string>{});
    // Joe bought the 4 and Bob the 10.
    const std::vector<std::array<i32, 3>> bought = {{FirstBuy, 0, 0}, {FirstBuy + 5, 2, 0}};
    EXPECT_EQ(markers, bought);
    EXPECT_TRUE(golden);
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
}

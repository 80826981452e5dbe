// The program on the built data set with all three seats betting every spot (stakes, odds behind
// the lines and the come and don't-come numbers, bought numbers with their markers), the
// shooter's dice at every seat and a payout at each: no chip, marker or die covers a word.
#include "StillTableWindow.h"

#include "craps/bets/spots/BetSpot.h"
#include "craps/table/BetPayOff.h"
#include "craps/table/Dice.h"
#include "support/Golden.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"

#include <optional>

// A namespace of its own: the unity build compiles it beside the other table tests, whose
// file-local names (the table's place on the desktop among them) it would otherwise meet.
namespace every_spot_bet {

class TEverySpotLord : public TC1GameLord {
public:
    using TC1GameLord::TC1GameLord;
    using TCasinoCGameLord::DiceSprites;
    using TCasinoCGameLord::PayOffSprite;
};

using TEverySpotWindow = TStillTableWindow<TEverySpotLord>;
using EverySpotBet = StillTableFixture;

// Where the table's top left corner lies on the headless 800 x 600 desktop.
constexpr i32 TableX = 80;
constexpr i32 TableY = 60;
// Six the point.
constexpr i16 Point = 4;

// What each seat stakes and lays as odds: a pile of three chips or fewer, as the layout keeps
// its words clear of.
struct TSeatBets {
    double Stake;
    double Odds;
};
constexpr TSeatBets Bets[3] = {{25, 15}, {10, 11}, {7, 7}};

enum class TKind { Line, Number, Bought, Plain };

TKind KindOf(i16 spot) {
    if (spot == 0 || spot == 1)
        return TKind::Line;
    if ((spot >= 23 && spot <= 28) || (spot >= 35 && spot <= 40))
        return TKind::Number;
    if (spot >= 17 && spot <= 22)
        return TKind::Bought;
    return TKind::Plain;
}

// Every seat on every spot, as far as each spot's rules let a bet stand there after six became
// the point.
void BetEverySpot(TEverySpotLord& lord) {
    for (i16 spot = 0; spot < 43; ++spot) {
        TCBetSpot& bet = *lord.GetBetSpot(spot);
        for (i16 seat = 0; seat < 3; ++seat) {
            const TSeatBets& b = Bets[seat];
            switch (KindOf(spot)) {
            case TKind::Line:
                bet.AddChips(seat, TMoney(b.Stake), 1, -1);
                bet.AddChips(seat, TMoney(b.Odds), 0, Point);
                break;
            case TKind::Number:
                bet.SetAmount(seat, TMoney(b.Stake));
                bet.AddChips(seat, TMoney(b.Odds), 0, Point);
                break;
            case TKind::Bought:
                bet.AddToAmount(seat, TMoney(b.Stake), 0, Point, 1);
                break;
            case TKind::Plain:
                bet.AddChips(seat, TMoney(b.Stake), 0, Point);
                break;
            }
        }
        bet.UpdateChips();
    }
    for (TCDice* dice : lord.DiceSprites)
        dice->Reset();
    for (i16 seat = 0; seat < 3; ++seat)
        lord.PayOffSprite->LayOutPayoutChips(seat, TMoney(Bets[seat].Stake));
}

TEST_F(EverySpotBet, NoChipMarkerOrDieCoversASpotsWordsOrASeatsName) {
    THeadlessBackend& backend = Session.Backend();
    TEverySpotWindow* window = nullptr;
    std::optional<TScreenSurface> bare;
    std::optional<TScreenSurface> busy;
    std::vector<std::string> short_;
    backend.After(1000, [&] { window = StageStill<TEverySpotWindow>(); });
    backend.After(2000, [&] {
        ASSERT_NE(window->Lord, nullptr);
        bare = backend.GetScreen();
        BetEverySpot(*window->Lord);
        // Each seat's chips stand where the test put them: none refused, odds included.
        for (i16 spot = 0; spot < 43; ++spot)
            for (i16 seat = 0; seat < 3; ++seat) {
                const TCBetSpot& bet = *window->Lord->GetBetSpot(spot);
                const bool odds = KindOf(spot) == TKind::Line || KindOf(spot) == TKind::Number;
                if (bet.GetAmount(seat) != TMoney(Bets[seat].Stake) ||
                    (odds && bet.GetOddsAmount(seat) != TMoney(Bets[seat].Odds)))
                    short_.push_back(std::to_string(spot) + " seat " + std::to_string(seat));
            }
    });
    backend.After(2500, [&] {
        busy = backend.GetScreen();
        CloseStill(window);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(short_, std::vector<std::string>{});
    ASSERT_TRUE(bare && busy);
    const TBackgroundArt art = PaintTableBackground();
    // The bare table is the background as built, where it is drawn on the desktop.
    const TBox pass = SpotRegion(0).Box;
    i32 same = 0;
    for (i32 x = pass.L; x < pass.R; ++x) {
        const std::array<u8, 3> c = RgbOf(art.Picture.At(x, pass.T));
        same += bare->GetPixel(TableX + x, TableY + pass.T) % 0x1000000u ==
                        (u32{c[0]} << 16 | u32{c[1]} << 8 | c[2])
                    ? 1
                    : 0;
    }
    ASSERT_EQ(same, pass.Width());
    // Most of the spots show chips now; no label lost a pixel to them.
    i32 changed = 0;
    for (i32 y = 0; y < TABLE_HEIGHT; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x)
            changed +=
                bare->GetPixel(TableX + x, TableY + y) != busy->GetPixel(TableX + x, TableY + y)
                    ? 1
                    : 0;
    EXPECT_GT(changed, 43 * 3 * 40);
    ASSERT_GT(art.Labels.size(), 80u);
    for (const TLabel& label : art.Labels) {
        const TBox& ink = label.Ink;
        for (i32 y = ink.T; y < ink.B; ++y)
            for (i32 x = ink.L; x < ink.R; ++x)
                if (bare->GetPixel(TableX + x, TableY + y) !=
                    busy->GetPixel(TableX + x, TableY + y)) {
                    ADD_FAILURE() << "region " << label.Region << ": " << label.Text
                                  << " is covered at " << x << "," << y;
                    y = ink.B;
                    break;
                }
    }
    EXPECT_TRUE(MatchesGolden(*busy, "craps_every_spot_bet"));
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
}

} // namespace every_spot_bet

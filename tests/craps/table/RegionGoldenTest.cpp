// The bound table in the program with the mouse moved onto the pass line while six is the
// point: the board shows the pass line's odds help for six.
#include "RegionSupport.h"
#include "StillTableWindow.h"

#include "casino/CasMessageDisplay.h"
#include "craps/table/OwlMain.h"
#include "craps/table/Puck.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "engine/media/Anm.h"
#include "support/Golden.h"

namespace {

class THoverLord : public TC1GameLord {
public:
    using TC1GameLord::TC1GameLord;
    using TCasinoCGameLord::ComeOutFlag;
    using TCasinoCGameLord::MessageDisplay;
    using TCasinoCGameLord::Point;
    using TCasinoCGameLord::PuckSprite;
};

using THoverWindow = TStillTableWindow<THoverLord>;

class RegionGolden : public StillTableFixture {
protected:
    TRecordedRounds Rounds;
};

TEST_F(RegionGolden, ThePassLineWithSixThePointShowsItsOddsHelp) {
    THeadlessBackend& backend = Session.Backend();
    THoverWindow* window = nullptr;
    int board = -1;
    ::testing::AssertionResult golden = ::testing::AssertionFailure() << "never shown";
    backend.After(1000, [&] { window = StageStill<THoverWindow>(); });
    backend.After(2500, [&] {
        ASSERT_NE(window->Lord, nullptr);
        THoverLord& lord = *window->Lord;
        lord.SetRoundInput(&Rounds);
        lord.StartRegionHover();
        lord.Point = 4;
        lord.ComeOutFlag = 0;
        lord.PuckSprite->SetPoint(4);
        TPoint onPassLine{300, 400};
        window->ClientToScreen(onPassLine);
        TInputEvent move;
        move.Kind = TInputKind::MouseMove;
        move.Pos = onPassLine;
        backend.At(backend.Now(), move);
    });
    backend.After(3000, [&] {
        board = window->Lord->MessageDisplay->GetMessage()->GetCurrentData().CurrentFrame;
        golden = MatchesGolden(backend.GetScreen(), "craps_hover_odds");
        CloseStill(window);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(board, 9);
    EXPECT_TRUE(golden);
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
}

} // namespace

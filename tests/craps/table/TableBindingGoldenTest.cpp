// The program on the built data set with table 1's lord and seats made by a casino mode window:
// the bound table as it shows, with the puck on, a landed pair and a payout.
#include "StillTableWindow.h"
#include "TableBindingSupport.h"

#include "casino/CasButton.h"
#include "craps/table/OwlMain.h"
#include "craps/table/Puck.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/Responder.h"
#include "support/Golden.h"

namespace {

using TTableWindow = TStillTableWindow<TBoundLord>;
using TableBindingGolden = StillTableFixture;

} // namespace

TEST_F(TableBindingGolden, TheBoundTableWithThePuckOnSixAPairLandedAndASeatPaid) {
    THeadlessBackend& backend = Session.Backend();
    TTableWindow* window = nullptr;
    ::testing::AssertionResult golden = ::testing::AssertionFailure() << "never shown";
    backend.After(1000, [&] { window = StageStill<TTableWindow>(); });
    backend.After(2500, [&] {
        ASSERT_NE(window->Lord, nullptr);
        TBoundLord& lord = *window->Lord;
        // Six is the point; the dice landed in the second place showing three and four.
        lord.PuckSprite->SetPoint(4);
        lord.DiceLandVariant = 2;
        lord.Die1 = 2;
        lord.Die2 = 3;
        lord.ShowBigDice();
        lord.LayOutPayout(1, TMoney(1234.0));
        // The headless desktop is larger than the table both ways: the size button is dead.
        const TCasButton& size = *lord.Buttons[2];
        EXPECT_TRUE(!size.GetResponder()->IsRegistered() && size.GetFace()->IsShown());
        EXPECT_EQ(size.GetFace()->GetCurrentData().CurrentFrame, 1);
        EXPECT_TRUE(lord.Buttons[3]->GetResponder()->IsRegistered());
    });
    backend.After(3000, [&] {
        golden = MatchesGolden(backend.GetScreen(), "craps_table_bound");
        CloseStill(window);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(golden);
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
}

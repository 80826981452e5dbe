// The real program's table at its start, past the intro: a click on the pass line and a chip key
// made while the dealer still greets the players count, in the order made; the click that ends
// the intro puts nothing down.
#include "ProgramSupport.h"

#include "craps/bets/spots/BetSpot.h"
#include "craps/table/CrapsGameLord.h"

#include <optional>

namespace {

class TableStartClick : public ProgramFixture, public ::testing::WithParamInterface<u64> {
protected:
    static constexpr i16 PassLineSpot = 0;
    static TCasinoCGameLord* Lord() {
        return dynamic_cast<TCasinoCGameLord*>(Mode()->GetMainGameObject());
    }
    // The table's first frame has been drawn.
    static bool TableDrawn() {
        return CurrentModeId() == TCasOTCrapsGFW::CrapsModeId && Lord() != nullptr &&
               Mode()->GetFrameTimer() != nullptr && Mode()->GetFrameTimer()->GetCounter() >= 1;
    }
};

TEST_P(TableStartClick, APassLineClickAndAChipKeySoonAfterTheTableIsDrawnCountInTheirOrder) {
    Build();
    THeadlessBackend& backend = Session.Backend();
    const TPoint passLine{400, 405};
    std::optional<u64> drawnAt;
    TMoney pass, hand, bankroll;
    std::function<void()> toIntro = [&] {
        if (CurrentModeId() != TCasOTCrapsGFW::IntroModeId) {
            backend.After(10, toIntro);
            return;
        }
        // Ends the intro where the pass line lies on the table.
        backend.Click(OnMode(passLine.x, passLine.y));
    };
    std::function<void()> toTable = [&] {
        if (!TableDrawn()) {
            backend.After(10, toTable);
            return;
        }
        drawnAt = backend.Now();
        backend.After(GetParam(), [&] {
            backend.Click(OnMode(passLine.x, passLine.y));
            backend.Type('9');
        });
        backend.After(GetParam() + 3000, [&] {
            pass = Lord()->GetBetSpot(PassLineSpot)->GetAmount(0);
            hand = Lord()->GetBetInHand();
            bankroll = Lord()->GetBankroll(0);
        });
        CloseAt(backend.Now() + GetParam() + 3100);
    };
    backend.At(500, toIntro);
    backend.At(600, toTable);
    CloseAt(60'000);
    EXPECT_EQ(RunOwlMain(), 0);
    EXPECT_TRUE(Boxes.Boxes.empty());
    ASSERT_TRUE(drawnAt.has_value()) << "the table was never drawn";
    // The click bet the $5 the table starts with, and only then did the $1 chip go into the
    // hand; the intro's click put nothing down.
    EXPECT_EQ(pass, TMoney(5.0));
    EXPECT_EQ(hand, TMoney(1.0));
    EXPECT_EQ(bankroll, TMoney(495.0));
}

INSTANTIATE_TEST_SUITE_P(MillisecondsAfterTheFirstFrame, TableStartClick,
                         ::testing::Values(300, 700, 1500));

} // namespace

// The real program's table taking a player's keys and clicks while betting: none is lost while
// an earlier one is still being taken, and each takes effect in the order it was made.
#include "InnermostState.h"
#include "ProgramSupport.h"

#include "craps/bets/spots/BetSpot.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/RoundStates.h"

#include <memory>

namespace {

class PressOrder : public ProgramFixture {
protected:
    static constexpr i16 PassLineSpot = 0;
    static constexpr i16 FieldSpot = 4;

    PressOrder() {
        Build();
        Dir.WriteHostFile("otcraps.ini", "[Intro]\nShow=0\n");
    }
    static TCasinoCGameLord* Lord() {
        return dynamic_cast<TCasinoCGameLord*>(Mode()->GetMainGameObject());
    }
    static bool Betting() {
        return Lord() != nullptr && dynamic_cast<TCAct1State*>(InnermostState(Lord())) != nullptr;
    }
    static TMoney Hand() { return Lord()->GetBetInHand(); }
    static TMoney On(i16 spot) { return Lord()->GetBetSpot(spot)->GetAmount(0); }
    // A spot of the table clicked at its point of the mode window.
    void Click(i32 x, i32 y) { Session.Backend().Click(OnMode(x, y)); }
    // The steps 1.5 s apart from the moment betting opens, then the program closes.
    void Play(std::vector<std::function<void()>> steps) {
        auto shared = std::make_shared<std::vector<std::function<void()>>>(std::move(steps));
        THeadlessBackend& backend = Session.Backend();
        std::function<void()> wait = [this, shared, &backend, &wait] {
            if (!Betting()) {
                backend.After(50, wait);
                return;
            }
            for (size_t i = 0; i < shared->size(); ++i)
                backend.After(1500 * i, [shared, i] { (*shared)[i](); });
            CloseAt(backend.Now() + 1500 * shared->size());
        };
        backend.At(1000, wait);
        CloseAt(60'000);
        EXPECT_EQ(RunOwlMain(), 0);
        EXPECT_TRUE(Boxes.Boxes.empty());
    }
};

TEST_F(PressOrder, AChipKeyJustAfterClearStaysInTheHand) {
    THeadlessBackend& backend = Session.Backend();
    TMoney sameFrame, fifthOfASecond;
    Play({
        [&] { backend.Type('7'); },
        [&] {
            backend.Type('c');
            backend.Type('8');
        },
        [&] {
            sameFrame = Hand();
            backend.Type('c');
            backend.After(200, [&] { backend.Type('8'); });
        },
        [&] { fifthOfASecond = Hand(); },
    });
    EXPECT_EQ(sameFrame, TMoney(5.0));
    EXPECT_EQ(fifthOfASecond, TMoney(5.0));
}

TEST_F(PressOrder, KeysAndClicksTakeEffectInTheOrderMade) {
    THeadlessBackend& backend = Session.Backend();
    TMoney passAfterKeyThenClick, handAfterKeyThenClick, fieldAfterClickThenKey,
        handAfterClickThenKey, passAfterTwoClicks, fieldAfterTwoClicks;
    Play({
        // $25 into the hand, then the pass line clicked in the same moment: it takes the $25.
        [&] {
            backend.Type('7');
            Click(300, 405);
        },
        // The field clicked, then a $1 chip: the field repeats the last bet; the chip stays.
        [&] {
            passAfterKeyThenClick = On(PassLineSpot);
            handAfterKeyThenClick = Hand();
            Click(300, 355);
            backend.Type('9');
        },
        // Two clicks in one moment: the $1 in hand on the pass line, the last bet on the field.
        [&] {
            fieldAfterClickThenKey = On(FieldSpot);
            handAfterClickThenKey = Hand();
            Click(300, 405);
            Click(300, 355);
        },
        [&] {
            passAfterTwoClicks = On(PassLineSpot);
            fieldAfterTwoClicks = On(FieldSpot);
        },
    });
    EXPECT_EQ(passAfterKeyThenClick, TMoney(25.0));
    EXPECT_EQ(handAfterKeyThenClick, TMoney(0.0));
    EXPECT_EQ(fieldAfterClickThenKey, TMoney(25.0));
    EXPECT_EQ(handAfterClickThenKey, TMoney(1.0));
    EXPECT_EQ(passAfterTwoClicks, TMoney(26.0));
    EXPECT_EQ(fieldAfterTwoClicks, TMoney(26.0));
}

} // namespace

// The real program in a real window: past the intro with a click, five dollars on the pass line
// and a roll by pushed input, the pass line read back from the window as the headless desktop
// draws it, and File / Exit Game ending the program with 0. Skips where there is no display;
// scripts/check runs it under Xvfb.
#include "SdlProgramSupport.h"

#include "../../../tools/databuild/TestDataSet.h"
#include "craps/table/Dice.h"
#include "engine/framework/MenuEnable.h"
#include "engine/media/Anm.h"
#include "platform/framework/chrome/Chrome.h"
#include "platform/framework/menus/MenuUi.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/headless/PngWriter.h"
#include "platform/sdl/SdlBackend.h"
#include "resources/Resources.h"
#include "support/ExitTrap.h"
#include "support/FailurePictures.h"
#include "support/TempDir.h"
#include "tools/databuild/writer/Build.h"

#include <cstdio>

namespace {

using TSteady = std::chrono::steady_clock;

// The pass line and the chips on it, on the 800 x 600 desktop; the seat labels below it stay
// out, since the golden's shooter shows the dice there and this run's may not yet.
constexpr TRect PassLineArea{310, 452, 690, 479};
// Where the dice cross that area: the golden caught them on their way to the shooter, and a
// window on a busy machine shows them there or already in his place, as its clock allows.
constexpr TRect DiceOnTheirWay{480, 452, 520, 479};
constexpr TPoint PassLine{556, 465};
constexpr TPoint FiveDollarChip{636, 521};
// Every wait of the run together; a step that never comes fails the test instead of hanging.
constexpr auto RunLimit = std::chrono::seconds(120);

class SdlProgram : public TSdlProgramFixture {
protected:
    // The dice were thrown: the round is past betting, or betting has had its roll. Their faces
    // say nothing: a throw can show the faces shown before it.
    static bool DiceThrown() {
        TState* round = Lord() != nullptr ? Lord()->GetOwnState() : nullptr;
        while (round != nullptr && round->GetSubState() != nullptr)
            round = round->GetSubState();
        const auto* betting = dynamic_cast<const TCAct1State*>(round);
        return round != nullptr && (betting == nullptr || betting->GetDiceRolled() != 0);
    }
    // The dealer has pushed the dice to the shooter's place.
    static bool ShooterHasDice() {
        for (i16 n = 0; Lord() != nullptr && n <= Lord()->LastSpriteIndex(); ++n)
            if (auto* dice = dynamic_cast<TCDice*>(Lord()->GetSpriteAt(n)))
                if ((dice->GetFlags() & JOF_SHOWN) != 0)
                    return true;
        return false;
    }
    void PressEnter() {
        PushKey(SDLK_RETURN, true);
        PushKey(SDLK_RETURN, false);
    }
};

// Pixels of the area, less the part left out, that differ between the window's picture and the
// headless golden.
int DifferingPixels(const TScreenSurface& shown, const TScreenSurface& golden, TRect area,
                    TRect leftOut) {
    int differing = 0;
    for (i32 y = area.top; y < area.bottom; ++y)
        for (i32 x = area.left; x < area.right; ++x)
            differing += !leftOut.Contains({x, y}) && (shown.GetPixel(x, y) | 0xFF000000U) !=
                                                          (golden.GetPixel(x, y) | 0xFF000000U);
    return differing;
}

TEST_F(SdlProgram, AClickPastTheIntroABetARollAndFileExitInTheRealWindow) {
    TSdlOptions options;
    options.Audio = false;
    if (const std::string why = OpenWindow(options); !why.empty()) {
        if (RequireDisplay())
            FAIL() << why;
        GTEST_SKIP() << why << "; scripts/check runs this under xvfb-run";
    }
    std::string error;
    ASSERT_TRUE(PutDataSet(Dir.Host("data"), error)) << error;
    const auto golden = ReadPng(
        (std::filesystem::path(OTCRAPS_SOURCE_DIR) / "tests/golden/craps_bet_placed.png").string());
    ASSERT_TRUE(golden.has_value());
    const TFailurePictures pictures("sdl-program");

    TDesktop::Get().Reset();
    TDesktop::Get().AttachBackend(Sdl.get());

    // The run as steps, each taken from the message hook once the program's state allows; the
    // hook runs for every message, so at least every frame.
    enum TStage { Intro, Table, Chip, Bet, Thrown, Menu, Exit, Done };
    TSteps<TStage> steps(RunLimit,
                         {"Intro", "Table", "Chip", "Bet", "Thrown", "Menu", "Exit", "Done"});
    TMoney bankrollAfterBet;
    TScreenSurface shown;
    bool readBack = false;
    int differing = -1;
    constexpr auto ReadEvery = std::chrono::milliseconds(200);
    TSteady::time_point lastRead = TSteady::now();
    // What the table showed when the run stopped waiting.
    std::string stoppedAt;
    TDesktop::Get().SetMessageHook([&](HWND, u32, WPARAM, LPARAM) {
        if (!steps.Running()) {
            if (steps.HasTimedOut() && stoppedAt.empty())
                stoppedAt = TableState();
            return;
        }
        switch (steps.Now()) {
        case Intro:
            if (IntroTakesClicks()) {
                TPoint p(320, 240);
                Frame()->GetModeWindow()->ClientToScreen(p);
                Click(p);
                steps.Next(Table);
            }
            break;
        case Table:
            if (TableDrawn()) {
                Click(FiveDollarChip);
                steps.Next(Chip);
            }
            break;
        case Chip:
            // A click while the dealer still greets the players is held: the chip goes into the
            // hand once betting begins.
            if (HandHolds(TMoney(5.0))) {
                Click(PassLine);
                steps.Next(Bet);
            }
            break;
        case Bet:
            // The dealer's gesture takes its own real time (on a busy machine his stick can
            // still cross the pass line well after the dice arrive), so the window is read
            // again, a few times a second, until its pass line matches or the run's limit ends
            // the wait.
            if (Lord() != nullptr && Lord()->GetBankroll(0) == TMoney(495.0) && ShooterHasDice() &&
                TSteady::now() - lastRead >= ReadEvery) {
                lastRead = TSteady::now();
                readBack = ReadBack(shown);
                differing =
                    readBack ? DifferingPixels(shown, *golden, PassLineArea, DiceOnTheirWay) : -1;
                if (differing == 0) {
                    bankrollAfterBet = Lord()->GetBankroll(0);
                    PressEnter();
                    steps.Next(Thrown);
                }
            }
            break;
        case Thrown:
            if (DiceThrown())
                steps.Next(Menu);
            break;
        case Menu:
            if (Frame() != nullptr) {
                Click(Centre(ChromeLayout::MenuBarItemRects(Frame()).at(0)));
                steps.Next(Exit);
            }
            break;
        case Exit:
            if (TMenuUi::Get().GetPopup() != nullptr) {
                const TPopupMenuWindow* popup = TMenuUi::Get().GetPopup();
                const std::vector<TPopupItem>& items = popup->GetItems();
                for (size_t i = 0; i < items.size(); ++i)
                    if (items[i].Id == CM_EXITGAME)
                        Click(Centre(popup->ItemRects().at(i)));
                steps.Next(Done);
            }
            break;
        case Done:
            break;
        }
    });
    const int code = RunOwlMain();
    TDesktop::Get().SetMessageHook(nullptr);

    steps.ExpectFinished(Done, stoppedAt);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(bankrollAfterBet, TMoney(495.0));
    ASSERT_TRUE(readBack);
    WritePng(pictures.File("sdl_program_bet_placed.png"), shown);
    // The window shows the chip on the pass line as the headless desktop draws it.
    EXPECT_EQ(differing, 0) << "the window's last picture is in "
                            << pictures.File("sdl_program_bet_placed.png");
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
}

} // namespace

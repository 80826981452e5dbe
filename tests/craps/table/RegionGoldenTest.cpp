// The bound table in the program with the mouse moved onto the pass line while six is the
// point: the board shows the pass line's odds help for six.
#include "RegionSupport.h"

#include "casino/CasMessageDisplay.h"
#include "casino/CasinoModeWin.h"
#include "craps/table/CrapsPlayer.h"
#include "craps/table/OwlMain.h"
#include "craps/table/Puck.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "engine/media/Anm.h"
#include "platform/audio/WaveMix.h"
#include "platform/framework/WinG.h"
#include "platform/headless/HeadlessBackend.h"
#include "support/Golden.h"
#include "support/TempDir.h"

namespace {

class THoverLord : public TC1GameLord {
public:
    using TC1GameLord::TC1GameLord;
    using TCasinoCGameLord::ComeOutFlag;
    using TCasinoCGameLord::MessageDisplay;
    using TCasinoCGameLord::Point;
    using TCasinoCGameLord::PuckSprite;
};

std::string ProgramText(u32 id) {
    std::string text;
    return JorpLoadString(text, nullptr, id);
}

class THoverWindow : public TCasinoModeWin {
public:
    THoverWindow(TJorpApp* app, TJorpGameFrameWindow* frame)
        : TCasinoModeWin(app, frame, "f1craps.m", app->GetPalette(), "Craps") {}
    TGameObject* CreateGameObject(const TFileMode& file, i16 index, u32 data) override {
        const std::string name = file.Name.GetText();
        if (name == ProgramText(13002)) {
            auto lord = TJorpBase::CreateAttached<THoverLord>(file, true, false, this);
            lord->LoadTable();
            // The picture is staged by hand: no round runs over it.
            lord->SetRoundInput(nullptr);
            lord->DeleteState();
            Lord = lord.get();
            SetMainGameObject(Lord);
            return lord.release();
        }
        for (i16 seat = 0; seat < SeatCount; ++seat)
            if (name == ProgramText(13003U + static_cast<u32>(seat)))
                return ObjectTable[static_cast<size_t>(seat)] =
                           TJorpBase::CreateAttached<TCasinoCPlayer>(file, true, false, this, seat)
                               .release();
        return TCasinoModeWin::CreateGameObject(file, index, data);
    }

    THoverLord* Lord = nullptr;
};

class RegionGolden : public ::testing::Test {
protected:
    RegionGolden() {
        TResourceRegistry::Get().Clear();
        RegisterResources();
        RegisterWinGLibrary();
        RegisterWaveMixLibrary();
        std::string error;
        EXPECT_TRUE(BuildDataSet({Dir.Host("data"), false}, error)) << error;
    }
    ~RegionGolden() override { TResourceRegistry::Get().Clear(); }

    TTempDir Dir;
    THeadlessSession Session;
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
    TRecordedRounds Rounds;
};

TEST_F(RegionGolden, ThePassLineWithSixThePointShowsItsOddsHelp) {
    THeadlessBackend& backend = Session.Backend();
    THoverWindow* window = nullptr;
    int board = -1;
    ::testing::AssertionResult golden = ::testing::AssertionFailure() << "never shown";
    backend.After(1000, [&] {
        TJorpApp* app = TJorpApp::GetApp();
        TJorpGameFrameWindow* frame = app->GetFrame();
        frame->DetachModeWindow();
        frame->DestroyOldModeWindow(true, 0, 0);
        window = new THoverWindow(app, frame);
        frame->AttachModeWindow(window);
        window->Activate();
        window->Resume();
    });
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
        TJorpApp* app = TJorpApp::GetApp();
        app->GetFrame()->SetClientWindow(nullptr);
        window->Destroy(0);
        app->Condemn(window);
        TInputEvent close;
        close.Kind = TInputKind::Close;
        backend.At(backend.Now(), close);
    });
    char program[] = "otcraps";
    char* argv[] = {program, nullptr};
    EXPECT_EQ(OwlMain(1, argv), 0);
    EXPECT_EQ(board, 9);
    EXPECT_TRUE(golden);
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
}

} // namespace

// The program from its main function on the data set the build writes: the intro's mode, then the
// table's, each loaded by a mode window of the frame without a message box, the table as it shows.
#include "craps/table/OwlMain.h"

#include "engine/framework/GameFile.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/ModeWindow.h"
#include "platform/audio/WaveMix.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinG.h"
#include "platform/headless/HeadlessBackend.h"
#include "resources/Resources.h"
#include "support/ExitTrap.h"
#include "support/Golden.h"
#include "support/TempDir.h"
#include "tools/databuild/Build.h"

#include <gtest/gtest.h>

namespace {

class BuiltDataStart : public ::testing::Test {
protected:
    BuiltDataStart() {
        TResourceRegistry::Get().Clear();
        RegisterResources();
        RegisterWinGLibrary();
        RegisterWaveMixLibrary();
        std::string error;
        EXPECT_TRUE(BuildDataSet({Dir.Host("data"), false}, error)) << error;
    }
    ~BuiltDataStart() override { TResourceRegistry::Get().Clear(); }

    // The frame's mode window, or the one shown before, replaced by one of the named mode, as a
    // mode switch makes it. The frame does not know this window: it goes before the frame does.
    static TJorpModeWindow* ShowMode(TJorpModeWindow* shown, const std::string& name) {
        TJorpApp* app = TJorpApp::GetApp();
        TJorpGameFrameWindow* frame = app->GetFrame();
        if (shown == nullptr) {
            frame->DetachModeWindow();
            frame->DestroyOldModeWindow(true, 0, 0);
        } else {
            Remove(shown);
        }
        if (name.empty())
            return nullptr;
        auto* window = new TJorpModeWindow(app, frame, name, app->GetPalette(), name);
        frame->AttachModeWindow(window);
        window->Activate();
        window->Resume();
        return window;
    }
    static void Remove(TJorpModeWindow* window) {
        TJorpApp* app = TJorpApp::GetApp();
        app->GetFrame()->SetClientWindow(nullptr);
        window->Destroy(0);
        app->Condemn(window);
    }
    static u32 Frames(const TJorpModeWindow* window) {
        return window->GetFrameTimer() ? window->GetFrameTimer()->GetCounter() : 0;
    }
    int RunOwlMain() {
        char program[] = "otcraps";
        char* argv[] = {program, nullptr};
        return OwlMain(1, argv);
    }

    TTempDir Dir;
    THeadlessSession Session;
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
};

TEST_F(BuiltDataStart, TheIntroThenTheTableLoadWithoutAMessageBox) {
    THeadlessBackend& backend = Session.Backend();
    std::vector<std::string> shown;
    u32 introFrames = 0, tableFrames = 0;
    ::testing::AssertionResult table = ::testing::AssertionFailure() << "never shown";
    TJorpModeWindow* window = nullptr;
    backend.After(1000, [&] {
        const TJorpGame* game = TJorpApp::GetApp()->GetGame();
        ASSERT_NE(game, nullptr);
        for (i16 i = 0; i < game->GetModeCount(); ++i)
            shown.push_back(game->GetModeName(i));
        window = ShowMode(nullptr, "s4intro.m");
    });
    backend.After(2000, [&] {
        introFrames = Frames(window);
        window = ShowMode(window, "f1craps.m");
    });
    backend.After(3500, [&] {
        tableFrames = Frames(window);
        table = MatchesGolden(backend.GetScreen(), "program_built_table");
        ShowMode(window, "");
        TInputEvent close;
        close.Kind = TInputKind::Close;
        backend.At(backend.Now(), close);
    });
    EXPECT_EQ(RunOwlMain(), 0);
    EXPECT_EQ(shown, (std::vector<std::string>{"f1craps.m", "s4intro.m"}));
    // Each mode ran: its objects loaded and its frames ticked.
    EXPECT_GE(introFrames, 3U);
    EXPECT_GE(tableFrames, 5U);
    EXPECT_TRUE(table);
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
}

} // namespace

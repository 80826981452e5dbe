// The program from its main function: a run on a fixture data set until the window is closed,
// a folder without a data set, and a second copy in the same folder.
#include "craps/table/OwlMain.h"

#include "../../engine/framework/FixtureDataSet.h"
#include "ProgramRun.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/ModeWindow.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinG.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/host/MessageBox.h"
#include "resources/Resources.h"
#include "support/ExitTrap.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class OwlMainTest : public ::testing::Test {
protected:
    OwlMainTest() {
        TResourceRegistry::Get().Clear();
        RegisterResources();
        // What the platform's entry does before it calls the program.
        RegisterWinGLibrary();
    }
    ~OwlMainTest() override { TResourceRegistry::Get().Clear(); }

    // The mode window's frame count, 0 while there is none.
    static u32 Frames() {
        const TJorpApp* app = TJorpApp::GetApp();
        const TJorpGameFrameWindow* frame = app != nullptr ? app->GetFrame() : nullptr;
        const TJorpModeWindow* mode = frame != nullptr ? frame->GetModeWindow() : nullptr;
        return mode != nullptr && mode->GetFrameTimer() != nullptr
                   ? mode->GetFrameTimer()->GetCounter()
                   : 0;
    }
    static TInputEvent CloseEvent() {
        TInputEvent close;
        close.Kind = TInputKind::Close;
        return close;
    }
    int RunOwlMain() {
        char program[] = "otcraps";
        char* argv[] = {program, nullptr};
        try {
            return OwlMain(1, argv);
        } catch (const TProcessExit& e) {
            ADD_FAILURE() << "the program ended with " << e.Code << " after "
                          << (Boxes.Boxes.empty() ? "no box" : Boxes.Boxes.back().Text);
            return e.Code;
        }
    }
    // A copy of the real executable in the program folder, as a player would install it.
    std::string InstallProgram() {
        const std::filesystem::path copy = Dir.Host("otcraps");
        std::filesystem::copy_file(OTCRAPS_PROGRAM, copy);
        return copy.string();
    }

    TTempDir Dir;
    THeadlessSession Session;
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
};

TEST_F(OwlMainTest, RunsTheDefaultModeOnAFixtureDataSetUntilTheWindowIsClosed) {
    ASSERT_TRUE(WriteFixtureDataSet(Dir));
    THeadlessBackend& backend = Session.Backend();
    u32 framesAtClose = 0;
    std::string title;
    backend.After(6000, [&] {
        framesAtClose = Frames();
        title = TJorpApp::GetApp()->GetFrame()->GetCaption();
        backend.At(backend.Now(), CloseEvent());
    });
    EXPECT_EQ(RunOwlMain(), 0);
    EXPECT_GE(framesAtClose, 30U);
    EXPECT_EQ(title, "Olbin Tevrani's Craps Pendrel 2001");
    EXPECT_TRUE(Boxes.Boxes.empty());
    TJorpIniFile settings("c:", "\\", "otcraps", "otcraps.ini", true);
    EXPECT_EQ(settings.GetInt("System", "PrevRun", -1), 1);
    EXPECT_EQ(settings.GetInt("Default", "Detail Level", -1), 3);
    EXPECT_EQ(TJorpApp::GetApp(), nullptr);
}

TEST_F(OwlMainTest, TheProgramInAnEmptyFolderNamesTheMissingDataAndEndsWithOne) {
    const std::string program = InstallProgram();
    const TProgramRun run = RunProgram(program, {"--headless"});
    EXPECT_EQ(run.Code, 1);
    // One fatal box, naming the catalogue where it belongs.
    EXPECT_EQ(run.Errors.find("[Fatal Error]"), run.Errors.rfind("[Fatal Error]"));
    EXPECT_NE(run.Errors.find("[Fatal Error]"), std::string::npos) << run.Errors;
    EXPECT_NE(run.Errors.find((Dir.Path / "data/otcraps.det").string()), std::string::npos)
        << run.Errors;
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("otcraps.ini")));
}

TEST_F(OwlMainTest, ASecondCopyInTheSameFolderEndsAtOnceAndBringsTheFirstForward) {
    ASSERT_TRUE(WriteFixtureDataSet(Dir));
    const std::string program = InstallProgram();
    THeadlessBackend& backend = Session.Backend();
    TProgramRun second;
    u32 raisesBefore = 0, raisesAfter = 0;
    backend.After(1000, [&] {
        raisesBefore = backend.GetRaiseCount();
        second = RunProgram(program, {"--headless"});
    });
    backend.After(1200, [&] {
        raisesAfter = backend.GetRaiseCount();
        backend.At(backend.Now(), CloseEvent());
    });
    EXPECT_EQ(RunOwlMain(), 0);
    EXPECT_EQ(second.Code, 255);
    EXPECT_EQ(second.Errors, "");
    EXPECT_EQ(raisesAfter, raisesBefore + 1);
    EXPECT_TRUE(Boxes.Boxes.empty());
}

} // namespace

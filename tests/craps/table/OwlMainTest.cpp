// The program from its main function: a run from the intro to the table until the host closes
// the window, the real program in a folder without a data set and as a second copy, and a mode
// window drawing a background from the data set.
#include "craps/table/OwlMain.h"
#include "craps/table/CrapsApp.h"
#include "craps/table/CrapsFrame.h"

#include "../../engine/framework/FixtureDataSet.h"
#include "../../engine/framework/ObjectBytes.h"
#include "../../tools/databuild/TestDataSet.h"
#include "ProgramRun.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/MenuEnable.h"
#include "engine/framework/ModeWindow.h"
#include "engine/media/EngineMediaMaker.h"
#include "engine/media/MediaEncoders.h"
#include "platform/audio/WaveMix.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/draw/WinG.h"
#include "platform/headless/HeadlessBackend.h"
#include "resources/ResourceImageTables.h"
#include "resources/Resources.h"
#include "support/ExitTrap.h"
#include "support/Golden.h"
#include "support/TempDir.h"
#include "tools/databuild/content/ContentIntro.h"
#include "tools/databuild/writer/Build.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A green felt ramp from index 10 (lighter upward), a light line and a gold rim.
TColourTable FeltColours() {
    TColourTable c{};
    for (int i = 0; i < 64; ++i)
        c[static_cast<size_t>(10 + i)] = {30, static_cast<u8>(70 + i * 2),
                                          static_cast<u8>(20 + i / 2), 0};
    c[80] = {150, 230, 170, 0};
    c[81] = {40, 180, 230, 0};
    return c;
}

// The rim shows nothing is cut off, the ring near the top left that the rows are upright.
std::string Felt() {
    std::vector<u8> pixels(640 * 480);
    for (i32 y = 0; y < 480; ++y)
        for (i32 x = 0; x < 640; ++x) {
            const i32 d = (x - 120) * (x - 120) + (y - 100) * (y - 100);
            pixels[static_cast<size_t>(y * 640 + x)] = x < 6 || y < 6 || x >= 634 || y >= 474 ? 81
                                                       : d > 80 * 80 && d < 84 * 84
                                                           ? 80
                                                           : static_cast<u8>(73 - y * 64 / 480);
        }
    const std::vector<u8> file = TBmpEncoder::Encode(640, 480, pixels, FeltColours());
    return std::string(file.begin(), file.end());
}

class OwlMainTest : public ::testing::Test {
protected:
    OwlMainTest() {
        TResourceRegistry::Get().Clear();
        RegisterResources();
        // What the platform's entry does before it calls the program.
        RegisterWinGLibrary();
        RegisterWaveMixLibrary();
        TFixtureDataSet set;
        const std::vector<u8> palette = TPalEncoder::Encode(FeltColours());
        set.PaletteBytes.assign(palette.begin(), palette.end());
        EXPECT_TRUE(WriteFixtureDataSet(Dir, set));
    }
    ~OwlMainTest() override { TResourceRegistry::Get().Clear(); }

    static u32 Frames() {
        const TJorpApp* app = TJorpApp::GetApp();
        const TJorpModeWindow* mode =
            app && app->GetFrame() ? app->GetFrame()->GetModeWindow() : nullptr;
        return mode && mode->GetFrameTimer() ? mode->GetFrameTimer()->GetCounter() : 0;
    }
    void CloseAfter(u64 ms, std::function<void()> before) {
        THeadlessBackend& backend = Session.Backend();
        backend.After(ms, [&backend, before] {
            before();
            TInputEvent close;
            close.Kind = TInputKind::Close;
            backend.At(backend.Now(), close);
        });
    }
    int RunOwlMain() {
        char program[] = "otcraps";
        char* argv[] = {program, nullptr};
        return OwlMain(1, argv);
    }
    // A copy of the real executable in the program folder, as a player would install it.
    std::string InstallProgram() {
        std::filesystem::copy_file(OTCRAPS_PROGRAM, Dir.Host("otcraps"));
        return Dir.Host("otcraps").string();
    }

    // The data set the build writes, over the fixture's.
    void BuildData() {
        std::string error;
        ASSERT_TRUE(PutDataSet(Dir.Host("data"), error)) << error;
    }

    TTempDir Dir;
    THeadlessSession Session;
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
};

TEST_F(OwlMainTest, RunsFromTheIntroToTheTableUntilTheWindowIsClosed) {
    BuildData();
    u32 frames = 0;
    u16 mode = 0;
    // Frames come about every 167 ms: the intro's end plus two seconds of the table.
    CloseAfter(INTRO_TICKS * 167 + 2000, [&] {
        frames = Frames();
        mode = TJorpApp::GetApp()->GetFrame()->GetMenuEnable()->CurrentModeId;
    });
    EXPECT_EQ(RunOwlMain(), 0);
    // The intro ended by itself and the table has run since.
    EXPECT_EQ(mode, TCasOTCrapsGFW::CrapsModeId);
    EXPECT_GE(frames, 5U);
    EXPECT_TRUE(Boxes.Boxes.empty());
    TJorpIniFile settings("c:", "\\", "otcraps", "otcraps.ini", true);
    EXPECT_EQ(settings.GetInt("System", "PrevRun", -1), 1);
    EXPECT_EQ(settings.GetInt("Craps", "Detail Level", -1), 3);
    // The host window shows the program's icon.
    const TResourceImageTable* icon = FindResourceImage(TResourceImageKind::Icon, 1001);
    ASSERT_NE(icon, nullptr);
    const TIconImage& shown = Session.Backend().GetHostIcon();
    EXPECT_EQ(shown.Width, icon->Width);
    EXPECT_EQ(shown.Pixels, std::vector<u32>(icon->Argb, icon->Argb + icon->Width * icon->Height));
}

TEST_F(OwlMainTest, TheProgramInAnEmptyFolderNamesTheMissingDataAndEndsWithOne) {
    std::filesystem::remove_all(Dir.Host("data"));
    const TProgramRun run = RunProgram(InstallProgram(), {"--headless"});
    EXPECT_EQ(run.Code, 1);
    // One fatal box, naming the catalogue where it belongs.
    const size_t box = run.Errors.find("[Fatal Error]");
    EXPECT_TRUE(box != std::string::npos && box == run.Errors.rfind("[Fatal Error]")) << run.Errors;
    EXPECT_NE(run.Errors.find((Dir.Path / "data/otcraps.det").string()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Dir.Host("otcraps.ini")));
}

TEST_F(OwlMainTest, ASecondCopyInTheSameFolderEndsAtOnceAndBringsTheFirstForward) {
    BuildData();
    const std::string program = InstallProgram();
    THeadlessBackend& backend = Session.Backend();
    TProgramRun second;
    u32 raises = 0;
    backend.After(1000, [&] {
        raises = backend.GetRaiseCount();
        second = RunProgram(program, {"--headless"});
    });
    CloseAfter(1200, [&] { raises = backend.GetRaiseCount() - raises; });
    EXPECT_EQ(RunOwlMain(), 0);
    EXPECT_EQ(second.Code, 255);
    // One line says why it ended, for whoever started it from a terminal.
    EXPECT_EQ(second.Errors, "otcraps is already running; its window was brought to the front.\n");
    EXPECT_EQ(raises, 1U);
}

TEST_F(OwlMainTest, AModeWindowDrawsABackgroundFromTheDataSetThroughItsPalette) {
    Dir.WriteHostFile("data/felt.bmp", Felt());
    Dir.WriteHostFile("data/felt.m", Header("MODE", 2, 1) + Le16(3) + Str("felt.bmp") + Str(""));
    TEngineMediaMaker media;
    TMediaMaker::Install(&media);
    {
        TCasOTCrapsApp app("c:", "\\", "otcraps");
        ASSERT_TRUE(app.StartUp());
        TJorpModeWindow window(&app, nullptr, "felt.m", app.GetPalette(), "Felt");
        window.Attr = {WS_POPUP | WS_VISIBLE, 0, 80, 60, 640, 480};
        ASSERT_TRUE(window.Create());
        window.Activate();
        app.RunFor(600);
        EXPECT_GE(window.GetFrameTimer()->GetCounter(), 3U);
        EXPECT_TRUE(MatchesGolden(Session.Backend().GetScreen(), "mode_window_felt",
                                  TRect(80, 60, 720, 540)));
    }
    TMediaMaker::Install(nullptr);
    EXPECT_TRUE(Boxes.Boxes.empty());
}

} // namespace

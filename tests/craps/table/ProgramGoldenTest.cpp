// Golden images of the running program: the frame with the default mode on the 800 x 600
// desktop, and a mode window drawing a background from the data set through its palette.
#include "craps/table/CrapsApp.h"
#include "craps/table/OwlMain.h"

#include "../../engine/framework/FixtureDataSet.h"
#include "../../engine/framework/ObjectBytes.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/ModeWindow.h"
#include "engine/media/EngineMediaMaker.h"
#include "engine/media/MediaEncoders.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinG.h"
#include "platform/headless/HeadlessBackend.h"
#include "resources/Resources.h"
#include "support/ExitTrap.h"
#include "support/Golden.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// A green felt ramp from index 10, a light line colour and a gold rim.
TColourTable FeltColours() {
    TColourTable c{};
    for (int i = 0; i < 64; ++i)
        c[static_cast<size_t>(10 + i)] =
            RGBQUAD{30, static_cast<u8>(70 + i * 2), static_cast<u8>(20 + i / 2), 0};
    c[80] = RGBQUAD{150, 230, 170, 0};
    c[81] = RGBQUAD{40, 180, 230, 0};
    return c;
}

// The felt darkens downward; a gold rim round it and a light arc near the top left show
// that the rows are the right way up and nothing is cut off.
std::vector<u8> Felt() {
    std::vector<u8> pixels(640 * 480);
    for (i32 y = 0; y < 480; ++y)
        for (i32 x = 0; x < 640; ++x) {
            const bool rim = x < 6 || y < 6 || x >= 634 || y >= 474;
            const i32 d = (x - 120) * (x - 120) + (y - 100) * (y - 100);
            const bool arc = d > 80 * 80 && d < 84 * 84;
            pixels[static_cast<size_t>(y * 640 + x)] =
                rim   ? 81
                : arc ? 80
                      : static_cast<u8>(10 + 63 - y * 64 / 480);
        }
    return pixels;
}

std::string Bytes(const std::vector<u8>& v) {
    return std::string(v.begin(), v.end());
}

class ProgramGoldenTest : public ::testing::Test {
protected:
    ProgramGoldenTest() {
        TResourceRegistry::Get().Clear();
        RegisterResources();
        RegisterWinGLibrary();
        TFixtureDataSet set;
        set.PaletteBytes = Bytes(TPalEncoder::Encode(FeltColours()));
        EXPECT_TRUE(WriteFixtureDataSet(Dir, set));
    }
    ~ProgramGoldenTest() override { TResourceRegistry::Get().Clear(); }

    TTempDir Dir;
    THeadlessSession Session{TSize{800, 600}};
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
};

TEST_F(ProgramGoldenTest, TheFrameWithTheDefaultModeOnTheDesktop) {
    THeadlessBackend& backend = Session.Backend();
    ::testing::AssertionResult matched = ::testing::AssertionFailure() << "never shown";
    backend.After(1000, [&] {
        matched = MatchesGolden(backend.GetScreen(), "program_default_mode");
        TInputEvent close;
        close.Kind = TInputKind::Close;
        backend.At(backend.Now(), close);
    });
    char program[] = "otcraps";
    char* argv[] = {program, nullptr};
    EXPECT_EQ(OwlMain(1, argv), 0);
    EXPECT_TRUE(matched);
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(ProgramGoldenTest, AModeWindowOnABackgroundFromTheDataSet) {
    Dir.WriteHostFile("data/felt.bmp", Bytes(TBmpEncoder::Encode(640, 480, Felt(), FeltColours())));
    Dir.WriteHostFile("data/felt.m", Header("MODE", 2, 1) + Le16(3) + Str("felt.bmp") + Str(""));
    TEngineMediaMaker media;
    TMediaMaker::Install(&media);
    {
        TCasOTCrapsApp app("c:", "\\", "otcraps");
        ASSERT_TRUE(app.StartUp());
        TJorpModeWindow window(&app, nullptr, "felt.m", app.GetPalette(), "Felt");
        window.Attr.Style = WS_POPUP | WS_VISIBLE;
        window.Attr.X = 80;
        window.Attr.Y = 60;
        ASSERT_TRUE(window.Create());
        window.Activate();
        app.RunFor(600);
        EXPECT_GE(window.GetFrameTimer()->GetCounter(), 3U);
        EXPECT_TRUE(MatchesGolden(Session.Backend().GetScreen(), "mode_window_felt",
                                  TRect(80, 60, 720, 540)));
        window.Deactivate();
    }
    TMediaMaker::Install(nullptr);
    EXPECT_TRUE(Boxes.Boxes.empty());
}

} // namespace

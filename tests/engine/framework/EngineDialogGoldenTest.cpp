// Golden images of the engine's dialogs, each as the player sees it.
#include "EngineDialogFixture.h"

#include "engine/framework/AskTheExpertDialog.h"
#include "engine/framework/DetailLevelDlg.h"
#include "engine/framework/DetailLevelHost.h"
#include "engine/framework/GaugeDlg.h"
#include "engine/framework/LoadDlg.h"
#include "engine/framework/ScrollMsgDlg.h"
#include "engine/framework/SplashDlg.h"
#include "engine/framework/WarnMsgDlg.h"

#include "platform/framework/draw/GdiObject.h"
#include "support/Golden.h"

namespace {

class EngineDialogGoldenTest : public EngineDialogFixture {
protected:
    ::testing::AssertionResult Matches(const TWindow& w, const std::string& name) {
        return MatchesGolden(Screen(), name, w.GetWindowRect());
    }
};

TEST_F(EngineDialogGoldenTest, Warning) {
    During(50, [&] {
        EXPECT_TRUE(Matches(*TDesktop::Get().FindWindow(nullptr, "Warning"), "engine_warning"));
        Backend().Key(VK_RETURN);
    });
    ShowWarnMsg("The number of colors detected for the current video driver is less than 256 "
                "colours.\nThis will result in extremely poor color quality and poor performance.",
                "Warning", 0, false);
}

TEST_F(EngineDialogGoldenTest, ScrollingMessageWithThirtyLines) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 30; ++i)
        lines.push_back("Line " + std::to_string(i) + ": Pass line $" + std::to_string(i * 5));
    TScrollMsgDlg dialog(nullptr, "Round Summary", lines);
    ASSERT_TRUE(dialog.Create());
    App.PumpWaitingMessages();
    EXPECT_TRUE(Matches(dialog, "engine_scroll_message"));
}

TEST_F(EngineDialogGoldenTest, GaugeDialogAtSevenOfTenShownWithoutTheLoop) {
    TGaugeDlg dialog(nullptr, nullptr, "Loading Sprites");
    ASSERT_TRUE(dialog.Create());
    dialog.SelectGauge(1);
    dialog.SetGaugeRange(0, 10);
    for (int i = 0; i < 7; ++i) {
        dialog.SetItemText("sprite" + std::to_string(i) + ".sp");
        dialog.IncrementGauge();
    }
    EXPECT_TRUE(Matches(dialog, "engine_gauge_dialog"));
}

TEST_F(EngineDialogGoldenTest, LoadingScreenWithBothBarsPartWayShownWithoutTheLoop) {
    AddPicture(4, 320, 215);
    TLoadDlg dialog(nullptr, nullptr, new TBitmap(App, 4), 0x000E, TRect{20, 160, 300, 175},
                    TRect{20, 180, 300, 195}, TColor{255, 255, 0}, TColor{255, 255, 0});
    ASSERT_TRUE(dialog.Create());
    dialog.SetGaugeRange(0, 10, 1), dialog.SetGaugeValue(6, 1);
    dialog.SelectGauge(2), dialog.SetGaugeRange(0, 4), dialog.IncrementGauge();
    EXPECT_TRUE(Matches(dialog, "engine_loading_screen"));
}

TEST_F(EngineDialogGoldenTest, AskTheExpertWithMoreTextThanItsBox) {
    TAskTheExpertDialog dialog("The Place bets on 6 and 8 keep only 1.52% for the house, while "
                               "the Field keeps far more.\r\n\r\nTake the free odds behind your "
                               "Pass and Come bets: the house has no edge on them at all.",
                               nullptr, IDD_EXPERT);
    During(50, [&] {
        EXPECT_TRUE(Matches(dialog, "engine_ask_the_expert"));
        Backend().Key(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
}

TEST_F(EngineDialogGoldenTest, SpeedDialog) {
    struct : TDetailLevelHost {
        i16 GetDetailLevel() const override { return 2; }
        void SetDetailLevel(i16) override {}
        std::string GetSettingsSection() const override { return "Craps"; }
    } host;
    TDetailLevelDlg dialog(nullptr, &host);
    ASSERT_TRUE(dialog.Create());
    App.PumpWaitingMessages();
    EXPECT_TRUE(Matches(dialog, "engine_speed_dialog"));
}

TEST_F(EngineDialogGoldenTest, SplashCentredOnTheDesktop) {
    AddPicture(5, 320, 240);
    TSplashDlg splash(5, 5, 5);
    ASSERT_TRUE(splash.Create());
    EXPECT_TRUE(MatchesGolden(Screen(), "engine_splash"));
}

} // namespace

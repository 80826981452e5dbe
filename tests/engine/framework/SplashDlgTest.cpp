// TSplashDlg: the picture for the screen's width, centred, closed by nothing the user does.
#include "EngineDialogFixture.h"

#include "engine/framework/SplashDlg.h"

#include "platform/framework/controls/Button.h"

namespace {

class SplashDlgTest : public EngineDialogFixture {};

TEST_F(SplashDlgTest, TheScreenWidthPicksThePictureAndNothingClosesIt) {
    const std::pair<TSize, TSize> cases[] = {
        {{640, 480}, {180, 120}},
        {{800, 600}, {240, 160}},
        {{1023, 768}, {240, 160}},
        {{1024, 768}, {300, 200}},
    };
    for (const auto& [screen, picture] : cases) {
        UseScreen(screen);
        AddPicture(31, 300, 200); // large
        AddPicture(32, 240, 160); // medium
        AddPicture(33, 180, 120); // small
        TSplashDlg splash(31, 32, 33);
        ASSERT_TRUE(splash.Create());
        EXPECT_EQ(splash.GetWindowRect(), TRect(Centred({{}, picture}, screen), picture));
        EXPECT_FALSE(splash.GetOkButton()->IsWindowVisible() ||
                     splash.GetOkButton()->IsWindowEnabled());
        ClickIn(&splash);
        ClickIn(&splash, TMouseButton::Right);
        Backend().Key(VK_RETURN);
        App.RunFor(5000);
        EXPECT_TRUE(splash.IsWindowVisible()) << screen.cx;
    }
}

} // namespace

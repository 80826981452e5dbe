// TDetailLevelDlg through a stand-in mode window: the level shown, the level chosen with OK,
// the level Esc leaves alone, and the caption after the settings section.
#include "EngineDialogFixture.h"

#include "engine/framework/DetailLevelDlg.h"
#include "engine/framework/DetailLevelHost.h"

#include "platform/framework/controls/Button.h"

namespace {

// The mode window as the dialog sees it.
class TFakeModeWindow : public TWindow, public TDetailLevelHost {
public:
    explicit TFakeModeWindow(i16 level) : Level(level) {
        Attr = {WS_POPUP | WS_VISIBLE, 0, 80, 60, 640, 480};
    }
    i16 GetDetailLevel() const override { return Level; }
    void SetDetailLevel(i16 level) override { Level = level, ++Sets; }
    std::string GetSettingsSection() const override { return "Craps"; }
    i16 Level;
    int Sets = 0;
};

class DetailLevelDlgTest : public EngineDialogFixture {};

TEST_F(DetailLevelDlgTest, TheLevelShowsAsItsButtonAndTheChoiceIsTakenByOkOnly) {
    struct Case {
        i16 Level;
        int Shown; // the radio button checked when it opens
        int Click; // 0: none; -1: uncheck them all
        u32 Key;   // Enter (OK) or Esc
        i16 After;
    };
    const Case cases[] = {
        {3, 101, 0, VK_RETURN, 3},
        {2, 102, 0, VK_RETURN, 2},
        {1, 103, 0, VK_RETURN, 1},
        {0, 104, 0, VK_RETURN, 0},
        // A level the buttons do not know shows as "Richest".
        {7, 101, 0, VK_RETURN, 3},
        {-1, 101, 0, VK_RETURN, 3},
        {3, 101, 103, VK_RETURN, 1},
        {2, 102, 104, VK_RETURN, 0},
        {0, 104, 101, VK_RETURN, 3},
        {7, 101, 104, VK_ESCAPE, 7},
        {1, 103, -1, VK_RETURN, 0},
    };
    for (const Case& c : cases) {
        TFakeModeWindow window(c.Level);
        ASSERT_TRUE(window.Create());
        TDetailLevelDlg dialog(&window, &window);
        int shown = 0;
        During(50, [&] {
            for (int level = 0; level <= 3; ++level)
                if (dialog.GetRadio(level)->GetCheck() == BF_CHECKED)
                    shown += dialog.GetRadio(level)->GetId();
            if (c.Click > 0)
                ClickIn(dialog.GetDlgItem(c.Click));
            for (int level = 0; c.Click < 0 && level <= 3; ++level)
                dialog.GetRadio(level)->Uncheck();
            During(50, [&] { Backend().Key(c.Key); });
        });
        EXPECT_EQ(dialog.Execute(), c.Key == VK_RETURN ? IDOK : IDCANCEL);
        EXPECT_EQ(dialog.GetCaption(), "Craps Game Speed Control");
        EXPECT_EQ(shown, c.Shown) << c.Level << " " << c.Click;
        EXPECT_EQ(window.Level, c.After) << c.Level << " " << c.Click;
        EXPECT_EQ(window.Sets, c.Key == VK_RETURN ? 1 : 0);
    }
}

} // namespace

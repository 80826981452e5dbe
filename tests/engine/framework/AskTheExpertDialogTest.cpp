// TAskTheExpertDialog: where it opens, from a real settings file, and what closing stores.
#include "EngineDialogFixture.h"

#include "engine/framework/AskTheExpertDialog.h"

#include "platform/framework/controls/Edit.h"

namespace {

class AskTheExpertDialogTest : public EngineDialogFixture {
protected:
    // Runs the dialog; inside the run it is moved when asked to, then closed with OK or Esc.
    // Returns where it opened.
    TRect Show(std::optional<TPoint> moveTo, bool escape) {
        TAskTheExpertDialog dialog("Take the odds.", nullptr, IDD_EXPERT);
        TRect opened;
        During(50, [&] {
            opened = dialog.GetWindowRect();
            if (moveTo)
                dialog.SetWindowPos(nullptr, moveTo->x, moveTo->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            Backend().Key(escape ? VK_ESCAPE : VK_RETURN);
        });
        EXPECT_EQ(dialog.Execute(), escape ? IDCANCEL : IDOK);
        EXPECT_EQ(dialog.GetAdviceEdit()->GetText(), "Take the odds.");
        return opened;
    }
    void Store(const std::string& x, const std::string& y) {
        Settings->WriteString("Expert", "X", x);
        Settings->WriteString("Expert", "Y", y);
    }
};

TEST_F(AskTheExpertDialogTest, ClosedWithOkItReopensWhereItWasLeftAndEscStoresNothing) {
    const TRect unset = Show(TPoint{100, 50}, false);
    EXPECT_EQ(unset.TopLeft(), Centred(unset)) << "no settings object: centred";
    UseSettings();
    const TRect first = Show(TPoint{100, 50}, false);
    EXPECT_EQ(first.TopLeft(), Centred(first)) << "no Expert section: centred";
    EXPECT_EQ(ReadBack("Expert", "X"), 100);
    EXPECT_EQ(ReadBack("Expert", "Y"), 50);
    EXPECT_EQ(Show(TPoint{300, 200}, true).TopLeft(), TPoint(100, 50));
    EXPECT_EQ(Show(std::nullopt, false).TopLeft(), TPoint(100, 50));
}

TEST_F(AskTheExpertDialogTest, AStoredPlaceIsUsedOnlyWhenPositiveAndTheWindowFits) {
    UseSettings();
    const TSize size = Show(std::nullopt, true).Size();
    const std::string right = std::to_string(800 - size.cx), bottom = std::to_string(600 - size.cy);
    struct Case {
        std::string X, Y;
        bool Used;
    };
    const Case cases[] = {
        {"1", "1", true},
        {std::to_string(800 - size.cx - 1), std::to_string(600 - size.cy - 1), true},
        // The window must fit with a pixel to spare.
        {right, "1", false},
        {"1", bottom, false},
        {"0", "37", false},
        {"37", "0", false},
        {"-5", "40", false},
        {"abc", "40", false},
        {"", "", false},
        {"40", "99999999999999999999", false},
    };
    for (const Case& c : cases) {
        Store(c.X, c.Y);
        const TRect r = Show(std::nullopt, true);
        EXPECT_EQ(r.TopLeft(), c.Used ? TPoint(std::stoi(c.X), std::stoi(c.Y)) : Centred(r))
            << c.X << "," << c.Y;
    }
    // On a 1024-pixel screen 900 is past any window 124 pixels wide or wider.
    UseScreen({1024, 768});
    Store("900", "50");
    const TRect wide = Show(std::nullopt, true);
    ASSERT_GE(wide.Width(), 124);
    EXPECT_EQ(wide.TopLeft(), Centred(wide, {1024, 768}));
}

} // namespace

// ShowWarnMsg: the warning as shown, and its "Don't show again" answer in a real settings file.
#include "EngineDialogFixture.h"

#include "engine/framework/WarnMsgDlg.h"

#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/Static.h"

namespace {

class WarnMsgDlgTest : public EngineDialogFixture {
protected:
    // Shows the warning and answers it: ticks the box when told, then OK or Esc. Returns
    // what the warning said and how its box stood when it came up.
    std::string Answer(bool tick, bool escape, int n, bool store) {
        std::string shown;
        During(50, [&, tick] {
            auto* w = dynamic_cast<TDialog*>(TDesktop::Get().FindWindow(nullptr, "Warning"));
            ASSERT_NE(w, nullptr);
            shown = dynamic_cast<TStatic*>(w->GetDlgItem(103))->GetText() +
                    (dynamic_cast<TCheckBox*>(w->GetDlgItem(101))->GetCheck() ? " [x]" : " [ ]");
            EXPECT_EQ(w->GetWindowRect().TopLeft(), Centred(w->GetWindowRect()));
            if (tick)
                ClickIn(w->GetDlgItem(101));
            During(50, [this, w, escape] {
                escape ? Backend().Key(VK_ESCAPE) : ClickIn(w->GetDlgItem(IDOK));
            });
        });
        EXPECT_TRUE(ShowWarnMsg("Too few colours.", "Warning", n, store));
        return shown;
    }
};

TEST_F(WarnMsgDlgTest, TheAnswerIsStoredAsTheWarningFlag) {
    struct Case {
        bool Tick, Escape;
        int N;
        bool Store;
        int Low, High; // "BPP_LT_RECOM" and "BPP_GT_RECOM" read back, -1 when absent
    };
    const Case cases[] = {
        {false, false, 0, true, 1, -1},
        {true, false, 0, true, 0, -1},
        {true, false, 1, true, -1, 0},
        {true, false, 0, false, -1, -1},
        // Esc does not take the box's answer: the warning keeps showing.
        {true, true, 0, true, 1, -1},
        {true, false, 2, true, -1, -1},
        {true, false, -1, true, -1, -1},
    };
    for (const Case& c : cases) {
        UseSettings();
        EXPECT_EQ(Answer(c.Tick, c.Escape, c.N, c.Store), "Too few colours. [ ]");
        EXPECT_EQ(ReadBack("Warning Msgs", "BPP_LT_RECOM"), c.Low) << c.Tick << c.Escape << c.N;
        EXPECT_EQ(ReadBack("Warning Msgs", "BPP_GT_RECOM"), c.High) << c.Tick << c.Escape << c.N;
    }
}

TEST_F(WarnMsgDlgTest, WithoutASettingsObjectTheWarningShowsAndNothingIsWritten) {
    UseSettings();
    TEngineContext::Settings = nullptr;
    EXPECT_EQ(Answer(true, false, 0, true), "Too few colours. [ ]");
    EXPECT_FALSE(std::filesystem::exists(Dir->Host("otcraps.ini")));
}

} // namespace

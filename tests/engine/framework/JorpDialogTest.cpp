// TJorpDialog: the values that end modal runs, the windows a run holds still, refusals,
// deletion inside a run, a missing template, and centring.
#include "EngineDialogFixture.h"

#include "engine/framework/JorpDialog.h"

namespace {

// The warning's template serves as any engine dialog's. Counts what closing asks of it,
// refuses while told to, and can take an exact size for the centring arithmetic.
class TTestDialog : public TJorpDialog {
public:
    TTestDialog(TWindow* parent, TSize size = {})
        : TJorpDialog(parent, IDD_WARNING, true), Size(size) {}
    bool CanClose() override { return ++CanCloseCalls, AllowClose; }
    void TransferData(TTransferDirection direction) override {
        DataTaken += direction == tdGetData;
    }
    void SetupWindow() override {
        if (Size.cx > 0)
            SetWindowPos(nullptr, 0, 0, Size.cx, Size.cy, SWP_NOZORDER);
        TJorpDialog::SetupWindow();
    }
    int CanCloseCalls = 0;
    int DataTaken = 0;
    bool AllowClose = true;
    TSize Size;
};

class JorpDialogTest : public EngineDialogFixture {};

TEST_F(JorpDialogTest, AModalRunReturnsTheValueThatEndedIt) {
    struct Case {
        std::function<void(TTestDialog&)> End;
        int Expected;
        int Asked; // CanClose calls, and data transfers
    };
    const Case cases[] = {
        {[](TTestDialog& d) { d.CloseWindow(7); }, 7, 1},
        {[](TTestDialog& d) { d.Destroy(9); }, 9, 0},
        {[this](TTestDialog&) { Backend().Key(VK_ESCAPE); }, IDCANCEL, 0},
        // Refused once, then allowed.
        {[this](TTestDialog& d) {
             d.AllowClose = false;
             d.CloseWindow(IDOK);
             During(50, [&d] { d.AllowClose = true, d.CloseWindow(5); });
         },
         5, 2},
    };
    for (const Case& c : cases) {
        TTestDialog dialog(nullptr);
        bool sawRun = false;
        During(50, [&] {
            sawRun = dialog.IsRunningModal() && dialog.IsWindowVisible();
            c.End(dialog);
        });
        EXPECT_EQ(dialog.Execute(), c.Expected);
        EXPECT_TRUE(sawRun);
        EXPECT_FALSE(dialog.IsWindow() || dialog.IsRunningModal() || dialog.GetModalFlags() != 0);
        EXPECT_EQ(dialog.CanCloseCalls, c.Asked) << c.Expected;
        EXPECT_EQ(dialog.DataTaken, std::min(c.Asked, 1)) << c.Expected;
    }
}

TEST_F(JorpDialogTest, TheFlagsDecideWhichWindowsTheRunHoldsStill) {
    struct Case {
        bool WithParent;
        u32 Flags; // ~0: Execute
        bool ParentHeld, OtherHeld;
    };
    const Case cases[] = {
        {true, 0, true, false},
        {true, ~0u, true, true},
        // Without a parent a run without flags is task-modal.
        {false, 0, true, true},
        {false, JDM_SYSTEMMODAL, true, true},
    };
    for (const Case& c : cases) {
        auto parent = TopWindow({10, 10, 300, 200});
        auto other = TopWindow({400, 10, 600, 200});
        TJorpDialog dialog(c.WithParent ? parent.get() : nullptr, IDD_WARNING);
        bool parentHeld = false, otherHeld = false;
        u32 flagsSeen = 99;
        During(50, [&] {
            parentHeld = !parent->IsWindowEnabled();
            otherHeld = !other->IsWindowEnabled();
            flagsSeen = dialog.GetModalFlags();
            dialog.CloseWindow(IDOK);
        });
        EXPECT_EQ(c.Flags == ~0u ? dialog.Execute() : dialog.ExecuteModal(c.Flags), IDOK);
        EXPECT_EQ(flagsSeen, c.Flags == ~0u ? JDM_TASKMODAL : c.Flags) << "kept as given";
        EXPECT_EQ(parentHeld, c.ParentHeld) << c.WithParent << " " << c.Flags;
        EXPECT_EQ(otherHeld, c.OtherHeld) << c.WithParent << " " << c.Flags;
        EXPECT_TRUE(parent->IsWindowEnabled() && other->IsWindowEnabled());
    }
}

TEST_F(JorpDialogTest, DeletingARunningDialogEndsItsRunWithCancel) {
    auto* dialog = new TJorpDialog(nullptr, IDD_WARNING);
    During(50, [&] { delete dialog; });
    EXPECT_EQ(dialog->ExecuteModal(0), IDCANCEL);
    EXPECT_TRUE(TDesktop::Get().GetTopLevelWindows().empty());
}

TEST_F(JorpDialogTest, ADialogEndedBehindOneItOpenedEndsItsOwnRunAndNotTheOneInFront) {
    // The one in front is the behind one's own (it goes with it) or stands apart from it (it
    // runs on until it is closed itself).
    for (const bool owned : {true, false}) {
        TTestDialog behind(nullptr);
        std::optional<TTestDialog> front;
        int frontResult = 0;
        During(50, [&] {
            front.emplace(owned ? &behind : nullptr);
            During(50, [&] {
                behind.Destroy(7);
                // The one standing apart is still there to close: its run went on.
                if (!owned)
                    During(50, [&] { front->CloseWindow(5); });
            });
            frontResult = front->Execute();
        });
        EXPECT_EQ(behind.Execute(), 7) << owned;
        EXPECT_EQ(frontResult, owned ? IDCANCEL : 5) << owned;
        EXPECT_FALSE(App.IsModal());
    }
}

TEST_F(JorpDialogTest, AMissingTemplateFailsAtOnceWithoutALoop) {
    TJorpDialog dialog(nullptr, 4242);
    const u64 before = Backend().Now();
    EXPECT_EQ(dialog.ExecuteModal(0), -1);
    EXPECT_EQ(dialog.Execute(), -1);
    EXPECT_EQ(Backend().Now(), before);
    EXPECT_FALSE(dialog.IsRunningModal());
}

TEST_F(JorpDialogTest, CentringRoundsEachHalfTowardZero) {
    struct Case {
        TRect Parent; // empty: none, the 800 x 600 screen
        TSize Dialog;
        TPoint Expected;
    };
    const Case cases[] = {
        {{0, 0, 641, 400}, {100, 60}, {270, 170}},
        {{-11, -7, 630, 394}, {101, 61}, {-11 + 320 - 50, -7 + 200 - 30}},
        {{}, {101, 61}, {349, 269}},
    };
    for (const Case& c : cases) {
        auto parent = c.Parent.IsEmpty() ? nullptr : TopWindow(c.Parent);
        TTestDialog dialog(parent.get(), c.Dialog);
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(dialog.GetWindowRect(), TRect(c.Expected, c.Dialog)) << c.Dialog.cx;
    }
}

} // namespace

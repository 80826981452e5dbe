// TJorpDialog: modal runs and the values that end them, the windows a run holds still,
// refusals, deletion inside a run, a missing template, and centring.
#include "EngineDialogFixture.h"

#include "engine/framework/JorpDialog.h"

#include "platform/framework/ControlConstants.h"
#include "platform/host/MessageBox.h"

namespace {

constexpr u32 TestDialogId = 90;

TDialogTemplate SmallTemplate() {
    TDialogTemplate t;
    t.Caption = "Test";
    t.Style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
    t.FontFace = "MS Sans Serif";
    t.PointSize = 8;
    t.W = 120;
    t.H = 60;
    t.Items = {
        {"button", IDOK, "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 8, 40, 40,
         14},
        {"button", IDCANCEL, "Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 60, 40, 40, 14},
    };
    return t;
}

// Counts what closing asks of it and refuses while told to.
class TTestDialog : public TJorpDialog {
public:
    using TJorpDialog::TJorpDialog;
    bool CanClose() override {
        ++CanCloseCalls;
        return AllowClose;
    }
    void TransferData(TTransferDirection direction) override {
        if (direction == tdGetData)
            ++DataTaken;
    }
    int CanCloseCalls = 0;
    int DataTaken = 0;
    bool AllowClose = true;
};

// A dialog of an exact pixel size, for the centring arithmetic.
class TSizedDialog : public TJorpDialog {
public:
    TSizedDialog(TWindow* parent, TSize size)
        : TJorpDialog(parent, TestDialogId, true), Size(size) {}
    void SetupWindow() override {
        const TRect r = GetWindowRect();
        SetWindowPos(nullptr, r.left, r.top, Size.cx, Size.cy, SWP_NOZORDER);
        TJorpDialog::SetupWindow();
    }
    TSize Size;
};

// A plain top-level window to stand for a parent or another program window.
std::unique_ptr<TWindow> TopWindow(TRect r) {
    auto w = std::make_unique<TWindow>();
    w->Attr.Style = WS_POPUP | WS_VISIBLE;
    w->Attr.X = r.left;
    w->Attr.Y = r.top;
    w->Attr.W = r.Width();
    w->Attr.H = r.Height();
    EXPECT_TRUE(w->Create());
    return w;
}

class JorpDialogTest : public EngineDialogFixture {
protected:
    JorpDialogTest() { TResourceRegistry::Get().AddDialog(TestDialogId, SmallTemplate()); }
};

TEST_F(JorpDialogTest, AModalRunReturnsTheValueThatEndedIt) {
    struct Case {
        const char* Name;
        std::function<void(TTestDialog&)> End;
        int Expected;
        int CanCloseCalls;
    };
    const Case cases[] = {
        {"CloseWindow", [](TTestDialog& d) { d.CloseWindow(7); }, 7, 1},
        {"Destroy", [](TTestDialog& d) { d.Destroy(9); }, 9, 0},
        {"OK button",
         [this](TTestDialog& d) {
             Backend().Click(
                 TDesktop::Get().ScreenClientRect(d.GetDlgItem(IDOK)).TopLeft().Offset(3, 3));
         },
         IDOK, 1},
        {"Enter", [this](TTestDialog&) { Backend().Key(VK_RETURN); }, IDOK, 1},
        {"Esc", [this](TTestDialog&) { Backend().Key(VK_ESCAPE); }, IDCANCEL, 0},
    };
    for (const Case& c : cases) {
        TTestDialog dialog(nullptr, TestDialogId);
        bool sawRun = false;
        During(50, [&] {
            sawRun = dialog.IsRunningModal() && dialog.IsWindowVisible();
            c.End(dialog);
        });
        EXPECT_EQ(dialog.Execute(), c.Expected) << c.Name;
        EXPECT_TRUE(sawRun) << c.Name;
        EXPECT_FALSE(dialog.IsWindow()) << c.Name;
        EXPECT_FALSE(dialog.IsRunningModal()) << c.Name;
        EXPECT_EQ(dialog.GetModalFlags(), 0u) << c.Name;
        EXPECT_EQ(dialog.CanCloseCalls, c.CanCloseCalls) << c.Name;
        EXPECT_EQ(dialog.DataTaken, c.CanCloseCalls) << c.Name;
    }
}

TEST_F(JorpDialogTest, FlagsDecideWhichWindowsTheRunHoldsStill) {
    struct Case {
        bool WithParent;
        bool UseExecute;
        u32 Flags;
        bool ParentHeld;
        bool OtherHeld;
    };
    const Case cases[] = {
        // With a parent and no flags only the parent waits.
        {true, false, 0, true, false},
        // Execute is task-modal.
        {true, true, 0, true, true},
        // Without a parent a run without flags becomes task-modal.
        {false, false, 0, true, true},
        {false, false, JDM_SYSTEMMODAL, true, true},
    };
    for (const Case& c : cases) {
        auto parent = TopWindow({10, 10, 300, 200});
        auto other = TopWindow({400, 10, 600, 200});
        TJorpDialog dialog(c.WithParent ? parent.get() : nullptr, TestDialogId);
        bool parentEnabled = false;
        bool otherEnabled = false;
        u32 flagsSeen = 99;
        During(50, [&] {
            parentEnabled = parent->IsWindowEnabled();
            otherEnabled = other->IsWindowEnabled();
            flagsSeen = dialog.GetModalFlags();
            dialog.CloseWindow(IDOK);
        });
        EXPECT_EQ(c.UseExecute ? dialog.Execute() : dialog.ExecuteModal(c.Flags), IDOK);
        const u32 given = c.UseExecute ? JDM_TASKMODAL : c.Flags;
        EXPECT_EQ(flagsSeen, given) << "the flags are kept as given";
        EXPECT_EQ(!parentEnabled, c.ParentHeld) << c.WithParent << c.UseExecute << c.Flags;
        EXPECT_EQ(!otherEnabled, c.OtherHeld) << c.WithParent << c.UseExecute << c.Flags;
        EXPECT_TRUE(parent->IsWindowEnabled());
        EXPECT_TRUE(other->IsWindowEnabled());
    }
}

TEST_F(JorpDialogTest, ARefusingCanCloseKeepsTheRunGoing) {
    TTestDialog dialog(nullptr, TestDialogId);
    dialog.AllowClose = false;
    bool stillRunning = false;
    During(50, [&] { dialog.CloseWindow(IDOK); });
    During(100, [&] {
        stillRunning = dialog.IsRunningModal() && dialog.IsWindow();
        dialog.AllowClose = true;
        dialog.CloseWindow(5);
    });
    EXPECT_EQ(dialog.ExecuteModal(0), 5);
    EXPECT_TRUE(stillRunning);
    EXPECT_EQ(dialog.CanCloseCalls, 2);
    EXPECT_EQ(dialog.DataTaken, 1) << "the data is taken only by the close that happens";
}

TEST_F(JorpDialogTest, DeletingARunningDialogEndsItsRunWithCancel) {
    auto* dialog = new TJorpDialog(nullptr, TestDialogId);
    During(50, [&] { delete dialog; });
    EXPECT_EQ(dialog->ExecuteModal(0), IDCANCEL);
    EXPECT_TRUE(TDesktop::Get().GetTopLevelWindows().empty());
}

TEST_F(JorpDialogTest, AMissingTemplateFailsAtOnceWithoutALoop) {
    TJorpDialog dialog(nullptr, 4242);
    bool ran = false;
    During(10, [&] { ran = true; });
    const u64 before = Backend().Now();
    EXPECT_EQ(dialog.ExecuteModal(0), -1);
    EXPECT_EQ(dialog.Execute(), -1);
    EXPECT_EQ(Backend().Now(), before);
    EXPECT_FALSE(ran);
    EXPECT_FALSE(dialog.IsRunningModal());
    EXPECT_FALSE(dialog.IsWindow());
}

TEST_F(JorpDialogTest, CentringRoundsEachHalfTowardZero) {
    struct Case {
        TRect Parent; // empty: no parent
        TSize Dialog;
        TPoint Expected;
    };
    const Case cases[] = {
        {{0, 0, 641, 400}, {100, 60}, {270, 170}},
        {{10, 20, 650, 421}, {101, 61}, {10 + 320 - 50, 20 + 200 - 30}},
        {{-11, -7, 630, 394}, {100, 60}, {-11 + 320 - 50, -7 + 200 - 30}},
        // On the 800 x 600 screen.
        {{}, {100, 60}, {350, 270}},
        {{}, {101, 61}, {349, 269}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TWindow> parent;
        if (!c.Parent.IsEmpty())
            parent = TopWindow(c.Parent);
        TSizedDialog dialog(parent.get(), c.Dialog);
        ASSERT_TRUE(dialog.Create());
        const TRect r = dialog.GetWindowRect();
        EXPECT_EQ(r.TopLeft(), c.Expected) << c.Dialog.cx;
        EXPECT_EQ(r.Size(), c.Dialog);
        dialog.Destroy(IDCANCEL);
    }
}

} // namespace

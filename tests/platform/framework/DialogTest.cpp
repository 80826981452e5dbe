// Dialogs from templates: dialog units, placement, bound controls, modal runs and their
// values, and the dialog keyboard (Tab, Enter, Esc, mnemonics).
#include "DialogTestFixture.h"

#include "platform/framework/dialogs/DialogUnits.h"
#include "platform/framework/draw/GdiObject.h"

DEFINE_RESPONSE_TABLE1(TRecordingDialog, TDialog)
EV_COMMAND(101, CmReset), EV_COMMAND(102, CmHardway), EV_LBN_SELCHANGE(300, EvListSel),
    EV_LBN_DBLCLK(300, EvListDbl), EV_CBN_SELCHANGE(400, EvComboSel),
    EV_EN_CHANGE(200, EvEditChange), END_RESPONSE_TABLE;

namespace {

using Lines = std::vector<std::string>;

TEST(DialogUnits, BaseUnitsComeFromTheLetterRunAndTheCellHeight) {
    struct Case {
        i32 run, height;
        TDialogBaseUnits expected;
    };
    const Case cases[] = {
        {312, 13, {6, 13}}, // 6 pixels a letter
        {286, 13, {6, 13}}, // 5.5 rounds up
        {260, 12, {5, 12}}, // exactly 5
        {390, 16, {8, 16}}, // 7.5 rounds up
        {0, 0, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BaseUnitsFromMeasures(c.run, c.height), c.expected) << c.run;
}

TEST(DialogUnits, RectanglesScaleByQuartersAndEighthsRounded) {
    struct Case {
        TDialogBaseUnits units;
        i32 x, y, w, h;
        TRect expected;
    };
    const Case cases[] = {
        {{6, 13}, 10, 8, 50, 14, {15, 13, 90, 36}}, // 14 x 13 / 8 = 22.75 -> 23
        {{6, 13}, 1, 1, 1, 1, {2, 2, 4, 4}},        // halves and more round up
        {{6, 13}, 124, 147, 37, 25, {186, 239, 242, 280}},
        {{5, 12}, 3, 145, 253, 2, {4, 218, 320, 221}}, // a thin rule keeps its 3 pixels
        {{6, 13}, -4, -8, 4, 8, {-6, -13, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DialogUnitsToPixels(c.units, c.x, c.y, c.w, c.h), c.expected) << c.x;
}

class DialogTest : public DialogFixture {};

TEST_F(DialogTest, ControlsAndClientAreaAreTheTemplateInTheFontsUnits) {
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    TRecordingDialog dialog(nullptr, 77);
    ASSERT_TRUE(dialog.Create());
    const TDialogBaseUnits units = dialog.GetBaseUnits();
    // The 8-point face measured as the old system measures it.
    const TFont font("MS Sans Serif", -MulDiv(8, 96, 72));
    EXPECT_EQ(units, BaseUnitsOfFont(font));
    EXPECT_GE(units.X, 4);
    EXPECT_LE(units.X, 8);
    EXPECT_GE(units.Y, 11);
    EXPECT_LE(units.Y, 16);

    const TRect client = dialog.GetClientRect();
    const TRect expected = DialogUnitsToPixels(units, 20, 20, 180, 90);
    EXPECT_EQ(client.Size(), expected.Size());
    // Without an owner the template's place is on the screen; frame and caption go around.
    const TRect window = dialog.GetWindowRect();
    EXPECT_EQ(window.left, expected.left);
    EXPECT_EQ(window.Width(), client.Width() + 2 * 3);
    EXPECT_EQ(window.Height(), client.Height() + 2 * 3 + 19);

    HWND reset = dialog.GetDlgItem(101);
    ASSERT_NE(reset, nullptr);
    const TRect r = reset->GetWindowRect();
    const TPoint origin = Fx.Desktop().ClientToScreen(&dialog, {0, 0});
    EXPECT_EQ(r.OffsetBy(-origin.x, -origin.y), dialog.MapDialogRect({126, 8, 172, 22}));
    EXPECT_EQ(dialog.GetCaption(), "Form");
    EXPECT_EQ(dialog.GetDefaultId(), static_cast<u32>(IDOK));
}

TEST_F(DialogTest, APopupWithAnOwnerIsPlacedFromTheOwnersClientArea) {
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    TWindow owner(nullptr, "Owner");
    owner.Attr.Style = WS_POPUP | WS_VISIBLE | WS_CAPTION;
    owner.Attr.X = 100;
    owner.Attr.Y = 50;
    owner.Attr.W = 400;
    owner.Attr.H = 300;
    ASSERT_TRUE(owner.Create());
    TDialog dialog(&owner, 77);
    ASSERT_TRUE(dialog.Create());
    const TPoint ownerClient = Fx.Desktop().ClientToScreen(&owner, {0, 0});
    const TRect place = DialogUnitsToPixels(dialog.GetBaseUnits(), 20, 20, 180, 90);
    EXPECT_EQ(dialog.GetWindowRect().TopLeft(),
              TPoint(ownerClient.x + place.left, ownerClient.y + place.top));
}

TEST_F(DialogTest, AMissingTemplateMakesNoWindowAndExecuteFails) {
    TDialog dialog(nullptr, 4242);
    EXPECT_FALSE(dialog.Create());
    EXPECT_EQ(dialog.Execute(), -1);
}

TEST_F(DialogTest, BoundControlsTakeTheTemplatesControlsAndMayBeDeletedFirst) {
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    auto* dialog = new TRecordingDialog(nullptr, 77);
    auto* check = new TCheckBox(dialog, 102);
    auto* edit = new TEdit(dialog, 200, 13);
    ASSERT_TRUE(dialog->Create());
    EXPECT_TRUE(check->IsWindow());
    EXPECT_EQ(dialog->GetDlgItem(102), check);
    EXPECT_EQ(check->GetText(), "&Hardway");
    EXPECT_TRUE(check->IsAutomatic());
    EXPECT_EQ(dialog->GetDlgItem(200), edit);
    // The program deletes its control objects before the dialog, as dialogs' destructors do.
    delete check;
    EXPECT_EQ(dialog->GetDlgItem(102), nullptr);
    Key(VK_TAB);
    Key(VK_TAB);
    delete dialog;
}

TEST_F(DialogTest, ExecuteReturnsTheValueThatEndedIt) {
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    struct Case {
        const char* name;
        std::function<void(TRecordingDialog&)> end;
        int expected;
        int canCloseCalls;
    };
    const Case cases[] = {
        {"Enter presses the default OK", [this](TRecordingDialog&) { Backend().Key(VK_RETURN); },
         IDOK, 1},
        {"Esc cancels without asking", [this](TRecordingDialog&) { Backend().Key(VK_ESCAPE); },
         IDCANCEL, 0},
        {"Destroy gives its value", [](TRecordingDialog& d) { d.Destroy(7); }, 7, 0},
        {"CloseWindow gives its value", [](TRecordingDialog& d) { d.CloseWindow(5); }, 5, 1},
        {"the close box is Cancel", [](TRecordingDialog& d) { d.PostMessage(WM_CLOSE); }, IDCANCEL,
         0},
    };
    for (const Case& c : cases) {
        TRecordingDialog dialog(nullptr, 77);
        Backend().After(50, [&] { c.end(dialog); });
        EXPECT_EQ(dialog.Execute(), c.expected) << c.name;
        EXPECT_EQ(dialog.CanCloseCalls, c.canCloseCalls) << c.name;
        EXPECT_FALSE(dialog.IsWindow()) << c.name;
    }
}

TEST_F(DialogTest, ARefusingCanCloseKeepsTheModalDialogOpen) {
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    TRecordingDialog dialog(nullptr, 77);
    dialog.AllowClose = false;
    bool stillOpen = false;
    Backend().After(10, [this] { Backend().Key(VK_RETURN); });
    Backend().After(20, [&] {
        stillOpen = dialog.IsWindow();
        dialog.AllowClose = true;
        Backend().Key(VK_RETURN);
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(dialog.CanCloseCalls, 2);
}

TEST_F(DialogTest, ExecuteIsTaskModalAndStillRunsOtherWindowsTimers) {
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    TWindow other(nullptr, "Other");
    other.Attr.Style = WS_POPUP | WS_VISIBLE;
    other.Attr.W = other.Attr.H = 50;
    ASSERT_TRUE(other.Create());
    Fx.Name(other, "other");
    Fx.Only({WM_TIMER});
    other.SetTimer(3, 10);
    TRecordingDialog dialog(nullptr, 77);
    bool otherEnabled = true;
    Backend().After(100, [&] {
        otherEnabled = other.IsWindowEnabled();
        dialog.CmOk();
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_FALSE(otherEnabled);
    EXPECT_TRUE(other.IsWindowEnabled());
    EXPECT_GE(Fx.Take().size(), 5U);
}

TEST_F(DialogTest, AModalDialogOverItsOwnerKeepsTheFocusItTookWhenTheOwnerIsDisabled) {
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    TWindow owner(nullptr, "Owner");
    owner.Attr.Style = WS_POPUP | WS_VISIBLE | WS_CAPTION;
    owner.Attr.W = 400;
    owner.Attr.H = 300;
    ASSERT_TRUE(owner.Create());
    TWindow inside(&owner, "Inside");
    inside.Attr.Style = WS_CHILD | WS_VISIBLE;
    inside.Attr.W = inside.Attr.H = 50;
    ASSERT_TRUE(inside.Create());
    inside.SetFocus();
    TRecordingDialog dialog(&owner, 77);
    HWND focus = nullptr, edit = nullptr;
    std::string typed;
    Backend().After(50, [&] {
        focus = Focus();
        edit = dialog.GetDlgItem(200);
        // Keys reach the edit; without the focus "n" would be a mnemonic of nothing at best.
        Backend().Type('n');
        Backend().After(20, [&] {
            typed = dynamic_cast<TEdit*>(dialog.GetDlgItem(200))->GetText();
            dialog.CmOk();
        });
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(focus, edit);
    EXPECT_EQ(typed, "n");
    // Disabling the owner still takes the focus from its own child windows.
    inside.SetFocus();
    owner.EnableWindow(false);
    EXPECT_EQ(Focus(), nullptr);
}

TEST_F(DialogTest, TabAndShiftTabGoRoundTheTabStopsInTemplateOrder) {
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    TRecordingDialog dialog(nullptr, 77);
    ASSERT_TRUE(dialog.Create());
    Pump();
    // The first tab stop has the focus when the dialog opens.
    EXPECT_EQ(Focus(), dialog.GetDlgItem(200));
    Lines order;
    for (int i = 0; i < 5; ++i) {
        Key(VK_TAB);
        order.push_back(std::to_string(Focus() != nullptr ? Focus()->Attr.Id : 0));
    }
    EXPECT_EQ(order, (Lines{"101", "102", "1", "2", "200"}));
    Backend().SetModifiers(true, false, false);
    Key(VK_TAB);
    EXPECT_EQ(Focus(), dialog.GetDlgItem(IDCANCEL));
    Backend().SetModifiers(false, false, false);
    // A disabled control is passed over.
    dialog.GetDlgItem(IDCANCEL)->EnableWindow(false);
    Key(VK_TAB);
    EXPECT_EQ(Focus(), dialog.GetDlgItem(200));
    EXPECT_TRUE(dialog.IsWindow());
}

TEST_F(DialogTest, EnterPressesTheFocusedPushButtonElseTheDefaultOne) {
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    TRecordingDialog dialog(nullptr, 77);
    ASSERT_TRUE(dialog.Create());
    Pump();
    dialog.FocusControl(dialog.GetDlgItem(101));
    Key(VK_RETURN);
    EXPECT_EQ(dialog.Seen, (Lines{"reset"}));
    EXPECT_TRUE(dialog.IsWindow());
    // From the check box Enter goes to the default button, which is disabled here.
    dialog.FocusControl(dialog.GetDlgItem(102));
    dialog.GetDlgItem(IDOK)->EnableWindow(false);
    Key(VK_RETURN);
    EXPECT_TRUE(dialog.IsWindow());
    dialog.GetDlgItem(IDOK)->EnableWindow(true);
    dialog.FocusControl(dialog.GetDlgItem(102));
    Key(VK_RETURN);
    EXPECT_FALSE(dialog.IsWindow());
    EXPECT_EQ(dialog.Seen, (Lines{"reset", "canclose"}));
}

TEST_F(DialogTest, MnemonicsPressButtonsAndLabelsHandTheFocusOn) {
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    TRecordingDialog dialog(nullptr, 77);
    auto* check = new TCheckBox(&dialog, 102);
    ASSERT_TRUE(dialog.Create());
    Pump();
    // In the edit, letters are text; with Alt they are mnemonics, and a push button's
    // mnemonic presses it where the focus is.
    Type('r');
    EXPECT_EQ(dynamic_cast<TEdit*>(dialog.GetDlgItem(200))->GetText(), "r");
    EXPECT_EQ(dialog.Seen, (Lines{"edit change"}));
    Backend().SetModifiers(false, false, true);
    Type('r');
    Backend().SetModifiers(false, false, false);
    EXPECT_EQ(dialog.Seen, (Lines{"edit change", "reset"}));
    EXPECT_EQ(Focus(), dialog.GetDlgItem(200));
    // Outside an edit a plain letter will do; the check box takes the focus and toggles.
    dialog.FocusControl(dialog.GetDlgItem(101));
    Type('h');
    EXPECT_EQ(Focus(), check);
    EXPECT_EQ(check->GetCheck(), BF_CHECKED);
    EXPECT_EQ(dialog.Seen, (Lines{"edit change", "reset", "hardway"}));
    // The label's letter moves the focus to the edit after it.
    Type('N');
    EXPECT_EQ(Focus(), dialog.GetDlgItem(200));
    // A letter nobody has changes nothing.
    dialog.FocusControl(check);
    Type('z');
    EXPECT_EQ(Focus(), check);
}

TEST_F(DialogTest, ModelessDialogsAreShownAtOnceAndEndWithDestroy) {
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    TRecordingDialog dialog(nullptr, 77);
    ASSERT_TRUE(dialog.Create());
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_FALSE(dialog.IsModal());
    Key(VK_ESCAPE);
    EXPECT_FALSE(dialog.IsWindow());
    EXPECT_EQ(dialog.CanCloseCalls, 0);
}

TEST(DialogWithoutApplication, ExecuteRunsALoopOfItsOwn) {
    TDesktopFixture fx;
    ASSERT_EQ(TApplication::GetCurrent(), nullptr);
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    TRecordingDialog dialog(nullptr, 77);
    fx.Backend().After(10, [&] { fx.Backend().Key(VK_RETURN); });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.CanCloseCalls, 1);
}

} // namespace

// The dialog keyboard in radio groups: arrows move the focus round a group and choose the button
// they reach, and Tab and Shift+Tab enter a group at its checked button and leave it whole.
#include "DialogTestFixture.h"

#include <algorithm>
#include <ostream>

namespace {

using Ids = std::vector<int>;

constexpr int NameEdit = 200;
// Automatic buttons that check themselves.
constexpr int Red = 301, Green = 302, Blue = 303;
// Plain buttons that the dialog checks when told of their click.
constexpr int Small = 311, Medium = 312, Large = 313;
constexpr int AllRadios[] = {Red, Green, Blue, Small, Medium, Large};

// Each group's box follows its buttons in the same run, and OK and Cancel close the last run,
// as in the game's dialogs: none of them is a stop of the arrows.
TDialogTemplate RadioTemplate() {
    TDialogTemplate t = FormTemplate();
    t.Caption = "Radios";
    t.H = 120;
    t.Items = {
        Item("edit", NameEdit, "", WS_TABSTOP | WS_BORDER | ES_LEFT, 8, 8, 80, 12),
        Item("button", Red, "Red", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 16, 34, 50, 12),
        Item("button", Green, "Green", BS_AUTORADIOBUTTON, 16, 48, 50, 12),
        Item("button", Blue, "Blue", BS_AUTORADIOBUTTON, 16, 62, 50, 12),
        Item("button", 300, "Colour", BS_GROUPBOX, 8, 24, 70, 54),
        Item("button", Small, "Small", WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON, 96, 34, 50, 12),
        Item("button", Medium, "Medium", BS_RADIOBUTTON, 96, 48, 50, 12),
        Item("button", Large, "Large", BS_RADIOBUTTON, 96, 62, 50, 12),
        Item("button", 310, "Size", BS_GROUPBOX, 88, 24, 70, 54),
        Item("BorBtn", IDOK, "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 70, 98, 46, 14),
        Item("BorBtn", IDCANCEL, "Cancel", WS_TABSTOP, 126, 98, 46, 14),
    };
    return t;
}

// Notes every click its buttons tell it of, and checks the plain ones itself.
class TRadioDialog : public TDialog {
public:
    using TDialog::TDialog;

    Ids Clicks;

    LRESULT EvCommand(u32 id, HWND hWndCtl, u32 notifyCode) override {
        const int clicked = static_cast<int>(id);
        if (hWndCtl != nullptr && notifyCode == BN_CLICKED && clicked >= Red) {
            Clicks.push_back(clicked);
            if (clicked >= Small)
                for (int plain : {Small, Medium, Large})
                    SendDlgItemMessage(plain, BM_SETCHECK, plain == clicked ? BF_CHECKED : 0);
        }
        return TDialog::EvCommand(id, hWndCtl, notifyCode);
    }
};

struct TStroke {
    u32 Key;
    bool Shift = false;
};

constexpr TStroke Down{DLG_VK_DOWN}, Up{DLG_VK_UP}, Left{DLG_VK_LEFT}, Right{DLG_VK_RIGHT},
    Tab{VK_TAB}, ShiftTab{VK_TAB, true};

struct TRadioKeyCase {
    const char* Name;
    // Checked before the keys, and the control that has the focus.
    Ids Checked;
    int Start;
    std::vector<TStroke> Keys;
    int Focus;
    Ids CheckedAfter;
    Ids Clicks;
    // A button greyed and one hidden before the keys (0 for none).
    int Greyed = 0;
    int Hidden = 0;
};

void PrintTo(const TRadioKeyCase& c, std::ostream* out) {
    *out << c.Name;
}

const TRadioKeyCase RadioKeyCases[] = {
    {"DownChecksTheNextAutomatic", {Red}, Red, {Down}, Green, {Green}, {Green}},
    {"RightIsDown", {Red}, Red, {Right}, Green, {Green}, {Green}},
    {"LeftGoesBack", {Blue}, Blue, {Left}, Green, {Green}, {Green}},
    {"UpFromTheFirstWrapsToTheLast", {Red}, Red, {Up}, Blue, {Blue}, {Blue}},
    {"DownFromTheLastWrapsToTheFirst", {Blue}, Blue, {Down}, Red, {Red}, {Red}},
    {"AGreyedButtonIsPassedOver", {Red}, Red, {Down}, Blue, {Blue}, {Blue}, Green},
    {"AHiddenButtonIsPassedOver", {Blue}, Blue, {Up}, Red, {Red}, {Red}, 0, Green},
    {"PlainButtonsAreClicked", {Small}, Small, {Down, Down}, Large, {Large}, {Medium, Large}},
    // The group's box and OK and Cancel after it are of its run, but no stops.
    {"PlainButtonsWrapPastTheirRun", {Large}, Large, {Down}, Small, {Small}, {Small}},
    {"TheCheckedButtonIsNotClickedAgain", {Large}, Small, {Up}, Large, {Large}, {}},
    {"TabEntersAtTheCheckedButton", {Green, Medium}, NameEdit, {Tab}, Green, {Green, Medium}, {}},
    {"TabEntersAtTheTabStopWhenNoneIsChecked", {Green}, Green, {Tab}, Small, {Green}, {}},
    {"TabLeavesForTheNextGroupsChecked", {Green, Large}, Green, {Tab}, Large, {Green, Large}, {}},
    {"TabLeavesTheLastGroupForOk", {Medium}, Medium, {Tab}, IDOK, {Medium}, {}},
    {"ShiftTabEntersAtTheCheckedButton", {Medium}, IDOK, {ShiftTab}, Medium, {Medium}, {}},
    {"ShiftTabLeavesBackwards", {Blue, Large}, Large, {ShiftTab}, Blue, {Blue, Large}, {}},
    {"ShiftTabFromAnyButtonLeavesWhole", {Green}, Green, {ShiftTab}, NameEdit, {Green}, {}},
};

class DialogRadioKeys : public DialogFixture,
                        public ::testing::WithParamInterface<TRadioKeyCase> {};

TEST_P(DialogRadioKeys, ArrowsChooseInTheGroupAndTabTakesItWhole) {
    const TRadioKeyCase& c = GetParam();
    TResourceRegistry::Get().AddDialog(78, RadioTemplate());
    TRadioDialog dialog(nullptr, 78);
    ASSERT_TRUE(dialog.Create());
    Pump();
    for (int id : c.Checked)
        dialog.SendDlgItemMessage(id, BM_SETCHECK, BF_CHECKED);
    if (c.Greyed != 0)
        dialog.GetDlgItem(c.Greyed)->EnableWindow(false);
    if (c.Hidden != 0)
        dialog.GetDlgItem(c.Hidden)->ShowWindow(SW_HIDE);
    dialog.FocusControl(dialog.GetDlgItem(c.Start));
    for (const TStroke& stroke : c.Keys) {
        Backend().SetModifiers(stroke.Shift, false, false);
        Key(stroke.Key);
    }
    Backend().SetModifiers(false, false, false);

    ASSERT_NE(Focus(), nullptr);
    EXPECT_EQ(static_cast<int>(Focus()->Attr.Id), c.Focus);
    Ids checked;
    for (int id : AllRadios)
        if (dialog.SendDlgItemMessage(id, BM_GETCHECK) == BF_CHECKED)
            checked.push_back(id);
    EXPECT_EQ(checked, c.CheckedAfter);
    EXPECT_EQ(dialog.Clicks, c.Clicks);
    EXPECT_TRUE(dialog.IsWindow());
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogRadioKeys, ::testing::ValuesIn(RadioKeyCases),
                         [](const auto& test) { return std::string(test.param.Name); });

} // namespace

// Controls: list-box and combo-box notifications, edit limits and validators, check boxes
// and radio groups, and gauges.
#include "DialogTestFixture.h"

#include "platform/framework/controls/Validator.h"

namespace {

using Lines = std::vector<std::string>;

TDialogTemplate ListTemplate(u32 listStyle) {
    TDialogTemplate t = FormTemplate();
    t.Caption = "Lists";
    t.H = 150;
    t.Items = {
        Item("listbox", 300, "", listStyle, 8, 8, 100, 44),
        Item("combobox", 400, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 8, 60, 100, 60),
        Item("edit", 200, "", WS_TABSTOP | WS_BORDER, 120, 8, 50, 12),
        Item("BorBtn", IDOK, "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 120, 120, 46, 14),
    };
    return t;
}

class ControlTest : public DialogFixture {
protected:
    void Open(u32 listStyle = LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP) {
        TResourceRegistry::Get().AddDialog(88, ListTemplate(listStyle));
        Dialog = std::make_unique<TRecordingDialog>(nullptr, 88);
        List = new TListBox(Dialog.get(), 300);
        Combo = new TComboBox(Dialog.get(), 400);
        Edit = new TEdit(Dialog.get(), 200, 13);
        ASSERT_TRUE(Dialog->Create());
        Pump();
    }
    // The desktop point of a list row's middle.
    TPoint Row(int index) {
        const i32 h = List->GetItemHeight();
        return At(List, 20, 2 + h * index + h / 2);
    }

    std::unique_ptr<TRecordingDialog> Dialog;
    TListBox* List = nullptr;
    TComboBox* Combo = nullptr;
    TEdit* Edit = nullptr;
};

TEST_F(ControlTest, ListKeepsTheOrderAddedAndTheProgramsSelectionIsSilent) {
    Open();
    for (const char* s : {"Zed", "Amy", "Bob"})
        List->AddString(s);
    EXPECT_EQ(List->GetString(0), "Zed");
    EXPECT_EQ(List->GetString(2), "Bob");
    EXPECT_EQ(List->GetSelIndex(), -1);
    EXPECT_EQ(List->SetSelIndex(1), 1);
    EXPECT_EQ(List->SetSelIndex(3), LB_ERR);
    EXPECT_EQ(List->GetSelIndex(), 1);
    EXPECT_EQ(List->DeleteString(0), 2);
    EXPECT_EQ(List->GetSelIndex(), 0);
    List->ClearList();
    EXPECT_EQ(List->GetCount(), 0);
    EXPECT_EQ(List->GetSelIndex(), -1);
    EXPECT_TRUE(Dialog->Seen.empty());
}

TEST_F(ControlTest, ClicksAndKeysChangeTheSelectionAndTellTheDialog) {
    Open();
    for (const char* s : {"one", "two", "three", "four", "five", "six"})
        List->AddString(s);
    Click(Row(1));
    EXPECT_EQ(List->GetSelIndex(), 1);
    EXPECT_EQ(Focus(), List);
    EXPECT_EQ(Dialog->Seen, (Lines{"list selchange"}));
    // The same row again is no change.
    Backend().Advance(1000);
    Click(Row(1));
    EXPECT_EQ(Dialog->Seen, (Lines{"list selchange"}));
    // A second click soon after is a double click.
    Click(Row(1));
    EXPECT_EQ(Dialog->Seen, (Lines{"list selchange", "list dblclk"}));
    Key(TestKeyDown);
    EXPECT_EQ(List->GetSelIndex(), 2);
    Key(0x23); // End scrolls the last row into view
    EXPECT_EQ(List->GetSelIndex(), 5);
    EXPECT_GT(List->GetTopIndex(), 0);
    EXPECT_EQ(Dialog->Seen,
              (Lines{"list selchange", "list dblclk", "list selchange", "list selchange"}));
    // Keys in the list are the list's: Enter still presses the dialog's default button.
    Key(VK_RETURN);
    EXPECT_FALSE(Dialog->IsWindow());
}

TEST_F(ControlTest, AListWithoutNotifyTellsNothing) {
    Open(WS_VSCROLL | WS_BORDER | WS_TABSTOP);
    List->AddString("one");
    List->AddString("two");
    Click(Row(1));
    Click(Row(1));
    EXPECT_EQ(List->GetSelIndex(), 1);
    EXPECT_TRUE(Dialog->Seen.empty());
}

TEST_F(ControlTest, TheComboDropsItsListAndTellsOfTheChoice) {
    Open();
    for (const char* s : {"Total # of Bets", "Total $ Bet", "Average $ Bet"})
        Combo->AddString(s);
    // Unsorted: the order added.
    EXPECT_EQ(Combo->GetString(2), "Average $ Bet");
    Combo->SetSelIndex(1);
    // The window is the field; the template's height is the dropped one.
    EXPECT_LT(Combo->GetWindowRect().Height(), Combo->GetDroppedHeight());
    Click(Centre(Combo));
    ASSERT_TRUE(Combo->IsListShown());
    EXPECT_EQ(Focus(), Combo);
    const TRect field = Combo->GetWindowRect();
    const i32 h = Combo->GetItemHeight();
    // Row 2 of the list under the field.
    Click({field.left + 10, field.bottom + 1 + 2 * h + h / 2});
    EXPECT_FALSE(Combo->IsListShown());
    EXPECT_EQ(Combo->GetSelIndex(), 2);
    EXPECT_EQ(Dialog->Seen, (Lines{"combo selchange"}));
    // Keys change the choice of a closed combo at once.
    Key(TestKeyUp);
    EXPECT_EQ(Combo->GetSelIndex(), 1);
    // While the list is down, Esc closes it instead of the dialog; so does a click away.
    Key(TestKeyF4);
    EXPECT_TRUE(Combo->IsListShown());
    Key(VK_ESCAPE);
    EXPECT_FALSE(Combo->IsListShown());
    EXPECT_TRUE(Dialog->IsWindow());
    Key(TestKeyF4);
    Click(At(Dialog.get(), 2, 2));
    EXPECT_FALSE(Combo->IsListShown());
    EXPECT_EQ(Dialog->Seen, (Lines{"combo selchange", "combo selchange"}));
    EXPECT_EQ(Combo->SetSelIndex(5), CB_ERR);
}

TEST_F(ControlTest, TheEditKeepsToItsLimitAndItsFilter) {
    Open();
    Edit->SetValidator(new TFilterValidator(TCharSet("A-Za-z0-9")));
    Dialog->FocusControl(Edit);
    for (char c : std::string("Joe Gambler!42xyz"))
        Type(c);
    // Blanks and '!' are refused; the limit of 13 keeps 12 characters.
    EXPECT_EQ(Edit->GetText(), "JoeGambler42");
    Key(VK_BACK);
    Key(VK_BACK);
    Type('7');
    EXPECT_EQ(Edit->GetText(), "JoeGambler7");
    EXPECT_TRUE(Edit->IsValid());
    // A text set by the program is not typed: only the validator's check of the whole
    // text catches it.
    Edit->SetText("Bad Name");
    EXPECT_FALSE(Edit->IsValid());
}

TEST(CharSet, RangesAndSingleCharacters) {
    const TCharSet set("A-Za-z0-9_-");
    for (char c : std::string("AZamz09_-"))
        EXPECT_TRUE(set.Has(c)) << c;
    for (char c : std::string(" !@[`{/:"))
        EXPECT_FALSE(set.Has(c)) << c;
    EXPECT_FALSE(TCharSet("z-a").Has('m'));
    TFilterValidator filter("0-9");
    EXPECT_TRUE(filter.IsValid("2500"));
    EXPECT_FALSE(filter.IsValid("25.00"));
    std::string typed = "12a";
    EXPECT_FALSE(filter.IsValidInput(typed, false));
}

TEST_F(ControlTest, AutomaticRadioButtonsKeepTheirGroupExclusivePlainOnesWait) {
    TDialogTemplate t = FormTemplate();
    t.Items = {
        Item("button", 101, "Richest", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 8, 8, 60, 12),
        Item("button", 102, "Rich", BS_AUTORADIOBUTTON, 8, 22, 60, 12),
        Item("button", 103, "Fast", BS_AUTORADIOBUTTON, 8, 36, 60, 12),
        Item("button", 105, "Buy", WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON, 80, 8, 40, 12),
        Item("button", 106, "Place", BS_RADIOBUTTON, 80, 22, 40, 12),
        Item("button", 114, "Hardway Bets", WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 80, 40, 80,
             12),
    };
    TResourceRegistry::Get().AddDialog(89, t);
    TRecordingDialog dialog(nullptr, 89);
    auto* richest = new TRadioButton(&dialog, 101);
    auto* fast = new TRadioButton(&dialog, 103);
    auto* buy = new TRadioButton(&dialog, 105);
    auto* place = new TRadioButton(&dialog, 106);
    auto* hardway = new TCheckBox(&dialog, 114);
    ASSERT_TRUE(dialog.Create());
    Pump();
    richest->Check();
    buy->Check();
    Click(Centre(fast));
    EXPECT_EQ(fast->GetCheck(), BF_CHECKED);
    EXPECT_EQ(richest->GetCheck(), BF_UNCHECKED);
    EXPECT_EQ(richest->SendMessage(BM_GETCHECK), static_cast<LRESULT>(BF_UNCHECKED));
    // A plain radio button leaves its state to the program; the buttons of another group
    // are not touched.
    Click(Centre(place));
    EXPECT_EQ(place->GetCheck(), BF_UNCHECKED);
    EXPECT_EQ(buy->GetCheck(), BF_CHECKED);
    EXPECT_EQ(fast->GetCheck(), BF_CHECKED);
    Click(Centre(hardway));
    EXPECT_EQ(hardway->GetCheck(), BF_CHECKED);
    hardway->SendMessage(BM_SETCHECK, BF_UNCHECKED);
    EXPECT_EQ(hardway->GetCheck(), BF_UNCHECKED);
}

TEST_F(ControlTest, DisabledAndHiddenButtonsCannotBePressed) {
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    TRecordingDialog dialog(nullptr, 77);
    ASSERT_TRUE(dialog.Create());
    Pump();
    HWND reset = dialog.GetDlgItem(101);
    reset->EnableWindow(false);
    Click(Centre(reset));
    dialog.GetDlgItem(IDOK)->ShowWindow(SW_HIDE);
    dialog.FocusControl(dialog.GetDlgItem(102));
    Key(VK_RETURN);
    EXPECT_TRUE(dialog.Seen.empty());
    EXPECT_TRUE(dialog.IsWindow());
}

TEST_F(ControlTest, GaugeClampsItsValueAndFormatsItsTitle) {
    TResourceRegistry::Get().AddDialog(77, FormTemplate());
    TDialog dialog(nullptr, 77);
    ASSERT_TRUE(dialog.Create());
    auto* gauge = new TGauge(&dialog, "Num: %d", 1000, 10, 10, 200, 20);
    ASSERT_TRUE(gauge->Create());
    gauge->SetRange(0, 10);
    for (int i = 0; i < 7; ++i)
        gauge->DeltaValue(1);
    EXPECT_EQ(gauge->GetValue(), 7);
    gauge->DeltaValue(-1);
    EXPECT_EQ(gauge->GetValue(), 6);
    gauge->SetValue(50);
    EXPECT_EQ(gauge->GetValue(), 10);
    gauge->SetValue(-3);
    EXPECT_EQ(gauge->GetValue(), 0);
    EXPECT_EQ(gauge->FormatText(), "Num: 0");
    // Only %d and %% mean anything, so a stray conversion cannot read a missing argument.
    gauge->SetCaption("%s %d%% %x");
    EXPECT_EQ(gauge->FormatText(), "%s 0% %x");
    gauge->SetCaption("");
    EXPECT_EQ(gauge->FormatText(), "");
}

} // namespace

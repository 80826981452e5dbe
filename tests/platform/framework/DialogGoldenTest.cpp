// Golden images of dialogs: one of each control kind in the classic look, the dropped
// combo box, and message boxes.
#include "DialogTestFixture.h"

#include "platform/framework/dialogs/MessageBoxUi.h"
#include "platform/framework/draw/BitmapResources.h"
#include "support/Golden.h"

namespace {

TDialogTemplate Base(const char* caption, i16 w, i16 h) {
    TDialogTemplate t = FormTemplate();
    t.Caption = caption;
    t.X = 10;
    t.Y = 10;
    t.W = w;
    t.H = h;
    t.Items.clear();
    return t;
}

class DialogGoldenTest : public DialogFixture {
protected:
    void TearDown() override { TBitmapResources::Get().Clear(); }

    // Opens the template modelessly and lets it paint.
    std::unique_ptr<TDialog> Open(const TDialogTemplate& t) {
        TResourceRegistry::Get().AddDialog(90, t);
        auto dialog = std::make_unique<TDialog>(nullptr, 90);
        EXPECT_TRUE(dialog->Create());
        Pump();
        return dialog;
    }
    TRect ClientArea(HWND w) { return TDesktop::Get().ScreenClientRect(w); }
};

TEST_F(DialogGoldenTest, Buttons) {
    TDialogTemplate t = Base("Buttons", 200, 120);
    t.Items = {
        Item("BorBtn", 101, "&Push", WS_TABSTOP, 8, 8, 50, 14),
        Item("BorBtn", IDOK, "&Default", WS_TABSTOP | BS_DEFPUSHBUTTON, 66, 8, 50, 14),
        Item("button", 103, "Disabled", WS_TABSTOP | WS_DISABLED, 124, 8, 50, 14),
        Item("button", 104, "Check &box", WS_TABSTOP | BS_AUTOCHECKBOX, 8, 30, 70, 12),
        Item("button", 105, "Checked", WS_TABSTOP | BS_AUTOCHECKBOX, 8, 44, 70, 12),
        Item("button", 106, "Greyed box", WS_DISABLED | BS_AUTOCHECKBOX, 8, 58, 70, 12),
        Item("button", 107, "&Richest", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 100, 38, 60,
             12),
        Item("button", 108, "Rich", BS_AUTORADIOBUTTON, 100, 52, 60, 12),
        Item("button", 109, "Buy", WS_GROUP | BS_RADIOBUTTON, 100, 66, 60, 12),
        Item("button", 110, "Speed Setting", BS_GROUPBOX, 92, 26, 100, 58),
    };
    auto dialog = Open(t);
    dynamic_cast<TCheckBox*>(dialog->GetDlgItem(105))->Check();
    dynamic_cast<TCheckBox*>(dialog->GetDlgItem(106))->Check();
    dynamic_cast<TRadioButton*>(dialog->GetDlgItem(107))->Check();
    // The focus on a label with a mnemonic and a descender shows the mark around it.
    dialog->GetDlgItem(104)->SetFocus();
    Pump();
    EXPECT_TRUE(
        MatchesGolden(TDesktop::Get().GetScreen(), "dialog_buttons", ClientArea(dialog.get())));
}

TEST_F(DialogGoldenTest, StaticsRulesAndABitmap) {
    TDibImage image;
    image.Width = 16;
    image.Height = 16;
    image.Colors = {{0, 0, 0xC0, 0}, {0, 0xC0, 0xC0, 0}, {0xFF, 0xFF, 0xFF, 0}};
    for (i32 y = 0; y < 16; ++y)
        for (i32 x = 0; x < 16; ++x)
            image.Pixels.push_back(
                static_cast<u8>(x == y || x == 15 - y ? 2 : (x / 4 + y / 4) % 2));
    ASSERT_TRUE(TBitmapResources::Get().Add(9001, image));
    TDialogTemplate t = Base("Statics", 200, 120);
    t.Items = {
        Item("static", -1, "A left text that wraps onto a second line.", SS_LEFT, 8, 8, 80, 20),
        Item("static", 103, "Warning Msg", SS_CENTER | SS_SUNKEN, 96, 8, 96, 20),
        Item("static", -1, "Right", SS_RIGHT, 8, 32, 80, 10),
        Item("static", 10000, "Total $ Bet", SS_LEFTNOWORDWRAP | WS_BORDER, 96, 32, 55, 10),
        Item("static", 10001, "1234567890+", SS_LEFTNOWORDWRAP | WS_BORDER, 150, 32, 42, 10),
        Item("static", -1, "", SS_BLACKFRAME, 8, 48, 80, 30),
        Item("static", 120, "#9001", SS_BITMAP, 100, 52, 20, 20),
        Item("BorShade", -1, "", 0, 3, 86, 194, 2),
        Item("BorBtn", IDOK, "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 75, 96, 50, 14),
    };
    auto dialog = Open(t);
    EXPECT_TRUE(
        MatchesGolden(TDesktop::Get().GetScreen(), "dialog_statics", ClientArea(dialog.get())));
}

TEST_F(DialogGoldenTest, Edits) {
    TDialogTemplate t = Base("Edits", 200, 100);
    t.Items = {
        Item("static", -1, "Name of Gambler:", SS_LEFT, 8, 10, 60, 10),
        Item("edit", 200, "", WS_TABSTOP | WS_BORDER | ES_CENTER, 70, 8, 80, 12),
        Item("edit", 201, "Greyed", WS_TABSTOP | WS_BORDER | WS_DISABLED, 155, 8, 38, 12),
        Item("edit", 101, "", WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_CENTER, 8,
             26, 123, 57),
        Item("BorBtn", IDOK, "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 140, 70, 50, 14),
    };
    auto dialog = Open(t);
    auto* advice = dynamic_cast<TEdit*>(dialog->GetDlgItem(101));
    ASSERT_NE(advice, nullptr);
    advice->SetText("Place bets on the 6 and 8 rather than the 4 and 10: the house keeps less of "
                    "them.\r\n\r\nTake the free odds behind your line bets whenever you can, "
                    "since they pay true odds and the house has no edge on them at all.");
    for (char c : std::string("Joe42"))
        Type(c);
    Pump();
    EXPECT_GT(advice->GetLines().size(), 6U);
    EXPECT_TRUE(
        MatchesGolden(TDesktop::Get().GetScreen(), "dialog_edits", ClientArea(dialog.get())));
}

TEST_F(DialogGoldenTest, ListComboAndGauges) {
    TDialogTemplate t = Base("Lists", 250, 130);
    t.FontFace = "Courier";
    t.PointSize = 10;
    // The list is as wide as the game's gambler list needs: 34 columns and a scroll bar.
    t.Items = {
        Item("listbox", 100, "", LBS_NOTIFY | LBS_USETABSTOPS | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
             8, 8, 150, 60),
        Item("combobox", 115, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 166, 8, 76, 63),
        Item("BorBtn", IDOK, "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 190, 110, 50, 14),
    };
    TResourceRegistry::Get().AddDialog(90, t);
    auto dialog = std::make_unique<TDialog>(nullptr, 90);
    auto* list = new TListBox(dialog.get(), 100);
    auto* combo = new TComboBox(dialog.get(), 115);
    ASSERT_TRUE(dialog->Create());
    // Rows as the gambler list lays them out: blanks to fixed columns (the mark at 2, the
    // name at 8, the sex at 22, the bankroll ending at 34) in the dialog's Courier.
    for (const char* row :
         {"  *     Joe           M       $500", "        Amy           F      $2500",
          "  *     Bob           M       $200", "        Carla         F      $1200",
          "        Maximilianus  M        $90", "        Eve           F       $300",
          "        Frank         M        $10", "        Gina          F        $45",
          "        Hal           M         $7"})
        list->AddString(row);
    list->SetSelIndex(2);
    for (const char* name : {"Joe Gambler", "Amy", "Bob"})
        combo->AddString(name);
    combo->SetSelIndex(0);
    const TRect units = dialog->MapDialogRect({8, 76, 242, 88});
    auto* gauge = new TGauge(dialog.get(), "Num: %d", 1000, units.left, units.top, units.Width(),
                             units.Height());
    ASSERT_TRUE(gauge->Create());
    gauge->SetRange(0, 10);
    gauge->SetValue(6);
    const TRect units2 = dialog->MapDialogRect({8, 92, 242, 100});
    auto* bar =
        new TGauge(dialog.get(), "", 200, units2.left, units2.top, units2.Width(), units2.Height());
    ASSERT_TRUE(bar->Create());
    bar->SetColor(TColor(255, 255, 0));
    bar->SetRange(0, 3);
    bar->SetValue(1);
    Pump();
    EXPECT_TRUE(
        MatchesGolden(TDesktop::Get().GetScreen(), "dialog_lists", ClientArea(dialog.get())));
    // The dropped list lies over the dialog and beyond it.
    Click(Centre(combo));
    ASSERT_TRUE(combo->IsListShown());
    Backend().MouseMove(TDesktop::Get().ClientToScreen(dialog.get(), {0, 0}));
    Pump();
    TRect area = ClientArea(dialog.get());
    area.bottom += 40;
    EXPECT_TRUE(MatchesGolden(TDesktop::Get().GetScreen(), "dialog_combo_open", area));
}

TEST_F(DialogGoldenTest, MessageBoxes) {
    TMessageBoxUi ui;
    struct Case {
        const char* golden;
        const char* caption;
        const char* text;
        u32 flags;
    };
    const Case cases[] = {
        {"msgbox_stop_yesno", "Quit Mode ?", "Do you really want to quit this mode?",
         MB_YESNO | MB_ICONSTOP | MB_SYSTEMMODAL},
        {"msgbox_info_ok", "Table Limit",
         "The table limit is $1000.\nYour bet was reduced to fit under it.",
         MB_OK | MB_ICONINFORMATION | MB_TASKMODAL},
        {"msgbox_plain_ok", "Out of Cash", "You don't have enough money for that bet.", MB_OK},
    };
    for (const Case& c : cases) {
        Backend().After(10, [&] {
            HWND box = TDesktop::Get().FindWindow(nullptr, c.caption);
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(MatchesGolden(TDesktop::Get().GetScreen(), c.golden, ClientArea(box)))
                << c.golden;
            Backend().Key(VK_RETURN);
        });
        EXPECT_EQ(MessageBoxExA(nullptr, c.text, c.caption, c.flags),
                  DefaultMessageBoxAnswer(c.flags));
    }
}

} // namespace

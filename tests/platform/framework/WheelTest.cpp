// The mouse wheel through the desktop: to the window under the mouse, to the focus when the
// mouse is off every client area, on to the parent of a window that does not scroll, and a
// list box's rows scrolled three a notch.
#include "DialogTestFixture.h"

namespace {

TDialogTemplate WheelTemplate() {
    TDialogTemplate t = FormTemplate();
    t.Caption = "Wheel";
    t.Items = {
        Item("listbox", 300, "", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 8, 8, 100, 44),
        Item("edit", 200, "", WS_TABSTOP | WS_BORDER, 120, 8, 50, 12),
    };
    return t;
}

class WheelTest : public DialogFixture {
protected:
    void SetUp() override {
        TResourceRegistry::Get().AddDialog(89, WheelTemplate());
        Dialog = std::make_unique<TRecordingDialog>(nullptr, 89);
        List = new TListBox(Dialog.get(), 300);
        Edit = new TEdit(Dialog.get(), 200, 13);
        ASSERT_TRUE(Dialog->Create());
        for (int i = 0; i < 20; ++i)
            List->AddString(("row " + std::to_string(i)).c_str());
        List->SetSelIndex(4);
        Pump();
    }
    void Wheel(TPoint at, i32 notches) {
        Backend().MouseMove(at);
        Backend().Wheel(at, notches);
        Pump();
    }

    std::unique_ptr<TRecordingDialog> Dialog;
    TListBox* List = nullptr;
    TEdit* Edit = nullptr;
};

TEST_F(WheelTest, AListScrollsThreeRowsANotchWithinItsRowsAndKeepsItsSelection) {
    const int maxTop =
        List->GetCount() - (List->GetClientRect().Height() - 2) / List->GetItemHeight();
    ASSERT_GT(maxTop, 6);
    const HWND focus = Focus();
    const struct {
        i32 Notches;
        int Top;
    } steps[] = {{-1, 3}, {-1, 6}, {1, 3}, {-2, 9}, {-100, maxTop}, {100, 0}, {1, 0}};
    for (const auto& s : steps) {
        Wheel(Centre(List), s.Notches);
        EXPECT_EQ(List->GetTopIndex(), s.Top) << s.Notches;
    }
    // The wheel only looks: no selection change, no notice, no focus taken.
    EXPECT_EQ(List->GetSelIndex(), 4);
    EXPECT_TRUE(Dialog->Seen.empty());
    EXPECT_EQ(Focus(), focus);
}

TEST_F(WheelTest, TheTurnGoesUnderTheMouseOrElseToTheFocus) {
    // Over the edit, which does not scroll: the edit hands it to the dialog, not to the list.
    Wheel(Centre(Edit), -1);
    EXPECT_EQ(List->GetTopIndex(), 0);
    // Over the caption, off every client area: the focused list scrolls.
    TDesktop::Get().SetFocus(List);
    const TRect window = Dialog->GetWindowRect();
    Wheel({window.left + window.Width() / 2, window.top + 4}, -1);
    EXPECT_EQ(List->GetTopIndex(), 3);
    // A disabled list under the mouse is passed over: the dialog beneath it does nothing.
    List->EnableWindow(false);
    Wheel(Centre(List), -1);
    EXPECT_EQ(List->GetTopIndex(), 3);
}

} // namespace

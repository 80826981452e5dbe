// The look of controls where a pixel matters: focus marks clear of their labels, a centred
// check mark, a round radio button, and dropped-list texts in line with the field.
#include "DialogTestFixture.h"

#include "platform/framework/Theme.h"

#include <optional>

namespace {

class ControlLookTest : public DialogFixture {
protected:
    std::unique_ptr<TDialog> Open(std::vector<TDialogItemTemplate> items) {
        TDialogTemplate t = FormTemplate();
        t.Items = std::move(items);
        TResourceRegistry::Get().AddDialog(91, t);
        auto dialog = std::make_unique<TDialog>(nullptr, 91);
        EXPECT_TRUE(dialog->Create());
        Pump();
        return dialog;
    }
    // A pixel of a control, in its client coordinates.
    u32 Pixel(HWND w, i32 x, i32 y) {
        const TPoint p = At(w, x, y);
        return TDesktop::Get().GetScreen().GetPixel(p.x, p.y);
    }
    // The smallest rectangle holding every pixel of the colour inside the area.
    std::optional<TRect> Bounds(HWND w, const TRect& area, u32 color) {
        std::optional<TRect> found;
        for (i32 y = area.top; y < area.bottom; ++y)
            for (i32 x = area.left; x < area.right; ++x)
                if (Pixel(w, x, y) == color)
                    found = found ? *found | TRect{x, y, x + 1, y + 1} : TRect{x, y, x + 1, y + 1};
        return found;
    }
};

TEST_F(ControlLookTest, TheFocusMarkKeepsClearOfTheLabelItsUnderlineAndItsDescenders) {
    struct TCase {
        const char* Class;
        u32 Style;
        const char* Text;
    };
    const TCase cases[] = {
        {"button", BS_AUTOCHECKBOX, "&Hardways working"},
        {"button", BS_AUTOCHECKBOX, "Pla&y gypsy"},
        {"button", BS_AUTORADIOBUTTON, "&Quickly"},
        {"button", BS_AUTORADIOBUTTON, "Bu&y jQ"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        auto dialog = Open({Item(c.Class, 102, c.Text, WS_TABSTOP | c.Style, 8, 8, 100, 12)});
        HWND control = dialog->GetDlgItem(102);
        ASSERT_NE(control, nullptr);
        ASSERT_EQ(Focus(), control);
        const TRect client = control->GetClientRect();
        // Right of the box, the outermost black is the dotted mark; a pixel inside it, all
        // round, must be free of ink.
        const std::optional<TRect> mark =
            Bounds(control, {13, 0, client.right, client.bottom}, Theme::WindowText);
        ASSERT_TRUE(mark.has_value());
        EXPECT_EQ(*mark & client, *mark);
        const TRect ring{mark->left + 1, mark->top + 1, mark->right - 1, mark->bottom - 1};
        for (i32 x = ring.left; x < ring.right; ++x) {
            EXPECT_NE(Pixel(control, x, ring.top), Theme::WindowText) << x;
            EXPECT_NE(Pixel(control, x, ring.bottom - 1), Theme::WindowText) << x;
        }
        for (i32 y = ring.top; y < ring.bottom; ++y) {
            EXPECT_NE(Pixel(control, ring.left, y), Theme::WindowText) << y;
            EXPECT_NE(Pixel(control, ring.right - 1, y), Theme::WindowText) << y;
        }
    }
}

TEST_F(ControlLookTest, TheCheckMarkSitsInTheMiddleOfItsBox) {
    auto dialog =
        Open({Item("button", 102, "Fast dice", WS_TABSTOP | BS_AUTOCHECKBOX, 8, 8, 80, 12),
              Item("button", 103, "Greyed", BS_AUTO3STATE, 8, 24, 80, 12)});
    auto* fast = dynamic_cast<TCheckBox*>(dialog->GetDlgItem(102));
    auto* greyed = dynamic_cast<TCheckBox*>(dialog->GetDlgItem(103));
    ASSERT_NE(fast, nullptr);
    ASSERT_NE(greyed, nullptr);
    fast->Check();
    greyed->SetCheck(BF_GRAYED);
    Pump();
    const std::pair<TCheckBox*, u32> marks[] = {{fast, Theme::WindowText},
                                                {greyed, Theme::Shadow3d}};
    for (const auto& [box, ink] : marks) {
        SCOPED_TRACE(box->GetText());
        // The well is what lies inside the box's two-pixel sunken edge.
        const i32 top = (box->GetClientRect().Height() - 13) / 2;
        const TRect well{2, top + 2, 11, top + 11};
        const std::optional<TRect> tick = Bounds(box, well, ink);
        ASSERT_TRUE(tick.has_value());
        EXPECT_EQ(tick->Size(), TSize(7, 7));
        EXPECT_EQ(tick->top - well.top, well.bottom - tick->bottom);
        EXPECT_EQ(tick->left - well.left, well.right - tick->right);
    }
}

TEST_F(ControlLookTest, TheRadioButtonIsRoundAndLitFromTheTopLeft) {
    auto dialog =
        Open({Item("button", 102, "Rich", WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON, 8, 8, 60, 12),
              Item("button", 103, "Richest", BS_RADIOBUTTON, 8, 24, 60, 12),
              Item("button", 104, "Buy", WS_DISABLED | BS_RADIOBUTTON, 8, 40, 60, 12)});
    dynamic_cast<TRadioButton*>(dialog->GetDlgItem(103))->Check();
    dynamic_cast<TRadioButton*>(dialog->GetDlgItem(104))->Check();
    Pump();
    for (int id : {102, 103, 104}) {
        SCOPED_TRACE(id);
        HWND radio = dialog->GetDlgItem(id);
        const i32 top = (radio->GetClientRect().Height() - 12) / 2;
        const auto at = [&](i32 x, i32 y) { return Pixel(radio, x, top + y); };
        const auto outer = [&](i32 x, i32 y) {
            return at(x, y) == Theme::Shadow3d || at(x, y) == Theme::Highlight3d;
        };
        for (i32 y = 0; y < 12; ++y)
            for (i32 x = 0; x < 12; ++x) {
                // Shading mirrors across the diagonal the light falls along...
                EXPECT_EQ(at(x, y), at(y, x)) << x << "," << y;
                // ...and the outer ring is the same circle seen from every side.
                EXPECT_EQ(outer(x, y), outer(11 - x, y)) << x << "," << y;
                EXPECT_EQ(outer(x, y), outer(x, 11 - y)) << x << "," << y;
            }
        // The ring is lit: shadow at the top, highlight at the bottom.
        EXPECT_EQ(at(5, 0), Theme::Shadow3d);
        EXPECT_EQ(at(5, 11), Theme::Highlight3d);
    }
}

TEST_F(ControlLookTest, TheDroppedListsTextsLineUpWithTheFields) {
    auto dialog =
        Open({Item("combobox", 115, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 8, 8, 76, 63),
              Item("BorBtn", IDOK, "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 120, 68, 46, 14)});
    auto* combo = dynamic_cast<TComboBox*>(dialog->GetDlgItem(115));
    ASSERT_NE(combo, nullptr);
    for (const char* name : {"Joe Gambler", "Amy"})
        combo->AddString(name);
    combo->SetSelIndex(1);
    Click(Centre(combo));
    ASSERT_TRUE(combo->IsListShown());
    Backend().MouseMove(At(dialog.get(), 0, 0));
    Pump();
    // The field's text, inside its sunken edge and left of its button, black on white; the
    // same text on the list's highlighted second row, inside its one-pixel border.
    const TRect field = combo->GetClientRect();
    const std::optional<TRect> shown =
        Bounds(combo, {2, 2, field.right / 2, field.bottom - 2}, Theme::WindowText);
    const i32 h = combo->GetItemHeight();
    const TRect row{1, field.bottom + 1 + h, field.right - 1, field.bottom + 1 + 2 * h};
    const std::optional<TRect> listed = Bounds(combo, row, Theme::SelectedText);
    ASSERT_TRUE(shown.has_value());
    ASSERT_TRUE(listed.has_value());
    EXPECT_EQ(listed->left, shown->left);
    EXPECT_GE(listed->left, 4);
}

} // namespace

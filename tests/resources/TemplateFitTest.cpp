// Every dialog template's texts measured in the dialog's own font at the size the platform
// draws them: each must fit the control that shows it.
#include "resources/Resources.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinConstants.h"
#include "platform/framework/chrome/Theme.h"
#include "platform/framework/controls/ControlConstants.h"
#include "platform/framework/dialogs/DialogUnits.h"
#include "platform/framework/draw/Gdi.h"
#include "platform/framework/draw/GdiObject.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// The room a control leaves its text, as the controls' painters lay it out, and how they
// break it.
struct TTextRoom {
    TRect Box;
    u32 Format = 0;
    // A group box's title takes the border's width beside it as well.
    i32 Extra = 0;
};

bool TakesText(const TDialogItemTemplate& item, TRect r, TTextRoom& room) {
    if (item.Text.empty())
        return false;
    if (item.ClassName == "static") {
        const u32 type = item.Style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP &&
            type != SS_SIMPLE)
            return false;
        i32 inset = (item.Style & SS_SUNKEN) != 0 ? 1 : 0;
        inset += (item.Style & WS_BORDER) != 0 ? 1 : 0;
        room.Box = {r.left + inset, r.top + inset, r.right - inset, r.bottom - inset};
        room.Format = type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE ? DT_SINGLELINE : DT_WORDBREAK;
        room.Format |= DT_EXPANDTABS;
        return true;
    }
    if (item.ClassName != "button" && item.ClassName != "BorBtn")
        return false;
    if ((item.Style & BS_BITMAP) != 0)
        return false;
    room.Format = DT_SINGLELINE;
    switch (item.Style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        room.Box = {r.left + 4, r.top + 3, r.right - 4, r.bottom - 3};
        return true;
    case BS_GROUPBOX:
        // The title starts 8 pixels in, with two pixels of face either side, and stops
        // short of the right-hand border.
        room.Box = r;
        room.Extra = 8 + 4 + 1;
        return true;
    default:
        // Check boxes and radio buttons: the mark and its gap take 17 pixels.
        room.Box = {r.left + 17, r.top, r.right, r.bottom};
        return true;
    }
}

class TemplateFitTest : public ::testing::Test {
protected:
    void SetUp() override {
        TResourceRegistry::Get().Clear();
        RegisterResources();
    }
    void TearDown() override { TResourceRegistry::Get().Clear(); }

    THeadlessSession Session;
};

TEST_F(TemplateFitTest, EveryTemplateTextFitsItsControl) {
    const u32 dialogs[] = {IDD_EXPERT,        IDD_WARNING,       IDD_GAUGE,       IDD_SCROLLMSG,
                           IDD_DETAILLEVEL,   IDD_BITMAP,        IDD_SILENTGAUGE, IDD_GAMBLER,
                           IDD_GAMBLERDELETE, IDD_GAMBLERCREATE, IDD_GAMBLERMSG,  IDD_BETOPTIONS,
                           IDD_STATS,         IDD_GRAPH};
    int measured = 0;
    for (const u32 id : dialogs) {
        const TDialogTemplate* t = TResourceRegistry::Get().FindDialog(id);
        ASSERT_NE(t, nullptr) << id;
        // The font the dialog itself makes.
        const bool ownFont = (t->Style & DS_SETFONT) != 0 && !t->FontFace.empty();
        const TFont font(ownFont ? t->FontFace.c_str() : Theme::SystemFontFace,
                         -MulDiv(ownFont ? t->PointSize : Theme::SystemFontPoints, 96, 72));
        const TDialogBaseUnits units = BaseUnitsOfFont(font);
        ASSERT_GT(units.X, 0);
        HDC dc = GetDC(nullptr);
        ASSERT_NE(dc, nullptr);
        HFONT old = SelectObject(dc, static_cast<HFONT>(font));
        for (const TDialogItemTemplate& item : t->Items) {
            TTextRoom room;
            if (!TakesText(item, DialogUnitsToPixels(units, item.X, item.Y, item.W, item.H), room))
                continue;
            ++measured;
            TRect need{0, 0, room.Box.Width(), 0};
            DrawText(dc, item.Text.c_str(), static_cast<int>(item.Text.size()), &need,
                     room.Format | DT_CALCRECT);
            EXPECT_LE(need.Width() + room.Extra, room.Box.Width())
                << "dialog " << id << " \"" << item.Text << "\" is too wide";
            EXPECT_LE(need.Height(), room.Box.Height())
                << "dialog " << id << " \"" << item.Text << "\" is too tall";
        }
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
    }
    // The walk reached the texts at all: the speed dialog alone has ten.
    EXPECT_GT(measured, 40);
}

} // namespace

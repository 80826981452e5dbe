// The shared scene: its menu, its dialog template and the client's drawing.
#include "SdlScene.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/chrome/Chrome.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/Static.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/menus/Menu.h"

namespace {

constexpr u32 SceneMenuId = 7;

TMenuTemplate SceneMenu() {
    TMenuTemplate menu;
    menu.Items.push_back(
        {"&Game", 0, MF_POPUP, {{"&New Game", 301, 0, {}}, {"E&xit", 302, 0, {}}}});
    menu.Items.push_back(
        {"&Options",
         0,
         MF_POPUP,
         {{"&Sound", 311, 0, {}}, {"", 0, MF_SEPARATOR, {}}, {"&Table Speed...", 312, 0, {}}}});
    menu.Items.push_back({"&Help", 0, MF_POPUP, {{"&Contents", 321, 0, {}}}});
    return menu;
}

TDialogItemTemplate SceneItem(const char* cls, int id, const char* text, u32 style, i16 x, i16 y,
                              i16 w, i16 h) {
    return {cls, id, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h};
}

// Nothing in it blinks or depends on the clock, so that both desktops show the same pixels.
TDialogTemplate SceneDialog() {
    TDialogTemplate t;
    t.Caption = "Place Your Bets";
    t.ClassName = "bordlg";
    t.Style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
    t.FontFace = "MS Sans Serif";
    t.PointSize = 8;
    t.X = 90;
    t.Y = 70;
    t.W = 170;
    t.H = 80;
    t.Items = {
        SceneItem("static", -1, "Table minimum is $5.", SS_LEFT, 10, 10, 150, 10),
        SceneItem("button", 402, "&Hardways working", WS_TABSTOP | BS_AUTOCHECKBOX, 10, 28, 110,
                  12),
        SceneItem("BorBtn", IDOK, "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 56, 56, 46, 14),
        SceneItem("BorBtn", IDCANCEL, "Cancel", WS_TABSTOP, 114, 56, 46, 14),
    };
    return t;
}

// A table of felt with a rail, a few chalk lines and a label.
class TSceneTable : public TWindow {
public:
    // The frame shrinks around it, as the game's frame does around its table.
    TSceneTable() : TWindow(nullptr, "Table") {
        Attr.W = 640;
        Attr.H = 480;
    }

    void Paint(TDC& dc, bool, TRect&) override {
        const TRect r = GetClientRect();
        dc.FillSolidRect(r, MakeArgb(0x00, 0x60, 0x30));
        dc.FillSolidRect({r.left, r.top, r.right, r.top + 12}, MakeArgb(0x60, 0x30, 0x10));
        TPen chalk(TColor(255, 255, 255));
        dc.SelectObject(chalk);
        dc.SelectStockObject(NULL_BRUSH);
        dc.Rectangle(40, 40, 600, 420);
        for (i32 x = 120; x < 600; x += 80) {
            dc.MoveTo(x, 40);
            dc.LineTo(x, 140);
        }
        dc.MoveTo(40, 140);
        dc.LineTo(600, 140);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(TColor(255, 255, 0));
        dc.TextOut(60, 380, "PASS LINE");
        dc.RestoreObjects();
    }
};

} // namespace

TSdlScene BuildSdlScene(TApplication& app) {
    TResourceRegistry::Get().AddMenu(SceneMenuId, SceneMenu());
    TSdlScene scene;
    auto* frame = new TFrameWindow(nullptr, "Craps Table", nullptr, true);
    frame->Attr.Style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    frame->Attr.X = 77;
    frame->Attr.Y = 19;
    frame->Attr.W = 646;
    frame->Attr.H = 524;
    frame->SetClientWindow(new TSceneTable);
    app.SetMainWindow(frame);
    if (!frame->Create() || !frame->AssignMenu(SceneMenuId))
        return scene;
    frame->ShowWindow(SW_SHOWNORMAL);
    scene.Frame = frame;
    auto* dialog = new TDialog(frame, SceneDialog());
    if (!dialog->Create())
        return scene;
    dialog->ShowWindow(SW_SHOWNORMAL);
    scene.Dialog = dialog;
    return scene;
}

TPoint SceneBarItemCentre(TFrameWindow* frame, int index) {
    const TRect r = ChromeLayout::MenuBarItemRects(frame).at(static_cast<size_t>(index));
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The statistics table's and the graph's dialog templates.
#include "Resources.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinConstants.h"
#include "platform/framework/controls/ControlConstants.h"

#include <array>

namespace {

constexpr u32 Child = WS_CHILD | WS_VISIBLE;
constexpr u32 DialogStyle =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

TDialogItemTemplate Control(const char* cls, int id, const char* text, u32 style, i16 x, i16 y,
                            i16 w, i16 h) {
    return {cls, id, text, Child | style, x, y, w, h};
}

TDialogTemplate StatsTemplate() {
    TDialogTemplate t;
    t.Caption = "Casino Varnel Statistics";
    t.Style = DialogStyle;
    t.FontFace = "MS Sans Serif";
    t.PointSize = 8;
    t.W = 322;
    t.H = 250;
    t.Items = {
        Control("button", 137, "Show &Graph", WS_TABSTOP | BS_PUSHBUTTON, 35, 215, 53, 20),
        Control("button", 1, "&Close Stats", WS_TABSTOP | BS_DEFPUSHBUTTON, 235, 215, 54, 20),
        Control("BorBtn", 110, "", WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP, 151, 200, 20, 21),
        Control("BorBtn", 111, "", WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP, 151, 223, 20, 21),
        Control("BorBtn", 112, "", WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP, 124, 211, 20, 21),
        Control("BorBtn", 113, "", WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP, 177, 211, 20, 21),
    };
    // The cell window: a label column 110 wide, then five columns 40 wide, 17 rows of 10.
    constexpr std::array<i16, IDC_STATCOLUMNS> ColumnX = {6, 116, 156, 196, 236, 276};
    for (int r = 0; r < IDC_STATROWS; ++r)
        for (int c = 0; c < IDC_STATCOLUMNS; ++c)
            t.Items.push_back(Control("static", IDC_STATCELL + IDC_STATCOLUMNS * r + c, "",
                                      WS_BORDER | SS_LEFTNOWORDWRAP, ColumnX[c],
                                      static_cast<i16>(25 + 10 * r), c == 0 ? 110 : 40, 10));
    t.Items.push_back(
        Control("combobox", 115, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 225, 5, 84, 63));
    t.Items.push_back(Control("static", 114, "Game Name", SS_LEFT, 12, 6, 83, 12));
    // Last, so that it lies beneath the cells it frames: its face would cover them.
    t.Items.push_back(Control("static", -1, "", SS_BLACKFRAME, 3, 23, 316, 174));
    return t;
}

TDialogTemplate GraphTemplate() {
    TDialogTemplate t;
    t.Caption = "Graph";
    t.Style = DialogStyle;
    t.FontFace = "MS Sans Serif";
    t.PointSize = 8;
    t.W = 322;
    t.H = 230;
    t.Items = {
        Control("button", 123, "&OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 266, 6, 50, 14),
        Control("combobox", 124, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 16, 6, 119, 192),
    };
    return t;
}

} // namespace

void RegisterStatDialogs() {
    TResourceRegistry::Get().AddDialog(IDD_STATS, StatsTemplate());
    TResourceRegistry::Get().AddDialog(IDD_GRAPH, GraphTemplate());
}

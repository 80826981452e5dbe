// Dialog templates: the engine's dialogs, their places, fonts and controls in dialog units.
#include "Resources.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinConstants.h"
#include "platform/framework/controls/ControlConstants.h"
#include "platform/host/MessageBox.h"

namespace {

constexpr u32 Child = WS_CHILD | WS_VISIBLE;

TDialogItemTemplate Control(const char* cls, int id, const char* text, u32 style, i16 x, i16 y,
                            i16 w, i16 h) {
    return {cls, id, text, Child | style, x, y, w, h};
}

TDialogTemplate Dialog(const char* caption, const char* cls, u32 style, i16 x, i16 y, i16 w,
                       i16 h) {
    TDialogTemplate t;
    t.Caption = caption;
    t.ClassName = cls;
    t.Style = style | DS_SETFONT;
    t.FontFace = "MS Sans Serif";
    t.PointSize = 8;
    t.X = x;
    t.Y = y;
    t.W = w;
    t.H = h;
    return t;
}

TDialogTemplate ExpertTemplate() {
    // Shown by the dialog itself once it has found its place.
    TDialogTemplate t = Dialog("The Expert thinks...", "", WS_POPUP | WS_CAPTION, 20, 4, 127, 75);
    t.FontFace = "MS Serif";
    t.PointSize = 11;
    t.Items = {
        Control("edit", 101, "", WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_CENTER, 2,
                3, 123, 57),
        Control("button", IDOK, "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 38, 62, 50, 11),
    };
    return t;
}

TDialogTemplate WarningTemplate() {
    TDialogTemplate t =
        Dialog("Warning !", "", WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME, 0, 0, 220, 111);
    t.Items = {
        Control("static", 103, "Warning Msg", SS_CENTER | SS_SUNKEN, 16, 8, 188, 56),
        Control("button", 101, "Don't show again", WS_TABSTOP | BS_AUTOCHECKBOX, 76, 68, 96, 12),
        Control("button", IDOK, "OK", WS_TABSTOP | BS_PUSHBUTTON, 84, 88, 50, 14),
    };
    return t;
}

TDialogTemplate GaugeTemplate() {
    TDialogTemplate t = Dialog("Gauge Dialog", "",
                               WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME, 11, 31, 178, 92);
    t.Items = {
        Control("static", 1001, "name", SS_CENTER, 8, 52, 158, 24),
        // Only marks where the gauge goes.
        Control("button", 1000, "dummycontrol", BS_PUSHBUTTON, 20, 12, 134, 26),
    };
    return t;
}

TDialogTemplate ScrollMessageTemplate() {
    TDialogTemplate t =
        Dialog("Scroll Msg Dlg", "", WS_POPUP | WS_VISIBLE | WS_CAPTION, 38, 27, 189, 192);
    t.Items = {
        Control("listbox", 201, "", WS_TABSTOP | WS_BORDER | WS_VSCROLL, 14, 17, 163, 131),
        Control("button", IDOK, "Ok", WS_TABSTOP | BS_PUSHBUTTON, 68, 164, 50, 14),
    };
    return t;
}

TDialogTemplate SpeedTemplate() {
    TDialogTemplate t = Dialog("Game Speed Control", "bordlg", WS_POPUP | WS_VISIBLE | WS_CAPTION,
                               22, 33, 287, 178);
    t.Items = {
        Control("BorBtn", IDOK, "OK", WS_TABSTOP | BS_PUSHBUTTON, 124, 147, 37, 25),
        Control("button", 101, "Richest", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 16, 25, 46,
                12),
        Control("button", 102, "Rich", BS_AUTORADIOBUTTON, 16, 58, 46, 12),
        Control("button", 103, "Fast", BS_AUTORADIOBUTTON, 16, 86, 46, 12),
        Control("button", 104, "Fastest", BS_AUTORADIOBUTTON, 16, 116, 46, 12),
        Control("static", -1,
                "(Recommended) This setting will provide the richest game experience and is "
                "highly recommended.",
                SS_LEFT, 66, 25, 204, 24),
        Control("static", -1,
                "This setting will cause the dealer to be slightly less talkative than at the "
                "richest setting.",
                SS_LEFT, 66, 58, 204, 24),
        Control("static", -1,
                "This setting will provide a quicker game flow for players who want more action "
                "and less chatter.",
                SS_LEFT, 66, 86, 204, 24),
        Control("static", -1,
                "This setting will result in super fast game flow. Recommended for computers "
                "which run slowly on all of the other settings.",
                SS_LEFT, 66, 116, 204, 24),
        Control("button", 105, "Speed Setting", WS_GROUP | BS_GROUPBOX, 8, 6, 272, 137),
    };
    return t;
}

TDialogTemplate BitmapTemplate() {
    // No caption and no frame: the whole window is the picture.
    TDialogTemplate t = Dialog("", "bordlg", WS_POPUP | WS_VISIBLE, 6, 15, 203, 113);
    t.Items = {
        Control("button", IDOK, "Ok", WS_TABSTOP | BS_DEFPUSHBUTTON, 169, 95, 31, 14),
    };
    return t;
}

TDialogTemplate SilentReporterTemplate() {
    return Dialog("", "", WS_CHILD, 6, 15, 161, 114);
}

} // namespace

void RegisterDialogs() {
    TResourceRegistry& registry = TResourceRegistry::Get();
    registry.AddDialog(IDD_EXPERT, ExpertTemplate());
    registry.AddDialog(IDD_WARNING, WarningTemplate());
    registry.AddDialog(IDD_GAUGE, GaugeTemplate());
    registry.AddDialog(IDD_SCROLLMSG, ScrollMessageTemplate());
    registry.AddDialog(IDD_DETAILLEVEL, SpeedTemplate());
    registry.AddDialog(IDD_BITMAP, BitmapTemplate());
    registry.AddDialog(IDD_SILENTGAUGE, SilentReporterTemplate());
}

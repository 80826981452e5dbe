// Dialog templates: a dialog's caption, style, font, place and controls in dialog units,
// written as C++ tables and registered as resources.
#pragma once

#include "platform/host/Types.h"

#include <string>
#include <vector>

// One control of a template. The class is the old system's class name ("button",
// "static", "edit", "listbox", "combobox") or the custom-control library's ("BorBtn",
// "BorShade", ...), which are drawn in our own look.
struct TDialogItemTemplate {
    std::string ClassName;
    i32 Id = -1;
    std::string Text;
    u32 Style = 0;
    // Place and size in dialog units.
    i16 X = 0;
    i16 Y = 0;
    i16 W = 0;
    i16 H = 0;
};

struct TDialogTemplate {
    std::string Caption;
    // Empty for the system's dialog class; "bordlg" for the custom-control library's.
    std::string ClassName;
    u32 Style = 0;
    // Used when Style has DS_SETFONT; otherwise the system font.
    std::string FontFace;
    i16 PointSize = 0;
    i16 X = 0;
    i16 Y = 0;
    i16 W = 0;
    i16 H = 0;
    std::vector<TDialogItemTemplate> Items;
};

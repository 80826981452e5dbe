// Dialog units: a template's measures, in quarters of the font's average character width
// and eighths of its height, turned into pixels.
#pragma once

#include "platform/framework/Geometry.h"
#include "platform/framework/draw/GdiTypes.h"

// Pixels of four horizontal and eight vertical dialog units.
struct TDialogBaseUnits {
    i32 X = 0;
    i32 Y = 0;
    friend constexpr bool operator==(const TDialogBaseUnits&, const TDialogBaseUnits&) = default;
};

// From the width of the 52 letters "A".."Z" "a".."z" and the font's cell height, as the old
// system reckons them: half the letter width rounded, and the height itself.
TDialogBaseUnits BaseUnitsFromMeasures(i32 letterRunWidth, i32 cellHeight);

// The base units of a font, measured in it.
TDialogBaseUnits BaseUnitsOfFont(HFONT font);

// A rectangle given as x, y, width and height in dialog units, in pixels (left, top, right,
// bottom), each measure rounded to the nearest pixel.
TRect DialogUnitsToPixels(const TDialogBaseUnits& units, i32 x, i32 y, i32 w, i32 h);

// The classic look's pieces that controls and message boxes are drawn from: 3-D edges,
// focus marks, labels, check marks, radio dots, arrows and scroll bars.
#pragma once

#include "platform/framework/Geometry.h"
#include "platform/host/Types.h"

#include <string>

class TDC;
class TFont;

namespace ControlPaint {

void Edge(TDC& dc, const TRect& r, u32 topLeft, u32 bottomRight);
// Two pixels deep: the edit and list-box well, and the raised button.
void Sunken(TDC& dc, const TRect& r);
void Raised(TDC& dc, const TRect& r);
// A scroll-bar arrow, thumb or drop-down button: raised, and outlined apart from the
// white field beside it.
void ScrollButton(TDC& dc, const TRect& r);
// A push button's face, frame and its default-button ring.
void ButtonFrame(TDC& dc, const TRect& r, bool pressed, bool isDefault);
// The dotted rectangle around what has the focus.
void FocusRect(TDC& dc, const TRect& r);
// A label in the font: '&' underlines unless noPrefix; a disabled one is drawn engraved.
// Returns the rectangle the text took.
TRect Label(TDC& dc, const TFont& font, const std::string& text, const TRect& r, u32 format,
            u32 argb, bool enabled = true);
TSize Measure(TDC& dc, const TFont& font, const std::string& text, u32 format, i32 width);
// A filled triangle pointing down (or up) centred in r.
void Arrow(TDC& dc, const TRect& r, bool down, u32 argb);
void CheckMark(TDC& dc, const TRect& box, u32 argb);
// A round radio button 12 pixels square at the top-left point, with the dot when checked.
void RadioCircle(TDC& dc, TPoint at, bool checked, bool enabled);
// A disc of the diameter at the top-left point.
void Disc(TDC& dc, TPoint at, i32 diameter, u32 argb);

// A vertical scroll bar drawn inside a control: arrows, track and thumb.
struct TVScroll {
    TRect Area;
    // Items in all, items a page shows, the first item shown.
    i32 Total = 0;
    i32 Page = 0;
    i32 Pos = 0;

    enum class THit { None, Up, Down, PageUp, PageDown, Thumb };
    i32 MaxPos() const { return Total > Page ? Total - Page : 0; }
    TRect UpArrow() const;
    TRect DownArrow() const;
    TRect Thumb() const;
    THit HitTest(TPoint p) const;
    // The first item for the thumb's top at y (dragging).
    i32 PosForThumbTop(i32 y) const;
    // The first item a click on an arrow or on the track asks for, within 0 to MaxPos;
    // Pos itself for the thumb or a miss.
    i32 PosForClick(THit hit) const;
    void Paint(TDC& dc, bool enabled) const;
};

constexpr i32 ScrollBarWidth = 16;

} // namespace ControlPaint

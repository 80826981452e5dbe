// The classic look's drawing pieces for controls and message boxes.
#include "ControlPaint.h"

#include "platform/framework/chrome/Theme.h"
#include "platform/framework/draw/Dc.h"

#include <algorithm>
#include <cmath>

namespace ControlPaint {

void Edge(TDC& dc, const TRect& r, u32 topLeft, u32 bottomRight) {
    if (r.IsEmpty())
        return;
    dc.FillSolidRect({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    dc.FillSolidRect({r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    dc.FillSolidRect({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    dc.FillSolidRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void Sunken(TDC& dc, const TRect& r) {
    Edge(dc, r, Theme::Shadow3d, Theme::Highlight3d);
    Edge(dc, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, Theme::DarkShadow3d, Theme::Face);
}

void Raised(TDC& dc, const TRect& r) {
    Edge(dc, r, Theme::Highlight3d, Theme::DarkShadow3d);
    Edge(dc, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, Theme::Face, Theme::Shadow3d);
}

void ScrollButton(TDC& dc, const TRect& r) {
    // The outer edge is face grey at the top left, so that the button stands apart from
    // the white field or list beside it.
    Edge(dc, r, Theme::Face, Theme::DarkShadow3d);
    Edge(dc, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, Theme::Highlight3d,
         Theme::Shadow3d);
}

void ButtonFrame(TDC& dc, const TRect& r, bool pressed, bool isDefault) {
    TRect face = r;
    if (isDefault) {
        Edge(dc, face, Theme::WindowFrame, Theme::WindowFrame);
        face = {face.left + 1, face.top + 1, face.right - 1, face.bottom - 1};
    }
    dc.FillSolidRect(face, Theme::Face);
    if (pressed) {
        Edge(dc, face, Theme::Shadow3d, Theme::Shadow3d);
    } else {
        Raised(dc, face);
    }
}

void FocusRect(TDC& dc, const TRect& r) {
    for (i32 x = r.left; x < r.right; x += 2) {
        dc.FillSolidRect({x, r.top, x + 1, r.top + 1}, Theme::WindowText);
        dc.FillSolidRect({x, r.bottom - 1, x + 1, r.bottom}, Theme::WindowText);
    }
    for (i32 y = r.top; y < r.bottom; y += 2) {
        dc.FillSolidRect({r.left, y, r.left + 1, y + 1}, Theme::WindowText);
        dc.FillSolidRect({r.right - 1, y, r.right, y + 1}, Theme::WindowText);
    }
}

TSize Measure(TDC& dc, const TFont& font, const std::string& text, u32 format, i32 width) {
    dc.SelectObject(font);
    TRect r{0, 0, width, 0};
    ::DrawText(dc.GetHDC(), text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
    dc.RestoreFont();
    return r.Size();
}

TRect Label(TDC& dc, const TFont& font, const std::string& text, const TRect& r, u32 format,
            u32 argb, bool enabled) {
    dc.SelectObject(font);
    dc.SetBkMode(TRANSPARENT);
    // Vertical centring and bottom alignment work on single lines only, so the text is
    // measured and placed here for every layout.
    TRect measured{0, 0, r.Width(), 0};
    ::DrawText(dc.GetHDC(), text.c_str(), static_cast<int>(text.size()), &measured,
               format | DT_CALCRECT);
    i32 top = r.top;
    if ((format & DT_VCENTER) != 0)
        top = r.top + (r.Height() - measured.Height()) / 2;
    else if ((format & DT_BOTTOM) != 0)
        top = r.bottom - measured.Height();
    const TRect place{r.left, top, r.right, top + measured.Height()};
    const u32 flat = format & ~(DT_VCENTER | DT_BOTTOM);
    if (!enabled) {
        dc.SetTextColor(ArgbToColorRef(Theme::Highlight3d));
        dc.DrawText(text, -1, place.OffsetBy(1, 1), flat);
        dc.SetTextColor(ArgbToColorRef(Theme::Shadow3d));
    } else {
        dc.SetTextColor(ArgbToColorRef(argb));
    }
    dc.DrawText(text, -1, place, flat);
    dc.RestoreFont();
    i32 left = r.left;
    if ((format & DT_CENTER) != 0)
        left = r.left + (r.Width() - measured.Width()) / 2;
    else if ((format & DT_RIGHT) != 0)
        left = r.right - measured.Width();
    return {left, top, left + measured.Width(), top + measured.Height()};
}

void Arrow(TDC& dc, const TRect& r, bool down, u32 argb) {
    // Four rows: 7, 5, 3 and 1 pixels wide.
    const i32 cx = r.left + (r.Width() - 7) / 2;
    const i32 cy = r.top + (r.Height() - 4) / 2;
    for (i32 row = 0; row < 4; ++row) {
        const i32 y = down ? cy + row : cy + 3 - row;
        dc.FillSolidRect({cx + row, y, cx + 7 - row, y + 1}, argb);
    }
}

void CheckMark(TDC& dc, const TRect& box, u32 argb) {
    // The classic tick: seven columns, three pixels tall, falling then rising; seven rows
    // in all, centred in the box.
    static constexpr i32 Rise[7] = {2, 3, 4, 3, 2, 1, 0};
    const i32 x0 = box.left + (box.Width() - 7) / 2;
    const i32 y0 = box.top + (box.Height() - 7) / 2;
    for (i32 i = 0; i < 7; ++i)
        dc.FillSolidRect({x0 + i, y0 + Rise[i], x0 + i + 1, y0 + Rise[i] + 3}, argb);
}

void Disc(TDC& dc, TPoint at, i32 diameter, u32 argb) {
    const double radius = diameter / 2.0;
    for (i32 y = 0; y < diameter; ++y) {
        const double dy = y + 0.5 - radius;
        const double half = std::sqrt(std::max(0.0, radius * radius - dy * dy));
        const i32 x0 = static_cast<i32>(std::lround(radius - half));
        const i32 x1 = static_cast<i32>(std::lround(radius + half));
        if (x1 > x0)
            dc.FillSolidRect({at.x + x0, at.y + y, at.x + x1, at.y + y + 1}, argb);
    }
}

void RadioCircle(TDC& dc, TPoint at, bool checked, bool enabled) {
    // Drawn from a pixel map rather than from discs: rounded discs of neighbouring sizes
    // do not nest evenly and dent the rings. The light falls from the top left: S shadow
    // and D dark shadow in the top-left half, H highlight and F face in the bottom-right
    // half, W the well.
    static constexpr const char* Rows[12] = {
        "....SSSS....", "..SSDDDDSS..", ".SDDWWWWDFH.", ".SDWWWWWWFH.",
        "SDWWWWWWWWFH", "SDWWWWWWWWFH", "SDWWWWWWWWFH", "SDWWWWWWWWFH",
        ".SDWWWWWWFH.", ".SFFWWWWFFH.", "..HHFFFFHH..", "....HHHH....",
    };
    // The dot: four by four with its corners cut.
    static constexpr const char* Dot[4] = {".XX.", "XXXX", "XXXX", ".XX."};
    for (i32 y = 0; y < 12; ++y)
        for (i32 x = 0; x < 12; ++x) {
            u32 color = 0;
            switch (Rows[y][x]) {
            case 'S':
                color = Theme::Shadow3d;
                break;
            case 'D':
                color = Theme::DarkShadow3d;
                break;
            case 'H':
                color = Theme::Highlight3d;
                break;
            case 'F':
                color = Theme::Face;
                break;
            case 'W':
                color = enabled ? Theme::WindowBack : Theme::Face;
                break;
            default:
                continue;
            }
            if (checked && x >= 4 && x < 8 && y >= 4 && y < 8 && Dot[y - 4][x - 4] == 'X')
                color = enabled ? Theme::WindowText : Theme::Shadow3d;
            dc.FillSolidRect({at.x + x, at.y + y, at.x + x + 1, at.y + y + 1}, color);
        }
}

TRect TVScroll::UpArrow() const {
    const i32 h = std::min(ScrollBarWidth, Area.Height() / 2);
    return {Area.left, Area.top, Area.right, Area.top + h};
}

TRect TVScroll::DownArrow() const {
    const i32 h = std::min(ScrollBarWidth, Area.Height() / 2);
    return {Area.left, Area.bottom - h, Area.right, Area.bottom};
}

TRect TVScroll::Thumb() const {
    const i32 trackTop = UpArrow().bottom;
    const i32 track = DownArrow().top - trackTop;
    if (MaxPos() == 0 || track < 8)
        return {};
    const i32 size = std::max(8, track * Page / std::max(1, Total));
    const i32 room = track - size;
    const i32 top = trackTop + room * std::clamp(Pos, 0, MaxPos()) / MaxPos();
    return {Area.left, top, Area.right, top + size};
}

TVScroll::THit TVScroll::HitTest(TPoint p) const {
    if (!Area.Contains(p))
        return THit::None;
    if (UpArrow().Contains(p))
        return THit::Up;
    if (DownArrow().Contains(p))
        return THit::Down;
    const TRect thumb = Thumb();
    if (thumb.IsEmpty())
        return THit::None;
    if (thumb.Contains(p))
        return THit::Thumb;
    return p.y < thumb.top ? THit::PageUp : THit::PageDown;
}

i32 TVScroll::PosForThumbTop(i32 y) const {
    const TRect thumb = Thumb();
    const i32 trackTop = UpArrow().bottom;
    const i32 room = DownArrow().top - trackTop - thumb.Height();
    if (room <= 0)
        return Pos;
    const i32 offset = std::clamp(y - trackTop, 0, room);
    return (offset * MaxPos() + room / 2) / room;
}

i32 TVScroll::PosForClick(THit hit) const {
    i32 target = Pos;
    switch (hit) {
    case THit::Up:
        target = Pos - 1;
        break;
    case THit::Down:
        target = Pos + 1;
        break;
    case THit::PageUp:
        target = Pos - Page;
        break;
    case THit::PageDown:
        target = Pos + Page;
        break;
    case THit::Thumb:
    case THit::None:
        break;
    }
    return std::clamp(target, 0, MaxPos());
}

void TVScroll::Paint(TDC& dc, bool enabled) const {
    if (Area.IsEmpty())
        return;
    // The track is a light dither of white and face grey.
    const TRect up = UpArrow();
    const TRect down = DownArrow();
    for (i32 y = up.bottom; y < down.top; ++y)
        for (i32 x = Area.left; x < Area.right; ++x)
            dc.FillSolidRect({x, y, x + 1, y + 1},
                             ((x + y) & 1) != 0 ? Theme::Highlight3d : Theme::Face);
    const bool live = enabled && MaxPos() > 0;
    for (const TRect& r : {up, down}) {
        dc.FillSolidRect(r, Theme::Face);
        ScrollButton(dc, r);
        const u32 color = live ? Theme::WindowText : Theme::Shadow3d;
        Arrow(dc, r, r == down, color);
    }
    const TRect thumb = Thumb();
    if (live && !thumb.IsEmpty()) {
        dc.FillSolidRect(thumb, Theme::Face);
        ScrollButton(dc, thumb);
    }
}

} // namespace ControlPaint

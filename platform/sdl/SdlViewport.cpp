// Viewport arithmetic: the aspect-correct picture, its whole scale and the mapping of points.
#include "SdlViewport.h"

#include <algorithm>

namespace {

// Floor division for a positive divisor: host points left of or above the picture must not
// fold onto column or row 0 from both sides.
i64 FloorDiv(i64 a, i64 b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

i64 CeilDiv(i64 a, i64 b) {
    return -FloorDiv(-a, b);
}

// The host offset from the picture's edge of the first host pixel showing desktop pixel g
// (of n across a picture p wide).
i64 FirstHost(i64 g, i64 n, i64 p) {
    return CeilDiv(g * p, n);
}

// The largest picture with the proportions of w by h that an area aw by ah holds (all at least
// 1): the side that runs out first takes the area's whole length, the other is rounded to the
// nearest pixel and kept at 1 or more.
TSize Proportioned(i64 w, i64 h, i64 aw, i64 ah) {
    i64 pw = aw;
    i64 ph = ah;
    if (aw * h <= ah * w)
        ph = std::clamp<i64>((2 * h * aw + w) / (2 * w), 1, ah);
    else
        pw = std::clamp<i64>((2 * w * ah + h) / (2 * h), 1, aw);
    return {static_cast<i32>(pw), static_cast<i32>(ph)};
}

} // namespace

TSize TSdlViewport::FitWindow(TSize shown, TSize area) {
    if (shown.cx <= 0 || shown.cy <= 0)
        return shown;
    const i32 whole = std::min(area.cx / shown.cx, area.cy / shown.cy);
    if (whole >= 2)
        return {shown.cx * whole, shown.cy * whole};
    // Between 1 and 2 a whole scale would leave much of a small screen unused: the picture
    // takes any size, as a resized window's does, and is worked out as For lays it out, so
    // that it fills the window.
    const TSize fit = Proportioned(shown.cx, shown.cy, std::max(1, area.cx), std::max(1, area.cy));
    return {std::max(fit.cx, shown.cx), std::max(fit.cy, shown.cy)};
}

TSdlViewport TSdlViewport::For(const TRect& shown, TSize area) {
    TSdlViewport v;
    v.Shown = shown;
    const i64 w = std::max(1, shown.Width());
    const i64 h = std::max(1, shown.Height());
    const i64 aw = std::max(1, area.cx);
    const i64 ah = std::max(1, area.cy);
    const TSize picture = Proportioned(w, h, aw, ah);
    const i64 pw = picture.cx;
    const i64 ph = picture.cy;
    const i64 left = (aw - pw) / 2;
    const i64 top = (ah - ph) / 2;
    v.Picture = {static_cast<i32>(left), static_cast<i32>(top), static_cast<i32>(left + pw),
                 static_cast<i32>(top + ph)};
    v.Whole = static_cast<i32>(std::max<i64>({1, CeilDiv(pw, w), CeilDiv(ph, h)}));
    return v;
}

bool TSdlViewport::IsWhole() const {
    return Picture.Width() == Shown.Width() * Whole && Picture.Height() == Shown.Height() * Whole;
}

TPoint TSdlViewport::ToDesktop(i32 hostX, i32 hostY) const {
    auto axis = [](i64 host, i64 pictureStart, i64 pictureExtent, i64 shownStart, i64 shownExtent) {
        if (shownExtent <= 0 || pictureExtent <= 0)
            return static_cast<i32>(shownStart);
        const i64 g = FloorDiv((host - pictureStart) * shownExtent, pictureExtent);
        return static_cast<i32>(shownStart + std::clamp<i64>(g, 0, shownExtent - 1));
    };
    return {axis(hostX, Picture.left, Picture.Width(), Shown.left, Shown.Width()),
            axis(hostY, Picture.top, Picture.Height(), Shown.top, Shown.Height())};
}

TPoint TSdlViewport::ToHost(TPoint desktop) const {
    auto axis = [](i64 d, i64 pictureStart, i64 pictureExtent, i64 shownStart, i64 shownExtent) {
        if (shownExtent <= 0)
            return static_cast<i32>(pictureStart);
        const i64 g = std::clamp<i64>(d - shownStart, 0, shownExtent - 1);
        // A picture smaller than the shown part skips some desktop pixels: the nearest host
        // pixel stands for them.
        const i64 first = std::min(FirstHost(g, shownExtent, pictureExtent), pictureExtent - 1);
        const i64 last =
            std::clamp(FirstHost(g + 1, shownExtent, pictureExtent) - 1, first, pictureExtent - 1);
        return static_cast<i32>(pictureStart + (first + last) / 2);
    };
    return {axis(desktop.x, Picture.left, Picture.Width(), Shown.left, Shown.Width()),
            axis(desktop.y, Picture.top, Picture.Height(), Shown.top, Shown.Height())};
}

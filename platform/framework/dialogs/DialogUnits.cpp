// Dialog units to pixels from a font's measures.
#include "DialogUnits.h"

#include "platform/framework/draw/Gdi.h"

namespace {

constexpr const char LetterRun[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Rounded a * b / c for the small positive and negative measures of templates.
i32 Scale(i32 a, i32 b, i32 c) {
    const i64 p = static_cast<i64>(a) * b;
    const i64 half = c / 2;
    return static_cast<i32>(p >= 0 ? (p + half) / c : -((-p + half) / c));
}

} // namespace

TDialogBaseUnits BaseUnitsFromMeasures(i32 letterRunWidth, i32 cellHeight) {
    return {(letterRunWidth / 26 + 1) / 2, cellHeight};
}

TDialogBaseUnits BaseUnitsOfFont(HFONT font) {
    HDC dc = GetDC(nullptr);
    if (dc == nullptr)
        return {};
    HFONT old = font != nullptr ? SelectObject(dc, font) : nullptr;
    TSize run;
    TEXTMETRIC tm;
    GetTextExtentPoint32(dc, LetterRun, static_cast<int>(sizeof(LetterRun) - 1), &run);
    GetTextMetrics(dc, &tm);
    if (old != nullptr)
        SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return BaseUnitsFromMeasures(run.cx, tm.tmHeight);
}

TRect DialogUnitsToPixels(const TDialogBaseUnits& units, i32 x, i32 y, i32 w, i32 h) {
    const i32 left = Scale(x, units.X, 4);
    const i32 top = Scale(y, units.Y, 8);
    return {left, top, left + Scale(w, units.X, 4), top + Scale(h, units.Y, 8)};
}

// Gauges: range and value, the title as a format, and the drawn bar.
#include "Gauge.h"

#include "ControlPaint.h"
#include "platform/framework/chrome/Theme.h"
#include "platform/framework/draw/Dc.h"

#include <algorithm>

TGauge::TGauge(TWindow* parent, const char* title, int id, i32 x, i32 y, i32 w, i32 h,
               bool isHorizontal, int margin, TModule* module)
    : TControl(parent, id, title, x, y, w, h, module), Margin(std::max(0, margin)),
      Horizontal(isHorizontal) {}

TGauge::TGauge(TWindow* parent, int resourceId, TModule* module)
    : TControl(parent, resourceId, module) {}

void TGauge::SetRange(int minValue, int maxValue) {
    Min = minValue;
    Max = std::max(minValue, maxValue);
    SetValue(Value);
}

void TGauge::GetRange(int& minValue, int& maxValue) const {
    minValue = Min;
    maxValue = Max;
}

void TGauge::SetValue(int value) {
    const int clamped = std::clamp(value, Min, Max);
    if (clamped == Value)
        return;
    Value = clamped;
    if (IsWindow())
        Invalidate(true);
}

void TGauge::SetColor(TColor color) {
    BarColor = color;
    if (IsWindow())
        Invalidate(true);
}

void TGauge::SetCaption(const char* title) {
    TControl::SetText(title);
}

std::string TGauge::FormatText() const {
    // Only "%d" and "%%" are understood, so no title can make the formatting read
    // arguments that are not there.
    const std::string& title = GetCaption();
    std::string out;
    for (size_t i = 0; i < title.size(); ++i) {
        if (title[i] == '%' && i + 1 < title.size()) {
            if (title[i + 1] == 'd') {
                out += std::to_string(Value);
                ++i;
                continue;
            }
            if (title[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += title[i];
    }
    return out;
}

void TGauge::PaintControl(TDC& dc) {
    const TRect r = GetClientRect();
    dc.FillSolidRect(r, Theme::Face);
    ControlPaint::Edge(dc, r, Theme::Shadow3d, Theme::Highlight3d);
    const TRect inside{r.left + 1 + Margin, r.top + 1 + Margin, r.right - 1 - Margin,
                       r.bottom - 1 - Margin};
    if (inside.IsEmpty())
        return;
    const i64 span = static_cast<i64>(Max) - Min;
    const i64 done = static_cast<i64>(Value) - Min;
    TRect bar = inside;
    if (Horizontal)
        bar.right = inside.left + static_cast<i32>(span > 0 ? inside.Width() * done / span : 0);
    else
        bar.top = inside.bottom - static_cast<i32>(span > 0 ? inside.Height() * done / span : 0);
    dc.FillSolidRect(bar, ColorRefToArgb(BarColor));
    const std::string text = FormatText();
    if (text.empty())
        return;
    // The text is light over a dark bar and dark elsewhere, whichever lies under its middle.
    const TPoint middle{(inside.left + inside.right) / 2, (inside.top + inside.bottom) / 2};
    const bool overBar = bar.Contains(middle);
    const u32 luminance = BarColor.Red() * 30U + BarColor.Green() * 59U + BarColor.Blue() * 11U;
    const u32 color = overBar && luminance < 128 * 100 ? Theme::Highlight3d : Theme::WindowText;
    ControlPaint::Label(dc, GetFont(), text, inside,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, color);
}

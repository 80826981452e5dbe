// TLoadDlg: the loading screen's bars and how reports reach them.
#include "LoadDlg.h"

#include "resources/Resources.h"

#include "platform/framework/controls/Gauge.h"

TLoadDlg::TLoadDlg(void* owner, TWindow* parent, TBitmap* bitmap, u16 flags, const TRect& rect1,
                   const TRect& rect2, TColor color1, TColor color2, TModule* module)
    : TJorpGroupGaugeDlg(owner, parent, bitmap, flags, IDD_BITMAP, nullptr, module),
      Gauge1(MakeGauge(1, rect1, color1)), Gauge2(MakeGauge(2, rect2, color2)), GaugeCount(2) {
    // Nothing is selected until the loaders say which gauge they fill.
    CurrentGauge = 0;
}

TLoadDlg::TLoadDlg(void* owner, TWindow* parent, TBitmap* bitmap, u16 flags, const TRect& rect1,
                   TColor color1, TModule* module)
    : TJorpGroupGaugeDlg(owner, parent, bitmap, flags, IDD_BITMAP, nullptr, module),
      Gauge1(MakeGauge(1, rect1, color1)), GaugeCount(1) {
    CurrentGauge = 0;
}

TGauge* TLoadDlg::MakeGauge(int number, const TRect& rect, TColor color) {
    // No title: nothing is printed on the bar.
    auto* gauge = new TGauge(this, "", 199 + number, rect.left, rect.top, rect.Width(),
                             rect.Height(), true, 1);
    gauge->SetColor(color);
    return gauge;
}

TGauge* TLoadDlg::Pick(i32 gauge) const {
    const i32 n = gauge == -1 ? CurrentGauge : gauge;
    if (n == 1)
        return Gauge1;
    if (n == 2)
        return Gauge2;
    return nullptr;
}

void TLoadDlg::SetGaugeText(const std::string& text, i32 gauge) {
    if (TGauge* g = Pick(gauge))
        g->SetCaption(text.c_str());
}

void TLoadDlg::SetGaugeValue(i32 value, i32 gauge) {
    ShowGaugeValue(Pick(gauge), value);
}

void TLoadDlg::IncrementGauge(i32 gauge) {
    if (TGauge* g = Pick(gauge))
        ShowGaugeValue(g, static_cast<i64>(g->GetValue()) + 1);
}

void TLoadDlg::DecrementGauge(i32 gauge) {
    if (TGauge* g = Pick(gauge))
        ShowGaugeValue(g, static_cast<i64>(g->GetValue()) - 1);
}

void TLoadDlg::SetGaugeRange(i32 minValue, i32 maxValue, i32 gauge) {
    if (TGauge* g = Pick(gauge))
        g->SetRange(minValue, maxValue);
}

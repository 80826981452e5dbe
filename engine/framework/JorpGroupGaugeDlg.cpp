// TJorpGroupGaugeDlg: the reporter that draws nothing.
#include "JorpGroupGaugeDlg.h"

#include "platform/framework/controls/Gauge.h"

#include <algorithm>
#include <limits>

TJorpGroupGaugeDlg::TJorpGroupGaugeDlg(void* owner, TWindow* parent, TBitmap* bitmap, u16 flags,
                                       u32 resId, const char* caption, TModule* module)
    : TBitmapDlg(owner, parent, bitmap, flags, resId, caption, 0, 0, 0, module) {}

void TJorpGroupGaugeDlg::ShowGaugeValue(TGauge* gauge, i64 value) {
    if (gauge == nullptr)
        return;
    // A step past either end of the integers stays at the end.
    gauge->SetValue(static_cast<int>(
        std::clamp<i64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
    gauge->UpdateWindow();
}

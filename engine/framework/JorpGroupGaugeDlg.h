// TJorpGroupGaugeDlg: the progress reporter as a bitmap dialog; on its own it shows nothing
// and ignores every report (the silent reporter behind the splash screen).
#pragma once

#include "BitmapDlg.h"

#include "engine/foundation/JorpProgress.h"

class TGauge;

class TJorpGroupGaugeDlg : public TBitmapDlg, public TJorpProgress {
public:
    TJorpGroupGaugeDlg(void* owner, TWindow* parent, TBitmap* bitmap, u16 flags, u32 resId,
                       const char* caption = nullptr, TModule* module = nullptr);

    i32 GetGroup() const { return Group; }
    i32 GetCurrentGauge() const { return CurrentGauge; }

protected:
    // Sets a gauge to the value (the gauge clamps it to its range) and repaints it at once,
    // since loading holds up the loop that would paint it. Nothing without a gauge.
    static void ShowGaugeValue(TGauge* gauge, i64 value);
};

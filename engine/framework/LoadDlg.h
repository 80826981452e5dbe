// TLoadDlg: the loading screen, a picture with one or two coloured bars drawn over it.
#pragma once

#include "JorpGroupGaugeDlg.h"

#include "platform/framework/draw/Color.h"

class TGauge;

class TLoadDlg : public TJorpGroupGaugeDlg {
public:
    // The rectangles are (left, top, right, bottom) in the dialog's client pixels.
    TLoadDlg(void* owner, TWindow* parent, TBitmap* bitmap, u16 flags, const TRect& rect1,
             const TRect& rect2, TColor color1, TColor color2, TModule* module = nullptr);
    // The one-gauge form.
    TLoadDlg(void* owner, TWindow* parent, TBitmap* bitmap, u16 flags, const TRect& rect1,
             TColor color1, TModule* module = nullptr);

    // Each call picks its gauge: the number given, or the selected one for -1; 1 and 2
    // name the gauges, anything else (or a gauge this form lacks) does nothing.
    void SetGaugeText(const std::string& text, i32 gauge = -1) override;
    void SetGaugeValue(i32 value, i32 gauge = -1) override;
    void IncrementGauge(i32 gauge = -1) override;
    void DecrementGauge(i32 gauge = -1) override;
    void SetGaugeRange(i32 minValue, i32 maxValue, i32 gauge = -1) override;

    TGauge* GetGauge1() const { return Gauge1; }
    TGauge* GetGauge2() const { return Gauge2; }
    i32 GetGaugeCount() const { return GaugeCount; }

private:
    TGauge* MakeGauge(int number, const TRect& rect, TColor color);
    TGauge* Pick(i32 gauge) const;

    TGauge* Gauge1 = nullptr;
    TGauge* Gauge2 = nullptr;
    i32 GaugeCount = 2;
};

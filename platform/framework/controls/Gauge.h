// TGauge: a progress bar drawn by the framework itself, in a colour of the program's
// choosing, with an optional text made from its title and value ("Num: %d").
#pragma once

#include "Control.h"
#include "platform/framework/draw/Color.h"

class TGauge : public TControl {
public:
    TGauge(TWindow* parent, const char* title, int id, i32 x, i32 y, i32 w, i32 h,
           bool isHorizontal = true, int margin = 1, TModule* module = nullptr);
    TGauge(TWindow* parent, int resourceId, TModule* module = nullptr);

    void SetRange(int minValue, int maxValue);
    void GetRange(int& minValue, int& maxValue) const;
    // Clamped to the range.
    void SetValue(int value);
    int GetValue() const { return Value; }
    void DeltaValue(int delta) { SetValue(Value + delta); }
    void SetColor(TColor color);
    TColor GetColor() const { return BarColor; }
    // The title is the text's format: "%d" stands for the value, "%%" for a percent sign.
    void SetCaption(const char* title);
    // The text shown for the current value; empty when the title is.
    std::string FormatText() const;
    bool IsHorizontal() const { return Horizontal; }
    int GetMargin() const { return Margin; }

protected:
    void PaintControl(TDC& dc) override;
    const char* ClassName() const override { return "OWL_Gauge"; }

private:
    int Min = 0;
    int Max = 100;
    int Value = 0;
    int Margin = 1;
    bool Horizontal = true;
    TColor BarColor{0, 0, 128};
};

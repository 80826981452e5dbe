// Passive controls: static texts (left, centred, right, sunken, bordered, frames, a
// bitmap), group boxes and the custom-control library's shaded rule ("BorShade").
#pragma once

#include "Control.h"

class TStatic : public TControl {
public:
    // A text limit counts the terminating NUL, as the framework's does: 20 keeps 19
    // characters. 0 is no limit.
    TStatic(TWindow* parent, int id, const char* title, i32 x, i32 y, i32 w, i32 h,
            u32 textLimit = 0, TModule* module = nullptr);
    TStatic(TWindow* parent, int resourceId, u32 textLimit = 0, TModule* module = nullptr);

    u32 GetDlgCode() const override { return DLGC_STATIC; }
    std::string GetMnemonicText() const override;
    void ApplyTemplate(const TDialogItemTemplate& item, const TRect& pixels) override;
    void SetText(const char* text);
    u32 GetTextLimit() const { return TextLimit; }
    void Clear() { SetText(""); }

protected:
    void PaintControl(TDC& dc) override;
    const char* ClassName() const override { return "static"; }
    // The bitmap resource a bitmap static shows: its text as a number ("4" or "#4").
    u32 BitmapId() const;
    u32 TextLimit = 0;
};

class TGroupBox : public TControl {
public:
    TGroupBox(TWindow* parent, int id, const char* text, i32 x, i32 y, i32 w, i32 h,
              TModule* module = nullptr);
    TGroupBox(TWindow* parent, int resourceId, TModule* module = nullptr);

    u32 GetDlgCode() const override { return DLGC_STATIC; }
    std::string GetMnemonicText() const override { return GetText(); }

protected:
    void PaintControl(TDC& dc) override;
    const char* ClassName() const override { return "button"; }
};

// An engraved line across its width (a box when it is taller than a line).
class TShadeRule : public TControl {
public:
    TShadeRule(TWindow* parent, int id, i32 x, i32 y, i32 w, i32 h, TModule* module = nullptr);
    TShadeRule(TWindow* parent, int resourceId, TModule* module = nullptr);

protected:
    void PaintControl(TDC& dc) override;
    const char* ClassName() const override { return "BorShade"; }
};

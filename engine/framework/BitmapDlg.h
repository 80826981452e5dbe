// TBitmapDlg: a dialog whose client area is a picture (about box, credits, splash and
// loading screens), closed by a click, Enter or Esc, or by a one-shot timer.
#pragma once

#include "platform/framework/dialogs/Dialog.h"

class TBitmap;
class TButton;

// Flags of a bitmap dialog.
constexpr u16 BDF_SHOWOK = 0x0001;
// Size the window to the bitmap, or to the explicit width x height.
constexpr u16 BDF_SIZETOBITMAP = 0x0002;
// Clicks do not close it and the OK button is disabled.
constexpr u16 BDF_NOCLICKCLOSE = 0x0004;
constexpr u16 BDF_OWNSBITMAP = 0x0008;

class TBitmapDlg : public TDialog {
public:
    // The owner is kept for the caller. A bitmap that is null or not valid leaves a plain
    // dialog. The timer closes the dialog after that many milliseconds (0: never); the
    // explicit size is used only when both are nonzero.
    TBitmapDlg(void* owner, TWindow* parent, TBitmap* bitmap, u16 flags, u32 resId,
               const char* caption = nullptr, u32 timerElapse = 0, u32 width = 0, u32 height = 0,
               TModule* module = nullptr);
    ~TBitmapDlg() override;

    // Shows the window painted at once: loading and splash screens are opened inside a
    // handler that keeps the loop from painting until they are gone again.
    bool Create() override;
    void SetupWindow() override;
    // Draws the whole bitmap onto exactly the client area (1:1 when sized to it).
    virtual void PaintBitmap(TDC& dc, bool erase, TRect& rect);

    void* GetOwner() const { return Owner; }
    TBitmap* GetBitmap() const { return Bitmap; }
    u16 GetFlags() const { return Flags; }
    TButton* GetOkButton() const { return OkButton; }
    u32 GetTimerId() const { return TimerId; }

    void EvPaint();
    bool EvEraseBkgnd(TDC* dc);
    void EvLButtonUp(u32 modKeys, const TPoint& point);
    void EvRButtonUp(u32 modKeys, const TPoint& point);
    void EvTimer(u32 timerId);
    // Enter closes it as a click does: its OK is hidden, and a hidden default is never pressed.
    bool PreProcessMsg(MSG& msg) override;

protected:
    bool HasBitmap() const;
    // Takes a bitmap after construction (the splash loads its own).
    void SetBitmap(TBitmap* bitmap) { Bitmap = bitmap; }

private:
    void* Owner = nullptr;
    TBitmap* Bitmap = nullptr;
    TButton* OkButton = nullptr;
    u16 Flags = 0;
    u32 TimerElapse = 0;
    u32 TimerId = 1;
    u32 Width = 0;
    u32 Height = 0;

    DECLARE_RESPONSE_TABLE(TBitmapDlg);
};

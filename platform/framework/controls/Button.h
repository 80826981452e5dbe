// Buttons: push buttons (the custom-control library's "BorBtn" too), check boxes and radio
// buttons, automatic or left to the program.
#pragma once

#include "Control.h"

class TButton : public TControl {
public:
    // What a picture button (BS_BITMAP) shows in place of its text; drawn by code, so that
    // such buttons need no bitmap resources.
    enum class TArrowFace { None, Up, Down, Left, Right };

    TButton(TWindow* parent, int id, const char* text, i32 x, i32 y, i32 w, i32 h,
            bool isDefault = false, TModule* module = nullptr);
    TButton(TWindow* parent, int resourceId, TModule* module = nullptr);

    u32 GetDlgCode() const override;
    void Press() override { Click(); }
    std::string GetMnemonicText() const override { return GetText(); }
    // What a click does: a push button tells its parent.
    virtual void Click();
    bool IsDefault() const;
    void SetIsDefPB(bool isDefault);
    void SetArrowFace(TArrowFace face);
    TArrowFace GetArrowFace() const { return ArrowFace; }

    void GetWindowClass(WNDCLASS& wndClass) override;
    void EvLButtonDown(u32 modKeys, const TPoint& point);
    void EvLButtonDblClk(u32 modKeys, const TPoint& point) { EvLButtonDown(modKeys, point); }
    void EvMouseMove(u32 modKeys, const TPoint& point);
    void EvLButtonUp(u32 modKeys, const TPoint& point);
    void EvChar(u32 key, u32 repeatCount, u32 flags);
    LRESULT EvSetStyle(WPARAM style, LPARAM redraw);
    LRESULT EvClick(WPARAM, LPARAM);

protected:
    void PaintControl(TDC& dc) override;
    const char* ClassName() const override { return "button"; }
    bool Tracking = false;
    bool Pressed = false;

private:
    TArrowFace ArrowFace = TArrowFace::None;

    DECLARE_RESPONSE_TABLE(TButton);
};

class TCheckBox : public TButton {
public:
    TCheckBox(TWindow* parent, int id, const char* title, i32 x, i32 y, i32 w, i32 h,
              TModule* module = nullptr);
    TCheckBox(TWindow* parent, int resourceId, TModule* module = nullptr);

    u32 GetDlgCode() const override { return DLGC_BUTTON; }
    u32 GetCheck() const { return State; }
    void SetCheck(u32 state);
    void Check() { SetCheck(BF_CHECKED); }
    void Uncheck() { SetCheck(BF_UNCHECKED); }
    void Toggle();
    // Automatic boxes change their own state when clicked, then tell the parent.
    void Click() override;
    bool IsAutomatic() const;

    LRESULT EvGetCheck(WPARAM, LPARAM) { return State; }
    LRESULT EvSetCheck(WPARAM state, LPARAM);

protected:
    void PaintControl(TDC& dc) override;
    u32 State = BF_UNCHECKED;

private:
    DECLARE_RESPONSE_TABLE(TCheckBox);
};

class TRadioButton : public TCheckBox {
public:
    TRadioButton(TWindow* parent, int id, const char* title, i32 x, i32 y, i32 w, i32 h,
                 TModule* module = nullptr);
    TRadioButton(TWindow* parent, int resourceId, TModule* module = nullptr);

    u32 GetDlgCode() const override { return DLGC_BUTTON | DLGC_RADIOBUTTON; }
    // An automatic radio button checks itself and unchecks the others of its group.
    void Click() override;
    // The controls of its group: from the nearest control with WS_GROUP at or before it to
    // the next one with WS_GROUP.
    std::vector<TWindow*> GetGroup() const;

protected:
    void PaintControl(TDC& dc) override;
};

// TControl: the base of the dialog controls, made from a dialog template or at run time,
// drawn by us in the classic look.
#pragma once

#include "ControlConstants.h"
#include "platform/framework/dialogs/DialogTemplate.h"
#include "platform/framework/window/Window.h"

#include <memory>
#include <string>

class TDialog;
class TFont;

class TControl : public TWindow {
public:
    // A control made at run time at a place in the parent's client pixels.
    TControl(TWindow* parent, int id, const char* title, i32 x, i32 y, i32 w, i32 h,
             TModule* module = nullptr);
    // Bound to the control of the parent dialog's template with this id: the dialog makes
    // its window, from the template, when it makes its own.
    TControl(TWindow* parent, int resourceId, TModule* module = nullptr);
    ~TControl() override;

    int GetId() const { return static_cast<int>(Attr.Id); }
    bool IsBound() const { return Bound; }
    // Takes class style, text and place from a template item (pixels already converted).
    virtual void ApplyTemplate(const TDialogItemTemplate& item, const TRect& pixels);

    bool Create() override;
    void GetWindowClass(WNDCLASS& wndClass) override;
    void Paint(TDC& dc, bool erase, TRect& rect) override;

    // What the control wants of the keyboard (DLGC_ flags) and what a mnemonic does.
    virtual u32 GetDlgCode() const { return 0; }
    // The keyboard's press: buttons click; labels hand the focus on (done by the dialog).
    virtual void Press() {}
    // The text a mnemonic is looked for in; empty for controls without one.
    virtual std::string GetMnemonicText() const { return {}; }

    void SetText(const char* text);
    std::string GetText() const { return GetCaption(); }
    int GetTextLen() const { return static_cast<int>(GetCaption().size()); }
    // Copies at most maxChars - 1 characters and a terminator; returns the count copied.
    int GetText(char* buffer, int maxChars) const;

    void EvSetFocus(HWND hWndLostFocus);
    void EvKillFocus(HWND hWndGetFocus);

protected:
    // Draws the whole control; the DC is the control's client area.
    virtual void PaintControl(TDC& dc) = 0;
    // Sends WM_COMMAND with the code to the parent.
    void NotifyParent(u32 code);
    TDialog* GetDialog() const;
    // Takes the focus as a click does (through the dialog, which keeps its default button
    // right); false when that destroyed the control.
    bool TakeFocusFromClick();
    const TFont& GetFont() const;
    bool HasFocus() const;
    bool IsEnabledNow() const { return IsWindowEnabled(); }
    // A border asked for with WS_BORDER, drawn by the control itself.
    bool HasBorder() const { return Border; }
    // The face the control erases with.
    virtual u32 BackgroundColor() const;
    virtual const char* ClassName() const { return "control"; }
    LRESULT EvEnable(WPARAM enable, LPARAM);

private:
    bool Bound = false;
    bool Border = false;
    mutable std::unique_ptr<TFont> OwnFont;

    DECLARE_RESPONSE_TABLE(TControl);
};

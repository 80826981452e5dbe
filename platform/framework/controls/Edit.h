// TEdit: a one-line edit with a text limit and a validator, or a multi-line one that wraps
// its text and scrolls it with a vertical scroll bar (read-only where the program says so).
#pragma once

#include "ControlPaint.h"
#include "Static.h"
#include "Validator.h"

#include <memory>
#include <vector>

class TEdit : public TStatic {
public:
    // The text limit counts the terminating NUL: 13 keeps 12 characters; 0 is no limit.
    TEdit(TWindow* parent, int id, const char* text, i32 x, i32 y, i32 w, i32 h, u32 textLimit = 0,
          bool multiline = false, TModule* module = nullptr);
    TEdit(TWindow* parent, int resourceId, u32 textLimit = 0, TModule* module = nullptr);

    u32 GetDlgCode() const override;
    std::string GetMnemonicText() const override { return {}; }
    void GetWindowClass(WNDCLASS& wndClass) override;
    void ApplyTemplate(const TDialogItemTemplate& item, const TRect& pixels) override;

    void SetText(const char* text);
    // Changes the limit (same counting as the constructor's).
    void LimitText(u32 textLimit);
    // Owned; replaces (and deletes) the one before. Null removes it.
    void SetValidator(TValidator* validator);
    TValidator* GetValidator() const { return Validator.get(); }
    // Whether the whole text satisfies the validator, telling the user when asked to.
    bool IsValid(bool reportError = false);
    bool CanClose() override;

    bool IsMultiLine() const { return (Attr.Style & ES_MULTILINE) != 0; }
    bool IsReadOnly() const { return (Attr.Style & ES_READONLY) != 0; }
    void SetSelection(int start, int end);
    void GetSelection(int& start, int& end) const;
    // Multi-line: the wrapped lines and the first one shown.
    const std::vector<std::string>& GetLines();
    int GetFirstVisibleLine() const { return Scroll.Pos; }
    // The text typed at the caret, as the keyboard does; false when it was refused.
    bool Insert(const std::string& text);

    void EvChar(u32 key, u32 repeatCount, u32 flags);
    void EvKeyDown(u32 key, u32 repeatCount, u32 flags);
    void EvLButtonDown(u32 modKeys, const TPoint& point);
    void EvLButtonDblClk(u32 modKeys, const TPoint& point) { EvLButtonDown(modKeys, point); }
    void EvMouseMove(u32 modKeys, const TPoint& point);
    void EvLButtonUp(u32 modKeys, const TPoint& point);
    LRESULT EvSetSel(WPARAM start, LPARAM end);
    LRESULT EvLimitText(WPARAM limit, LPARAM);

protected:
    void PaintControl(TDC& dc) override;
    const char* ClassName() const override { return "edit"; }
    u32 BackgroundColor() const override;

private:
    TRect TextArea() const;
    void Relayout();
    void ScrollTo(int pos);
    void Changed();
    int CaretFromX(i32 x) const;
    i32 TextWidth(const std::string& s) const;

    std::unique_ptr<TValidator> Validator;
    int SelStart = 0;
    int SelEnd = 0;
    // One-line: the first character shown.
    int FirstChar = 0;
    std::vector<std::string> Lines;
    bool LinesValid = false;
    ControlPaint::TVScroll Scroll;
    bool DraggingThumb = false;
    i32 DragOffset = 0;

    DECLARE_RESPONSE_TABLE(TEdit);
};

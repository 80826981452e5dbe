// TListBox: a list of strings with one selection, kept in the order added unless sorted,
// with tab stops, a vertical scroll bar, and selection, double-click and focus notices.
#pragma once

#include "Control.h"
#include "ControlPaint.h"

#include <vector>

class TListBox : public TControl {
public:
    TListBox(TWindow* parent, int id, i32 x, i32 y, i32 w, i32 h, TModule* module = nullptr);
    TListBox(TWindow* parent, int resourceId, TModule* module = nullptr);

    u32 GetDlgCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void ApplyTemplate(const TDialogItemTemplate& item, const TRect& pixels) override;

    // The index the string went to; sorted lists keep their order, others append.
    virtual int AddString(const char* str);
    // At the index, or at the end for -1; LB_ERR for an index beyond the end.
    virtual int InsertString(const char* str, int index);
    // The number left, or LB_ERR.
    virtual int DeleteString(int index);
    virtual void ClearList();
    int GetCount() const { return static_cast<int>(Items.size()); }
    int GetSelIndex() const { return Sel; }
    // -1 clears the selection; LB_ERR (selection unchanged) for an index out of range.
    // Never notifies: only the user's changes do.
    virtual int SetSelIndex(int index);
    int GetStringLen(int index) const;
    // Copies the string with a terminator; the length, or LB_ERR.
    int GetString(char* buffer, int index) const;
    std::string GetString(int index) const;
    int GetTopIndex() const { return Top; }
    int SetTopIndex(int index);
    // Pixels of one row.
    i32 GetItemHeight() const;

    void EvLButtonDown(u32 modKeys, const TPoint& point);
    void EvLButtonDblClk(u32 modKeys, const TPoint& point);
    void EvMouseMove(u32 modKeys, const TPoint& point);
    void EvLButtonUp(u32 modKeys, const TPoint& point);
    void EvKeyDown(u32 key, u32 repeatCount, u32 flags);
    void EvSetFocus(HWND hWndLostFocus);
    void EvKillFocus(HWND hWndGetFocus);
    // Three rows a notch; the selection stays where it is.
    LRESULT EvMouseWheel(WPARAM wp, LPARAM lp);

protected:
    void PaintControl(TDC& dc) override;
    const char* ClassName() const override { return "listbox"; }
    u32 BackgroundColor() const override;
    // Rows that fit; the list area inside border and scroll bar.
    virtual bool IsSorted() const { return (Attr.Style & LBS_SORT) != 0; }
    int VisibleRows() const;
    int VisibleRowsFor(i32 height) const;
    TRect ListArea() const;
    ControlPaint::TVScroll ScrollState() const;
    // The row under a point, or -1.
    int RowAt(TPoint p) const;
    void EnsureVisible(int index);
    // Selects as the user does, telling the parent when the selection changed.
    void UserSelect(int index);
    void PaintRows(TDC& dc, const TRect& area, bool focused);
    void Notify(u32 code);

    std::vector<std::string> Items;
    int Sel = -1;
    int Top = 0;
    bool DraggingThumb = false;
    i32 DragOffset = 0;
    bool Tracking = false;

private:
    DECLARE_RESPONSE_TABLE(TListBox);
};

// TComboBox: a drop-down list combo box: a field showing the chosen string and a list that
// drops below it, with a selection-change notice.
#pragma once

#include "ListBox.h"

#include <memory>

class TComboDropList;

class TComboBox : public TListBox {
public:
    TComboBox(TWindow* parent, int id, i32 x, i32 y, i32 w, i32 h, TModule* module = nullptr);
    TComboBox(TWindow* parent, int resourceId, TModule* module = nullptr);
    ~TComboBox() override;

    u32 GetDlgCode() const override;
    void ApplyTemplate(const TDialogItemTemplate& item, const TRect& pixels) override;
    bool Create() override;
    void GetWindowClass(WNDCLASS& wndClass) override;

    int AddString(const char* str) override;
    int InsertString(const char* str, int index) override;
    int DeleteString(int index) override;
    void ClearList() override;
    int SetSelIndex(int index) override;

    void ShowList(bool show = true);
    void HideList() { ShowList(false); }
    bool IsListShown() const { return Drop != nullptr; }
    // The height the template or creation gave: the field and the dropped list together.
    i32 GetDroppedHeight() const { return DroppedHeight; }
    // The height of the field alone.
    i32 GetFieldHeight() const;

    void EvLButtonDown(u32 modKeys, const TPoint& point);
    void EvLButtonDblClk(u32 modKeys, const TPoint& point) { EvLButtonDown(modKeys, point); }
    void EvKeyDown(u32 key, u32 repeatCount, u32 flags);
    void EvKillFocus(HWND hWndGetFocus);
    void EvSetFocus(HWND hWndLostFocus);

    // Called by the dropped list: a row chosen (or -1 for none) and the list closing.
    void ListChose(int index);

protected:
    void PaintControl(TDC& dc) override;
    const char* ClassName() const override { return "combobox"; }
    u32 BackgroundColor() const override;
    bool IsSorted() const override { return (Attr.Style & CBS_SORT) != 0; }

private:
    friend class TComboDropList;
    void SelectByUser(int index);

    i32 DroppedHeight = 0;
    // The list is the combo box's child window but ends before it: closed from inside its
    // own handler, it stays in Closed until the list drops again or the combo box goes.
    std::unique_ptr<TComboDropList> Drop;
    std::unique_ptr<TComboDropList> Closed;

    DECLARE_RESPONSE_TABLE(TComboBox);
};

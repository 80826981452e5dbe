// List boxes: the strings, the selection as the program and the user change it, scrolling
// and the notices to the parent, and the drawing of rows with tab stops.
#include "ListBox.h"

#include "platform/framework/chrome/Theme.h"
#include "platform/framework/dialogs/Dialog.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/GdiObject.h"
#include "platform/framework/window/Desktop.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

DEFINE_RESPONSE_TABLE1(TListBox, TControl)
EV_WM_LBUTTONDOWN, EV_WM_LBUTTONDBLCLK, EV_WM_MOUSEMOVE, EV_WM_LBUTTONUP, EV_WM_KEYDOWN,
    EV_WM_SETFOCUS, EV_WM_KILLFOCUS, EV_MESSAGE(WM_MOUSEWHEEL, EvMouseWheel), END_RESPONSE_TABLE;

TListBox::TListBox(TWindow* parent, int id, i32 x, i32 y, i32 w, i32 h, TModule* module)
    : TControl(parent, id, nullptr, x, y, w, h, module) {
    Attr.Style |= LBS_STANDARD | WS_TABSTOP;
}

TListBox::TListBox(TWindow* parent, int resourceId, TModule* module)
    : TControl(parent, resourceId, module) {}

void TListBox::ApplyTemplate(const TDialogItemTemplate& item, const TRect& pixels) {
    TControl::ApplyTemplate(item, pixels);
    // A list's template text is not an item.
    SetCaption("");
}

u32 TListBox::BackgroundColor() const {
    return Theme::WindowBack;
}

i32 TListBox::GetItemHeight() const {
    TScreenDC dc;
    dc.SelectObject(GetFont());
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    return std::max(1, tm.tmHeight);
}

TRect TListBox::ListArea() const {
    TRect r = GetClientRect();
    if (HasBorder())
        r = {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    if ((Attr.Style & WS_VSCROLL) != 0 && GetCount() > VisibleRowsFor(r.Height()))
        r.right -= ControlPaint::ScrollBarWidth;
    return r;
}

int TListBox::VisibleRows() const {
    return VisibleRowsFor(ListArea().Height());
}

int TListBox::VisibleRowsFor(i32 height) const {
    return std::max(1, height / GetItemHeight());
}

ControlPaint::TVScroll TListBox::ScrollState() const {
    ControlPaint::TVScroll s;
    const TRect area = ListArea();
    const TRect client = GetClientRect();
    if ((Attr.Style & WS_VSCROLL) != 0 && area.right < client.right - (HasBorder() ? 2 : 0))
        s.Area = {area.right, area.top, area.right + ControlPaint::ScrollBarWidth, area.bottom};
    s.Total = GetCount();
    s.Page = VisibleRows();
    s.Pos = Top;
    return s;
}

int TListBox::AddString(const char* str) {
    const std::string s = str != nullptr ? str : "";
    if (IsSorted()) {
        const auto at = std::upper_bound(Items.begin(), Items.end(), s,
                                         [](const std::string& a, const std::string& b) {
                                             return strcasecmp(a.c_str(), b.c_str()) < 0;
                                         });
        return InsertString(s.c_str(), static_cast<int>(at - Items.begin()));
    }
    return InsertString(s.c_str(), -1);
}

int TListBox::InsertString(const char* str, int index) {
    if (index < -1 || index > GetCount())
        return LB_ERR;
    if (index == -1)
        index = GetCount();
    Items.insert(Items.begin() + index, str != nullptr ? str : "");
    if (Sel >= index)
        ++Sel;
    if (IsWindow())
        Invalidate(true);
    return index;
}

int TListBox::DeleteString(int index) {
    if (index < 0 || index >= GetCount())
        return LB_ERR;
    Items.erase(Items.begin() + index);
    if (Sel == index)
        Sel = -1;
    else if (Sel > index)
        --Sel;
    Top = std::clamp(Top, 0, std::max(0, GetCount() - 1));
    if (IsWindow())
        Invalidate(true);
    return GetCount();
}

void TListBox::ClearList() {
    Items.clear();
    Sel = -1;
    Top = 0;
    if (IsWindow())
        Invalidate(true);
}

int TListBox::SetSelIndex(int index) {
    if (index < -1 || index >= GetCount())
        return LB_ERR;
    Sel = index;
    if (index >= 0 && IsWindow())
        EnsureVisible(index);
    if (IsWindow())
        Invalidate(true);
    return index < 0 ? LB_ERR : index;
}

int TListBox::GetStringLen(int index) const {
    if (index < 0 || index >= GetCount())
        return LB_ERR;
    return static_cast<int>(Items[static_cast<size_t>(index)].size());
}

int TListBox::GetString(char* buffer, int index) const {
    if (buffer == nullptr || index < 0 || index >= GetCount())
        return LB_ERR;
    const std::string& s = Items[static_cast<size_t>(index)];
    std::memcpy(buffer, s.c_str(), s.size() + 1);
    return static_cast<int>(s.size());
}

std::string TListBox::GetString(int index) const {
    if (index < 0 || index >= GetCount())
        return {};
    return Items[static_cast<size_t>(index)];
}

int TListBox::SetTopIndex(int index) {
    if (index < 0 || index >= std::max(1, GetCount()))
        return LB_ERR;
    const int maxTop = std::max(0, GetCount() - VisibleRows());
    Top = std::min(index, maxTop);
    if (IsWindow())
        Invalidate(true);
    return 0;
}

LRESULT TListBox::EvMouseWheel(WPARAM wp, LPARAM) {
    const int notches = static_cast<i16>(HIWORD(wp)) / WHEEL_DELTA;
    const int maxTop = std::max(0, GetCount() - VisibleRows());
    const int top = std::clamp(Top - notches * WheelLines, 0, maxTop);
    if (top != Top)
        SetTopIndex(top);
    return 0;
}

void TListBox::EnsureVisible(int index) {
    const int rows = VisibleRows();
    if (index < Top)
        Top = index;
    else if (index >= Top + rows)
        Top = index - rows + 1;
    Top = std::clamp(Top, 0, std::max(0, GetCount() - rows));
}

int TListBox::RowAt(TPoint p) const {
    const TRect area = ListArea();
    if (!area.Contains(p))
        return -1;
    const int row = Top + (p.y - area.top) / GetItemHeight();
    return row < GetCount() ? row : -1;
}

void TListBox::Notify(u32 code) {
    if ((Attr.Style & LBS_NOTIFY) != 0)
        NotifyParent(code);
}

void TListBox::UserSelect(int index) {
    if (index < 0 || index >= GetCount())
        return;
    EnsureVisible(index);
    if (index == Sel) {
        Invalidate(true);
        return;
    }
    Sel = index;
    Invalidate(true);
    Notify(LBN_SELCHANGE);
}

void TListBox::EvLButtonDown(u32, const TPoint& point) {
    if (!TakeFocusFromClick())
        return;
    const ControlPaint::TVScroll scroll = ScrollState();
    using THit = ControlPaint::TVScroll::THit;
    const THit hit = scroll.HitTest(point);
    if (hit == THit::Thumb) {
        DraggingThumb = true;
        DragOffset = point.y - scroll.Thumb().top;
        SetCapture();
        return;
    }
    if (hit != THit::None) {
        SetTopIndex(scroll.PosForClick(hit));
        return;
    }
    const int row = RowAt(point);
    if (row >= 0) {
        Tracking = true;
        SetCapture();
        UserSelect(row);
    }
}

void TListBox::EvLButtonDblClk(u32 modKeys, const TPoint& point) {
    const int row = RowAt(point);
    if (row < 0 || ScrollState().HitTest(point) != ControlPaint::TVScroll::THit::None) {
        EvLButtonDown(modKeys, point);
        return;
    }
    UserSelect(row);
    Notify(LBN_DBLCLK);
}

void TListBox::EvMouseMove(u32 modKeys, const TPoint& point) {
    if ((modKeys & MK_LBUTTON) == 0 || TDesktop::Get().GetCapture() != this)
        return;
    if (DraggingThumb) {
        const ControlPaint::TVScroll scroll = ScrollState();
        SetTopIndex(scroll.PosForThumbTop(point.y - DragOffset));
        return;
    }
    if (Tracking) {
        const TRect area = ListArea();
        const int row =
            Top + (std::clamp(point.y, area.top, area.bottom - 1) - area.top) / GetItemHeight();
        UserSelect(std::min(row, GetCount() - 1));
    }
}

void TListBox::EvLButtonUp(u32, const TPoint&) {
    DraggingThumb = false;
    Tracking = false;
    if (TDesktop::Get().GetCapture() == this)
        ReleaseCapture();
}

void TListBox::EvKeyDown(u32 key, u32, u32) {
    if (GetCount() == 0)
        return;
    const int rows = VisibleRows();
    const int from = Sel < 0 ? -1 : Sel;
    int to = from;
    switch (key) {
    case DLG_VK_UP:
        to = std::max(0, from - 1);
        break;
    case DLG_VK_DOWN:
        to = std::min(GetCount() - 1, from + 1);
        break;
    case DLG_VK_PRIOR:
        to = std::max(0, from - (rows - 1));
        break;
    case DLG_VK_NEXT:
        to = std::min(GetCount() - 1, std::max(0, from) + (rows - 1));
        break;
    case DLG_VK_HOME:
        to = 0;
        break;
    case DLG_VK_END:
        to = GetCount() - 1;
        break;
    default:
        return;
    }
    UserSelect(to);
}

void TListBox::EvSetFocus(HWND lost) {
    TControl::EvSetFocus(lost);
    Notify(LBN_SETFOCUS);
}

void TListBox::EvKillFocus(HWND gaining) {
    TControl::EvKillFocus(gaining);
    Notify(LBN_KILLFOCUS);
}

void TListBox::PaintRows(TDC& dc, const TRect& area, bool focused) {
    const i32 h = GetItemHeight();
    dc.SelectObject(GetFont());
    dc.SetBkMode(TRANSPARENT);
    // Tab stops every 32 dialog units: eight average characters.
    i32 tabWidth = 0;
    if (const TDialog* dialog = GetDialog())
        tabWidth = dialog->GetBaseUnits().X * 8;
    if (tabWidth <= 0) {
        TEXTMETRIC tm;
        dc.GetTextMetrics(tm);
        tabWidth = std::max(1, tm.tmAveCharWidth * 8);
    }
    const bool useTabs = (Attr.Style & LBS_USETABSTOPS) != 0;
    const bool enabled = IsWindowEnabled();
    for (int i = Top; i < GetCount(); ++i) {
        const i32 y = area.top + (i - Top) * h;
        if (y + h > area.bottom)
            break;
        const TRect row{area.left, y, area.right, y + h};
        const bool selected = i == Sel;
        if (selected)
            dc.FillSolidRect(row, Theme::SelectedBack);
        const u32 color = !enabled   ? Theme::GrayText
                          : selected ? Theme::SelectedText
                                     : Theme::WindowText;
        dc.SetTextColor(ArgbToColorRef(color));
        const std::string& s = Items[static_cast<size_t>(i)];
        i32 x = area.left + 2;
        size_t start = 0;
        for (;;) {
            const size_t tab = s.find('\t', start);
            const std::string piece =
                s.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
            dc.TextOut(x, y, piece);
            if (tab == std::string::npos)
                break;
            x += dc.GetTextExtent(piece).cx;
            if (useTabs) {
                const i32 offset = x - (area.left + 2);
                x = area.left + 2 + (offset / tabWidth + 1) * tabWidth;
            }
            start = tab + 1;
        }
        if (focused && selected)
            ControlPaint::FocusRect(dc, row);
    }
    if (focused && Sel < 0)
        ControlPaint::FocusRect(dc, {area.left, area.top, area.right, area.top + h});
    dc.RestoreFont();
}

void TListBox::PaintControl(TDC& dc) {
    const TRect client = GetClientRect();
    dc.FillSolidRect(client, IsWindowEnabled() ? Theme::WindowBack : Theme::Face);
    PaintRows(dc, ListArea(), HasFocus());
    const ControlPaint::TVScroll scroll = ScrollState();
    scroll.Paint(dc, IsWindowEnabled());
    if (HasBorder())
        ControlPaint::Sunken(dc, client);
}

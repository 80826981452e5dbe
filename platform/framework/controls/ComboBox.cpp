// Drop-down list combo boxes: the field, the dropped list (a pop-up window holding the mouse
// while it is open) and the keyboard.
#include "ComboBox.h"

#include "platform/framework/chrome/Theme.h"
#include "platform/framework/dialogs/Dialog.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/GdiObject.h"
#include "platform/framework/window/Desktop.h"

#include <algorithm>

namespace {

// Where item texts start, from the combo box's left edge: the field's sunken edge (2), the
// margin of its selection band (1) and a gap (2). The dropped list starts its texts there
// too, so that they line up with the field above them.
constexpr i32 TextLeft = 5;

} // namespace

// The dropped list: a pop-up above everything that holds the mouse, so that a click
// anywhere else closes it without reaching another window.
class TComboDropList : public TWindow {
public:
    explicit TComboDropList(TComboBox& owner) : TWindow(&owner, nullptr), Owner(owner) {
        Attr.Style = WS_POPUP;
        EnableAutoCreate(false);
        Hot = owner.GetSelIndex();
    }

    void GetWindowClass(WNDCLASS& wndClass) override {
        wndClass.className = "ComboLBox";
        wndClass.background = Theme::WindowBack;
    }

    int Rows() const { return std::max(1, (GetClientRect().Height() - 2) / Owner.GetItemHeight()); }

    int RowAt(TPoint p) const {
        const TRect r = GetClientRect();
        if (!TRect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}.Contains(p))
            return -1;
        const int row = Top + (p.y - 1) / Owner.GetItemHeight();
        return row < Owner.GetCount() ? row : -1;
    }

    void EnsureVisible(int row) {
        const int rows = Rows();
        if (row < 0)
            return;
        if (row < Top)
            Top = row;
        else if (row >= Top + rows)
            Top = row - rows + 1;
    }

    void SetHot(int row) {
        if (row == Hot)
            return;
        Hot = row;
        EnsureVisible(row);
        Invalidate(true);
    }

    void Paint(TDC& dc, bool, TRect&) override {
        const TRect r = GetClientRect();
        dc.FillSolidRect(r, Theme::WindowBack);
        ControlPaint::Edge(dc, r, Theme::WindowFrame, Theme::WindowFrame);
        const i32 h = Owner.GetItemHeight();
        dc.SelectObject(Owner.GetFont());
        dc.SetBkMode(TRANSPARENT);
        for (int i = Top; i < Owner.GetCount(); ++i) {
            const i32 y = 1 + (i - Top) * h;
            if (y + h > r.bottom - 1)
                break;
            const bool hot = i == Hot;
            if (hot)
                dc.FillSolidRect({1, y, r.right - 1, y + h}, Theme::SelectedBack);
            dc.SetTextColor(ArgbToColorRef(hot ? Theme::SelectedText : Theme::WindowText));
            dc.TextOut(TextLeft, y, Owner.GetString(i));
        }
        dc.RestoreFont();
    }

    void EvMouseMove(u32, const TPoint& point) {
        const int row = RowAt(point);
        if (row >= 0)
            SetHot(row);
    }

    void EvLButtonDown(u32, const TPoint& point) {
        // Outside the list (the field included) the list just closes.
        if (RowAt(point) < 0 && !GetClientRect().Contains(point))
            Owner.ListChose(-1);
    }

    void EvLButtonUp(u32, const TPoint& point) {
        const int row = RowAt(point);
        if (row >= 0)
            Owner.ListChose(row);
    }

    TComboBox& Owner;
    int Hot = -1;
    int Top = 0;

    DECLARE_RESPONSE_TABLE(TComboDropList);
};

DEFINE_RESPONSE_TABLE1(TComboDropList, TWindow)
EV_WM_MOUSEMOVE, EV_WM_LBUTTONDOWN, EV_WM_LBUTTONUP, END_RESPONSE_TABLE;

DEFINE_RESPONSE_TABLE1(TComboBox, TListBox)
EV_WM_LBUTTONDOWN, EV_WM_LBUTTONDBLCLK, EV_WM_KEYDOWN, EV_WM_KILLFOCUS, EV_WM_SETFOCUS,
    END_RESPONSE_TABLE;

TComboBox::TComboBox(TWindow* parent, int id, i32 x, i32 y, i32 w, i32 h, TModule* module)
    : TListBox(parent, id, x, y, w, h, module) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
}

TComboBox::TComboBox(TWindow* parent, int resourceId, TModule* module)
    : TListBox(parent, resourceId, module) {}

TComboBox::~TComboBox() {
    HideList();
    Closed.reset();
}

void TComboBox::ApplyTemplate(const TDialogItemTemplate& item, const TRect& pixels) {
    TListBox::ApplyTemplate(item, pixels);
}

void TComboBox::GetWindowClass(WNDCLASS& wndClass) {
    TListBox::GetWindowClass(wndClass);
    wndClass.style &= ~CS_DBLCLKS;
}

u32 TComboBox::BackgroundColor() const {
    return Theme::Face;
}

i32 TComboBox::GetFieldHeight() const {
    return GetItemHeight() + 8;
}

bool TComboBox::Create() {
    // The given height is the dropped one; the window itself is the field.
    DroppedHeight = Attr.H;
    Attr.H = GetFieldHeight();
    return TListBox::Create();
}

u32 TComboBox::GetDlgCode() const {
    u32 code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    // While the list is down, Enter and Esc close it instead of the dialog.
    if (IsListShown())
        code |= DLGC_WANTALLKEYS;
    return code;
}

int TComboBox::AddString(const char* str) {
    return TListBox::AddString(str);
}

int TComboBox::InsertString(const char* str, int index) {
    const int at = TListBox::InsertString(str, index);
    if (Drop != nullptr)
        Drop->Invalidate(true);
    return at;
}

int TComboBox::DeleteString(int index) {
    const int left = TListBox::DeleteString(index);
    if (Drop != nullptr)
        Drop->Invalidate(true);
    return left;
}

void TComboBox::ClearList() {
    TListBox::ClearList();
    if (Drop != nullptr)
        Drop->Invalidate(true);
}

int TComboBox::SetSelIndex(int index) {
    if (index < -1 || index >= GetCount())
        return CB_ERR;
    Sel = index;
    if (Drop != nullptr)
        Drop->SetHot(index);
    if (IsWindow())
        Invalidate(true);
    return index < 0 ? CB_ERR : index;
}

void TComboBox::SelectByUser(int index) {
    if (index < 0 || index >= GetCount() || index == Sel)
        return;
    Sel = index;
    if (Drop != nullptr)
        Drop->SetHot(index);
    Invalidate(true);
    NotifyParent(CBN_SELCHANGE);
}

void TComboBox::ShowList(bool show) {
    if (show == IsListShown() || (show && !IsWindow()))
        return;
    TDesktop& desktop = TDesktop::Get();
    if (!show) {
        std::unique_ptr<TComboDropList> drop = std::move(Drop);
        if (desktop.GetCapture() == drop.get())
            desktop.ReleaseCapture();
        // The list often closes from inside its own handler, so the object outlives its
        // window until the list drops again or the combo box goes.
        drop->Destroy();
        Closed = std::move(drop);
        Invalidate(true);
        NotifyParent(CBN_CLOSEUP);
        return;
    }
    NotifyParent(CBN_DROPDOWN);
    const TRect field = GetWindowRect();
    const i32 itemHeight = GetItemHeight();
    const i32 wanted = std::max(DroppedHeight - field.Height(), itemHeight + 2);
    const i32 rows = std::max(1, std::min(GetCount(), (wanted - 2) / itemHeight));
    const i32 height = rows * itemHeight + 2;
    const TSize screen = desktop.GetScreenSize();
    // Below the field when it fits on the screen, else above it.
    i32 top = field.bottom;
    if (top + height > screen.cy && field.top - height >= 0)
        top = field.top - height;
    Closed.reset();
    Drop = std::make_unique<TComboDropList>(*this);
    Drop->Attr.X = field.left;
    Drop->Attr.Y = top;
    Drop->Attr.W = field.Width();
    Drop->Attr.H = height;
    if (!Drop->Create()) {
        Drop.reset();
        return;
    }
    Drop->EnsureVisible(Sel);
    Drop->ShowWindow(SW_SHOWNA);
    Drop->SetCapture();
    Invalidate(true);
}

void TComboBox::ListChose(int index) {
    HideList();
    SelectByUser(index);
}

void TComboBox::EvLButtonDown(u32, const TPoint&) {
    if (TakeFocusFromClick())
        ShowList(!IsListShown());
}

void TComboBox::EvKeyDown(u32 key, u32, u32) {
    const bool alt = TDesktop::Get().IsKeyDown(VK_MENU);
    if (key == DLG_VK_F4 || (alt && (key == DLG_VK_DOWN || key == DLG_VK_UP))) {
        ShowList(!IsListShown());
        return;
    }
    if (IsListShown() && (key == VK_RETURN || key == VK_ESCAPE)) {
        HideList();
        return;
    }
    const int last = GetCount() - 1;
    if (last < 0)
        return;
    switch (key) {
    case DLG_VK_UP:
    case DLG_VK_LEFT:
        SelectByUser(std::max(0, Sel - 1));
        break;
    case DLG_VK_DOWN:
    case DLG_VK_RIGHT:
        SelectByUser(std::min(last, Sel + 1));
        break;
    case DLG_VK_HOME:
    case DLG_VK_PRIOR:
        SelectByUser(0);
        break;
    case DLG_VK_END:
    case DLG_VK_NEXT:
        SelectByUser(last);
        break;
    default:
        break;
    }
}

void TComboBox::EvSetFocus(HWND lost) {
    TControl::EvSetFocus(lost);
    NotifyParent(CBN_SETFOCUS);
}

void TComboBox::EvKillFocus(HWND gaining) {
    HideList();
    TControl::EvKillFocus(gaining);
    NotifyParent(CBN_KILLFOCUS);
}

void TComboBox::PaintControl(TDC& dc) {
    const TRect r = GetClientRect();
    const bool enabled = IsWindowEnabled();
    ControlPaint::Sunken(dc, r);
    const TRect inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    const i32 buttonWidth = std::min(ControlPaint::ScrollBarWidth, inner.Width());
    const TRect button{inner.right - buttonWidth, inner.top, inner.right, inner.bottom};
    const TRect field{inner.left, inner.top, button.left, inner.bottom};
    dc.FillSolidRect(field, enabled ? Theme::WindowBack : Theme::Face);
    dc.FillSolidRect(button, Theme::Face);
    if (IsListShown())
        ControlPaint::Edge(dc, button, Theme::Shadow3d, Theme::Shadow3d);
    else
        ControlPaint::ScrollButton(dc, button);
    ControlPaint::Arrow(dc, IsListShown() ? button.OffsetBy(1, 1) : button, true,
                        enabled ? Theme::WindowText : Theme::Shadow3d);
    const bool focused = HasFocus() && !IsListShown();
    const TRect text{field.left + 1, field.top + 1, field.right - 1, field.bottom - 1};
    if (focused)
        dc.FillSolidRect(text, Theme::SelectedBack);
    if (Sel >= 0) {
        dc.SelectObject(GetFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(ArgbToColorRef(!enabled  ? Theme::GrayText
                                       : focused ? Theme::SelectedText
                                                 : Theme::WindowText));
        const i32 y = text.top + (text.Height() - GetItemHeight()) / 2;
        dc.TextOut(TextLeft, y, GetString(Sel));
        dc.RestoreFont();
    }
    if (focused)
        ControlPaint::FocusRect(dc, text);
}

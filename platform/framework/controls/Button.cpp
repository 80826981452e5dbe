// Push buttons, check boxes and radio buttons: mouse and keyboard presses, states, drawing.
#include "Button.h"

#include "ControlPaint.h"
#include "platform/framework/chrome/Theme.h"
#include "platform/framework/dialogs/Dialog.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/window/Desktop.h"

#include <algorithm>

DEFINE_RESPONSE_TABLE1(TButton, TControl)
EV_WM_LBUTTONDOWN, EV_WM_LBUTTONDBLCLK, EV_WM_MOUSEMOVE, EV_WM_LBUTTONUP, EV_WM_CHAR,
    EV_MESSAGE(BM_SETSTYLE, EvSetStyle), EV_MESSAGE(BM_CLICK, EvClick), END_RESPONSE_TABLE;

DEFINE_RESPONSE_TABLE1(TCheckBox, TButton)
EV_MESSAGE(BM_GETCHECK, EvGetCheck), EV_MESSAGE(BM_SETCHECK, EvSetCheck), END_RESPONSE_TABLE;

TButton::TButton(TWindow* parent, int id, const char* text, i32 x, i32 y, i32 w, i32 h,
                 bool isDefault, TModule* module)
    : TControl(parent, id, text, x, y, w, h, module) {
    Attr.Style |= WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

TButton::TButton(TWindow* parent, int resourceId, TModule* module)
    : TControl(parent, resourceId, module) {}

void TButton::GetWindowClass(WNDCLASS& wndClass) {
    TControl::GetWindowClass(wndClass);
    // A quick second click is a second press, not a double click.
    wndClass.style &= ~CS_DBLCLKS;
}

bool TButton::IsDefault() const {
    return (Attr.Style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

void TButton::SetIsDefPB(bool isDefault) {
    Attr.Style = (Attr.Style & ~BS_TYPEMASK) | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    if (IsWindow())
        Invalidate(true);
}

void TButton::SetArrowFace(TArrowFace face) {
    ArrowFace = face;
    if (IsWindow())
        Invalidate(true);
}

namespace {

// A solid triangle pointing the face's way, centred in r and sized to it.
void PaintArrowFace(TDC& dc, const TRect& r, TButton::TArrowFace face, u32 argb) {
    using TFace = TButton::TArrowFace;
    const bool vertical = face == TFace::Up || face == TFace::Down;
    // Rows (or columns) from the wide base to the point, each two pixels narrower.
    const i32 room = std::min(r.Width(), r.Height());
    const i32 depth = std::max(1, room / 3);
    const i32 cx = r.left + r.Width() / 2;
    const i32 cy = r.top + r.Height() / 2;
    for (i32 k = 0; k < depth; ++k) {
        const i32 half = depth - 1 - k;
        // Offset of this row from the base, the base lying half the depth before the centre.
        const i32 along = k - depth / 2;
        if (vertical) {
            const i32 y = face == TFace::Down ? cy + along : cy - along;
            dc.FillSolidRect({cx - half, y, cx + half + 1, y + 1}, argb);
        } else {
            const i32 x = face == TFace::Right ? cx + along : cx - along;
            dc.FillSolidRect({x, cy - half, x + 1, cy + half + 1}, argb);
        }
    }
}

} // namespace

u32 TButton::GetDlgCode() const {
    return DLGC_BUTTON | (IsDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void TButton::Click() {
    NotifyParent(BN_CLICKED);
}

void TButton::EvLButtonDown(u32, const TPoint&) {
    if (!TakeFocusFromClick())
        return;
    SetCapture();
    Tracking = true;
    Pressed = true;
    Invalidate(true);
}

void TButton::EvMouseMove(u32, const TPoint& point) {
    if (!Tracking)
        return;
    const bool inside = GetClientRect().Contains(point);
    if (inside != Pressed) {
        Pressed = inside;
        Invalidate(true);
    }
}

void TButton::EvLButtonUp(u32, const TPoint& point) {
    if (!Tracking)
        return;
    Tracking = false;
    ReleaseCapture();
    const bool clicked = Pressed && GetClientRect().Contains(point);
    Pressed = false;
    Invalidate(true);
    if (clicked)
        Click();
}

void TButton::EvChar(u32 key, u32, u32) {
    if (key == ' ')
        Click();
}

LRESULT TButton::EvSetStyle(WPARAM style, LPARAM redraw) {
    Attr.Style = (Attr.Style & ~BS_TYPEMASK) | (static_cast<u32>(style) & BS_TYPEMASK);
    if (redraw != 0)
        Invalidate(true);
    return 0;
}

LRESULT TButton::EvClick(WPARAM, LPARAM) {
    Click();
    return 0;
}

void TButton::PaintControl(TDC& dc) {
    const TRect r = GetClientRect();
    // A push button shows the default ring while it has the focus; the dialog's default
    // button shows it while the focus is not on another push button.
    bool ring = HasFocus();
    if (!ring && IsDefault()) {
        ring = true;
        if (TDialog* dialog = GetDialog())
            if (TWindow* focus = TDesktop::Get().GetFocus();
                focus != this && focus != nullptr && focus->GetParent() == dialog)
                if (const TControl* c = dynamic_cast<const TControl*>(focus))
                    ring = (c->GetDlgCode() & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) == 0;
    }
    ControlPaint::ButtonFrame(dc, r, Pressed, ring);
    TRect text{r.left + 4, r.top + 3, r.right - 4, r.bottom - 3};
    if (Pressed)
        text = text.OffsetBy(1, 1);
    TRect drawn = text;
    if ((Attr.Style & BS_BITMAP) != 0 && ArrowFace != TArrowFace::None)
        PaintArrowFace(dc, text, ArrowFace,
                       IsWindowEnabled() ? Theme::WindowText : Theme::Shadow3d);
    else
        drawn = ControlPaint::Label(dc, GetFont(), GetText(), text,
                                    DT_CENTER | DT_VCENTER | DT_SINGLELINE, Theme::WindowText,
                                    IsWindowEnabled());
    if (HasFocus()) {
        const TRect inner{r.left + 4, r.top + 4, r.right - 4, r.bottom - 4};
        ControlPaint::FocusRect(dc, inner.IsEmpty() ? drawn : inner);
    }
}

TCheckBox::TCheckBox(TWindow* parent, int id, const char* title, i32 x, i32 y, i32 w, i32 h,
                     TModule* module)
    : TButton(parent, id, title, x, y, w, h, false, module) {
    Attr.Style = (Attr.Style & ~BS_TYPEMASK) | BS_AUTOCHECKBOX;
}

TCheckBox::TCheckBox(TWindow* parent, int resourceId, TModule* module)
    : TButton(parent, resourceId, module) {}

bool TCheckBox::IsAutomatic() const {
    const u32 type = Attr.Style & BS_TYPEMASK;
    return type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}

void TCheckBox::SetCheck(u32 state) {
    const u32 type = Attr.Style & BS_TYPEMASK;
    const bool threeState = type == BS_3STATE || type == BS_AUTO3STATE;
    if (state > BF_GRAYED || (state == BF_GRAYED && !threeState))
        state = state == BF_GRAYED ? BF_UNCHECKED : BF_CHECKED;
    if (state == State)
        return;
    State = state;
    if (IsWindow())
        Invalidate(true);
}

void TCheckBox::Toggle() {
    const u32 type = Attr.Style & BS_TYPEMASK;
    if (type == BS_3STATE || type == BS_AUTO3STATE)
        SetCheck((State + 1) % 3);
    else
        SetCheck(State == BF_CHECKED ? BF_UNCHECKED : BF_CHECKED);
}

void TCheckBox::Click() {
    if (IsAutomatic())
        Toggle();
    NotifyParent(BN_CLICKED);
}

LRESULT TCheckBox::EvSetCheck(WPARAM state, LPARAM) {
    SetCheck(static_cast<u32>(state));
    return 0;
}

namespace {

// The focus mark around a check box's or radio button's label: clear of the text by a pixel
// on every side, so that it neither meets the mnemonic's underline nor touches descenders,
// and kept inside the control.
TRect LabelFocusRect(const TRect& text, const TRect& client) {
    return TRect{text.left - 2, text.top - 1, text.right + 2, text.bottom + 2} & client;
}

} // namespace

void TCheckBox::PaintControl(TDC& dc) {
    const TRect r = GetClientRect();
    const bool enabled = IsWindowEnabled();
    const i32 boxTop = r.top + (r.Height() - 13) / 2;
    const TRect box{r.left, boxTop, r.left + 13, boxTop + 13};
    ControlPaint::Sunken(dc, box);
    const TRect well{box.left + 2, box.top + 2, box.right - 2, box.bottom - 2};
    dc.FillSolidRect(well, enabled && State != BF_GRAYED ? Theme::WindowBack : Theme::Face);
    if (State != BF_UNCHECKED)
        ControlPaint::CheckMark(
            dc, well, enabled && State == BF_CHECKED ? Theme::WindowText : Theme::Shadow3d);
    const TRect text{r.left + 17, r.top, r.right, r.bottom};
    const TRect drawn =
        ControlPaint::Label(dc, GetFont(), GetText(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                            Theme::WindowText, enabled);
    if (HasFocus())
        ControlPaint::FocusRect(dc, LabelFocusRect(drawn, r));
}

TRadioButton::TRadioButton(TWindow* parent, int id, const char* title, i32 x, i32 y, i32 w, i32 h,
                           TModule* module)
    : TCheckBox(parent, id, title, x, y, w, h, module) {
    Attr.Style = (Attr.Style & ~BS_TYPEMASK) | BS_AUTORADIOBUTTON;
}

TRadioButton::TRadioButton(TWindow* parent, int resourceId, TModule* module)
    : TCheckBox(parent, resourceId, module) {}

std::vector<TWindow*> TRadioButton::GetGroup() const {
    std::vector<TWindow*> all;
    if (const TDialog* dialog = GetDialog())
        all = dialog->GetControlsInOrder();
    else if (GetParent() != nullptr)
        all = GetParent()->GetChildren();
    const auto self = std::find(all.begin(), all.end(), this);
    if (self == all.end())
        return {const_cast<TRadioButton*>(this)};
    auto first = self;
    while (first != all.begin() && ((*first)->Attr.Style & WS_GROUP) == 0)
        --first;
    auto last = self + 1;
    while (last != all.end() && ((*last)->Attr.Style & WS_GROUP) == 0)
        ++last;
    return {first, last};
}

void TRadioButton::Click() {
    if (IsAutomatic()) {
        for (TWindow* w : GetGroup()) {
            if (w == this)
                continue;
            if (TRadioButton* other = dynamic_cast<TRadioButton*>(w))
                other->Uncheck();
        }
        Check();
    }
    NotifyParent(BN_CLICKED);
}

void TRadioButton::PaintControl(TDC& dc) {
    const TRect r = GetClientRect();
    const bool enabled = IsWindowEnabled();
    ControlPaint::RadioCircle(dc, {r.left, r.top + (r.Height() - 12) / 2}, State == BF_CHECKED,
                              enabled);
    const TRect text{r.left + 17, r.top, r.right, r.bottom};
    const TRect drawn =
        ControlPaint::Label(dc, GetFont(), GetText(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                            Theme::WindowText, enabled);
    if (HasFocus())
        ControlPaint::FocusRect(dc, LabelFocusRect(drawn, r));
}

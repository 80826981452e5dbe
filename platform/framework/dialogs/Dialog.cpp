// TDialog: windows from templates, modal and modeless runs, the dialog keyboard and the
// routing of child notifications.
#include "Dialog.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/chrome/Theme.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Control.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/ListBox.h"
#include "platform/framework/controls/Static.h"
#include "platform/framework/draw/GdiObject.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"
#include "platform/framework/window/ModalLoop.h"

#include <algorithm>
#include <cctype>
#include <strings.h>

DEFINE_RESPONSE_TABLE1(TDialog, TWindow)
EV_COMMAND(IDOK, CmOk),
    EV_COMMAND(IDCANCEL, CmCancel), EV_WM_CLOSE, EV_WM_SETFOCUS, END_RESPONSE_TABLE;

namespace {

bool SameClass(const std::string& a, const char* b) {
    return strcasecmp(a.c_str(), b) == 0;
}

bool IsChildOf(const TWindow* parent, const TWindow* w) {
    const auto& children = parent->GetChildren();
    return std::find(children.begin(), children.end(), w) != children.end();
}

TControl* AsControl(TWindow* w) {
    return dynamic_cast<TControl*>(w);
}

bool IsPushButton(TWindow* w) {
    const TControl* c = AsControl(w);
    return c != nullptr && (c->GetDlgCode() & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

// The frame and caption the window system adds around a client area of this style.
TRect FrameInsets(u32 style) {
    i32 border = 0;
    if ((style & WS_THICKFRAME) != 0)
        border = TDesktop::Get().GetSystemMetrics(SM_CXFRAME);
    else if ((style & WS_DLGFRAME) != 0)
        border = TDesktop::Get().GetSystemMetrics(SM_CXDLGFRAME);
    else if ((style & WS_BORDER) != 0)
        border = TDesktop::Get().GetSystemMetrics(SM_CXBORDER);
    i32 top = border;
    if ((style & WS_CAPTION) == WS_CAPTION)
        top += TDesktop::Get().GetSystemMetrics(SM_CYCAPTION);
    return {border, top, border, border};
}

} // namespace

TDialog::TDialog(TWindow* parent, u32 resId, TModule* module)
    : TWindow(parent, nullptr, module), ResId(resId) {
    EnableAutoCreate(false);
}

TDialog::TDialog(TWindow* parent, const TDialogTemplate& dialogTemplate, TModule* module)
    : TWindow(parent, nullptr, module),
      OwnTemplate(std::make_unique<TDialogTemplate>(dialogTemplate)) {
    EnableAutoCreate(false);
    Template = OwnTemplate.get();
}

TDialog::~TDialog() {
    // A dialog deleted while it still runs modally ends that run with Cancel.
    if (IsWindow())
        Destroy(IDCANCEL);
}

const TDialogTemplate* TDialog::GetTemplate() const {
    if (Template != nullptr)
        return Template;
    return TResourceRegistry::Get().FindDialog(ResId);
}

bool TDialog::Create() {
    if (IsWindow())
        return true;
    Template = GetTemplate();
    if (Template == nullptr)
        return false;
    const TDialogTemplate& t = *Template;
    if ((t.Style & DS_SETFONT) != 0 && !t.FontFace.empty())
        Font = std::make_unique<TFont>(t.FontFace.c_str(), -MulDiv(t.PointSize, 96, 72));
    else
        Font = std::make_unique<TFont>(Theme::SystemFontFace,
                                       -MulDiv(Theme::SystemFontPoints, 96, 72));
    BaseUnits = BaseUnitsOfFont(*Font);

    u32 style = t.Style;
    if ((style & DS_MODALFRAME) != 0)
        style |= WS_DLGFRAME;
    Attr.Style = style;
    // The template gives the client area; the frame and caption go around it.
    const TRect client = DialogUnitsToPixels(BaseUnits, t.X, t.Y, t.W, t.H);
    const TRect in = FrameInsets(style);
    Attr.W = client.Width() + in.left + in.right;
    Attr.H = client.Height() + in.top + in.bottom;
    TPoint origin;
    TWindow* parent = GetParent();
    if ((style & WS_CHILD) == 0 && parent != nullptr && parent->IsWindow())
        origin = TDesktop::Get().ClientToScreen(parent, {0, 0});
    Attr.X = origin.x + client.left;
    Attr.Y = origin.y + client.top;
    if ((style & DS_CENTER) != 0) {
        const TSize screen = TDesktop::Get().GetScreenSize();
        Attr.X = (screen.cx - Attr.W) / 2;
        Attr.Y = (screen.cy - Attr.H) / 2;
    }
    if (GetCaption().empty())
        SetCaption(t.Caption.c_str());
    return TWindow::Create();
}

void TDialog::GetWindowClass(WNDCLASS& wndClass) {
    const TDialogTemplate* t = GetTemplate();
    wndClass.className = t != nullptr && !t->ClassName.empty() ? t->ClassName : "#32770";
    wndClass.style |= CS_SAVEBITS;
    wndClass.hasBackground = true;
    wndClass.background = Theme::Face;
}

TWindow* TDialog::MakeControl(const TDialogItemTemplate& item) {
    const std::string& cls = item.ClassName;
    const u32 type = item.Style & BS_TYPEMASK;
    if (SameClass(cls, "button") || SameClass(cls, "BorBtn") || SameClass(cls, "BorCheck") ||
        SameClass(cls, "BorRadio")) {
        switch (type) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return new TCheckBox(this, item.Id);
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return new TRadioButton(this, item.Id);
        case BS_GROUPBOX:
            return new TGroupBox(this, item.Id);
        default:
            return new TButton(this, item.Id);
        }
    }
    if (SameClass(cls, "static") || SameClass(cls, "BorStatic"))
        return new TStatic(this, item.Id);
    if (SameClass(cls, "BorShade"))
        return new TShadeRule(this, item.Id);
    if (SameClass(cls, "edit"))
        return new TEdit(this, item.Id);
    if (SameClass(cls, "listbox"))
        return new TListBox(this, item.Id);
    if (SameClass(cls, "combobox"))
        return new TComboBox(this, item.Id);
    // A class we do not know has nothing to show; the dialog works without it.
    return nullptr;
}

void TDialog::CreateControls() {
    const TDialogTemplate& t = *Template;
    const size_t n = t.Items.size();
    std::vector<TWindow*> order(n, nullptr);
    std::vector<TWindow*> claimed;
    for (size_t i = 0; i < n; ++i) {
        const TDialogItemTemplate& item = t.Items[i];
        TWindow* w = nullptr;
        // A control object the program bound to this id takes the template's control;
        // ids of -1 (frames, rules) are never bound.
        if (item.Id != -1 && static_cast<u16>(item.Id) != 0xFFFF) {
            for (TWindow* child : GetChildren()) {
                TControl* c = AsControl(child);
                if (c != nullptr && c->IsBound() && !c->IsWindow() && c->GetId() == item.Id &&
                    std::find(claimed.begin(), claimed.end(), child) == claimed.end()) {
                    w = child;
                    break;
                }
            }
        }
        // On a second run the controls the dialog made itself are used again.
        if (w == nullptr && i < TemplateOrder.size() && TemplateOrder[i] != nullptr &&
            IsChildOf(this, TemplateOrder[i]) && !TemplateOrder[i]->IsWindow())
            w = TemplateOrder[i];
        if (w == nullptr)
            w = MakeControl(item);
        if (w == nullptr)
            continue;
        claimed.push_back(w);
        order[i] = w;
        if (TControl* c = AsControl(w))
            c->ApplyTemplate(item, DialogUnitsToPixels(BaseUnits, item.X, item.Y, item.W, item.H));
        if ((item.Style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && IsPushButton(w) && DefaultId == 0)
            DefaultId = static_cast<u32>(item.Id);
    }
    TemplateOrder = order;
    // Made last to first so that the first control of the template lies on top, as the
    // old system stacks them (a group box must not cover the buttons inside it).
    for (size_t i = n; i-- > 0;)
        if (order[i] != nullptr)
            order[i]->Create();
}

void TDialog::SetupWindow() {
    CreateControls();
    TWindow::SetupWindow();
    TransferData(tdSetData);
}

void TDialog::TransferData(TTransferDirection) {}

std::vector<TWindow*> TDialog::GetControlsInOrder() const {
    std::vector<TWindow*> out;
    for (TWindow* w : TemplateOrder)
        if (w != nullptr && IsChildOf(this, w))
            out.push_back(w);
    for (TWindow* w : GetChildren())
        if (std::find(out.begin(), out.end(), w) == out.end())
            out.push_back(w);
    return out;
}

void TDialog::ForgetControl(TWindow* control) {
    std::replace(TemplateOrder.begin(), TemplateOrder.end(), control,
                 static_cast<TWindow*>(nullptr));
    if (LastFocus == control)
        LastFocus = nullptr;
}

HWND TDialog::GetDlgItem(int id) const {
    for (TWindow* w : GetControlsInOrder())
        if (static_cast<int>(w->Attr.Id) == id && w->IsWindow())
            return w;
    return nullptr;
}

LRESULT TDialog::SendDlgItemMessage(int id, u32 msg, WPARAM wp, LPARAM lp) {
    HWND item = GetDlgItem(id);
    return item != nullptr ? item->SendMessage(msg, wp, lp) : 0;
}

u32 TDialog::GetDefaultId() const {
    return DefaultId != 0 ? DefaultId : static_cast<u32>(IDOK);
}

void TDialog::SetDefaultId(u32 id) {
    const u32 old = GetDefaultId();
    DefaultId = id;
    for (u32 changed : {old, id})
        if (HWND w = GetDlgItem(static_cast<int>(changed)); w != nullptr && IsPushButton(w))
            w->SendMessage(BM_SETSTYLE, changed == id ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 1);
}

void TDialog::NoteFocus(TWindow* control) {
    LastFocus = control;
    if (HWND button = GetDlgItem(static_cast<int>(GetDefaultId()));
        button != nullptr && button != control && button->IsWindow())
        button->Invalidate(true);
}

TRect TDialog::MapDialogRect(const TRect& r) const {
    return DialogUnitsToPixels(BaseUnits, r.left, r.top, r.Width(), r.Height());
}

int TDialog::Execute() {
    if (!Create())
        return -1;
    if (!IsWindowVisible())
        ShowWindow(SW_SHOW);
    int result = -1;
    if (TApplication* app = GetApplication()) {
        ModalRun = TModalRun::Application;
        result = app->BeginModal(this, MB_TASKMODAL);
    } else {
        ModalRun = TModalRun::Local;
        result = TModalLoop::Run(this, MB_TASKMODAL, TModalLoop::TOthers::Run, -1);
    }
    ModalRun = TModalRun::None;
    // The loop can also end without the dialog (the program quits).
    if (IsWindow())
        TWindow::Destroy(result);
    return result;
}

void TDialog::CloseWindow(int retVal) {
    if (!CanClose())
        return;
    TransferData(tdGetData);
    Destroy(retVal);
}

void TDialog::Destroy(int retVal) {
    const TModalRun run = ModalRun;
    ModalRun = TModalRun::None;
    if (run == TModalRun::Application) {
        if (TApplication* app = GetApplication())
            app->EndModal(retVal, this);
    } else if (run == TModalRun::Local) {
        TModalLoop::End(this, retVal);
    }
    TWindow::Destroy(retVal);
}

void TDialog::CmOk() {
    CloseWindow(IDOK);
}

void TDialog::CmCancel() {
    Destroy(IDCANCEL);
}

void TDialog::EvClose() {
    // The close box means Cancel, as Esc does.
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void TDialog::EvSetFocus(HWND) {
    TWindow* target = LastFocus;
    if (target == nullptr || !target->IsWindow() || !target->IsWindowVisible() ||
        !target->IsWindowEnabled())
        target = NextTabStop(nullptr, false);
    if (target != nullptr)
        FocusControl(target);
}

LRESULT TDialog::EvCommand(u32 id, HWND hWndCtl, u32 notifyCode) {
    if (hWndCtl != nullptr) {
        if (const TResponseEntry* e = Find(WM_CHILD_NOTIFY, ChildNotifyKey(id, notifyCode));
            e != nullptr && e->Dispatch != nullptr)
            return e->Dispatch(*this,
                               MAKEWPARAM(static_cast<u16>(id), static_cast<u16>(notifyCode)),
                               static_cast<LPARAM>(HwndToParam(hWndCtl)));
        // Only a click is a command; other notifications need an entry of their own.
        if (notifyCode != BN_CLICKED)
            return 0;
    }
    return TWindow::EvCommand(id, hWndCtl, notifyCode);
}

void TDialog::FocusControl(TWindow* control) {
    if (control == nullptr || !control->IsWindow())
        return;
    control->SetFocus();
    if (const TControl* c = AsControl(control);
        c != nullptr && (c->GetDlgCode() & DLGC_HASSETSEL) != 0)
        control->SendMessage(EM_SETSEL, 0, -1);
}

TWindow* TDialog::FocusedControl() const {
    TWindow* focus = TDesktop::Get().GetFocus();
    for (TWindow* w = focus; w != nullptr; w = w->GetParent())
        if (w == this)
            return focus;
    return nullptr;
}

void TDialog::PressDefault() {
    TWindow* focus = FocusedControl();
    if (focus != nullptr && IsPushButton(focus)) {
        AsControl(focus)->Press();
        return;
    }
    const u32 id = GetDefaultId();
    HWND button = GetDlgItem(static_cast<int>(id));
    // A default button that is hidden or greyed cannot be pressed.
    if (button != nullptr && (!button->IsWindowVisible() || !button->IsWindowEnabled()))
        return;
    SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<u16>(id), BN_CLICKED),
                static_cast<LPARAM>(HwndToParam(button)));
}

bool TDialog::PressMnemonic(char letter) {
    const int wanted = std::toupper(static_cast<unsigned char>(letter));
    const std::vector<TWindow*> all = GetControlsInOrder();
    // The search starts after the focus, so that a letter used twice goes round them.
    size_t start = 0;
    if (TWindow* focus = FocusedControl())
        if (auto it = std::find(all.begin(), all.end(), focus); it != all.end())
            start = static_cast<size_t>(it - all.begin()) + 1;
    for (size_t k = 0; k < all.size(); ++k) {
        TWindow* w = all[(start + k) % all.size()];
        TControl* c = AsControl(w);
        if (c == nullptr || !w->IsWindow() || !w->IsWindowVisible() || !w->IsWindowEnabled())
            continue;
        const std::string text = c->GetMnemonicText();
        char mnemonic = 0;
        for (size_t i = 0; i + 1 < text.size(); ++i) {
            if (text[i] == '&') {
                if (text[i + 1] != '&') {
                    mnemonic = text[i + 1];
                    break;
                }
                ++i;
            }
        }
        if (mnemonic == 0 || std::toupper(static_cast<unsigned char>(mnemonic)) != wanted)
            continue;
        const u32 code = c->GetDlgCode();
        if ((code & DLGC_STATIC) != 0) {
            // A label hands the focus to the control after it.
            const size_t from = (start + k) % all.size();
            for (size_t j = from + 1; j < all.size(); ++j) {
                TControl* next = AsControl(all[j]);
                if (next != nullptr && (next->GetDlgCode() & DLGC_STATIC) == 0 &&
                    next->IsWindow() && next->IsWindowVisible() && next->IsWindowEnabled()) {
                    FocusControl(next);
                    break;
                }
            }
            return true;
        }
        if (!IsPushButton(w))
            FocusControl(w);
        c->Press();
        return true;
    }
    return false;
}

bool TDialog::HandleKey(u32 key, u32 character) {
    TWindow* focus = FocusedControl();
    const TControl* focusControl = focus != this ? AsControl(focus) : nullptr;
    const u32 code = focusControl != nullptr ? focusControl->GetDlgCode() : 0;
    if ((code & DLGC_WANTALLKEYS) != 0)
        return false;
    TDesktop& desktop = TDesktop::Get();
    switch (key) {
    case VK_TAB:
        if ((code & DLGC_WANTTAB) != 0)
            return false;
        if (TWindow* next = NextTabStop(focus, desktop.IsKeyDown(VK_SHIFT)))
            FocusControl(next);
        return true;
    case VK_RETURN:
        PressDefault();
        return true;
    case VK_F1:
        if (desktop.IsKeyDown(VK_SHIFT) || desktop.IsKeyDown(VK_CONTROL) ||
            desktop.IsKeyDown(VK_MENU))
            return false;
        ShowHelpForF1();
        return true;
    case DLG_VK_LEFT:
    case DLG_VK_UP:
    case DLG_VK_RIGHT:
    case DLG_VK_DOWN:
        // A control that wants the arrows (an edit, a list) keeps them, and other controls have
        // no use for them; in a radio group they choose the button before or after.
        if ((code & DLGC_WANTARROWS) != 0 || (code & DLGC_RADIOBUTTON) == 0)
            return false;
        MoveInRadioGroup(focus, key == DLG_VK_LEFT || key == DLG_VK_UP);
        return true;
    case VK_ESCAPE: {
        HWND cancel = GetDlgItem(IDCANCEL);
        if (cancel != nullptr && !cancel->IsWindowEnabled())
            return true;
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                    static_cast<LPARAM>(HwndToParam(cancel)));
        return true;
    }
    default:
        break;
    }
    if (character >= 0x20 && character < 0x100 &&
        (desktop.IsKeyDown(VK_MENU) || (code & DLGC_WANTCHARS) == 0))
        return PressMnemonic(static_cast<char>(character));
    return false;
}

bool TDialog::PreProcessMsg(MSG& msg) {
    if (!IsWindow())
        return false;
    if (TWindow::PreProcessMsg(msg))
        return true;
    if (msg.message != WM_KEYDOWN)
        return false;
    // The dialog's keyboard is for keys typed into its own controls. One typed into a window
    // it only owns (a dialog opened from it) is that window's: an underlined letter there must
    // never press a button of this one behind it.
    const TWindow* own = msg.hwnd;
    while (own != nullptr && own != this && (own->Attr.Style & WS_CHILD) != 0)
        own = own->GetParent();
    if (own != this)
        return false;
    return HandleKey(static_cast<u32>(msg.wParam), msg.keyChar);
}

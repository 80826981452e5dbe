// TFrameWindow: client window, menu bar, and command and enabler routing.
#include "FrameWindow.h"

#include "Desktop.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/menus/CommandEnabler.h"
#include "platform/framework/menus/Menu.h"

DEFINE_RESPONSE_TABLE1(TFrameWindow, TWindow)
EV_WM_SETFOCUS, EV_WM_INITMENUPOPUP, EV_WM_SIZE, END_RESPONSE_TABLE;

TFrameWindow::TFrameWindow(TWindow* parent, const char* title, TWindow* clientWnd,
                           bool shrinkToClient, TModule* module)
    : TWindow(parent, title, module), ShrinkToClient(shrinkToClient) {
    Attr.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    if (clientWnd != nullptr)
        SetClientWindow(clientWnd);
}

namespace {

bool IsInside(TWindow* w, const TWindow* ancestor) {
    for (; w != nullptr; w = w->GetParent())
        if (w == ancestor)
            return true;
    return false;
}

} // namespace

TWindow* TFrameWindow::SetClientWindow(TWindow* clientWnd) {
    TWindow* old = ClientWnd;
    if (old != nullptr && HWndRestoreFocus == old)
        HWndRestoreFocus = nullptr;
    ClientWnd = clientWnd;
    if (clientWnd == nullptr)
        return old;
    if (clientWnd->GetParent() != this)
        clientWnd->SetParent(this);
    if (IsWindow()) {
        if (!clientWnd->IsWindow())
            clientWnd->Create();
        if (clientWnd->IsWindow()) {
            clientWnd->ShowWindow(SW_SHOWNOACTIVATE);
            FitClient();
            if (TDesktop::Get().GetFocus() == GetHandle())
                clientWnd->SetFocus();
        }
    }
    return old;
}

void TFrameWindow::FitClient() {
    if (ClientWnd == nullptr || !ClientWnd->IsWindow() || IsIconic())
        return;
    TDesktop& desktop = TDesktop::Get();
    if (ShrinkToClient) {
        // The frame takes the size that gives the client window exactly its own size.
        const TRect client = desktop.GetClientRect(this);
        const TRect frame = desktop.GetWindowRect(this);
        const TRect wanted = ClientWnd->GetWindowRect();
        const i32 cx = frame.Width() - client.Width() + wanted.Width();
        const i32 cy = frame.Height() - client.Height() + wanted.Height();
        // Recorded first: the resize below sends a WM_SIZE that must find the frame fitted.
        FittedInsets = {frame.Width() - client.Width(), frame.Height() - client.Height()};
        if (cx != frame.Width() || cy != frame.Height())
            SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ClientWnd->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const TRect client = desktop.GetClientRect(this);
        ClientWnd->SetWindowPos(nullptr, 0, 0, client.Width(), client.Height(),
                                SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TFrameWindow::SetupWindow() {
    TWindow::SetupWindow();
    if (ClientWnd != nullptr && !ClientWnd->IsWindow())
        ClientWnd->Create();
    FitClient();
    // The backend may have come after the icon was chosen.
    ShowIcon();
}

bool TFrameWindow::AssignMenu(u32 menuResId) {
    Attr.Menu = menuResId;
    if (!IsWindow())
        return true;
    TModule* module = GetModule();
    HMENU menu = module != nullptr ? module->LoadMenu(menuResId) : nullptr;
    if (menu == nullptr)
        return false;
    HMENU old = GetMenu();
    SetMenu(menu);
    DestroyMenu(old);
    return true;
}

bool TFrameWindow::SetMenu(HMENU newMenu) {
    if (!TDesktop::Get().SetMenu(this, newMenu))
        return false;
    // A menu bar that came or went changes the frame's own edges. A frame whose class answers
    // WM_SIZE itself never reaches EvSize below, so the refit is made here too: a frame fitted
    // before its first menu bar came would otherwise lose the client's bottom to the bar.
    if (ShrinkToClient && IsWindow() && FittedInsets != TSize{-1, -1} && EdgesChanged())
        FitClient();
    return true;
}

bool TFrameWindow::EdgesChanged() const {
    const TDesktop& desktop = TDesktop::Get();
    const TRect client = desktop.GetClientRect(GetHandle());
    const TRect frame = desktop.GetWindowRect(GetHandle());
    return TSize{frame.Width() - client.Width(), frame.Height() - client.Height()} != FittedInsets;
}

HMENU TFrameWindow::GetMenu() const {
    return TDesktop::Get().GetMenu(GetHandle());
}

bool TFrameWindow::SetIcon(TModule* iconModule, u32 iconResId) {
    IconModule = iconModule;
    IconResId = iconResId;
    ShowIcon();
    return true;
}

void TFrameWindow::ShowIcon() {
    // Only a top-level frame stands for the host window; an id with no picture (a frame of
    // the minimised animation the data set leaves out) keeps the picture shown before.
    if (GetParent() != nullptr || IconResId == 0)
        return;
    const TIconImage* icon = TResourceRegistry::Get().FindIcon(IconResId);
    TBackend* backend = TDesktop::Get().GetBackend();
    if (icon != nullptr && backend != nullptr)
        backend->SetHostIcon(*icon);
}

HWND TFrameWindow::GetCommandTarget() {
    TDesktop& desktop = TDesktop::Get();
    const HWND focus = desktop.GetFocus();
    if (focus != nullptr && focus != this && IsInside(focus, this))
        return focus;
    if (desktop.IsWindow(HWndRestoreFocus) && IsInside(HWndRestoreFocus, this))
        return HWndRestoreFocus;
    if (ClientWnd != nullptr && ClientWnd->IsWindow())
        return ClientWnd;
    return GetHandle();
}

LRESULT TFrameWindow::EvCommand(u32 id, HWND hWndCtl, u32 notifyCode) {
    if (hWndCtl == nullptr) {
        // Menus, accelerators and posted commands: the focus window and its parents first.
        for (TWindow* w = GetCommandTarget(); w != nullptr && w != this; w = w->GetParent()) {
            const TResponseEntry* e = w->Find(WM_COMMAND, id);
            if (e != nullptr && e->Dispatch != nullptr)
                return e->Dispatch(
                    *w, MAKEWPARAM(static_cast<u16>(id), static_cast<u16>(notifyCode)), 0);
        }
    }
    return TWindow::EvCommand(id, hWndCtl, notifyCode);
}

void TFrameWindow::EvCommandEnable(TCommandEnabler& commandEnabler) {
    TWindow* target = GetCommandTarget();
    for (TWindow* w = target; w != nullptr && w != this; w = w->GetParent())
        if (w->DispatchCommandEnable(commandEnabler) && commandEnabler.GetHandled())
            return;
    if (DispatchCommandEnable(commandEnabler) && commandEnabler.GetHandled())
        return;
    // Nobody decided: a command is enabled exactly when some window on the route handles it.
    bool handled = false;
    for (TWindow* w = target; w != nullptr; w = w == this ? nullptr : w->GetParent())
        if (w->Find(WM_COMMAND, commandEnabler.GetId()) != nullptr)
            handled = true;
    commandEnabler.Enable(handled);
}

void TFrameWindow::EvSetFocus(HWND hWndLostFocus) {
    TDesktop& desktop = TDesktop::Get();
    HWND target = HWndRestoreFocus;
    if (!desktop.IsWindow(target) || target == this || !IsInside(target, this))
        target = ClientWnd != nullptr && ClientWnd->IsWindow() ? ClientWnd : nullptr;
    if (target != nullptr && !target->GetWindowState().Dying) {
        desktop.SetFocus(target);
        return;
    }
    TWindow::EvSetFocus(hWndLostFocus);
}

void TFrameWindow::EvInitMenuPopup(HMENU popupMenu, u32 index, bool sysMenu) {
    if (sysMenu || popupMenu == nullptr) {
        TWindow::EvInitMenuPopup(popupMenu, index, sysMenu);
        return;
    }
    for (u32 pos = 0; pos < popupMenu->Items.size(); ++pos) {
        const TMenuItem& item = popupMenu->Items[pos];
        if (item.Popup || (item.Flags & MF_SEPARATOR) != 0)
            continue;
        TMenuItemEnabler enabler(popupMenu, item.Id, GetHandle(), pos);
        EvCommandEnable(enabler);
    }
}

void TFrameWindow::EvSize(u32 sizeType, const TSize& size) {
    TWindow::EvSize(sizeType, size);
    if (sizeType == SIZE_MINIMIZED)
        return;
    if (!ShrinkToClient) {
        FitClient();
        return;
    }
    // A shrink-to-client frame keeps the size its owner gives it, unless its own edges
    // changed: a menu bar that came, went or changed height would otherwise leave the client
    // window reaching past the bottom of the frame.
    if (EdgesChanged())
        FitClient();
}

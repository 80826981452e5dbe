// Menu-bar sessions: the messages a frame sees around a menu choice.
#include "MenuTracker.h"

#include "Menu.h"
#include "platform/framework/window/Desktop.h"

TMenuTracker::~TMenuTracker() {
    if (Active)
        Cancel();
}

bool TMenuTracker::Enter() {
    TDesktop& desktop = TDesktop::Get();
    if (Active)
        return true;
    if (!desktop.IsWindow(Frame) || desktop.GetMenu(Frame) == nullptr)
        return false;
    Active = true;
    desktop.SendMessage(Frame, WM_ENTERMENULOOP, 0, 0);
    return true;
}

HMENU TMenuTracker::OpenPopup(int position) {
    TDesktop& desktop = TDesktop::Get();
    if (!Active || !desktop.IsWindow(Frame))
        return nullptr;
    HMENU popup = GetSubMenu(desktop.GetMenu(Frame), position);
    if (popup == nullptr)
        return nullptr;
    Popup = popup;
    desktop.SendMessage(Frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                        MAKELPARAM(static_cast<u16>(position), 0));
    return popup;
}

bool TMenuTracker::Choose(u32 id) {
    if (!Active || Popup == nullptr)
        return false;
    TMenuItem* item = Popup->FindCommand(id);
    if (item == nullptr || (item->Flags & (MF_GRAYED | MF_DISABLED)) != 0)
        return false;
    Exit();
    TDesktop::Get().PostMessage(Frame, WM_COMMAND, MAKEWPARAM(static_cast<u16>(id), 0), 0);
    return true;
}

bool TMenuTracker::ChooseBarItem(int position) {
    TDesktop& desktop = TDesktop::Get();
    if (!Active || !desktop.IsWindow(Frame))
        return false;
    HMENU bar = desktop.GetMenu(Frame);
    if (position < 0 || position >= GetMenuItemCount(bar))
        return false;
    const TMenuItem& item = bar->Items[static_cast<size_t>(position)];
    if (item.Popup || (item.Flags & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR)) != 0)
        return false;
    const u32 id = item.Id;
    Exit();
    desktop.PostMessage(Frame, WM_COMMAND, MAKEWPARAM(static_cast<u16>(id), 0), 0);
    return true;
}

void TMenuTracker::Cancel() {
    if (Active)
        Exit();
}

void TMenuTracker::Exit() {
    Active = false;
    Popup = nullptr;
    TDesktop::Get().SendMessage(Frame, WM_EXITMENULOOP, 0, 0);
}

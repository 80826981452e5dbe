// Menu sessions driven by the mouse and the keyboard: the menu bar's highlight, pop-ups and
// the choice of a command.
#include "MenuUi.h"

#include "Menu.h"
#include "platform/framework/chrome/Chrome.h"
#include "platform/framework/chrome/ChromeCanvas.h"
#include "platform/framework/window/Desktop.h"
#include "platform/framework/window/Window.h"

#include <cctype>

namespace {

constexpr u32 KeyLeft = 0x25;
constexpr u32 KeyUp = 0x26;
constexpr u32 KeyRight = 0x27;
constexpr u32 KeyDown = 0x28;
constexpr u32 KeyF10 = 0x79;

bool IsTopLevel(HWND w) {
    return (w->Attr.Style & WS_CHILD) == 0;
}

// The character a key stands for when it picks an item by its underlined letter.
char MnemonicOf(const TInputEvent& event) {
    if (event.Char >= 0x20 && event.Char < 0x7F)
        return static_cast<char>(std::toupper(static_cast<int>(event.Char)));
    const u32 vk = event.VirtualKey;
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return static_cast<char>(vk);
    return 0;
}

// The first item, of a menu or of a pop-up's items, whose underlined letter is the key.
template <class TItems> int FindMnemonic(const TItems& items, char key) {
    if (key == 0)
        return -1;
    for (size_t i = 0; i < items.size(); ++i)
        if ((items[i].Flags & MF_SEPARATOR) == 0 &&
            ChromeText::ParseLabel(items[i].Text).Mnemonic == key)
            return static_cast<int>(i);
    return -1;
}

int FindMnemonic(HMENU menu, char key) {
    return menu == nullptr ? -1 : FindMnemonic(menu->Items, key);
}

} // namespace

TMenuUi& TMenuUi::Get() {
    static TMenuUi ui;
    return ui;
}

bool TMenuUi::IsActive() const {
    // A frame whose bar was swapped under the session (a mode switch does that) ends it:
    // the old bar and its pop-ups are gone.
    TDesktop& desktop = TDesktop::Get();
    return Tracker != nullptr && Tracker->IsActive() && desktop.IsWindow(Frame) &&
           desktop.GetMenu(Frame) == Bar;
}

int TMenuUi::GetBarSelection(HWND frame) const {
    return IsActive() && frame == Frame ? BarSelection : -1;
}

int TMenuUi::BarItemCount() const {
    return GetMenuItemCount(TDesktop::Get().GetMenu(Frame));
}

HWND TMenuUi::KeyboardFrame() const {
    TDesktop& desktop = TDesktop::Get();
    const HWND active = desktop.GetActiveWindow();
    if (!desktop.IsWindow(active) || !IsTopLevel(active) || desktop.GetMenu(active) == nullptr ||
        !desktop.IsWindowEnabled(active) || !desktop.IsWindowVisible(active) ||
        desktop.IsIconic(active) || GetMenuItemCount(desktop.GetMenu(active)) <= 0)
        return nullptr;
    return active;
}

bool TMenuUi::OnInput(const TInputEvent& event) {
    if (Tracker != nullptr && !IsActive()) {
        // The frame or its bar went away under the session: the frame still hears that
        // the menu loop ended, if it is there to hear it.
        Popup.reset();
        Tracker.reset();
        Frame = nullptr;
        BarSelection = -1;
        PressedBarItem = -1;
    }
    switch (event.Kind) {
    case TInputKind::Key:
        return OnKey(event);
    case TInputKind::MouseMove:
    case TInputKind::MouseButton:
        return OnMouse(event);
    case TInputKind::MouseWheel:
        // An open menu takes the wheel and leaves it unused.
        return IsActive();
    case TInputKind::AppActive:
    case TInputKind::Minimize:
    case TInputKind::Close:
        // The program losing the keyboard or its window ends any menu, as on the old system.
        AltArmed = false;
        if (IsActive() && (event.Kind != TInputKind::AppActive || !event.Down))
            Cancel();
        return false;
    case TInputKind::Restore:
        return false;
    }
    return false;
}

bool TMenuUi::Start(HWND frame) {
    if (IsActive())
        Cancel();
    TDesktop& desktop = TDesktop::Get();
    if (desktop.GetActiveWindow() != frame)
        desktop.SetActiveWindow(frame);
    auto tracker = std::make_unique<TMenuTracker>(frame);
    Frame = frame;
    Bar = desktop.GetMenu(frame);
    BarSelection = -1;
    PressedBarItem = -1;
    AltArmed = false;
    if (!tracker->Enter()) {
        Frame = nullptr;
        return false;
    }
    Tracker = std::move(tracker);
    return IsActive();
}

void TMenuUi::SelectBar(int index) {
    if (!IsActive())
        return;
    const int count = BarItemCount();
    if (index < 0 || index >= count)
        index = -1;
    if (index == BarSelection)
        return;
    BarSelection = index;
    TClassicChrome::Repaint(Frame);
}

void TMenuUi::ClosePopup() {
    Popup.reset();
}

void TMenuUi::OpenPopup(int index, bool selectFirst) {
    ClosePopup();
    SelectBar(index);
    PressedBarItem = -1;
    if (!IsActive() || BarSelection < 0)
        return;
    HMENU menu = Tracker->OpenPopup(index);
    // The enablers may have done anything, even closed the frame.
    if (menu == nullptr || !IsActive())
        return;
    const std::vector<TRect> items = ChromeLayout::MenuBarItemRects(Frame);
    const TRect bar = ChromeLayout::MenuBarRect(Frame);
    const TRect item =
        static_cast<size_t>(index) < items.size() ? items[static_cast<size_t>(index)] : TRect{};
    Popup = std::make_unique<TPopupMenuWindow>(
        menu, TPoint{item.IsEmpty() ? bar.left : item.left, bar.bottom});
    if (selectFirst)
        MovePopup(1);
}

void TMenuUi::MoveBar(int step) {
    const int count = BarItemCount();
    if (count <= 0)
        return;
    const int from = BarSelection < 0 ? (step > 0 ? -1 : 0) : BarSelection;
    const int next = ((from + step) % count + count) % count;
    if (Popup != nullptr)
        OpenPopup(next, true);
    else
        SelectBar(next);
}

void TMenuUi::MovePopup(int step) {
    if (Popup == nullptr)
        return;
    const int count = static_cast<int>(Popup->GetItems().size());
    int at = Popup->GetSelection();
    if (at < 0)
        at = step > 0 ? -1 : count;
    for (int tries = 0; tries < count; ++tries) {
        at = ((at + step) % count + count) % count;
        if (Popup->IsSelectable(at)) {
            Popup->SetSelection(at);
            return;
        }
    }
}

bool TMenuUi::ChoosePopupItem(int index) {
    if (Popup == nullptr || !Popup->IsEnabled(index))
        return false;
    const TPopupItem& item = Popup->GetItems()[static_cast<size_t>(index)];
    if (item.HasPopup)
        return false;
    const u32 id = item.Id;
    // The pop-up and the highlight go before the frame hears that the menu loop ended.
    Popup.reset();
    BarSelection = -1;
    TClassicChrome::Repaint(Frame);
    if (!Tracker->Choose(id))
        return false;
    End();
    return true;
}

bool TMenuUi::ChooseBarItem(int index) {
    HMENU bar = TDesktop::Get().GetMenu(Frame);
    if (index < 0 || index >= GetMenuItemCount(bar) || GetSubMenu(bar, index) != nullptr)
        return false;
    if ((GetMenuState(bar, static_cast<u32>(index), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) !=
        0)
        return false;
    Popup.reset();
    BarSelection = -1;
    TClassicChrome::Repaint(Frame);
    if (!Tracker->ChooseBarItem(index))
        return false;
    End();
    return true;
}

void TMenuUi::Cancel() {
    End();
}

void TMenuUi::End() {
    const HWND frame = Frame;
    Popup.reset();
    BarSelection = -1;
    PressedBarItem = -1;
    AltArmed = false;
    if (TDesktop::Get().IsWindow(frame))
        TClassicChrome::Repaint(frame);
    // The tracker says goodbye to the frame (WM_EXITMENULOOP) unless a choice already did.
    if (Tracker != nullptr)
        Tracker->Cancel();
    Tracker.reset();
    Frame = nullptr;
}

bool TMenuUi::OnKey(const TInputEvent& event) {
    const u32 vk = event.VirtualKey;
    if (!IsActive()) {
        if (vk == VK_MENU) {
            if (event.Down) {
                AltArmed = KeyboardFrame() != nullptr;
                return AltArmed;
            }
            const bool enter = AltArmed;
            AltArmed = false;
            const HWND frame = KeyboardFrame();
            if (!enter || frame == nullptr || !Start(frame))
                return false;
            SelectBar(0);
            return true;
        }
        if (!event.Down)
            return false;
        AltArmed = false;
        if (vk == KeyF10 && !event.Shift && !event.Control) {
            const HWND frame = KeyboardFrame();
            if (frame == nullptr || !Start(frame))
                return false;
            SelectBar(0);
            return true;
        }
        if (event.Alt && !event.Control) {
            const HWND frame = KeyboardFrame();
            if (frame == nullptr)
                return false;
            const int index = FindMnemonic(TDesktop::Get().GetMenu(frame), MnemonicOf(event));
            if (index < 0 || !Start(frame))
                return false;
            if (GetSubMenu(TDesktop::Get().GetMenu(frame), index) != nullptr)
                OpenPopup(index, true);
            else if (!ChooseBarItem(index))
                SelectBar(index);
            return true;
        }
        return false;
    }

    // A session takes every key; releases matter only for Alt.
    if (vk == VK_MENU) {
        if (event.Down)
            AltArmed = true;
        else if (AltArmed)
            End();
        return true;
    }
    if (!event.Down)
        return true;
    AltArmed = false;
    HMENU bar = TDesktop::Get().GetMenu(Frame);
    switch (vk) {
    case KeyF10:
        End();
        return true;
    case VK_ESCAPE:
        if (Popup != nullptr)
            ClosePopup();
        else
            End();
        return true;
    case KeyLeft:
        MoveBar(-1);
        return true;
    case KeyRight:
        MoveBar(1);
        return true;
    case KeyUp:
    case KeyDown:
        if (Popup != nullptr)
            MovePopup(vk == KeyDown ? 1 : -1);
        else if (GetSubMenu(bar, BarSelection) != nullptr)
            OpenPopup(BarSelection, true);
        return true;
    case VK_RETURN:
        if (Popup != nullptr)
            ChoosePopupItem(Popup->GetSelection());
        else if (GetSubMenu(bar, BarSelection) != nullptr)
            OpenPopup(BarSelection, true);
        else
            ChooseBarItem(BarSelection);
        return true;
    default:
        break;
    }
    const char key = MnemonicOf(event);
    if (Popup != nullptr) {
        const int index = FindMnemonic(Popup->GetItems(), key);
        if (index >= 0) {
            Popup->SetSelection(index);
            ChoosePopupItem(index);
        }
        return true;
    }
    const int index = FindMnemonic(bar, key);
    if (index >= 0) {
        if (GetSubMenu(bar, index) != nullptr)
            OpenPopup(index, true);
        else if (!ChooseBarItem(index))
            SelectBar(index);
    }
    return true;
}

bool TMenuUi::OnMouse(const TInputEvent& event) {
    TDesktop& desktop = TDesktop::Get();
    const TPoint p = desktop.GetCursorPos();
    const bool press = event.Kind == TInputKind::MouseButton && event.Down;
    const bool release = event.Kind == TInputKind::MouseButton && !event.Down;
    const bool left = event.Button == TMouseButton::Left;
    if (press)
        AltArmed = false;
    if (release && SwallowRelease) {
        SwallowRelease = false;
        return true;
    }
    SwallowRelease = false;

    if (!IsActive()) {
        if (!press || !left)
            return false;
        const HWND w = desktop.WindowFromPoint(p);
        if (!desktop.IsWindow(w) || !IsTopLevel(w) || !desktop.IsWindowEnabled(w))
            return false;
        const int index = ChromeLayout::MenuBarItemAt(w, p);
        if (index < 0 || !Start(w))
            return false;
        if (GetSubMenu(desktop.GetMenu(w), index) != nullptr) {
            OpenPopup(index, false);
        } else {
            SelectBar(index);
            PressedBarItem = index;
        }
        return true;
    }

    const bool overPopup =
        Popup != nullptr && desktop.GetWindowRect(Popup->GetHandle()).Contains(p);
    const int barItem =
        desktop.WindowFromPoint(p) == Frame ? ChromeLayout::MenuBarItemAt(Frame, p) : -1;
    HMENU bar = desktop.GetMenu(Frame);

    if (event.Kind == TInputKind::MouseMove) {
        if (overPopup) {
            Popup->SetSelection(Popup->ItemAt(p));
        } else if (barItem >= 0 && barItem != BarSelection) {
            if (Popup != nullptr || PressedBarItem >= 0)
                OpenPopup(barItem, false);
            else
                SelectBar(barItem);
        }
        return true;
    }
    if (press) {
        if (overPopup) {
            if (left)
                Popup->SetSelection(Popup->ItemAt(p));
        } else if (barItem >= 0 && left) {
            if (barItem == BarSelection && Popup != nullptr) {
                // A second click on the open item's title closes the menu.
                End();
            } else if (GetSubMenu(bar, barItem) != nullptr) {
                OpenPopup(barItem, false);
            } else {
                ClosePopup();
                SelectBar(barItem);
                PressedBarItem = barItem;
            }
        } else if (barItem < 0) {
            // A click anywhere else ends the menu and goes no further.
            End();
        }
        SwallowRelease = !IsActive();
        return true;
    }
    if (release && left) {
        if (overPopup) {
            ChoosePopupItem(Popup->ItemAt(p));
        } else if (barItem >= 0 && barItem == PressedBarItem) {
            if (!ChooseBarItem(barItem))
                PressedBarItem = -1;
        } else {
            PressedBarItem = -1;
        }
    }
    return true;
}

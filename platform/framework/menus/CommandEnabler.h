// Command enablers: a command's handlers say whether it is enabled and checked before a menu shows
// it.
#pragma once

#include "platform/framework/WinTypes.h"

class TCommandEnabler {
public:
    enum { Unchecked = 0, Checked = 1, Indeterminate = 2 };

    explicit TCommandEnabler(u32 id, HWND receiver = nullptr) : Id(id), Receiver(receiver) {}
    virtual ~TCommandEnabler() = default;

    u32 GetId() const { return Id; }
    HWND GetReceiver() const { return Receiver; }

    // Enabling answers the question: nobody else is asked after it.
    virtual void Enable(bool enable = true);
    virtual void SetCheck(int state);

    bool GetHandled() const { return Handled; }
    bool IsEnabled() const { return Enabled; }
    // -1 while no handler has set a check state.
    int GetCheck() const { return Check; }

private:
    u32 Id;
    HWND Receiver;
    bool Handled = false;
    bool Enabled = true;
    int Check = -1;
};

// The enabler of one menu item: its answers grey and check the item.
class TMenuItemEnabler : public TCommandEnabler {
public:
    TMenuItemEnabler(HMENU menu, u32 id, HWND receiver, u32 position)
        : TCommandEnabler(id, receiver), Menu(menu), Position(position) {}

    void Enable(bool enable = true) override;
    void SetCheck(int state) override;

    HMENU GetMenu() const { return Menu; }
    u32 GetPosition() const { return Position; }

private:
    HMENU Menu;
    u32 Position;
};

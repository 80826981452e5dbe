// Recording enabler answers and applying them to menu items.
#include "CommandEnabler.h"

#include "Menu.h"
#include "platform/framework/WinConstants.h"

void TCommandEnabler::Enable(bool enable) {
    Enabled = enable;
    Handled = true;
}

void TCommandEnabler::SetCheck(int state) {
    Check = state;
}

void TMenuItemEnabler::Enable(bool enable) {
    TCommandEnabler::Enable(enable);
    EnableMenuItem(Menu, Position, MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
}

void TMenuItemEnabler::SetCheck(int state) {
    TCommandEnabler::SetCheck(state);
    CheckMenuItem(Menu, Position, MF_BYPOSITION | (state == Checked ? MF_CHECKED : MF_UNCHECKED));
}

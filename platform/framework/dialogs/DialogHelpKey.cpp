// TDialog's help key: F1 gives the dialog's own help, or the game's where it has none.
#include "Dialog.h"

#include "platform/framework/controls/Control.h"
#include "platform/framework/menus/Accelerators.h"
#include "platform/framework/window/Desktop.h"
#include "platform/framework/window/FrameWindow.h"

#include <algorithm>
#include <strings.h>

namespace {

TControl* PushButton(TWindow* w) {
    auto* c = dynamic_cast<TControl*>(w);
    return c != nullptr && (c->GetDlgCode() & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0
               ? c
               : nullptr;
}

} // namespace

TWindow* TDialog::FindHelpButton() const {
    for (TWindow* w : GetControlsInOrder()) {
        const TControl* c = PushButton(w);
        if (c == nullptr || !w->IsWindow() || !w->IsWindowVisible() || !w->IsWindowEnabled())
            continue;
        std::string label = c->GetMnemonicText();
        label.erase(std::remove(label.begin(), label.end(), '&'), label.end());
        if (strcasecmp(label.c_str(), "Help") == 0)
            return w;
    }
    return nullptr;
}

// F1 is the help key in every window: a dialog with a Help button gives its own help, any
// other the game's. That is the main window's F1 command, sent past the disabled frame, which
// takes no other key while a modal dialog holds it. It goes where the frame sends a command
// when no dialog is up, to its client: the frame itself would send it on to the focus, here.
void TDialog::ShowHelpForF1() {
    if (TWindow* help = FindHelpButton()) {
        PushButton(help)->Press();
        return;
    }
    TDesktop& desktop = TDesktop::Get();
    HWND main = desktop.GetMainWindow();
    if (!GameHelpOnF1 || main == nullptr || main == this || !desktop.IsWindow(main))
        return;
    MSG f1{};
    f1.hwnd = main;
    f1.message = WM_KEYDOWN;
    f1.wParam = VK_F1;
    const u32 command = FindAcceleratorCommand(main->GetAccelerators(), f1);
    if (command == 0)
        return;
    HWND target = main;
    if (auto* frame = dynamic_cast<TFrameWindow*>(main))
        if (TWindow* client = frame->GetClientWindow(); client != nullptr && client->IsWindow())
            target = client;
    desktop.SendMessage(target, WM_COMMAND, MAKEWPARAM(command, 1), 0);
}

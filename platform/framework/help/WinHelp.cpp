// WinHelp requests: checked against the live windows, kept as the latest one, and shown in
// the one help window.
#include "WinHelp.h"

#include "HelpWindow.h"
#include "platform/framework/window/Desktop.h"
#include "platform/host/VirtualPath.h"

namespace {

std::optional<TWinHelpRequest> LastRequest;

bool HelpWindowLives() {
    THelpWindow* help = THelpWindow::GetShown();
    return help != nullptr && TDesktop::Get().IsWindow(help);
}

void CloseHelp() {
    if (HelpWindowLives())
        THelpWindow::GetShown()->Destroy();
}

} // namespace

bool WinHelpA(HWND window, const char* path, u32 command, u32 data) {
    if (window == nullptr || path == nullptr || !TDesktop::Get().IsWindow(window))
        return false;
    LastRequest = TWinHelpRequest{window, path, command, data};
    if (command == HELP_QUIT) {
        CloseHelp();
        return true;
    }
    std::string why = "it cannot be found";
    std::optional<THelpBook> book;
    // The box names the file where the player can look for it: its place on this machine.
    std::string shown = path;
    if (const auto host = TVirtualPaths::ToHost(path)) {
        shown = *host;
        book = ReadHelpFileAt(*host, &why);
    }
    if (!book) {
        MessageBoxExA(window, "The help file " + shown + " cannot be shown: " + why + ".", "Help",
                      MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const int context = command == HELP_CONTEXT ? book->FindContext(data) : -1;
    THelpWindow* help = THelpWindow::GetShown();
    if (!HelpWindowLives()) {
        // A window closed earlier is a dead object still held by its owner (the owner
        // deletes it with itself, which the window's destructor notes).
        delete help;
        help = new THelpWindow(window, std::move(*book));
        THelpWindow::SetShown(help);
        if (!help->Create()) {
            delete help;
            return false;
        }
    } else {
        help->SetBook(std::move(*book));
    }
    help->ShowTopic(context >= 0 ? context : 0);
    help->ShowWindow(SW_SHOWNORMAL);
    help->SetFocus();
    return true;
}

std::optional<TWinHelpRequest> GetLastWinHelpRequest() {
    return LastRequest;
}

void ClearWinHelpRequests() {
    LastRequest.reset();
}

THelpWindow* GetHelpWindow() {
    return HelpWindowLives() ? THelpWindow::GetShown() : nullptr;
}

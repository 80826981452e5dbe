// TJorpGameFrameWindow: mode switching by engine message, the menu bar, the cursor, and the
// commands that open dialogs over the game.
#include "GameFrameWindow.h"

#include "engine/foundation/FileMgr.h"
#include "engine/framework/AskTheExpertDialog.h"
#include "engine/framework/GameFile.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/JorpMsgPacket.h"
#include "engine/framework/ModePause.h"
#include "engine/framework/ModeWindow.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/menus/Menu.h"
#include "resources/Resources.h"

namespace {

// Mode file names held in string resources are at most this long.
constexpr int ModeNameLimit = 256;

} // namespace

LRESULT TJorpGameFrameWindow::EvUser(WPARAM wp, LPARAM lp) {
    TJorpMsgPacket packet =
        TJorpMsgPacket::General(static_cast<u32>(wp), static_cast<u32>(lp), WM_USER);
    EvEngineMessage(packet);
    return 1;
}

void TJorpGameFrameWindow::EvEngineMessage(TJorpMsgPacket& packet) {
    if (packet.GetIDCode() == JMP_SWITCH_MODE)
        EvSwitchModesMessage(packet);
}

void TJorpGameFrameWindow::EvSwitchModesMessage(TJorpMsgPacket& packet) {
    if ((packet.GetSIDCode() & JMP_SUB_SWITCH) != 0)
        SwitchModes(packet);
}

void TJorpGameFrameWindow::SwitchModes(TJorpMsgPacket& packet) {
    if ((packet.GetSIDCode() & JMP_SUB_CUSTOM) != 0) {
        SwitchModesCustom(packet);
        return;
    }
    const TJorpGame* game = App != nullptr ? App->GetGame() : nullptr;
    if (game == nullptr)
        return;
    i16 mode = static_cast<i16>(packet.GetLParamLo());
    if ((packet.GetSIDCode() & JMP_SUB_BY_STRING) != 0) {
        char name[ModeNameLimit] = {};
        App->LoadString(static_cast<u32>(static_cast<i16>(packet.GetLParamLo())), name,
                        ModeNameLimit);
        mode = game->GetModeIndex(name);
    }
    SwitchToMode(mode);
}

void TJorpGameFrameWindow::SwitchModesCustom(TJorpMsgPacket packet) {
    UnhandledSwitchModes(packet.GetLParamLo(), packet.GetLParamHi());
}

void TJorpGameFrameWindow::UnhandledSwitchModes(u16 lo, u16 hi) {
    const std::string text = "Unhandled SwitchModes.\nIDCode: " + std::to_string(lo) +
                             "\nSIDCode: " + std::to_string(hi) + ".";
    if (App != nullptr)
        App->MessageBox(GetHandle(), text.c_str(), "Error - FrameWindow", MB_OK);
}

bool TJorpGameFrameWindow::IsValidMode(i16 n) const {
    const TJorpGame* game = App != nullptr ? App->GetGame() : nullptr;
    return game != nullptr && n >= 0 && n < game->GetModeCount();
}

bool TJorpGameFrameWindow::SwitchToMode(i16 n) {
    if (!IsValidMode(n))
        return false;
    // Requests for the mode on screen come often (the intro asks on every tick and key);
    // taking one apart and making it again would restart it.
    if (ModeWindow != nullptr && ShowingMode == n)
        return true;
    if (ModeWindow != nullptr)
        ModeWindow->UpdateWindow();
    return DoSwitchMode(true, n, 0);
}

bool TJorpGameFrameWindow::CanSwitchMode() {
    TWindow* client = GetClientWindow();
    return client == nullptr || client->CanClose();
}

bool TJorpGameFrameWindow::DoSwitchMode(bool create, i16 mode, u16 extra) {
    if (!CanSwitchMode())
        return false;
    DetachModeWindow();
    DestroyOldModeWindow(create, mode, extra);
    AttachModeWindow(MakeModeWindow(create, mode, extra));
    ShowingMode = ModeWindow != nullptr ? mode : -1;
    StartModeWindow(create, mode, extra);
    return true;
}

void TJorpGameFrameWindow::DetachModeWindow() {
    OldClient = SetClientWindow(nullptr);
}

void TJorpGameFrameWindow::DestroyOldModeWindow(bool, i16, u16) {
    if (ModeWindow == nullptr || ModeWindow != OldClient)
        return;
    // The window goes now; its object when the loop is next idle, after this handler.
    ModeWindow->Destroy(0);
    if (TApplication* app = GetApplication())
        app->Condemn(ModeWindow);
    else
        delete ModeWindow;
    ModeWindow = nullptr;
    OldClient = nullptr;
}

TJorpModeWindow* TJorpGameFrameWindow::MakeModeWindow(bool create, i16 mode, u16) {
    if (create)
        CreateModeWindow(mode);
    return ModeWindow;
}

void TJorpGameFrameWindow::AttachModeWindow(TWindow* window) {
    OldClient = SetClientWindow(window);
}

void TJorpGameFrameWindow::StartModeWindow(bool create, i16, u16) {
    if (!create)
        return;
    SetMenuVisible(false);
    if (ModeWindow != nullptr) {
        ModeWindow->Activate();
        ModeWindow->Resume();
    }
}

TJorpModeWindow* TJorpGameFrameWindow::CreateModeWindow(i16) {
    ModeWindow = new TJorpModeWindow(
        App, this, "defmode", App != nullptr ? App->GetPalette() : nullptr, "Default Mode Window");
    return ModeWindow;
}

void TJorpGameFrameWindow::LoadMenu() {
    AssignGameMenu(GetMenuId(), GetMenuModule());
}

bool TJorpGameFrameWindow::AssignGameMenu(u32 resId, TModule* module) {
    if (module == nullptr)
        module = App;
    if (resId != Attr.Menu)
        Attr.Menu = resId;
    if (!IsWindow())
        return true;
    HMENU old = GetMenu();
    HMENU menu = module != nullptr ? module->LoadMenu(resId) : nullptr;
    if (menu == nullptr || !SetMenu(menu)) {
        DestroyMenu(menu);
        return false;
    }
    DestroyMenu(old);
    return true;
}

void TJorpGameFrameWindow::ApplyCursor(TModule* module, u32 cursorId, bool onlyIfOver) {
    if (InMenuLoop)
        return;
    if (ModeWindow != nullptr) {
        ModeWindow->ApplyCursor(TCursorData(module, cursorId), onlyIfOver);
        return;
    }
    if (onlyIfOver) {
        TPoint p;
        ::GetCursorPos(&p);
        if (::WindowFromPoint(p) != GetHandle())
            return;
    }
    if (!SetCursor(module, cursorId))
        ::SetCursor(GetCursorHandle());
}

void TJorpGameFrameWindow::CmExit() {
    if (IsMainWindow())
        CloseWindow(0);
    else
        DefaultProcessing();
}

void TJorpGameFrameWindow::CmAskTheExpert(const std::string& advice, bool pause) {
    TModePause paused(pause ? ModeWindow : nullptr);
    TAskTheExpertDialog dialog(advice, this, IDD_EXPERT);
    dialog.Execute();
}

std::string TJorpGameFrameWindow::GetDataDirectory() const {
    if (App != nullptr && App->GetFileMgr() != nullptr)
        return App->GetFileMgr()->GetDataNames().GetFullPath();
    return App != nullptr ? App->GetDrive() + App->GetDirectory() + "data\\" : "data\\";
}

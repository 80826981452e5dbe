// TCasinoGameFrameWindow: construction, what it makes, mode switching and the show-intro
// setting.
#include "CasinoGameFrameWindow.h"

#include "casino/CasinoMenuEnable.h"
#include "casino/CasinoModeWin.h"
#include "casino/CasinoPlayerMgr.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/framework/GameFile.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/ModeWindow.h"
#include "engine/framework/PlayerMgr.h"

#include <cctype>

namespace {

constexpr const char* IntroSection = "Intro";
constexpr const char* ShowKey = "Show";

// An optional sign and at least one digit: what the settings reader takes for a number.
bool StartsAsNumber(const std::string& text) {
    size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0;
}

} // namespace

TCasinoGameFrameWindow::TCasinoGameFrameWindow(TJorpApp* app, const std::string& title,
                                               bool shrinkToClient, bool complete)
    : TJorpGameFrameWindow(app, title, shrinkToClient, complete) {
    ReadShowIntro();
    StartupMode = -1;
}

TCasinoGameFrameWindow::~TCasinoGameFrameWindow() = default;

void TCasinoGameFrameWindow::CreateMenuEnable() {
    MenuEnable = new TCasinoMenuEnable(true);
}

TCasinoMenuEnable* TCasinoGameFrameWindow::GetCasinoMenuEnable() const {
    return dynamic_cast<TCasinoMenuEnable*>(MenuEnable);
}

void TCasinoGameFrameWindow::CreatePlayerMgr() {
    PlayerMgr = std::make_unique<TCasinoPlayerMgr>(this, GetDataDirectory(), 3, 20, false);
}

TJorpModeWindow* TCasinoGameFrameWindow::CreateModeWindow(i16 mode) {
    if (!IsValidMode(mode))
        return ModeWindow;
    const std::string name = GetModeName(mode);
    Say("Default mode Win Created", "Create Mode Window", MB_OK | MB_SYSTEMMODAL);
    ModeWindow = new TCasinoModeWin(App, this, name, App->GetPalette(), "Default Casino ModeWin");
    return ModeWindow;
}

u16 TCasinoGameFrameWindow::GetAboutBitmapId() {
    return 0;
}

bool TCasinoGameFrameWindow::SwitchMode(i16 n) {
    if (!IsValidMode(n)) {
        Say("Internal error, no switch attempted", "Switch Mode");
        return false;
    }
    if (SwitchToMode(n))
        return true;
    Say("Internal error, switching to Walkabout", "Switch Mode");
    SwitchToMode(StartupMode);
    return false;
}

bool TCasinoGameFrameWindow::SwitchModeByName(const std::string& name) {
    return SwitchMode(GetModeIndex(name));
}

i16 TCasinoGameFrameWindow::GetModeIndex(const std::string& name) const {
    const TJorpGame* game = App != nullptr ? App->GetGame() : nullptr;
    return game != nullptr ? game->GetModeIndex(name) : -1;
}

std::string TCasinoGameFrameWindow::GetModeName(i16 n) const {
    const TJorpGame* game = App != nullptr ? App->GetGame() : nullptr;
    return game != nullptr ? game->GetModeName(n) : std::string();
}

void TCasinoGameFrameWindow::ReadShowIntro() {
    ShowIntro = true;
    const TJorpIniFile* settings = App != nullptr ? App->GetSettings() : nullptr;
    if (settings == nullptr)
        return;
    // The settings reader makes 0 of any text, which would switch the intro off.
    if (StartsAsNumber(settings->GetString(IntroSection, ShowKey, "")))
        ShowIntro = settings->GetInt(IntroSection, ShowKey, 1) != 0;
}

bool TCasinoGameFrameWindow::WriteShowIntro() {
    const TJorpIniFile* settings = App != nullptr ? App->GetSettings() : nullptr;
    return settings != nullptr && settings->WriteInt(IntroSection, ShowKey, ShowIntro ? 1 : 0);
}

void TCasinoGameFrameWindow::Say(const std::string& text, const std::string& caption, u32 type) {
    if (App != nullptr)
        App->MessageBox(GetHandle(), text.c_str(), caption.c_str(), type);
    else
        MessageBoxExA(this, text, caption, type);
}

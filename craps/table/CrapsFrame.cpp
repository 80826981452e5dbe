// TCasOTCrapsGFW: the start-up steps, the mode windows it makes and mode switching.
#include "CrapsFrame.h"

#include "craps/table/CrapsMenuEnable.h"
#include "craps/table/CrapsModeWin.h"
#include "craps/table/IntroModeWin.h"
#include "engine/framework/JorpApp.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/GdiTypes.h"
#include "platform/host/MessageBox.h"
#include "resources/Resources.h"

namespace {

// The frame's own menu: the resources hold none, so the bar is the mode windows' alone.
constexpr u32 FrameMenuId = 1;
// The About pictures for palette screens and for the others.
constexpr u16 AboutBitmapPalette = 5;
constexpr u16 AboutBitmapTrueColour = 8;

} // namespace

TCasOTCrapsGFW::TCasOTCrapsGFW(TJorpApp* app, const std::string& title)
    : TCasinoGameFrameWindow(app, title, true, true) {}

TCasOTCrapsGFW::~TCasOTCrapsGFW() = default;

void TCasOTCrapsGFW::CreateMenuEnable() {
    MenuEnable = new TOTCrapsMenuEnable(true);
}

TOTCrapsMenuEnable* TCasOTCrapsGFW::GetCrapsMenuEnable() const {
    return dynamic_cast<TOTCrapsMenuEnable*>(MenuEnable);
}

u32 TCasOTCrapsGFW::GetMenuId() {
    return FrameMenuId;
}

void TCasOTCrapsGFW::SetStartupModeId() {
    if (StartupModeIdSet)
        return;
    StartupModeResource = IDS_INTRO_MODE;
    TCasinoGameFrameWindow::SetStartupModeId();
}

void TCasOTCrapsGFW::SetStartupModeLoaded() {
    if (StartupModeLoaded)
        return;
    if (App != nullptr) {
        IntroModeName = App->LoadString(IDS_INTRO_MODE);
        CrapsModeName = App->LoadString(IDS_CRAPS_MODE);
    }
    TCasinoGameFrameWindow::SetStartupModeLoaded();
}

void TCasOTCrapsGFW::ChooseStartupMode() {
    if (StartupModeChosen)
        return;
    IntroMode = GetModeIndex(IntroModeName);
    CrapsMode = GetModeIndex(CrapsModeName);
    StartupMode = ShowIntro ? IntroMode : CrapsMode;
    TCasinoGameFrameWindow::ChooseStartupMode();
}

TJorpModeWindow* TCasOTCrapsGFW::CreateModeWindow(i16 mode) {
    TOTCrapsMenuEnable* enable = GetCrapsMenuEnable();
    if (enable != nullptr)
        enable->SetAllExtra(true);
    if (!IsValidMode(mode)) {
        // Without its first mode the program would stand with no window at all.
        if (ModeWindow == nullptr && mode == StartupMode)
            FatalError(nullptr,
                       "The game file lists no start-up mode\n Mode name: " +
                           (ShowIntro ? IntroModeName : CrapsModeName),
                       "Create Mode Window", MB_OK | MB_TASKMODAL);
        return ModeWindow;
    }
    const std::string name = GetModeName(mode);
    TPalFace* palette = App != nullptr ? App->GetPalette() : nullptr;
    u16 id = DefaultModeId;
    if (mode == IntroMode) {
        ModeWindow = new TOTCrapsIntroModeWin(App, this, name, palette, "Intro");
        id = IntroModeId;
    } else if (mode == CrapsMode) {
        ModeWindow = new TC1ModeWin(App, this, name, palette, "Craps");
        id = CrapsModeId;
    } else {
        Say("Default Mode Window Created", "Create Mode Window", MB_OK | MB_TASKMODAL);
        ModeWindow = new TCasinoModeWin(App, this, name, palette, "Default Casino ModeWin");
    }
    if (enable != nullptr) {
        enable->PreviousModeId = enable->CurrentModeId;
        enable->CurrentModeId = id;
        if (id == CrapsModeId)
            enable->GoToCraps = false;
    }
    return ModeWindow;
}

u16 TCasOTCrapsGFW::GetAboutBitmapId() {
    TScreenDC screen;
    return (screen.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0 ? AboutBitmapPalette
                                                                : AboutBitmapTrueColour;
}

bool TCasOTCrapsGFW::SwitchMode(i16 n) {
    if (!IsValidMode(n)) {
        Say("Internal error, no switch attempted", "Switch Mode");
        return false;
    }
    if (SwitchToMode(n))
        return true;
    Say("Internal error, switching to startup mode", "Switch Mode");
    SwitchToMode(GetModeIndex(CrapsModeName));
    return false;
}

bool TCasOTCrapsGFW::SwitchModeByName(const std::string& name) {
    return SwitchMode(GetModeIndex(name));
}

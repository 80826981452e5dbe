// TJorpModeWindow: construction, activation and deactivation, the mode and its loading
// screen, and the settings the window keeps.
#include "ModeWindow.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/framework/DataFiles.h"
#include "engine/framework/GObjList.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/GameLord.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/JorpMode.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/LoadDlg.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/ModeState.h"
#include "engine/framework/PlayerMgr.h"
#include "platform/framework/draw/GdiObject.h"
#include "platform/host/DateTime.h"
#include "platform/host/MessageBox.h"
#include "platform/host/PrivateProfile.h"
#include "platform/host/RuntimeRandom.h"
#include "resources/Resources.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_set>

namespace {

// The default mode is built in: no file has this name.
constexpr const char* DefaultModeName = "defmode";
// The loading screen's picture and its two bars.
constexpr u32 IDB_LOADING = 4;
const TRect LoadGauge1(20, 160, 300, 175);
const TRect LoadGauge2(20, 180, 300, 195);
constexpr u16 LoadDialogFlags = 0x000E;

// A stored level: its leading whole number, clamped to 0..3; the richest level when the
// value is missing or does not start with a number.
i16 ParseDetailLevel(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const long value = std::strtol(begin, &end, 10);
    if (end == begin)
        return 3;
    return static_cast<i16>(std::clamp<long>(value, 0, 3));
}

std::unordered_set<const TJorpModeWindow*>& LiveWindows() {
    static std::unordered_set<const TJorpModeWindow*> live;
    return live;
}

} // namespace

DEFINE_RESPONSE_TABLE1(TJorpModeWindow, TWindow)
EV_WM_TIMER, EV_WM_LBUTTONDOWN, EV_WM_LBUTTONUP, EV_WM_LBUTTONDBLCLK, EV_WM_RBUTTONDOWN,
    EV_WM_RBUTTONUP, EV_WM_RBUTTONDBLCLK, EV_WM_CHAR, EV_WM_SETCURSOR, EV_WM_ERASEBKGND,
    EV_WM_SETFOCUS, EV_WM_KILLFOCUS, EV_WM_ACTIVATEAPP, EV_WM_QUERYNEWPALETTE, EV_WM_PALETTECHANGED,
    EV_COMMAND(CM_HELP, CmHelp), EV_COMMAND(CM_SPEEDCONTROL, CmSpeedControl), END_RESPONSE_TABLE;

TJorpModeWindow::TJorpModeWindow(TJorpApp* app, TJorpGameFrameWindow* frame, std::string modeName,
                                 TPalFace* appPalette, std::string title)
    : TWindow(nullptr, title.c_str()), App(app), Frame(frame), AppPalette(appPalette),
      ModeName(std::move(modeName)) {
    LiveWindows().insert(this);
    Attr.X = 0;
    Attr.Y = 0;
    Attr.W = JorpGameAreaWidth;
    Attr.H = JorpGameAreaHeight;
    // Seeded with the time of day, from the process clock.
    rtl::srand(TTime().Seconds());
    OnResume();
}

TJorpModeWindow::~TJorpModeWindow() {
    Ready = false;
    Destroy(0);
    // A window deleted without having been taken down, or whose activation was cut short,
    // still lets go of what it owns.
    if (Active)
        Deactivate();
    CloseLoadDialog();
    DeleteModeState();
    delete FrameTimer;
    FrameTimer = nullptr;
    delete Mode;
    Mode = nullptr;
    LiveWindows().erase(this);
}

bool TJorpModeWindow::IsLive(const TJorpModeWindow* window) {
    return LiveWindows().count(window) != 0;
}

bool TJorpModeWindow::IdleAction(long idleCount) {
    if (TEngineContext::FileMgr != nullptr)
        TEngineContext::FileMgr->IdleAction();
    return TWindow::IdleAction(idleCount);
}

bool TJorpModeWindow::CanClose() {
    return true;
}

void TJorpModeWindow::GetWindowClass(WNDCLASS& wndClass) {
    TWindow::GetWindowClass(wndClass);
    wndClass.hCursor = nullptr;
    wndClass.style &= ~CS_DBLCLKS;
}

void TJorpModeWindow::SetupWindow() {
    TWindow::SetupWindow();
}

void TJorpModeWindow::CleanupWindow() {
    if (Active)
        Deactivate();
    TWindow::CleanupWindow();
}

std::string TJorpModeWindow::GetDetFileName() {
    return std::string();
}

void TJorpModeWindow::OpenLoadDialog() {
    CloseLoadDialog();
    if (Frame != nullptr && Frame->GetSplash() != nullptr) {
        // The splash is the picture meanwhile: the reporter behind it shows nothing.
        ProgressDialog = new TJorpGroupGaugeDlg(this, this, nullptr, 0, IDD_SILENTGAUGE);
    } else {
        const TModule fallback;
        const TModule& module = App != nullptr ? *App : fallback;
        const TColor yellow(255, 255, 0);
        ProgressDialog = new TLoadDlg(this, this, new TBitmap(module, IDB_LOADING), LoadDialogFlags,
                                      LoadGauge1, LoadGauge2, yellow, yellow);
    }
    ProgressDialog->Create();
}

void TJorpModeWindow::CloseLoadDialog() {
    delete ProgressDialog;
    ProgressDialog = nullptr;
}

TJorpProgress* TJorpModeWindow::GetProgress() const {
    return ProgressDialog;
}

void TJorpModeWindow::PrepareGameObjects() {
    if (TGObjList* list = GetGObjList())
        list->Prepare();
}

i32 TJorpModeWindow::GetMenuId() {
    return 0;
}

TModule* TJorpModeWindow::GetApp() {
    return App;
}

void TJorpModeWindow::ResolveGameObjects() {
    if (TGObjList* list = GetGObjList())
        list->Resolve();
}

void TJorpModeWindow::Activate() {
    if (Active)
        return;
    SetCursorSlot(0, TCursorData(nullptr, IDC_WAIT));
    InitOnce();
    if (GetMenuId() > 0 && Frame != nullptr)
        Frame->AssignGameMenu(static_cast<u32>(GetMenuId()), GetApp());
    ReadDetailLevel();
    if (TEngineContext::FileMgr != nullptr)
        TEngineContext::FileMgr->OpenDet(GetDetFileName());
    SetTimer(JorpModeTimerId, 1);
    FrameTimer = new TJorpTime(JorpFrameInterval);
    OpenLoadDialog();
    if (ShowBeforeLoading) {
        ShowWindow(SW_SHOWNORMAL);
        Invalidate(true);
        UpdateWindow();
    }
    CreateMode();
    if (!ShowBeforeLoading) {
        ShowWindow(SW_SHOWNORMAL);
        Invalidate(true);
        UpdateWindow();
    }
    CreateModeState();
    StepModeState();
    CloseLoadDialog();
    if (TEngineContext::FileMgr != nullptr)
        TEngineContext::FileMgr->PurgeLowClasses();
    PressesTaken = 0;
    Ready = true;
    Active = true;
    SetCursorSlot(0, TCursorData());
}

void TJorpModeWindow::Deactivate() {
    if (!Active)
        return;
    // What the leaving writes to the settings (the detail level, the skit cursors, the seated
    // gamblers' names) reaches the disk in one rewrite.
    TPrivateProfileBatch settings;
    Ready = false;
    if (GetMenuId() > 0 && Frame != nullptr)
        Frame->LoadMenu();
    WriteDetailLevel();
    UpdateGameObjects();
    DeleteModeState();
    KillTimer(JorpModeTimerId);
    delete FrameTimer;
    FrameTimer = nullptr;
    delete Mode;
    Mode = nullptr;
    if (TEngineContext::FileMgr != nullptr)
        TEngineContext::FileMgr->CloseDet(GetDetFileName());
    if (TPlayerMgr* players = GetPlayerMgr())
        players->Save();
    if (TEngineContext::FileMgr != nullptr) {
        TEngineContext::FileMgr->PurgeAllClasses();
    }
    if (TJorpSoundMgrFace* sound = GetSoundMgr())
        sound->PurgeUnusedWaves();
    SetCursorSlot(2, TCursorData());
    SetCursorSlot(3, TCursorData());
    Active = false;
}

void TJorpModeWindow::UpdateGameObjects() {
    if (TGObjList* list = GetGObjList())
        list->ForEachUpdate();
}

bool TJorpModeWindow::CmQuitMode() {
    return MessageBoxExA(this, "Are you sure you want to quit this mode", "Quit Mode ?",
                         MB_YESNO | MB_ICONSTOP | MB_SYSTEMMODAL) == IDYES;
}

i32 TJorpModeWindow::TestSkitCondition(u16) {
    return 0;
}

void TJorpModeWindow::InitOnce() {
    if (FirstActivationDone)
        return;
    FirstActivationDone = true;
    InitOnceHook1();
    InitOnceHook2();
}

void TJorpModeWindow::InitOnceHook1() {}
void TJorpModeWindow::InitOnceHook2() {}
void TJorpModeWindow::CheckGameObjects() {}
void TJorpModeWindow::OnResume() {}

void TJorpModeWindow::AllocObjectTable(i16 n) {
    ObjectTable.assign(n > 0 ? static_cast<size_t>(n) : 0, nullptr);
    ObjectCount = n > 0 ? n : 0;
}

void TJorpModeWindow::CreateMode() {
    delete Mode;
    Mode = nullptr;
    if (ModeName == DefaultModeName) {
        new TJorpMode(this, true, 0);
        return;
    }
    // A mode file missing from the data set is not looked for on the CD; one that cannot
    // be read would leave a window with nothing on it. Both end the program.
    JorpDataFileMustNotBeOther(ModeName);
    if (!JorpDataFileExists(ModeName))
        ModeSetupError(ModeName);
    new TJorpMode(this, ModeName, PlainBackground, PlainColour);
    if (Mode == nullptr || !Mode->HasFlags(JOF_LOADED))
        ModeSetupError(ModeName);
}

void TJorpModeWindow::CreateModeState() {
    DeleteModeState();
    ModeState = new TModeState(this);
}

void TJorpModeWindow::DeleteModeState() {
    delete ModeState;
    ModeState = nullptr;
}

void TJorpModeWindow::Resume() {
    Paused = false;
    OnResume();
}

i32 TJorpModeWindow::QueryGameLord(u64 value) {
    TGameLord* lord = GetMainGameObject();
    return lord != nullptr ? lord->Query(value) : 0;
}

void TJorpModeWindow::ReadDetailLevel() {
    const TJorpIniFile* settings = TEngineContext::Settings;
    if (settings == nullptr)
        return;
    DetailLevel =
        ParseDetailLevel(settings->GetString(SettingsSection, settings->GetDetailKey(), ""));
}

void TJorpModeWindow::WriteDetailLevel() {
    const TJorpIniFile* settings = TEngineContext::Settings;
    if (settings != nullptr)
        settings->WriteInt(SettingsSection, settings->GetDetailKey(), DetailLevel);
}

void TJorpModeWindow::SetDetailLevel(i16 level) {
    DetailLevel = static_cast<i16>(std::clamp<int>(level, 0, 3));
}

void TJorpModeWindow::GObjSetupError(const std::string& text, const std::string& name) {
    FatalError(this, "Error setting up GObj " + text + "\n GObj name: " + name, "GObj Setup",
               MB_OK);
}

void TJorpModeWindow::ModeSetupError(const std::string& name) {
    FatalError(this, "Error setting up Mode\n Mode name: " + name, "GObj Setup", MB_OK);
}

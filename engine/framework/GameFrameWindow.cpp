// TJorpGameFrameWindow: construction, start and end of the window, placement, activation,
// palette, focus and the small-screen caption toggle.
#include "GameFrameWindow.h"

#include "engine/foundation/FileMgr.h"
#include "engine/framework/FigureEight.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/MenuEnable.h"
#include "engine/framework/ModeWindow.h"
#include "engine/framework/PlayerMgr.h"
#include "engine/framework/SplashDlg.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/menus/CommandEnabler.h"

namespace {

// Commands of the frame's own.
constexpr u32 CM_HDBUFFERING = 122;
constexpr u32 CM_ESCAPE = 123;
// The accelerator table: Esc and F1.
constexpr u32 IDA_FRAME = 124;
constexpr u32 IDI_FRAME = 1001;
// The splash's three sizes share one bitmap.
constexpr u32 IDB_SPLASH = 5;
// The animated icon's timer.
constexpr u32 IconTimer = 2;

} // namespace

DEFINE_RESPONSE_TABLE1(TJorpGameFrameWindow, TFrameWindow)
EV_MESSAGE(WM_USER, EvUser), EV_WM_ENTERMENULOOP, EV_WM_EXITMENULOOP, EV_WM_GETMINMAXINFO,
    EV_COMMAND(CM_ESCAPE, CmEscape), EV_COMMAND(CM_HDBUFFERING, CmHDBuffering),
    EV_COMMAND_ENABLE(CM_HDBUFFERING, CeHDBuffering), EV_WM_ACTIVATE, EV_WM_SETFOCUS,
    EV_WM_KILLFOCUS, EV_WM_PALETTECHANGED, EV_WM_QUERYNEWPALETTE, EV_WM_SIZE, EV_WM_TIMER,
    EV_WM_COMPACTING, EV_WM_ACTIVATEAPP, EV_WM_ERASEBKGND, EV_WM_TIMECHANGE, END_RESPONSE_TABLE;

TJorpGameFrameWindow::TJorpGameFrameWindow(TJorpApp* app, const std::string& title,
                                           bool shrinkToClient, bool applyStyle)
    : TFrameWindow(nullptr, title.c_str(), nullptr, shrinkToClient), App(app),
      AnimatedIcons(TMediaMaker::Get().MakeAnimatedIcons()) {
    Attr.AccelTable = IDA_FRAME;
    if (applyStyle) {
        SetFrameStyle();
        SetAppIcon();
        InitExtra();
    }
}

TJorpGameFrameWindow::~TJorpGameFrameWindow() {
    DoneFrame();
}

void TJorpGameFrameWindow::SetFrameStyle() {
    Attr.Style |= WS_VISIBLE | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    Attr.Style &= ~(WS_CHILD | WS_THICKFRAME | WS_MAXIMIZEBOX);
}

void TJorpGameFrameWindow::SetAppIcon() {
    SetIcon(App, IDI_FRAME);
}

void TJorpGameFrameWindow::InitExtra() {}

void TJorpGameFrameWindow::SetupWindow() {
    TFrameWindow::SetupWindow();
    ShowSplash();
    LoadWinG();
    CreatePlayerMgr();
    if (PlayerMgr && App != nullptr)
        PlayerMgr->SetRunEnd(App->GetRunEnd());
    CreateSoundMgr();
    // No validity test: -1 makes the engine's default mode window.
    DoSwitchMode(true, StartupMode, 0);
    CloseSplash();
}

void TJorpGameFrameWindow::CleanupWindow() {
    // The frame goes only with the program, however it was taken down.
    if (App != nullptr)
        App->NoteEnding();
    DetachModeWindow();
    DestroyOldModeWindow(true, 0, 0);
    PlayerMgr.reset();
    // The mode window's sounds went with its mode, before the manager they play on.
    SoundMgr.reset();
    UnloadWinG();
    TFrameWindow::CleanupWindow();
}

void TJorpGameFrameWindow::GetWindowClass(WNDCLASS& wndClass) {
    TFrameWindow::GetWindowClass(wndClass);
    wndClass.hCursor = nullptr;
    wndClass.style &= ~CS_DBLCLKS;
}

bool TJorpGameFrameWindow::CanClose() {
    if (!TWindow::CanClose())
        return false;
    // What fails from here is told as the end's: the player has chosen to end. The save's
    // question writes his answer into the same record.
    TRunEnd* runEnd = App != nullptr ? &App->GetRunEnd()
                      : PlayerMgr    ? &PlayerMgr->GetRunEnd()
                                     : nullptr;
    const TRunEnd::TStage before =
        runEnd != nullptr ? runEnd->GetStage() : TRunEnd::TStage::Playing;
    if (runEnd != nullptr)
        runEnd->NoteEnding();
    // The run is saved while the player can still go back to the table: once the mode window
    // is taken down, seats and sessions are closed and a failed save could only be told. A
    // quit signal's end waits for nobody; the leaving's saves still try.
    if (!PlayerMgr || TRunEnd::Quitting() || PlayerMgr->SaveBeforeEnding())
        return true;
    // Back to the table: the game goes on.
    if (runEnd != nullptr)
        runEnd->GoBack(before);
    return false;
}

void TJorpGameFrameWindow::CreateMenuEnable() {
    MenuEnable = new TJorpMenuEnable(true);
}

void TJorpGameFrameWindow::DeleteMenuEnable() {
    delete MenuEnable;
    MenuEnable = nullptr;
}

bool TJorpGameFrameWindow::OnEnterMenuLoop(bool) {
    return true;
}

bool TJorpGameFrameWindow::OnExitMenuLoop(bool) {
    return true;
}

void TJorpGameFrameWindow::ShowSplash() {
    Splash = new TSplashDlg(IDB_SPLASH, IDB_SPLASH, IDB_SPLASH);
    Splash->Create();
}

void TJorpGameFrameWindow::CloseSplash() {
    if (Splash == nullptr)
        return;
    Splash->Destroy(2);
    if (TApplication* app = GetApplication())
        app->Condemn(Splash);
    else
        delete Splash;
    Splash = nullptr;
}

void TJorpGameFrameWindow::Slot23() {}

u32 TJorpGameFrameWindow::GetMenuId() {
    return 0;
}

TModule* TJorpGameFrameWindow::GetMenuModule() {
    return App;
}

bool TJorpGameFrameWindow::InitFrame() {
    if (Initialised)
        return true;
    CreateMenuEnable();
    StartUpMode();
    const TFramePlacement placement = ComputePlacement();
    Attr.X = placement.X;
    Attr.Y = placement.Y;
    Attr.W = placement.W;
    Attr.H = placement.H;
    Initialised = true;
    return true;
}

bool TJorpGameFrameWindow::DoneFrame() {
    if (Initialised) {
        DeleteMenuEnable();
        Initialised = false;
    }
    return true;
}

void TJorpGameFrameWindow::LoadWinG() {
    TMediaMaker::Get().LoadWinG();
}

void TJorpGameFrameWindow::UnloadWinG() {
    TMediaMaker::Get().UnloadWinG(false);
}

void TJorpGameFrameWindow::CreateSoundMgr() {
    if (!SoundMgr)
        SoundMgr = TMediaMaker::Get().MakeSoundMgr(this);
}

void TJorpGameFrameWindow::PrepareModeObjects() {
    if (ModeWindow != nullptr)
        ModeWindow->PrepareGameObjects();
}

void TJorpGameFrameWindow::SetStartupModeId() {
    StartupModeIdSet = true;
}

void TJorpGameFrameWindow::SetStartupModeLoaded() {
    StartupModeLoaded = true;
}

void TJorpGameFrameWindow::ChooseStartupMode() {
    StartupModeChosen = true;
}

void TJorpGameFrameWindow::StartUpMode() {
    if (StartupModeDone)
        return;
    StartupModeDone = true;
    SetStartupModeId();
    SetStartupModeLoaded();
    ChooseStartupMode();
}

bool TJorpGameFrameWindow::TakeFizzleOnce() {
    const bool wanted = FizzleOnce;
    FizzleOnce = false;
    return wanted;
}

void TJorpGameFrameWindow::GetScreenSize(i32& width, i32& height) const {
    width = ::GetSystemMetrics(SM_CXSCREEN);
    height = ::GetSystemMetrics(SM_CYSCREEN);
}

void TJorpGameFrameWindow::GetClientSize(i32& width, i32& height) const {
    if (ModeWindow != nullptr) {
        width = ModeWindow->Attr.W;
        height = ModeWindow->Attr.H;
    } else if (App != nullptr) {
        TJorpAppInfo info;
        App->InitFrameSpec(info);
        width = info.Width;
        height = info.Height;
    } else {
        width = JorpGameAreaWidth;
        height = JorpGameAreaHeight;
    }
}

TFramePlacement TJorpGameFrameWindow::ComputePlacement() const {
    i32 screenW = 0, screenH = 0, cw = 0, ch = 0;
    GetScreenSize(screenW, screenH);
    GetClientSize(cw, ch);
    const i32 frameX = ::GetSystemMetrics(SM_CXDLGFRAME);
    const i32 frameY = ::GetSystemMetrics(SM_CYDLGFRAME);
    const i32 menu = ::GetSystemMetrics(SM_CYMENU);
    const i32 caption = ::GetSystemMetrics(SM_CYCAPTION);
    // C++ division truncates toward zero, as the halves must.
    TFramePlacement p;
    p.X = (screenW - cw) / 2 - frameX;
    p.Y = (screenH - ch) / 2 - (frameY + caption + menu);
    p.W = cw + 2 * frameX;
    p.H = ch + menu + caption + 2 * frameY;
    return p;
}

void TJorpGameFrameWindow::CheckScreenFit() {
    i32 screenW = 0, screenH = 0, cw = 0, ch = 0;
    GetScreenSize(screenW, screenH);
    if (GetClientWindow() != nullptr) {
        cw = GetClientWindow()->Attr.W;
        ch = GetClientWindow()->Attr.H;
    } else {
        TJorpAppInfo info;
        if (App != nullptr)
            App->InitFrameSpec(info);
        cw = info.Width;
        ch = info.Height;
    }
    if (screenW > cw && screenH > ch) {
        SmallScreen = false;
        MenuShown = true;
        return;
    }
    SmallScreen = true;
    if (IsWindow() && GetWindowRect().top == 0)
        MenuShown = true;
}

void TJorpGameFrameWindow::CmEscape() {
    if (!SmallScreen)
        return;
    i32 screenW = 0, screenH = 0, cw = 0, ch = 0;
    GetScreenSize(screenW, screenH);
    GetClientSize(cw, ch);
    if (screenW > cw && screenH > ch) {
        MenuShown = true;
        return;
    }
    const TFramePlacement p = ComputePlacement();
    const u32 flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    MenuShown = !MenuShown;
    SetWindowPos(nullptr, p.X, MenuShown ? 0 : p.Y, p.W, p.H, flags);
    Invalidate(true);
}

void TJorpGameFrameWindow::SetMenuVisible(bool shown) {
    if (SmallScreen && shown != MenuShown)
        CmEscape();
}

void TJorpGameFrameWindow::OnAppActivate(bool soundOnly) {
    if (Minimised)
        return;
    AppActive = true;
    if (!soundOnly)
        CheckScreenFit();
    // The mode window switches the sound on when it calls back with soundOnly.
    if (!soundOnly && ModeWindow != nullptr)
        ModeWindow->OnAppActivate();
    else if (SoundMgr)
        SoundMgr->Activate();
}

void TJorpGameFrameWindow::OnAppDeactivate(bool soundOnly) {
    AppActive = false;
    if (!soundOnly && ModeWindow != nullptr)
        ModeWindow->OnAppDeactivate();
    else if (SoundMgr)
        SoundMgr->Deactivate();
}

void TJorpGameFrameWindow::EvEnterMenuLoop(bool isTrackPopupMenu) {
    InMenuLoop = true;
    OnEnterMenuLoop(isTrackPopupMenu);
    DefaultProcessing();
}

void TJorpGameFrameWindow::EvExitMenuLoop(bool isTrackPopupMenu) {
    InMenuLoop = false;
    OnExitMenuLoop(isTrackPopupMenu);
    DefaultProcessing();
}

void TJorpGameFrameWindow::EvGetMinMaxInfo(MINMAXINFO& info) {
    const TFramePlacement p = ComputePlacement();
    info.ptMinTrackSize = {p.W, p.H};
    info.ptMaxTrackSize = {p.W, p.H};
}

void TJorpGameFrameWindow::CmHDBuffering() {
    if (App != nullptr && App->GetFileMgr() != nullptr)
        App->GetFileMgr()->ToggleHDBuffering();
}

void TJorpGameFrameWindow::CeHDBuffering(TCommandEnabler& ce) {
    TJorpFileMgr* manager = App != nullptr ? App->GetFileMgr() : nullptr;
    if (manager == nullptr) {
        ce.Enable(false);
        return;
    }
    ce.SetCheck(manager->IsBuffering() ? 1 : 0);
    ce.Enable(true);
}

void TJorpGameFrameWindow::EvActivate(u32 active, bool minimized, HWND hWndOther) {
    if (active != WA_INACTIVE)
        OnAppActivate(false);
    TWindow::EvActivate(active, minimized, hWndOther);
}

void TJorpGameFrameWindow::EvSetFocus(HWND hWndLostFocus) {
    if ((HWndRestoreFocus == nullptr || HWndRestoreFocus == GetHandle()) &&
        GetClientWindow() != nullptr)
        HWndRestoreFocus = GetClientWindow()->GetHandle();
    TFrameWindow::EvSetFocus(hWndLostFocus);
}

void TJorpGameFrameWindow::EvKillFocus(HWND hWndGetFocus) {
    TWindow::EvKillFocus(hWndGetFocus);
}

void TJorpGameFrameWindow::EvPaletteChanged(HWND hWndPalChg) {
    if (hWndPalChg != GetHandle() && ModeWindow != nullptr)
        ModeWindow->EvPaletteChanged(hWndPalChg);
}

bool TJorpGameFrameWindow::EvQueryNewPalette() {
    return ModeWindow != nullptr && ModeWindow->EvQueryNewPalette();
}

void TJorpGameFrameWindow::EvSize(u32 sizeType, const TSize&) {
    if (sizeType == SIZE_MINIMIZED) {
        Minimised = true;
        OnAppDeactivate(false);
        if (AnimateIcon && AnimatedIcons) {
            AnimatedIcons->StartTimer(this);
            AnimatedIcons->LoadIconIds();
        }
        return;
    }
    Minimised = false;
    OnAppActivate(false);
    if (AnimateIcon) {
        KillTimer(IconTimer);
        Shake();
    }
}

void TJorpGameFrameWindow::Shake() {
    static u32 restores = 0;
    if (!ShakeOnRestore)
        return;
    const u32 before = restores++;
    if (before == 0 || restores % 3 != 0)
        return;
    const TRect rect = GetWindowRect();
    const u32 flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    JorpFigureEight(rect, [&](TPoint p) {
        SetWindowPos(nullptr, p.x, p.y, rect.Width(), rect.Height(), flags);
        UpdateWindow();
    });
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), flags);
    ++restores;
}

void TJorpGameFrameWindow::EvTimer(u32 timerId) {
    if (timerId == IconTimer && AnimatedIcons)
        AnimatedIcons->NextFrame(this);
}

void TJorpGameFrameWindow::EvCompacting(u32 compactRatio) {
    if (App != nullptr && App->GetFileMgr() != nullptr)
        App->GetFileMgr()->Compact(compactRatio, ModeWindow != nullptr && ModeWindow->IsPaused());
}

void TJorpGameFrameWindow::EvActivateApp(bool active, u32) {
    if (active)
        OnAppActivate(false);
    else
        OnAppDeactivate(false);
}

bool TJorpGameFrameWindow::EvEraseBkgnd(TDC* dc) {
    if (!Minimised)
        return true;
    return TWindow::EvEraseBkgnd(dc);
}

void TJorpGameFrameWindow::EvTimeChange() {
    PrepareModeObjects();
}

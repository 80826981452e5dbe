// TJorpApp: construction, the owned objects' makers, the main window, help and shutdown.
#include "JorpApp.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/foundation/JorpList.h"
#include "engine/framework/GameFile.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/GaugeDlg.h"
#include "engine/framework/MediaFaces.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/help/WinHelp.h"

namespace {

TJorpApp* Instance = nullptr;

} // namespace

TJorpApp::TJorpApp(const std::string& drive, const std::string& directory,
                   const std::string& baseName)
    : TApplication(baseName.c_str()), Drive(drive), Directory(directory), BaseName(baseName) {
    Instance = this;
    TEngineContext::Module = this;
    TJorpList::SetGaugeFactory(CreateListGaugeDlg);
}

TJorpApp::~TJorpApp() {
    NoteEnding();
    // A main window still open is closed while what it writes to can take it.
    if (MainWindow != nullptr && MainWindow->IsWindow())
        MainWindow->Destroy(0);
    ShutDown();
    // A start that failed part of the way keeps what it made; it goes without writing
    // anything.
    TJorpApp::DeletePalette();
    TJorpApp::DeleteGame();
    TJorpApp::DeleteFileMgr();
    TJorpApp::DeleteIniFile();
    TJorpList::SetGaugeFactory(nullptr);
    if (TEngineContext::Module == this)
        TEngineContext::Module = nullptr;
    if (Instance == this)
        Instance = nullptr;
}

TJorpApp* TJorpApp::GetApp() {
    return Instance;
}

TJorpGameFrameWindow* TJorpApp::GetFrame() const {
    return dynamic_cast<TJorpGameFrameWindow*>(MainWindow);
}

void TJorpApp::InitFrameSpec(TJorpAppInfo& info) {
    info = TJorpAppInfo();
    info.IconId = GetFrameIconId();
    info.Extra = Slot16();
}

u16 TJorpApp::GetFrameIconId() {
    return 0;
}

u16 TJorpApp::Slot16() {
    return 0;
}

std::string TJorpApp::GetHelpFileName() {
    return BaseName + ".hlp";
}

void TJorpApp::CreateIniFile() {
    Settings = new TJorpIniFile(Drive, Directory, BaseName, "jorp.ini", true);
    TEngineContext::Settings = Settings;
}

void TJorpApp::DeleteIniFile() {
    if (TEngineContext::Settings == Settings)
        TEngineContext::Settings = nullptr;
    delete Settings;
    Settings = nullptr;
}

std::string TJorpApp::GetGameFileName() {
    return GameFileName;
}

void TJorpApp::CreateGame() {
    Game = new TJorpGame(GetGameFileName());
}

void TJorpApp::DeleteGame() {
    delete Game;
    Game = nullptr;
}

void TJorpApp::CreateFileMgr() {
    if (Settings == nullptr)
        return;
    FileMgr = new TJorpFileMgr(*Settings);
    TEngineContext::FileMgr = FileMgr;
}

void TJorpApp::DeleteFileMgr() {
    if (TEngineContext::FileMgr == FileMgr)
        TEngineContext::FileMgr = nullptr;
    delete FileMgr;
    FileMgr = nullptr;
}

void TJorpApp::CreatePalette() {
    PaletteName = Game != nullptr ? Game->GetPaletteName() : std::string();
    // Level 4: in memory at once and never purged.
    Palette = TMediaMaker::Get().MakePal(
        nullptr, TFileMode(TJorpFileName(PaletteName), 0, FM_LEVEL_NOW, 0, FM_NO_LOCATION), true,
        true);
}

void TJorpApp::DeletePalette() {
    Palette.reset();
}

TJorpGameFrameWindow* TJorpApp::CreateFrameWindow() {
    TJorpAppInfo info;
    InitFrameSpec(info);
    return new TJorpGameFrameWindow(this, info.Title, true, false);
}

bool TJorpApp::ShutDown() {
    if (!Started)
        return true;
    NoteEnding();
    DeletePalette();
    DeleteGame();
    DeleteFileMgr();
    if (Settings != nullptr)
        Settings->WriteInt(Settings->GetSystemSection(), "PrevRun", 1);
    DeleteIniFile();
    InstanceLock.Release();
    Started = false;
    return true;
}

std::string TJorpApp::GetDetFileName() {
    return std::string();
}

bool TJorpApp::CheckExtra() {
    return true;
}

void TJorpApp::InitMainWindow() {
    if (nCmdShow != SW_HIDE && nCmdShow != SW_SHOWMINNOACTIVE)
        nCmdShow = SW_SHOWNORMAL;
    TJorpGameFrameWindow* frame = CreateFrameWindow();
    frame->InitFrame();
    SetMainWindow(frame);
    EnableBWCC(true);
}

bool TJorpApp::IdleAction(long idleCount) {
    if (TInstanceLock::TakeComeForwardRequest())
        ComeForward();
    return TApplication::IdleAction(idleCount);
}

void TJorpApp::ComeForward() {
    if (MainWindow == nullptr || !MainWindow->IsWindow())
        return;
    if (MainWindow->IsIconic())
        MainWindow->ShowWindow(SW_RESTORE);
    ::BringWindowToTop(MainWindow);
    if (TBackend* backend = TDesktop::Get().GetBackend())
        backend->RaiseHostWindow();
}

std::string TJorpApp::GetProgramDirectory() const {
    if (FileMgr == nullptr)
        return Drive + Directory;
    return FileMgr->GetDataNames().GetDrive() + FileMgr->GetDataNames().GetDirectory();
}

std::string TJorpApp::GetHelpFilePath() {
    const TJorpFileName directory(GetProgramDirectory());
    TJorpFileName path = TJorpFileName(directory).Append(GetHelpFileName());
    if (path.Exists())
        return path.GetText();
    TJorpAppInfo info;
    InitFrameSpec(info);
    return TJorpFileName(directory).Append(info.BaseName + ".hlp").GetText();
}

bool TJorpApp::WinHelp(u32 command, u32 data) {
    if (MainWindow == nullptr)
        return false;
    return WinHelpA(MainWindow->GetHandle(), GetHelpFilePath().c_str(), command, data);
}

void TJorpApp::ChangePalette(const std::string& name) {
    if (Game != nullptr)
        Game->SetPaletteName(name);
    DeletePalette();
    CreatePalette();
}

bool TJorpApp::OpenCatalogueIfPresent(const std::string& name) {
    if (FileMgr == nullptr)
        return true;
    const TJorpFileName file(name);
    const TJorpFileName path =
        TJorpFileName(FileMgr->GetDataNames().GetFullPath()).Append(file.GetNameExt());
    if (!path.Exists())
        return true;
    return FileMgr->OpenDet(file.GetNameExt());
}

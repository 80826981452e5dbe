// TCasinoApp: what the casino names and makes.
#include "CasinoApp.h"

#include "casino/CasinoGameFrameWindow.h"
#include "casino/CasinoIniFile.h"
#include "engine/foundation/EngineContext.h"
#include "resources/Resources.h"

TCasinoApp::TCasinoApp(const std::string& drive, const std::string& directory,
                       const std::string& baseName)
    : TJorpApp(drive, directory, baseName) {}

void TCasinoApp::InitFrameSpec(TJorpAppInfo& info) {
    TJorpApp::InitFrameSpec(info);
    info.Title = "Casino's Frame Window";
}

u16 TCasinoApp::GetFrameIconId() {
    return 1;
}

void TCasinoApp::CreateIniFile() {
    Settings = new TCasinoIniFile(Drive, Directory, BaseName);
    TEngineContext::Settings = Settings;
}

std::string TCasinoApp::GetGameFileName() {
    return LoadString(IDS_CASINO_GAME);
}

void TCasinoApp::CreateGame() {
    GameFileName = GetGameFileName();
    TJorpApp::CreateGame();
}

TJorpGameFrameWindow* TCasinoApp::CreateFrameWindow() {
    TJorpAppInfo info;
    InitFrameSpec(info);
    return new TCasinoGameFrameWindow(this, info.Title, true, false);
}

std::string TCasinoApp::GetDetFileName() {
    return BaseName + ".det";
}

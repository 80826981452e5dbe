// TCasOTCrapsApp: what the craps program names.
#include "CrapsApp.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/framework/GameFrameWindow.h"

namespace {

constexpr const char* ProgramTitle = "Olbin Tevrani's Craps Pendrel 2001";
constexpr const char* ProgramBaseName = "otcraps";
// The string resource that holds the game file's name.
constexpr u32 IDS_GAME_FILE = 10000;

} // namespace

TCasOTCrapsApp::TCasOTCrapsApp(const std::string& drive, const std::string& directory,
                               const std::string& baseName)
    : TJorpApp(drive, directory, baseName) {}

void TCasOTCrapsApp::InitFrameSpec(TJorpAppInfo& info) {
    TJorpApp::InitFrameSpec(info);
    info.Title = ProgramTitle;
    info.BaseName = ProgramBaseName;
}

u16 TCasOTCrapsApp::GetFrameIconId() {
    return 1;
}

void TCasOTCrapsApp::CreateIniFile() {
    Settings = new TJorpIniFile(Drive, Directory, BaseName, BaseName + ".ini", true);
    TEngineContext::Settings = Settings;
    Settings->Read();
}

TJorpGameFrameWindow* TCasOTCrapsApp::CreateFrameWindow() {
    TJorpAppInfo info;
    InitFrameSpec(info);
    return new TJorpGameFrameWindow(this, info.Title, true, true);
}

std::string TCasOTCrapsApp::GetDetFileName() {
    return "otcraps.det";
}

bool TCasOTCrapsApp::CheckExtra() {
    return true;
}

std::string TCasOTCrapsApp::GetGameFileName() {
    return LoadString(IDS_GAME_FILE);
}

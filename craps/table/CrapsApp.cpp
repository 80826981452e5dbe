// TCasOTCrapsApp: what the craps program names and the frame it makes.
#include "CrapsApp.h"

#include "craps/stats/StatDialogFactory.h"
#include "craps/table/CrapsFrame.h"
#include "engine/framework/JorpApp.h"

namespace {

constexpr const char* ProgramTitle = "Olbin Tevrani's Craps Pendrel 2001";
constexpr const char* ProgramBaseName = "otcraps";

} // namespace

TCasOTCrapsApp::TCasOTCrapsApp(const std::string& drive, const std::string& directory,
                               const std::string& baseName)
    : TCasinoApp(drive, directory, baseName) {
    // The casino layer's Statistics command opens the craps table's statistics.
    InstallStatDialogFactory();
}

void TCasOTCrapsApp::InitFrameSpec(TJorpAppInfo& info) {
    TCasinoApp::InitFrameSpec(info);
    info.Title = ProgramTitle;
    info.BaseName = ProgramBaseName;
}

TJorpGameFrameWindow* TCasOTCrapsApp::CreateFrameWindow() {
    TJorpAppInfo info;
    InitFrameSpec(info);
    return new TCasOTCrapsGFW(this, info.Title);
}

std::string TCasOTCrapsApp::GetDetFileName() {
    return "otcraps.det";
}

bool TCasOTCrapsApp::CheckExtra() {
    return true;
}

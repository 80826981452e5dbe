// TCasinoIniFile: naming, the template copy and the write-back.
#include "CasinoIniFile.h"

#include "engine/framework/JorpApp.h"
#include "engine/framework/SaveFileHost.h"

TCasinoIniFile::TCasinoIniFile(const std::string& drive, const std::string& directory,
                               const std::string& baseName)
    : TCasinoIniFile(drive, directory, baseName, TSaveFileHost::Default()) {}

TCasinoIniFile::TCasinoIniFile(const std::string& drive, const std::string& directory,
                               const std::string& baseName, TSaveFileHost& host)
    : TJorpIniFile(drive, directory, baseName, baseName + ".ini", false) {
    if (!TSaveFile(host, GetPath()).Exists())
        CopyTemplate(host);
    TJorpIniFile::SetupKeys();
    TJorpIniFile::Read();
}

TCasinoIniFile::~TCasinoIniFile() {
    TJorpIniFile::Write();
}

std::string TCasinoIniFile::GetTemplateBaseName() {
    TJorpApp* app = TJorpApp::GetApp();
    if (app == nullptr)
        return std::string();
    TJorpAppInfo info;
    app->InitFrameSpec(info);
    return info.BaseName;
}

bool TCasinoIniFile::CopyTemplate(TSaveFileHost& host) {
    const std::string base = GetTemplateBaseName();
    if (base.empty())
        return false;
    const TSaveFile source(host, GetDrive() + GetDirectory() + base + ".ini");
    const TSaveFile target(host, GetPath());
    const i64 size = source.GetSize();
    if (size < 0 || size > TemplateLimit)
        return false;
    std::vector<u8> bytes;
    if (!source.ReadWhole(bytes, static_cast<u32>(size)) || !target.Replace(bytes))
        return false;
    // The save file of this name has never been written: the player manager must not take
    // its absence for a lost file.
    return WriteInt("System", "PrevRun", 0);
}

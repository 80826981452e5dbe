// The engine's settings object: key names, defaults, and the values it reads and saves.
#include "JorpIniFile.h"

#include <array>

TJorpIniFile::TJorpIniFile(const std::string& drive, const std::string& directory,
                           const std::string& baseName, const std::string& fileName, bool setup)
    : TIniFile(drive, directory, fileName), BaseName(baseName) {
    // A derived class finishes naming its file before it sets up the keys itself.
    if (setup)
        TJorpIniFile::SetupKeys();
}

void TJorpIniFile::SetupKeys() {
    Effects = 1;
    Music = 1;
    SoundSection = "sound";
    EffectsKey = "effects";
    MusicKey = "music";
    SetCDDrive("c:");
    SetCDDir("\\");
    LocationSection = "location";
    CDDriveKey = "cddrive";
    CDDirKey = "cddir";
    SystemSection = "System";
    BufferingKey = "HDBuffering";
    Buffering = 1;
    PlayersSection = "Players";
    DetailKey = "Detail Level";
}

void TJorpIniFile::Read() {
    SetCDDrive(GetString(LocationSection, CDDriveKey, CDDrive));
    SetCDDir(GetString(LocationSection, CDDirKey, CDDir));
    Buffering = GetInt(SystemSection, BufferingKey, Buffering);
    Effects = GetInt(SoundSection, EffectsKey, Effects);
    Music = GetInt(SoundSection, MusicKey, Music);
}

void TJorpIniFile::Write() {
    WriteString(LocationSection, CDDriveKey, CDDrive);
    WriteString(LocationSection, CDDirKey, CDDir);
    WriteInt(SystemSection, BufferingKey, Buffering);
    WriteInt(SoundSection, EffectsKey, Effects);
    WriteInt(SoundSection, MusicKey, Music);
}

std::string& TJorpIniFile::SetCDDrive(const std::string& drive) {
    std::string d = drive;
    while (!d.empty() && d.back() == '\\')
        d.pop_back();
    CDDrive = d;
    return CDDrive;
}

std::string& TJorpIniFile::SetCDDir(const std::string& directory) {
    CDDir = (directory.find('\\') == 0) ? directory : "\\" + directory;
    return CDDir;
}

std::string TJorpIniFile::GetPlayerEntry(int n) const {
    return GetStringN(PlayersSection, n, "");
}

std::string TJorpIniFile::GetWarningKey(int n) {
    static const std::array<std::string, 2> keys{"BPP_LT_RECOM", "BPP_GT_RECOM"};
    return (n == 0 || n == 1) ? keys[static_cast<size_t>(n)] : std::string();
}

bool TJorpIniFile::GetWarningFlag(int n) const {
    if (n < 0 || n > 1)
        return true;
    return GetInt("Warning Msgs", GetWarningKey(n), 1) != 0;
}

bool TJorpIniFile::SetWarningFlag(int n, bool show) const {
    if (n < 0 || n > 1)
        return false;
    return WriteInt("Warning Msgs", GetWarningKey(n), show ? 1 : 0);
}

// TJorpIniFile: the engine's settings object, with its section and key names and kept values.
#pragma once

#include "engine/foundation/IniFile.h"

#include <string>

class TJorpIniFile : public TIniFile {
public:
    TJorpIniFile(const std::string& drive, const std::string& directory,
                 const std::string& baseName, const std::string& fileName, bool setup);
    virtual ~TJorpIniFile() = default;

    virtual void SetupKeys();
    virtual void Read();
    virtual void Write();

    std::string& SetCDDrive(const std::string& drive);
    std::string& SetCDDir(const std::string& directory);

    std::string GetPlayerEntry(int n) const;
    static std::string GetWarningKey(int n);
    bool GetWarningFlag(int n) const;
    bool SetWarningFlag(int n, bool show) const;

    const std::string& GetCDDrive() const { return CDDrive; }
    const std::string& GetCDDir() const { return CDDir; }
    const std::string& GetBaseName() const { return BaseName; }
    const std::string& GetSystemSection() const { return SystemSection; }
    const std::string& GetPlayersSection() const { return PlayersSection; }
    const std::string& GetDetailKey() const { return DetailKey; }

    i32 Buffering = 0;
    i32 Effects = 0;
    i32 Music = 0;

protected:
    std::string LocationSection;
    std::string CDDriveKey;
    std::string CDDirKey;
    std::string BaseName;
    std::string CDDrive;
    std::string CDDir;
    std::string SystemSection;
    std::string BufferingKey;
    std::string SoundSection;
    std::string EffectsKey;
    std::string MusicKey;
    std::string PlayersSection;
    std::string DetailKey;
};

// TIniFile: typed access to one settings (INI) file through the private-profile functions.
#pragma once

#include "engine/foundation/FileName.h"

#include <string>

class TIniFile {
public:
    TIniFile(const std::string& drive, const std::string& directory, const std::string& fileName);
    explicit TIniFile(const TJorpFileName& path);

    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) const;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const;
    int GetInt(const std::string& section, const std::string& key, int defaultValue) const;
    bool WriteInt(const std::string& section, const std::string& key, int value) const;

    // The same with a numbered key ("0", "1", ...).
    bool WriteStringN(const std::string& section, int key, const std::string& value) const;
    std::string GetStringN(const std::string& section, int key,
                           const std::string& defaultValue) const;
    int GetIntN(const std::string& section, int key, int defaultValue) const;
    bool WriteIntN(const std::string& section, int key, int value) const;

    const std::string& GetFileName() const { return FileName; }
    const std::string& GetPath() const { return Path; }
    const std::string& GetDrive() const { return Drive; }
    const std::string& GetDirectory() const { return Directory; }

protected:
    std::string FileName;
    std::string Path;
    std::string Drive;
    std::string Directory;
};

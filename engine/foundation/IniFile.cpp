// TIniFile over the private-profile functions.
#include "IniFile.h"

#include "platform/host/PrivateProfile.h"

TIniFile::TIniFile(const std::string& drive, const std::string& directory,
                   const std::string& fileName)
    : FileName(fileName), Path(drive + directory + fileName), Drive(drive), Directory(directory) {}

TIniFile::TIniFile(const TJorpFileName& path) {
    std::string name;
    std::string extension;
    TJorpFileName::Split(path, Drive, Directory, name, extension);
    FileName = name + extension;
    Path = Drive + Directory + FileName;
}

// Values of any length are written: the CD directory can be a long path.
bool TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) const {
    return WritePrivateProfileStringA(section, key, value, Path);
}

std::string TIniFile::GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    return GetPrivateProfileStringA(section, key, defaultValue, Path);
}

int TIniFile::GetInt(const std::string& section, const std::string& key, int defaultValue) const {
    return GetPrivateProfileIntA(section, key, defaultValue, Path);
}

bool TIniFile::WriteInt(const std::string& section, const std::string& key, int value) const {
    return WriteString(section, key, std::to_string(value));
}

bool TIniFile::WriteStringN(const std::string& section, int key, const std::string& value) const {
    return WriteString(section, std::to_string(key), value);
}

std::string TIniFile::GetStringN(const std::string& section, int key,
                                 const std::string& defaultValue) const {
    return GetString(section, std::to_string(key), defaultValue);
}

int TIniFile::GetIntN(const std::string& section, int key, int defaultValue) const {
    return GetInt(section, std::to_string(key), defaultValue);
}

bool TIniFile::WriteIntN(const std::string& section, int key, int value) const {
    return WriteInt(section, std::to_string(key), value);
}

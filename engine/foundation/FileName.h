// TJorpFileName: a DOS-style path with its drive, directory, name and extension parts.
#pragma once

#include "platform/host/Types.h"

#include <string>

// Part masks for GetParts and ClearParts.
constexpr u32 FN_DRIVE = 1;
constexpr u32 FN_DIRECTORY = 2;
constexpr u32 FN_NAME = 4;
constexpr u32 FN_EXTENSION = 8;

class TJorpFileName {
public:
    TJorpFileName() = default;
    TJorpFileName(const std::string& path) : Text(path) {}
    TJorpFileName(const char* path) : Text(path != nullptr ? path : "") {}
    TJorpFileName(const TJorpFileName&) = default;
    TJorpFileName& operator=(const TJorpFileName&) = default;

    const std::string& GetText() const { return Text; }
    operator const std::string&() const { return Text; }
    const char* c_str() const { return Text.c_str(); }
    bool IsEmpty() const { return Text.empty(); }
    bool operator==(const TJorpFileName& other) const { return Text == other.Text; }

    TJorpFileName& Assign(const TJorpFileName& other);
    TJorpFileName& AssignString(const std::string& text);
    TJorpFileName& AppendText(const std::string& text);

    // The four parts of any path, trimmed and lower-cased.
    static void Split(const std::string& path, std::string& drive, std::string& directory,
                      std::string& name, std::string& extension);

    std::string GetDrive() const;
    std::string GetDirectory() const;
    std::string GetName() const;
    std::string GetExtension(bool noDot = false) const;
    std::string GetNameExt() const;
    std::string GetParts(u32 mask) const;
    std::string GetLastDirName(bool withBackslash = false) const;
    char GetDriveLetter() const;
    int GetDriveNumber() const;
    bool SplitFirstDir(std::string& first, std::string& rest) const;
    bool IsWithin(const TJorpFileName& base) const;

    // Rebuilding: each stores the normalised join of the parts.
    TJorpFileName& SetDriveFrom(const TJorpFileName& path);
    TJorpFileName& SetPathFrom(const TJorpFileName& dir);
    TJorpFileName& SetName(const TJorpFileName& path);
    TJorpFileName& SetExtension(const std::string& ext);
    TJorpFileName& SetNameExtFrom(const TJorpFileName& path);
    TJorpFileName& Append(const TJorpFileName& path);
    TJorpFileName& ClearParts(u32 mask);
    TJorpFileName& AppendDirectory(const std::string& sub);
    TJorpFileName& PrependDirectory(const std::string& base);
    TJorpFileName& Rebase(const std::string& base);
    bool MakeRelativeTo(const TJorpFileName& base);

    // Disk operations; each opens and closes its own file and reports only by its result.
    bool Exists() const;
    static bool Exists(const std::string& path);
    i32 GetFileSize() const;
    static i32 GetFileSize(const std::string& path);
    bool Delete() const;
    bool CopyTo(const TJorpFileName& dest) const;
    bool ReadBlock(void* buffer, i32 count, i32 offset) const;
    static bool ReadBlock(const std::string& path, void* buffer, i32 count, i32 offset);
    bool WriteBlock(const void* data, i32 count, i32 offset) const;
    static bool WriteBlock(const std::string& path, const void* data, i32 count, i32 offset);
    bool DirExists() const;
    bool MakeDirectories() const;

private:
    std::string Text;
};

TJorpFileName operator+(const TJorpFileName& name, const TJorpFileName& path);

// The data-file manager's locations, directory table and buffer-drive figures.
#pragma once

#include "platform/host/Types.h"

#include <array>
#include <string>

// One data location: drive, directory and subdirectory, and their join.
class TFMNames {
public:
    TFMNames(const std::string& drive, const std::string& directory,
             const std::string& subdirectory);

    const std::string& GetDrive() const { return Drive; }
    const std::string& GetDirectory() const { return Directory; }
    const std::string& GetSubdirectory() const { return Subdirectory; }
    // Ends in a backslash whenever there is a directory, so that file names can be appended.
    const std::string& GetFullPath() const { return FullPath; }

protected:
    std::string Drive;
    std::string Directory;
    std::string Subdirectory;
    std::string FullPath;
};

// The data root on the CD (the settings' CD drive and directory).
class TFMCDDataNames : public TFMNames {
public:
    TFMCDDataNames(const std::string& drive, const std::string& directory)
        : TFMNames(drive, directory, "") {}
};

// The data folder beside the program.
class TFMHDDataNames : public TFMNames {
public:
    TFMHDDataNames(const std::string& drive, const std::string& directory)
        : TFMNames(drive, directory, "data\\") {}
};

// The buffer folder beside the program, and the names of the copies written there.
class TFMHDBufferNames : public TFMNames {
public:
    TFMHDBufferNames(const std::string& drive, const std::string& directory)
        : TFMNames(drive, directory, "buffer\\") {}

    // "fm000000.tmp" upward, then "fm000000.001" upward; each call takes the next name.
    std::string NextTempName();

    u32 NameCounter = 0;
    u16 ExtensionCounter = 0;
};

// Frame marks and the table of directories that game-object lists point their members at.
class TFMData {
public:
    static constexpr int EntryCount = 127;

    TFMData();

    // Indexes outside 0..126 are ignored; a non-empty directory gets one trailing backslash.
    void SetEntry(i8 index, const std::string& directory);
    // The entry, or the empty fallback for an index outside the table.
    const std::string& GetEntry(i8 index) const;

    u32 ActivityMark = 0;
    u32 FrameMark = 0;

private:
    std::string Fallback;
    std::array<std::string, EntryCount> Directories;
};

// What the buffer drive holds: free space at the last measurement, and the bytes written to
// buffer copies since, so that the room can be estimated between measurements.
class TFMDiskData {
public:
    explicit TFMDiskData(i16 drive);

    // Free bytes of the drive now; the written mark starts again from here.
    void Measure();
    // Free space less what was written since the last measurement, never below 0.
    u64 GetRoom() const;
    void AddWritten(u32 n);
    void SubWritten(u32 n);

    u32 Written = 0;
    u32 WrittenMark = 0;
    // Kept in 64 bits: a drive with 4 GB or more free must not read as nearly full.
    u64 Free = 0;
    i16 Drive = 0;
};

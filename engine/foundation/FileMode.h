// TFileMode: how one engine object wants its data file: name, use levels, sharing and directory.
#pragma once

#include "engine/foundation/FileName.h"
#include "platform/host/Types.h"

// Mode flags.
constexpr u8 FM_PRIVATE = 0x01; // the image is never shared and lives in the manager's private list

// A data location that selects no entry of the manager's directory table.
constexpr u8 FM_NO_LOCATION = 0xFF;

// Use levels, for both the memory and the disk byte: 0 not needed, 1 to 3 wanted (lower
// classes go first under pressure), 4 needed now. Anything else counts as 0.
constexpr u8 FM_LEVEL_NOW = 4;

// A plain record, copied field by field.
struct TFileMode {
    TFileMode() = default;
    TFileMode(const TJorpFileName& name, u8 diskLevel, u8 ramLevel, u8 modeFlags = 0,
              u8 dataLocation = FM_NO_LOCATION)
        : Name(name), DiskLevel(diskLevel), RamLevel(ramLevel), ModeFlags(modeFlags),
          DataLocation(dataLocation) {}

    bool IsPrivate() const { return (ModeFlags & FM_PRIVATE) != 0; }

    TJorpFileName Name;
    u8 DiskLevel = 0;
    u8 RamLevel = 0;
    u8 ModeFlags = 0;
    // Index into the manager's directory table, FM_NO_LOCATION for none.
    u8 DataLocation = FM_NO_LOCATION;
};

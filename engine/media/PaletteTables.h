// TRGBQuadPalette, TLogicalPalette and TIdentityPalette: the colour tables palettes are made of.
#pragma once

#include "platform/framework/draw/GdiTypes.h"
#include "platform/host/Types.h"

#include <vector>

class TLogicalPalette;

// The static system colours sit at 0-9 and 246-255 of a full palette.
constexpr i32 PAL_FULL = 256;
constexpr i32 PAL_LOW_STATICS = 10;
constexpr i32 PAL_HIGH_STATICS = 246;

// Colours in DIB colour-table order (blue, green, red, reserved). As 32-bit values, blue is the
// low byte.
class TRGBQuadPalette {
public:
    TRGBQuadPalette() = default;
    TRGBQuadPalette(const RGBQUAD* entries, i16 count);
    TRGBQuadPalette& operator=(const TLogicalPalette& logical);

    void Allocate(i16 count);
    void Free() { Entries.clear(); }
    bool SetEntry(i16 i, u32 value);
    // 0 out of range.
    u32 GetEntry(i16 i) const;
    void Fill(u32 value);

    i16 GetCount() const { return static_cast<i16>(Entries.size()); }
    // Unchecked access for the callers that walk 0 .. count - 1.
    const RGBQUAD& At(i32 i) const { return Entries[static_cast<size_t>(i)]; }
    const RGBQUAD* Data() const { return Entries.data(); }
    // Keeps the first count entries.
    void Truncate(i16 count);

    friend bool operator==(const TRGBQuadPalette& a, const TRGBQuadPalette& b) {
        return a.Entries == b.Entries;
    }

private:
    std::vector<RGBQUAD> Entries;
};

// The system's logical-palette block: version 0x300, the count, then red, green, blue, flags.
// As 32-bit values, red is the low byte and the flags the high one.
class TLogicalPalette {
public:
    TLogicalPalette() = default;
    explicit TLogicalPalette(const TRGBQuadPalette& colours);
    explicit TLogicalPalette(i16 count) { Allocate(count); }
    explicit TLogicalPalette(const LOGPALETTE& block);
    TLogicalPalette(const TLogicalPalette&) = default;
    TLogicalPalette& operator=(const TLogicalPalette&) = default;
    TLogicalPalette& operator=(const TRGBQuadPalette& colours);
    virtual ~TLogicalPalette() = default;

    void Allocate(i16 count);
    void Free() { Entries.clear(); }
    bool SetEntry(i16 i, u32 value);
    u32 GetEntry(i16 i) const;
    void FillEntries(u32 value);
    void SetAllFlags(u8 flags);
    bool SetFlags(i16 i, u8 flags);

    // Entries start .. start + n - 1 from the system palette; true only when the system gave
    // exactly n. Nothing changes when the range does not lie inside the palette.
    bool GetSystemEntries(i16 start, i16 n);
    // A full palette's colour equal to one of its static entries.
    bool IsStaticColour(const PALETTEENTRY& colour) const;
    // Raises the entry's blue until it differs from every static entry; only entries between
    // the statics of a full palette are touched.
    void MakeUnique(i16 i);

    i16 GetCount() const { return static_cast<i16>(Entries.size()); }
    u16 GetVersion() const { return Version; }
    const PALETTEENTRY& At(i32 i) const { return Entries[static_cast<size_t>(i)]; }
    // The block for CreatePalette; false when it cannot hold this palette (none, or over 256).
    bool ToBlock(LOGPALETTE& block) const;
    void Truncate(i16 count);

    bool operator==(const LOGPALETTE& block) const;
    bool operator!=(const LOGPALETTE& block) const { return !(*this == block); }

private:
    u16 Version = 0x300;
    std::vector<PALETTEENTRY> Entries;
};

// A palette whose statics are the system's own, so that blits need no colour translation.
class TIdentityPalette : public TLogicalPalette {
public:
    explicit TIdentityPalette(const TLogicalPalette& source);
};

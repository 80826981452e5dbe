// The colour tables: conversions between the two orders, and the identity palette.
#include "engine/media/PaletteTables.h"

#include "engine/media/JorpDC.h"

#include <algorithm>

namespace {

bool SameRgb(const PALETTEENTRY& a, const PALETTEENTRY& b) {
    return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue;
}

RGBQUAD QuadOf(u32 v) {
    return {static_cast<u8>(v), static_cast<u8>(v >> 8), static_cast<u8>(v >> 16),
            static_cast<u8>(v >> 24)};
}

PALETTEENTRY EntryOf(u32 v) {
    return {static_cast<u8>(v), static_cast<u8>(v >> 8), static_cast<u8>(v >> 16),
            static_cast<u8>(v >> 24)};
}

} // namespace

TRGBQuadPalette::TRGBQuadPalette(const RGBQUAD* entries, i16 count) {
    if (entries != nullptr && count > 0)
        Entries.assign(entries, entries + count);
}

TRGBQuadPalette& TRGBQuadPalette::operator=(const TLogicalPalette& logical) {
    Entries.resize(static_cast<size_t>(logical.GetCount()));
    for (i32 i = 0; i < logical.GetCount(); ++i) {
        const PALETTEENTRY& e = logical.At(i);
        Entries[static_cast<size_t>(i)] = {e.peBlue, e.peGreen, e.peRed, 0};
    }
    return *this;
}

void TRGBQuadPalette::Allocate(i16 count) {
    Entries.assign(static_cast<size_t>(std::max<i16>(count, 0)), RGBQUAD{});
}

bool TRGBQuadPalette::SetEntry(i16 i, u32 value) {
    if (i < 0 || i >= GetCount())
        return false;
    Entries[static_cast<size_t>(i)] = QuadOf(value);
    return true;
}

u32 TRGBQuadPalette::GetEntry(i16 i) const {
    if (i < 0 || i >= GetCount())
        return 0;
    const RGBQUAD& q = At(i);
    return static_cast<u32>(q.rgbBlue) | (static_cast<u32>(q.rgbGreen) << 8) |
           (static_cast<u32>(q.rgbRed) << 16) | (static_cast<u32>(q.rgbReserved) << 24);
}

void TRGBQuadPalette::Fill(u32 value) {
    std::fill(Entries.begin(), Entries.end(), QuadOf(value));
}

void TRGBQuadPalette::Truncate(i16 count) {
    if (count >= 0 && count < GetCount())
        Entries.resize(static_cast<size_t>(count));
}

TLogicalPalette::TLogicalPalette(const TRGBQuadPalette& colours) {
    *this = colours;
}

TLogicalPalette::TLogicalPalette(const LOGPALETTE& block)
    : Version(block.palVersion),
      Entries(block.palPalEntry, block.palPalEntry + std::min<u16>(block.palNumEntries, PAL_FULL)) {
}

TLogicalPalette& TLogicalPalette::operator=(const TRGBQuadPalette& colours) {
    Version = 0x300;
    Entries.resize(static_cast<size_t>(colours.GetCount()));
    for (i32 i = 0; i < colours.GetCount(); ++i) {
        const RGBQUAD& q = colours.At(i);
        Entries[static_cast<size_t>(i)] = {q.rgbRed, q.rgbGreen, q.rgbBlue, 0};
    }
    return *this;
}

void TLogicalPalette::Allocate(i16 count) {
    Version = 0x300;
    Entries.assign(static_cast<size_t>(std::max<i16>(count, 0)), PALETTEENTRY{});
}

bool TLogicalPalette::SetEntry(i16 i, u32 value) {
    if (i < 0 || i >= GetCount())
        return false;
    Entries[static_cast<size_t>(i)] = EntryOf(value);
    return true;
}

u32 TLogicalPalette::GetEntry(i16 i) const {
    if (i < 0 || i >= GetCount())
        return 0;
    const PALETTEENTRY& e = At(i);
    return static_cast<u32>(e.peRed) | (static_cast<u32>(e.peGreen) << 8) |
           (static_cast<u32>(e.peBlue) << 16) | (static_cast<u32>(e.peFlags) << 24);
}

void TLogicalPalette::FillEntries(u32 value) {
    std::fill(Entries.begin(), Entries.end(), EntryOf(value));
}

void TLogicalPalette::SetAllFlags(u8 flags) {
    for (PALETTEENTRY& e : Entries)
        e.peFlags = flags;
}

bool TLogicalPalette::SetFlags(i16 i, u8 flags) {
    if (i < 0 || i >= GetCount())
        return false;
    Entries[static_cast<size_t>(i)].peFlags = flags;
    return true;
}

bool TLogicalPalette::GetSystemEntries(i16 start, i16 n) {
    const i32 count = GetCount();
    if (start < 0 || start >= count || n < 0 || start + n > count)
        return false;
    TJorpScreenDC screen;
    PALETTEENTRY got[PAL_FULL];
    const u32 returned =
        GetSystemPaletteEntries(screen.GetHDC(), static_cast<u32>(start), static_cast<u32>(n), got);
    if (returned != static_cast<u32>(n))
        return false;
    std::copy_n(got, n, Entries.begin() + start);
    return true;
}

bool TLogicalPalette::IsStaticColour(const PALETTEENTRY& colour) const {
    if (GetCount() < PAL_FULL)
        return false;
    for (i32 i = 0; i < PAL_FULL; ++i)
        if ((i < PAL_LOW_STATICS || i >= PAL_HIGH_STATICS) && SameRgb(At(i), colour))
            return true;
    return false;
}

void TLogicalPalette::MakeUnique(i16 i) {
    // A static entry always equals itself; the walk would never end.
    if (GetCount() < PAL_FULL || i < PAL_LOW_STATICS || i >= PAL_HIGH_STATICS)
        return;
    PALETTEENTRY& e = Entries[static_cast<size_t>(i)];
    while (IsStaticColour(e))
        e.peBlue = static_cast<u8>(e.peBlue + 1);
}

bool TLogicalPalette::ToBlock(LOGPALETTE& block) const {
    if (Entries.empty() || Entries.size() > static_cast<size_t>(PAL_FULL))
        return false;
    block.palVersion = Version;
    block.palNumEntries = static_cast<u16>(Entries.size());
    std::copy(Entries.begin(), Entries.end(), block.palPalEntry);
    return true;
}

void TLogicalPalette::Truncate(i16 count) {
    if (count >= 0 && count < GetCount())
        Entries.resize(static_cast<size_t>(count));
}

bool TLogicalPalette::operator==(const LOGPALETTE& block) const {
    if (block.palVersion != Version || block.palNumEntries != Entries.size() ||
        Entries.size() > static_cast<size_t>(PAL_FULL))
        return false;
    return std::equal(Entries.begin(), Entries.end(), block.palPalEntry);
}

TIdentityPalette::TIdentityPalette(const TLogicalPalette& source) : TLogicalPalette(source) {
    if (GetSystemEntries(0, PAL_LOW_STATICS))
        for (i16 i = 0; i < PAL_LOW_STATICS; ++i)
            SetFlags(i, 0);
    if (GetSystemEntries(PAL_HIGH_STATICS, PAL_FULL - PAL_HIGH_STATICS))
        for (i16 i = PAL_HIGH_STATICS; i < PAL_FULL; ++i)
            SetFlags(i, 0);
    if (GetCount() < PAL_FULL)
        return;
    for (i16 i = PAL_LOW_STATICS; i < PAL_HIGH_STATICS; ++i)
        if (IsStaticColour(At(i)))
            MakeUnique(i);
}

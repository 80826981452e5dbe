// Logical palettes and the system palette of an 8-bit display, kept as state: what is
// selected, what realising changes and what the colours mean when drawn.
#include "Gdi.h"
#include "GdiObjects.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

constexpr PALETTEENTRY StaticColors[20] = {
    {0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},
    {0, 0, 128, 0},     {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0},
    {192, 220, 192, 0}, {166, 202, 240, 0}, {255, 251, 240, 0}, {160, 160, 164, 0},
    {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},     {255, 255, 0, 0},
    {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0},
};

constexpr int FirstFree = 10;
constexpr int EndFree = 246;

std::array<PALETTEENTRY, 256> MakeDefaultSystemPalette() {
    std::array<PALETTEENTRY, 256> out{};
    for (int i = 0; i < 10; ++i) {
        out[static_cast<size_t>(i)] = StaticColors[i];
        out[static_cast<size_t>(246 + i)] = StaticColors[10 + i];
    }
    return out;
}

struct TSystemPalette {
    std::array<PALETTEENTRY, 256> Entries = MakeDefaultSystemPalette();
    // The palette last realised in the foreground and the free slots it took.
    const TGdiPalette* Foreground = nullptr;
    int ForegroundSlots = 0;
    // The next slot a background palette may take.
    int NextBackground = FirstFree;
};

TSystemPalette& System() {
    static TSystemPalette palette;
    return palette;
}

bool SameRgb(const PALETTEENTRY& a, const PALETTEENTRY& b) {
    return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue;
}

bool IsStatic(const PALETTEENTRY& e) {
    for (const PALETTEENTRY& s : StaticColors)
        if (SameRgb(s, e))
            return true;
    return false;
}

// Puts a colour into a free slot; counts a change when the slot showed another colour.
void Claim(int slot, const PALETTEENTRY& e, u32& changed) {
    PALETTEENTRY& target = System().Entries[static_cast<size_t>(slot)];
    if (!SameRgb(target, e))
        ++changed;
    target = {e.peRed, e.peGreen, e.peBlue, 0};
}

// Maps a logical palette into the system palette from slot `next` on; entries that may
// collapse share a static colour or a slot already taken for the same colour.
u32 MapEntries(const TGdiPalette& palette, int first, int& next) {
    u32 changed = 0;
    std::vector<PALETTEENTRY> taken;
    for (const PALETTEENTRY& e : palette.Entries) {
        if ((e.peFlags & PC_EXPLICIT) != 0)
            continue;
        const bool mayCollapse = (e.peFlags & (PC_NOCOLLAPSE | PC_RESERVED)) == 0;
        if (mayCollapse) {
            if (IsStatic(e))
                continue;
            bool shared = false;
            for (int s = first; s < next && !shared; ++s)
                shared = SameRgb(System().Entries[static_cast<size_t>(s)], e);
            if (shared)
                continue;
        }
        if (next >= EndFree)
            continue;
        Claim(next++, e, changed);
    }
    return changed;
}

} // namespace

const PALETTEENTRY* SystemPaletteEntries() {
    return System().Entries.data();
}

void ResetSystemPalette() {
    System() = TSystemPalette{};
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
    if (palette == nullptr || palette->palVersion != 0x300 || palette->palNumEntries == 0 ||
        palette->palNumEntries > 256)
        return nullptr;
    std::vector<PALETTEENTRY> entries(palette->palPalEntry,
                                      palette->palPalEntry + palette->palNumEntries);
    return AdoptObject(std::make_unique<TGdiPalette>(std::move(entries)));
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool forceBackground) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || CheckObject(palette, TGdiKind::Palette) == nullptr)
        return nullptr;
    d->PaletteBackground = forceBackground;
    return SelectPaletteObject(*d, palette);
}

u32 RealizePalette(HDC dc) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr)
        return GDI_ERROR;
    const TGdiPalette* palette = d->Palette;
    TSystemPalette& sys = System();
    if (palette == nullptr || palette->Stock)
        return 0;
    if (!d->PaletteBackground) {
        // The foreground palette gets every free slot, from the first on.
        if (palette == sys.Foreground)
            return 0;
        int next = FirstFree;
        const u32 changed = MapEntries(*palette, FirstFree, next);
        sys.Foreground = palette;
        sys.ForegroundSlots = next - FirstFree;
        sys.NextBackground = next;
        return changed;
    }
    // A background palette shares what is there and takes only slots still free.
    if (palette == sys.Foreground)
        return 0;
    int next = sys.NextBackground;
    const u32 changed = MapEntries(*palette, FirstFree, next);
    sys.NextBackground = next;
    return changed;
}

u32 GetSystemPaletteEntries(HDC dc, u32 start, u32 count, PALETTEENTRY* entries) {
    if (CheckDc(dc) == nullptr)
        return 0;
    if (entries == nullptr)
        return 256;
    if (start >= 256)
        return 0;
    const u32 n = std::min<u32>(count, 256 - start);
    for (u32 i = 0; i < n; ++i)
        entries[i] = System().Entries[start + i];
    return n;
}

u32 GetPaletteEntries(HPALETTE palette, u32 start, u32 count, PALETTEENTRY* entries) {
    TGdiPalette* p = CheckObject(palette, TGdiKind::Palette);
    if (p == nullptr)
        return 0;
    const u32 size = static_cast<u32>(p->Entries.size());
    if (entries == nullptr)
        return size;
    if (start >= size)
        return 0;
    const u32 n = std::min(count, size - start);
    for (u32 i = 0; i < n; ++i)
        entries[i] = p->Entries[start + i];
    return n;
}

u32 GetNearestPaletteIndex(HPALETTE palette, COLORREF color) {
    TGdiPalette* p = CheckObject(palette, TGdiKind::Palette);
    if (p == nullptr)
        return CLR_INVALID;
    std::vector<RGBQUAD> table;
    for (const PALETTEENTRY& e : p->Entries)
        table.push_back({e.peBlue, e.peGreen, e.peRed, 0});
    return NearestColorIndex(table, color);
}

COLORREF ResolveColor(const TDeviceContext& dc, COLORREF color) {
    if (!IsPaletteIndex(color))
        return color & 0x00FFFFFFU;
    const u32 index = color & 0xFFFF;
    // An index past the palette's end means its first entry.
    const std::vector<PALETTEENTRY>* entries =
        dc.Palette != nullptr ? &dc.Palette->Entries : nullptr;
    if (entries == nullptr || entries->empty())
        return RGB(0, 0, 0);
    const PALETTEENTRY& e = index < entries->size() ? (*entries)[index] : (*entries)[0];
    return RGB(e.peRed, e.peGreen, e.peBlue);
}

u8 NearestColorIndex(const std::vector<RGBQUAD>& table, COLORREF rgb) {
    const int r = GetRValue(rgb);
    const int g = GetGValue(rgb);
    const int b = GetBValue(rgb);
    size_t best = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < table.size() && i < 256; ++i) {
        const int dr = table[i].rgbRed - r;
        const int dg = table[i].rgbGreen - g;
        const int db = table[i].rgbBlue - b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
            if (distance == 0)
                break;
        }
    }
    return static_cast<u8>(best);
}

std::vector<RGBQUAD> EffectiveColorTable(const TGdiBitmap& bitmap) {
    if (!bitmap.Colors.empty())
        return bitmap.Colors;
    std::vector<RGBQUAD> table(256);
    for (size_t i = 0; i < 256; ++i) {
        const PALETTEENTRY& e = System().Entries[i];
        table[i] = {e.peBlue, e.peGreen, e.peRed, 0};
    }
    return table;
}

u32 TGdiBitmap::IndexToArgb(u8 index) const {
    if (!Colors.empty()) {
        const RGBQUAD& q = index < Colors.size() ? Colors[index] : Colors[0];
        return MakeArgb(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
    const PALETTEENTRY& e = System().Entries[index];
    return MakeArgb(e.peRed, e.peGreen, e.peBlue);
}

namespace {

// Colour records of four bytes read whole, their channels moved into place with masks and
// shifts, which the compiler takes many at a time. Channel k is the byte at offset k.
template <size_t Red, size_t Green, size_t Blue, class T>
void FillFromRecords(const T* records, size_t n, std::array<u32, 256>& table) {
    static_assert(sizeof(T) == 4);
    for (size_t i = 0; i < n; ++i) {
        u32 w;
        std::memcpy(&w, records + i, sizeof w);
        if constexpr (std::endian::native != std::endian::little)
            w = (w >> 24) | ((w >> 8) & 0xFF00U) | ((w << 8) & 0xFF0000U) | (w << 24);
        table[i] = 0xFF000000U | (((w >> (8 * Red)) & 0xFFU) << 16) |
                   (((w >> (8 * Green)) & 0xFFU) << 8) | ((w >> (8 * Blue)) & 0xFFU);
    }
}

} // namespace

void TGdiBitmap::FillArgbTable(std::array<u32, 256>& table) const {
    if (Colors.empty()) {
        FillFromRecords<0, 1, 2>(System().Entries.data(), table.size(), table);
        return;
    }
    // Values past the end of a short table show its first entry.
    const size_t n = std::min(Colors.size(), table.size());
    FillFromRecords<2, 1, 0>(Colors.data(), n, table);
    std::fill(table.begin() + static_cast<std::ptrdiff_t>(n), table.end(), table[0]);
}

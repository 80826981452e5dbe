// Fonts through FreeType: face files, sizes in the old system's meaning, metrics and glyphs.
#include "Font.h"

#include "platform/host/Log.h"
#include "platform/host/MessageBox.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

namespace {

class TFontCache {
public:
    ~TFontCache() {
        Instances.clear();
        for (auto& [file, face] : Faces)
            FT_Done_Face(face);
        if (Library != nullptr)
            FT_Done_FreeType(Library);
    }

    FT_Face Face(const std::string& file);
    std::map<std::pair<std::string, i32>, std::shared_ptr<TFontInstance>> Instances;

private:
    FT_Library Library = nullptr;
    std::map<std::string, FT_Face> Faces;
};

[[noreturn]] void FontFailure(const std::string& what) {
    LogError(what);
    ExitProcess(1);
}

FT_Face TFontCache::Face(const std::string& file) {
    const auto it = Faces.find(file);
    if (it != Faces.end())
        return it->second;
    if (Library == nullptr && FT_Init_FreeType(&Library) != 0)
        FontFailure("cannot start the FreeType font library");
    const std::string path = std::string(DejaVuDirectory) + "/" + file;
    std::error_code ec;
    FT_Face face = nullptr;
    if (!std::filesystem::is_regular_file(path, ec) ||
        FT_New_Face(Library, path.c_str(), 0, &face) != 0)
        FontFailure("the font file " + path +
                    " is missing or unreadable; install the package fonts-dejavu-core");
    Faces.emplace(file, face);
    return face;
}

TFontCache& Cache() {
    static TFontCache cache;
    return cache;
}

std::string Lower(const char* text, size_t max) {
    std::string out;
    for (size_t i = 0; i < max && text[i] != '\0'; ++i)
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    return out;
}

i32 RoundDiv(i64 a, i64 b) {
    return static_cast<i32>((a + b / 2) / b);
}

// The old system's default size when none is asked for: the system font's 16-pixel cell.
constexpr i32 DefaultCellHeight = 16;

void SetSize(FT_Face face, i32 pixels) {
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels));
}

// The family a face file stands for, in the old system's terms.
u8 FamilyOf(const std::string& file) {
    if (file.find("Mono") != std::string::npos)
        return FF_MODERN;
    return file.find("Serif") != std::string::npos ? FF_ROMAN : FF_SWISS;
}

TEXTMETRIC MakeMetrics(FT_Face face, const LOGFONT& log, i32 em, bool bold, u8 family) {
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const i64 winAscent = os2 != nullptr ? os2->usWinAscent : face->ascender;
    const i64 winDescent = os2 != nullptr ? os2->usWinDescent : -face->descender;
    const i64 upem = face->units_per_EM > 0 ? face->units_per_EM : 2048;
    TEXTMETRIC tm;
    const i32 cell = log.lfHeight > 0 ? log.lfHeight : (log.lfHeight == 0 ? DefaultCellHeight : 0);
    if (cell > 0) {
        tm.tmHeight = cell;
        tm.tmAscent = RoundDiv(winAscent * cell, winAscent + winDescent);
        tm.tmDescent = cell - tm.tmAscent;
    } else {
        tm.tmAscent = RoundDiv(winAscent * em, upem);
        tm.tmDescent = RoundDiv(winDescent * em, upem);
        tm.tmHeight = tm.tmAscent + tm.tmDescent;
    }
    tm.tmInternalLeading = std::max(0, tm.tmHeight - em);
    tm.tmExternalLeading = 0;
    SetSize(face, em);
    tm.tmMaxCharWidth = static_cast<i32>((face->size->metrics.max_advance + 32) >> 6);
    tm.tmWeight = bold ? FW_BOLD : FW_NORMAL;
    tm.tmItalic = log.lfItalic;
    tm.tmUnderlined = log.lfUnderline;
    tm.tmStruckOut = log.lfStrikeOut;
    // As the old system has it, the low bit set means a variable pitch; 0x04 is an outline font.
    tm.tmPitchAndFamily = static_cast<u8>(0x04 | family | (family == FF_MODERN ? 0 : 0x01));
    return tm;
}

} // namespace

u32 CodePageToUnicode(u8 c) {
    static constexpr u16 High[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (c >= 0x80 && c < 0xA0)
        return High[c - 0x80];
    return c;
}

std::string FontFileFor(const LOGFONT& log) {
    const std::string face = Lower(log.lfFaceName, LF_FACESIZE);
    const bool known =
        face == "ms sans serif" || face == "system" || face == "arial" || face == "helv";
    bool mono =
        face == "courier" || face == "courier new" || face == "fixedsys" || face == "terminal";
    bool serif = face == "ms serif" || face == "tms rmn";
    // A face we do not know is matched by the pitch and family the request asks for.
    if (!known && !mono && !serif) {
        mono = (log.lfPitchAndFamily & 0x03) == FIXED_PITCH ||
               (log.lfPitchAndFamily & 0xF0) == FF_MODERN;
        serif = !mono && (log.lfPitchAndFamily & 0xF0) == FF_ROMAN;
    }
    const bool bold = log.lfWeight >= FW_SEMIBOLD;
    if (mono)
        return bold ? "DejaVuSansMono-Bold.ttf" : "DejaVuSansMono.ttf";
    if (serif)
        return bold ? "DejaVuSerif-Bold.ttf" : "DejaVuSerif.ttf";
    return bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf";
}

std::shared_ptr<TFontInstance> ResolveFont(const LOGFONT& log) {
    const std::string file = FontFileFor(log);
    FT_Face face = Cache().Face(file);
    i32 em = -log.lfHeight;
    if (log.lfHeight >= 0) {
        const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        const i64 span = os2 != nullptr ? os2->usWinAscent + os2->usWinDescent
                                        : face->ascender - face->descender;
        const i32 cell = log.lfHeight > 0 ? log.lfHeight : DefaultCellHeight;
        em = RoundDiv(static_cast<i64>(cell) * face->units_per_EM, std::max<i64>(1, span));
    }
    // Sizes beyond what a screen can show are held to it.
    em = std::clamp(em, 1, 512);
    const i32 key = log.lfHeight > 0 ? log.lfHeight : -em;
    auto& slot = Cache().Instances[{file, key}];
    if (slot == nullptr) {
        auto instance = std::make_shared<TFontInstance>();
        instance->File = file;
        instance->PixelSize = em;
        instance->Bold = log.lfWeight >= FW_SEMIBOLD;
        instance->Face = face;
        LOGFONT sized = log;
        sized.lfHeight = log.lfHeight > 0 ? log.lfHeight : -em;
        instance->Metrics = MakeMetrics(face, sized, em, instance->Bold, FamilyOf(file));
        instance->Metrics.tmAveCharWidth = instance->Glyph('x').Advance;
        slot = std::move(instance);
    }
    return slot;
}

i32 FontPixelSize(const LOGFONT& log) {
    return ResolveFont(log)->PixelSize;
}

const TGlyph& TFontInstance::Glyph(u8 character) {
    const auto it = Glyphs.find(character);
    if (it != Glyphs.end())
        return it->second;
    return Glyphs[character] = Render(character, false);
}

TGlyph TFontInstance::Render(u8 character, bool smooth) const {
    TGlyph glyph;
    FT_Face face = static_cast<FT_Face>(Face);
    if (face == nullptr)
        return glyph;
    // The face is shared by every size: set ours before each load.
    SetSize(face, PixelSize);
    const FT_UInt index = FT_Get_Char_Index(face, CodePageToUnicode(character));
    // One-bit rendering with the faces' own hinting: crisp like the old screen fonts, and
    // the same pixels on every run. Grey coverage takes light hinting instead, which keeps
    // stems on whole pixels vertically and the letters' own shapes.
    const FT_Int32 load =
        smooth ? FT_LOAD_DEFAULT | FT_LOAD_TARGET_LIGHT : FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO;
    const FT_Render_Mode mode = smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO;
    if (FT_Load_Glyph(face, index, load) != 0 || FT_Render_Glyph(face->glyph, mode) != 0)
        return glyph;
    const FT_GlyphSlot slot = face->glyph;
    glyph.Advance = static_cast<i32>((slot->advance.x + 32) >> 6);
    glyph.Left = slot->bitmap_left;
    glyph.Top = -slot->bitmap_top;
    glyph.Width = static_cast<i32>(slot->bitmap.width);
    glyph.Height = static_cast<i32>(slot->bitmap.rows);
    glyph.Ink.assign(static_cast<size_t>(glyph.Width) * static_cast<size_t>(glyph.Height), 0);
    for (i32 y = 0; y < glyph.Height; ++y) {
        const u8* row = slot->bitmap.buffer + static_cast<std::ptrdiff_t>(y) * slot->bitmap.pitch;
        for (i32 x = 0; x < glyph.Width; ++x)
            glyph.Ink[static_cast<size_t>(y) * glyph.Width + x] =
                smooth ? row[x] : static_cast<u8>((row[x >> 3] >> (7 - (x & 7))) & 1);
    }
    return glyph;
}

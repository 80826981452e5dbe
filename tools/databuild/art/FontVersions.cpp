// The fonts' versions as the face files' name tables give them, and FreeType's own.
#include "tools/databuild/art/FontVersions.h"

#include "tools/databuild/art/Canvas.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H

#include <algorithm>
#include <vector>

namespace {

// Printable ASCII of a name record: UTF-16 big-endian for the Unicode and Windows platforms,
// one byte a character otherwise.
std::string NameText(const FT_SfntName& name) {
    const bool wide =
        name.platform_id == TT_PLATFORM_MICROSOFT || name.platform_id == TT_PLATFORM_APPLE_UNICODE;
    std::string out;
    for (FT_UInt i = 0; i < name.string_len; i += wide ? 2 : 1) {
        u32 c = name.string[i];
        if (wide)
            c = i + 1 < name.string_len && c == 0 ? name.string[i + 1] : '?';
        out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    return out;
}

std::string FaceVersion(FT_Library library, const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return "missing";
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.c_str(), 0, &face) != 0)
        return "unreadable";
    std::string version;
    const FT_UInt count = FT_Get_Sfnt_Name_Count(face);
    for (FT_UInt i = 0; i < count; ++i) {
        FT_SfntName name;
        if (FT_Get_Sfnt_Name(face, i, &name) != 0 || name.name_id != TT_NAME_ID_VERSION_STRING)
            continue;
        version = NameText(name);
        // The Windows platform's record is the one every build of the face carries.
        if (name.platform_id == TT_PLATFORM_MICROSOFT)
            break;
    }
    FT_Done_Face(face);
    return version.empty() ? "without a version" : version;
}

} // namespace

std::string FontVersionLine(const std::filesystem::path& folder) {
    std::vector<std::string> files;
    for (const bool fixed : {false, true})
        for (const bool bold : {false, true}) {
            TTextStyle style;
            style.Fixed = fixed;
            style.Bold = bold;
            const std::string file = FontFileOf(style);
            if (std::find(files.begin(), files.end(), file) == files.end())
                files.push_back(file);
        }
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return "fonts: FreeType does not start";
    std::string line = "fonts:";
    for (const std::string& file : files)
        line +=
            (line.back() == ':' ? " " : ", ") + file + " " + FaceVersion(library, folder / file);
    FT_Int major = 0, minor = 0, patch = 0;
    FT_Library_Version(library, &major, &minor, &patch);
    FT_Done_FreeType(library);
    return line + "; FreeType " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(patch);
}

// TJorpGame: reading the three layouts of the game file, writing 2.3, and mode lookups.
#include "GameFile.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

// Mode numbers travel as signed 16-bit values (in engine messages, too); a file that
// claims more modes than that cannot be numbered.
constexpr u16 MaxModes = 0x7FFF;

} // namespace

TJorpGame::TJorpGame() : TJorpBase(nullptr) {}

TJorpGame::TJorpGame(const std::string& name) : TJorpBase(nullptr) {
    if (name.empty())
        return;
    // The class is final, so its own tag and body reader are the ones reached. Level 4: in memory
    // at once and never purged.
    AttachFile(TFileMode(TJorpFileName(name), 0, FM_LEVEL_NOW, 0, FM_NO_LOCATION), true, true);
}

TJorpGame::~TJorpGame() = default;

std::string TJorpGame::GetExtension() const {
    return ".g";
}
void TJorpGame::SetMajorVersion() {
    HeaderMajor = 2;
}
void TJorpGame::SetMinorVersion() {
    HeaderMinor = 3;
}
const char* TJorpGame::GetHeaderId() const {
    return "GAME";
}

bool TJorpGame::ReadVersion1(std::string& palette, std::vector<std::string>& modes) {
    if (!ReadName9(palette))
        return false;
    palette += ".pal";
    u16 count = 0;
    if (!ReadU16(count) || count > MaxModes)
        return false;
    for (u16 i = 0; i < count; ++i) {
        std::string name;
        if (!ReadName9(name))
            return false;
        modes.push_back(name + ".m");
    }
    return true;
}

bool TJorpGame::ReadVersion2(std::string& palette, std::vector<std::string>& modes) {
    if (!ReadString(palette))
        return false;
    u16 count = 0;
    if (!ReadU16(count) || count > MaxModes)
        return false;
    for (u16 i = 0; i < count; ++i) {
        std::string name;
        if (!ReadString(name))
            return false;
        modes.push_back(std::move(name));
    }
    return true;
}

bool TJorpGame::ReadBody() {
    // Everything is read aside and taken over only when the whole body has come in: a
    // short or refused file leaves an empty game, never part of a list.
    PaletteName.clear();
    Modes.clear();
    std::string palette;
    std::vector<std::string> modes;
    bool read = false;
    if (HeaderMajor == 1)
        read = ReadVersion1(palette, modes);
    else if (HeaderMajor == 2 && (HeaderMinor == 0 || HeaderMinor == 3))
        read = ReadVersion2(palette, modes);
    if (!read)
        return false;
    // Byte order, as the names are compared everywhere else; equal names are alike.
    std::stable_sort(modes.begin(), modes.end());
    PaletteName = std::move(palette);
    Modes = std::move(modes);
    return true;
}

bool TJorpGame::WriteBody() {
    if (!WriteString(PaletteName))
        return false;
    if (!WriteU16(static_cast<u16>(GetModeCount())))
        return false;
    for (i16 i = 0; i < GetModeCount(); ++i)
        if (!WriteString(GetModeName(i)))
            return false;
    return true;
}

i16 TJorpGame::GetModeIndex(const std::string& name) const {
    const auto found = std::find(Modes.begin(), Modes.end(), name);
    return found == Modes.end() ? -1 : static_cast<i16>(found - Modes.begin());
}

std::string TJorpGame::GetModeName(i16 n) const {
    if (n < 0 || n >= GetModeCount())
        return std::string();
    return Modes[static_cast<size_t>(n)];
}

bool TJorpGame::RemoveMode(const std::string& name) {
    const i16 n = GetModeIndex(name);
    if (n < 0)
        return false;
    Modes.erase(Modes.begin() + n);
    return true;
}

void TJorpGame::AddMode(const std::string& name) {
    Modes.insert(std::upper_bound(Modes.begin(), Modes.end(), name), name);
}

void TJorpGame::SetFileName(const std::string& name) {
    FileMode.Name = TJorpFileName(name);
    FileMode.Name.SetExtension(GetExtension());
}

// Virtual path translation: drive roots, the player's folder for the names the program writes,
// separators and refusal of paths leaving their root.
#include "VirtualPath.h"

#include <array>
#include <cctype>
#include <filesystem>
#include <utility>
#include <vector>

namespace {

bool& FolderUsable() {
    static bool usable = true;
    return usable;
}

std::array<std::string, 26>& Roots() {
    static std::array<std::string, 26> roots;
    return roots;
}

std::string& PlayerRoot() {
    static std::string root;
    return root;
}

std::function<void()>& PlayerFirstUse() {
    static std::function<void()> firstUse;
    return firstUse;
}

int DriveIndex(char letter) {
    const int c = std::tolower(static_cast<unsigned char>(letter));
    return (c >= 'a' && c <= 'z') ? c - 'a' : -1;
}

std::string WithoutTrailingSlashes(std::string root) {
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    return root;
}

// A virtual path taken apart: its drive and the components left once "." and ".." are
// resolved.
struct TParsedPath {
    char Drive = 'c';
    std::vector<std::string> Parts;
    bool NamesFolder = false;
};

std::optional<TParsedPath> Parse(const std::string& virtualPath) {
    TParsedPath parsed;
    std::string rest = virtualPath;
    if (rest.size() >= 2 && rest[1] == ':') {
        parsed.Drive = rest[0];
        rest.erase(0, 2);
    }
    if (DriveIndex(parsed.Drive) < 0)
        return std::nullopt;
    // Walk the components so that ".." can never reach above the drive's root.
    std::string part;
    auto flush = [&]() -> bool {
        if (part == "..") {
            if (parsed.Parts.empty())
                return false;
            parsed.Parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parsed.Parts.push_back(part);
        }
        part.clear();
        return true;
    };
    for (char ch : rest) {
        if (ch == '\\' || ch == '/') {
            if (!flush())
                return std::nullopt;
        } else if (ch == '\0') {
            return std::nullopt;
        } else {
            part += ch;
        }
    }
    if (!flush())
        return std::nullopt;
    parsed.NamesFolder = !rest.empty() && (rest.back() == '\\' || rest.back() == '/');
    return parsed;
}

enum class TMatch {
    Exact,
    // The name followed by anything (a process id).
    Prefix,
    // The name followed by exactly two digits.
    Numbered,
    // The folder itself and everything in it.
    Folder,
};

struct TWritableName {
    const char* Name;
    TMatch Match;
};

// Everything the program writes, by its name on c: in lower case. What is not here (the
// catalogue, the pack, the help, the program) is only ever read.
constexpr TWritableName WritableNames[] = {
    {"otcraps.ini", TMatch::Exact},      // the settings
    {"otcraps.ini.tmp", TMatch::Prefix}, // the settings' replacement under way
    {"otcraps.tmp", TMatch::Exact},      // the settings copied from their template
    {"otcraps.lck", TMatch::Exact},      // one running copy per player
    // The save kept beside a data folder that is no folder, and its temporary name
    // (otcraps.tmp, above) on the way there.
    {"otcraps.bad", TMatch::Exact},
    {"otcraps.b", TMatch::Numbered},
    // A folder found under that temporary name, moved whole out of its way: the player's own.
    {"otcraps.old", TMatch::Exact},
    {"otcraps.o", TMatch::Numbered},
    {"data\\otcraps.sav", TMatch::Exact},  // the save file
    {"data\\otcraps.tmp", TMatch::Exact},  // the save file's replacement under way
    {"data\\otcraps.bad", TMatch::Exact},  // a save file that could not be read, set aside
    {"data\\otcraps.b", TMatch::Numbered}, // further ones set aside: .b01 to .b99
    // The settings kept beside the save while their own place cannot take them, and their
    // replacement under way.
    {"data\\otcraps.ini", TMatch::Exact},
    {"data\\otcraps.ini.tmp", TMatch::Prefix},
    // A folder found under the save's temporary name, moved whole out of its way: it holds
    // the player's own files, so it stays in his folder.
    {"data\\otcraps.old", TMatch::Exact},
    {"data\\otcraps.o", TMatch::Numbered}, // further ones: .o01 to .o99
    {"buffer", TMatch::Folder},            // copies of data files kept on the hard disk
};

bool Matches(const TWritableName& entry, const std::string& name) {
    const std::string_view wanted(entry.Name);
    if (name.compare(0, wanted.size(), wanted) != 0)
        return false;
    const std::string_view rest = std::string_view(name).substr(wanted.size());
    switch (entry.Match) {
    case TMatch::Exact:
        return rest.empty();
    case TMatch::Prefix:
        return true;
    case TMatch::Numbered:
        return rest.size() == 2 && std::isdigit(static_cast<unsigned char>(rest[0])) &&
               std::isdigit(static_cast<unsigned char>(rest[1]));
    case TMatch::Folder:
        return rest.empty() || rest.front() == '\\';
    }
    return false;
}

bool IsWritable(const TParsedPath& parsed) {
    if (DriveIndex(parsed.Drive) != 'c' - 'a' || parsed.Parts.empty())
        return false;
    std::string name;
    for (const std::string& part : parsed.Parts) {
        if (!name.empty())
            name += '\\';
        for (char ch : part)
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    for (const TWritableName& entry : WritableNames)
        if (Matches(entry, name))
            return true;
    return false;
}

} // namespace

void TVirtualPaths::SetDriveRoot(char driveLetter, const std::string& hostRoot) {
    const int i = DriveIndex(driveLetter);
    if (i < 0)
        return;
    Roots()[i] = WithoutTrailingSlashes(hostRoot);
}

std::optional<std::string> TVirtualPaths::GetDriveRoot(char driveLetter) {
    const int i = DriveIndex(driveLetter);
    if (i < 0 || Roots()[i].empty())
        return std::nullopt;
    return Roots()[i];
}

void TVirtualPaths::ClearDriveRoots() {
    for (auto& r : Roots())
        r.clear();
    SetPlayerRoot("");
}

std::string TVirtualPaths::ProgramDirectory(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec && argv0 != nullptr)
        exe = std::filesystem::absolute(argv0, ec);
    if (ec || exe.empty())
        exe = std::filesystem::current_path(ec) / "otcraps";
    return exe.parent_path().string();
}

void TVirtualPaths::MapProgramDirectory(const char* argv0) {
    SetDriveRoot('c', ProgramDirectory(argv0));
}

void TVirtualPaths::SetPlayerRoot(const std::string& hostRoot, std::function<void()> firstUse) {
    PlayerRoot() = WithoutTrailingSlashes(hostRoot);
    PlayerFirstUse() = PlayerRoot().empty() ? std::function<void()>() : std::move(firstUse);
}

std::optional<std::string> TVirtualPaths::GetPlayerRoot() {
    if (PlayerRoot().empty())
        return std::nullopt;
    return PlayerRoot();
}

std::optional<std::string> TVirtualPaths::GetWritableRoot(char driveLetter) {
    if (DriveIndex(driveLetter) == 'c' - 'a' && !PlayerRoot().empty())
        return PlayerRoot();
    return GetDriveRoot(driveLetter);
}

bool TVirtualPaths::IsWritableName(const std::string& virtualPath) {
    const auto parsed = Parse(virtualPath);
    return parsed && IsWritable(*parsed);
}

namespace {

std::optional<std::string> HostOf(const TParsedPath& parsed) {
    const std::optional<std::string> root = !PlayerRoot().empty() && IsWritable(parsed)
                                                ? TVirtualPaths::GetPlayerRoot()
                                                : TVirtualPaths::GetDriveRoot(parsed.Drive);
    if (!root)
        return std::nullopt;

    std::string host = *root;
    for (const auto& p : parsed.Parts) {
        if (host.empty() || host.back() != '/')
            host += '/';
        host += p;
    }
    // A path naming a directory keeps its trailing separator for the caller's benefit.
    if (parsed.NamesFolder && host.back() != '/')
        host += '/';
    return host;
}

} // namespace

std::optional<std::string> TVirtualPaths::ToHost(const std::string& virtualPath) {
    const auto parsed = Parse(virtualPath);
    if (!parsed)
        return std::nullopt;
    if (!PlayerRoot().empty() && IsWritable(*parsed)) {
        // Taken before it runs: whatever the first use does with the player's files maps
        // them without running it again.
        if (std::function<void()> firstUse = std::exchange(PlayerFirstUse(), {}))
            firstUse();
    }
    return HostOf(*parsed);
}

std::optional<std::string> TVirtualPaths::PeekHost(const std::string& virtualPath) {
    const auto parsed = Parse(virtualPath);
    if (!parsed)
        return std::nullopt;
    return HostOf(*parsed);
}

bool TVirtualPaths::PlayerFolderUsable() {
    return FolderUsable();
}

void TVirtualPaths::SetPlayerFolderUsable(bool usable) {
    FolderUsable() = usable;
}

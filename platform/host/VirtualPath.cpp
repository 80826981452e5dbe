// Virtual path translation: drive roots, separators and refusal of paths leaving their root.
#include "VirtualPath.h"

#include <array>
#include <cctype>
#include <filesystem>
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

int DriveIndex(char letter) {
    const int c = std::tolower(static_cast<unsigned char>(letter));
    return (c >= 'a' && c <= 'z') ? c - 'a' : -1;
}

} // namespace

void TVirtualPaths::SetDriveRoot(char driveLetter, const std::string& hostRoot) {
    const int i = DriveIndex(driveLetter);
    if (i < 0)
        return;
    std::string root = hostRoot;
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    Roots()[i] = root;
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
}

void TVirtualPaths::MapProgramDirectory(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec && argv0 != nullptr)
        exe = std::filesystem::absolute(argv0, ec);
    if (ec || exe.empty())
        exe = std::filesystem::current_path(ec) / "otcraps";
    SetDriveRoot('c', exe.parent_path().string());
}

std::optional<std::string> TVirtualPaths::ToHost(const std::string& virtualPath) {
    std::string rest = virtualPath;
    char drive = 'c';
    if (rest.size() >= 2 && rest[1] == ':') {
        drive = rest[0];
        rest.erase(0, 2);
    }
    const auto root = GetDriveRoot(drive);
    if (!root)
        return std::nullopt;

    // Walk the components so that ".." can never reach above the drive's root.
    std::vector<std::string> parts;
    std::string part;
    auto flush = [&]() -> bool {
        if (part == "..") {
            if (parts.empty())
                return false;
            parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
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

    std::string host = *root;
    for (const auto& p : parts) {
        if (host.empty() || host.back() != '/')
            host += '/';
        host += p;
    }
    // A path naming a directory keeps its trailing separator for the caller's benefit.
    if (!rest.empty() && (rest.back() == '\\' || rest.back() == '/') && host.back() != '/')
        host += '/';
    return host;
}

bool TVirtualPaths::PlayerFolderUsable() {
    return FolderUsable();
}

void TVirtualPaths::SetPlayerFolderUsable(bool usable) {
    FolderUsable() = usable;
}

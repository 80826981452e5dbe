// Unique scratch folders for tests and fuzz targets, removed when they go.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// CTest points OTCRAPS_TEST_TMP into the build folder; run by hand, tests use the system's
// temporary folder.
inline std::filesystem::path TestTempParent() {
    const char* base = std::getenv("OTCRAPS_TEST_TMP");
    return base != nullptr ? std::filesystem::path(base) : std::filesystem::temp_directory_path();
}

// A new folder "<prefix>-XXXXXX" under the tests' temporary folder: runs side by side never
// share one.
inline std::filesystem::path MakeUniqueDir(const std::string& prefix) {
    const std::filesystem::path parent = TestTempParent();
    std::filesystem::create_directories(parent);
    std::string pattern = (parent / (prefix + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    return pattern;
}

class TScratchDir {
public:
    explicit TScratchDir(const std::string& prefix) : Path(MakeUniqueDir(prefix)) {}
    ~TScratchDir() {
        if (Kept)
            return;
        std::error_code ec;
        std::filesystem::remove_all(Path, ec);
    }
    TScratchDir(const TScratchDir&) = delete;
    TScratchDir& operator=(const TScratchDir&) = delete;

    // Leaves the folder in place, for a person to look into.
    void Keep() { Kept = true; }

    std::filesystem::path Path;

private:
    bool Kept = false;
};

// A fresh host directory for one test, mapped as a virtual drive and removed afterwards.
#pragma once

#include "platform/host/VirtualPath.h"
#include "support/FileBytes.h"
#include "support/ScratchDir.h"

#include <filesystem>
#include <fstream>
#include <string>

class TTempDir {
public:
    // Maps the directory as drive c: unless another letter is asked for.
    explicit TTempDir(char driveLetter = 'c') : Path(MakeUniqueDir("t")), Drive(driveLetter) {
        TVirtualPaths::SetDriveRoot(Drive, Path.string());
    }
    ~TTempDir() {
        TVirtualPaths::SetDriveRoot(Drive, "");
        std::error_code ec;
        std::filesystem::remove_all(Path, ec);
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    std::filesystem::path Host(const std::string& relative) const { return Path / relative; }

    void WriteHostFile(const std::string& relative, const std::string& bytes) const {
        std::filesystem::create_directories(Host(relative).parent_path());
        std::ofstream out(Host(relative), std::ios::binary);
        out << bytes;
    }

    std::string ReadHostFile(const std::string& relative) const {
        return ReadFileBytes(Host(relative));
    }

    std::filesystem::path Path;

private:
    char Drive;
};

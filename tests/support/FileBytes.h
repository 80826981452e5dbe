// Test support: a whole file's bytes, read in one piece (a character at a time, the sanitized
// build takes seconds over the data pack and most of a minute over the program).
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

// Empty for a file that cannot be read.
inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !in)
        return {};
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

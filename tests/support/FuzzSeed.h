// The fuzz targets' seed files, checked against what the engine's writers write today.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Compares the bytes with the target's seed file (or writes the seed when
// OTCRAPS_UPDATE_GOLDEN=1), so that a reader change that drifts from its writer shows here.
inline void CheckFuzzSeed(const std::string& target, const std::string& file,
                          const std::string& bytes) {
    const auto corpus =
        std::filesystem::path(OTCRAPS_SOURCE_DIR) / "tests" / "fuzz" / "corpus" / target;
    const char* update = std::getenv("OTCRAPS_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::filesystem::create_directories(corpus);
        std::ofstream(corpus / file, std::ios::binary) << bytes;
    }
    std::ifstream in(corpus / file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes) << target << "/" << file;
}

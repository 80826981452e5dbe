// Test support: a text log kept in tests/golden, read whole, compared line by line, and
// rewritten when OTCRAPS_UPDATE_GOLDEN=1 asks for it.
#pragma once

#include "FileBytes.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

// The kept log's path by file name.
inline std::filesystem::path KeptLogPath(const std::string& name) {
    return std::filesystem::path(OTCRAPS_SOURCE_DIR) / "tests" / "golden" / name;
}

inline bool UpdatingKeptLogs() {
    const char* update = std::getenv("OTCRAPS_UPDATE_GOLDEN");
    return update != nullptr && std::string(update) == "1";
}

// The first line where two texts part, numbered from 1, with both sides.
inline std::string FirstDifference(const std::string& want, const std::string& got) {
    std::istringstream a(want), b(got);
    std::string x, y;
    for (int line = 1;; ++line) {
        const bool more = static_cast<bool>(std::getline(a, x));
        const bool moreToo = static_cast<bool>(std::getline(b, y));
        if (!more && !moreToo)
            return "the same lines";
        if (more != moreToo || x != y)
            return "line " + std::to_string(line) + ": golden '" + (more ? x : "<end>") +
                   "', now '" + (moreToo ? y : "<end>") + "'";
    }
}

// The log against the kept one of that name, or against the kept one's beginning when the run
// was a shorter one. A difference names its first line and leaves the whole log beside the
// tests' other leftovers; a full run rewrites the kept log instead when asked to.
inline void CheckKeptLog(const std::string& name, const std::string& log, bool shorter = false) {
    const std::filesystem::path golden = KeptLogPath(name);
    if (UpdatingKeptLogs() && !shorter) {
        std::ofstream(golden, std::ios::binary) << log;
        std::cout << "rewrote " << golden << '\n';
        return;
    }
    const std::string want = ReadFileBytes(golden);
    ASSERT_FALSE(want.empty()) << "no kept log " << golden
                               << " (a full run with OTCRAPS_UPDATE_GOLDEN=1 writes it)";
    const std::string kept = shorter ? want.substr(0, log.size()) : want;
    if (kept != log) {
        const std::filesystem::path actual = MakeUniqueDir("golden") / name;
        std::ofstream(actual, std::ios::binary) << log;
        ADD_FAILURE() << "the money log differs from " << golden << " at "
                      << FirstDifference(kept, log) << "; the whole log now is in " << actual;
    }
}

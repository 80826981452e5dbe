// Test support for the soaks: how many rolls a run plays, how the gamblers bet, and the
// process's memory figures.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

// OTCRAPS_SOAK_ROLLS when it is a sensible count, else the run's own default.
inline int SoakRolls(int fallback) {
    const char* text = std::getenv("OTCRAPS_SOAK_ROLLS");
    if (text == nullptr)
        return fallback;
    char* end = nullptr;
    const long rolls = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && rolls > 0 && rolls <= 10'000'000 ? static_cast<int>(rolls)
                                                                           : fallback;
}

// A kilobyte figure of /proc/self/status ("VmHWM", "VmRSS"); 0 when it cannot be read.
inline long StatusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with(field + ":"))
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    return 0;
}

// How a gambler bets for a while: the right side with odds, the dark side with lay odds, the
// numbers, the one-roll props, or anything at all.
enum class EStrategy { Right, Dark, Numbers, Props, Anything, Count };

// Test support: what a real-window test does where no window can be opened.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// Skips the test, error saying why no window opened; a failure instead where scripts/check runs
// the test under Xvfb and says so, since there it must not pass by skipping. The caller returns
// straight after.
inline void SkipWithoutDisplay(const std::string& error) {
    if (std::getenv("OTCRAPS_REQUIRE_DISPLAY") != nullptr)
        FAIL() << "no display to open a window on (" << error << ")";
    GTEST_SKIP() << "no display to open a window on (" << error
                 << "); scripts/check runs this under xvfb-run";
}

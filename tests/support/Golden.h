// Golden images: a rendered area compared pixel for pixel with tests/golden/<name>.png.
#pragma once

#include "platform/framework/draw/Surface.h"
#include "platform/headless/PngWriter.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// Set OTCRAPS_UPDATE_GOLDEN=1 to write the current rendering as the new golden image
// (then look at it before committing it).
inline ::testing::AssertionResult MatchesGolden(const TScreenSurface& screen,
                                                const std::string& name, TRect area = {}) {
    if (area.right <= area.left || area.bottom <= area.top)
        area = screen.Bounds();
    TScreenSurface crop(TSize{area.right - area.left, area.bottom - area.top});
    for (i32 y = area.top; y < area.bottom; ++y)
        for (i32 x = area.left; x < area.right; ++x)
            crop.SetPixel(x - area.left, y - area.top, screen.GetPixel(x, y) | 0xFF000000U);

    const std::filesystem::path golden =
        std::filesystem::path(OTCRAPS_SOURCE_DIR) / "tests" / "golden" / (name + ".png");
    const char* update = std::getenv("OTCRAPS_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::filesystem::create_directories(golden.parent_path());
        if (!WritePng(golden.string(), crop))
            return ::testing::AssertionFailure() << "cannot write " << golden;
        return ::testing::AssertionSuccess() << "rewrote " << golden;
    }
    const auto expected = ReadPng(golden.string());
    if (!expected)
        return ::testing::AssertionFailure()
               << "no golden image " << golden << " (run with OTCRAPS_UPDATE_GOLDEN=1)";
    // Written only on a mismatch, into a folder of its own that stays for a person to look at.
    std::string actualPath;
    const auto keepActual = [&] {
        actualPath = (MakeUniqueDir("golden") / (name + ".actual.png")).string();
        WritePng(actualPath, crop);
    };
    if (expected->GetWidth() != crop.GetWidth() || expected->GetHeight() != crop.GetHeight()) {
        keepActual();
        return ::testing::AssertionFailure()
               << name << ": size " << crop.GetWidth() << "x" << crop.GetHeight() << ", golden "
               << expected->GetWidth() << "x" << expected->GetHeight() << "; actual in "
               << actualPath;
    }
    for (i32 y = 0; y < crop.GetHeight(); ++y)
        for (i32 x = 0; x < crop.GetWidth(); ++x)
            if (crop.GetPixel(x, y) != expected->GetPixel(x, y)) {
                keepActual();
                return ::testing::AssertionFailure() << name << ": first difference at (" << x
                                                     << "," << y << "); actual in " << actualPath;
            }
    return ::testing::AssertionSuccess();
}

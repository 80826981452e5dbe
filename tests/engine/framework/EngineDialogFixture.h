// Test support: a headless desktop of a chosen size with an application, the program's
// resources, test pictures, and a real settings file in a temporary folder.
#pragma once

#include "resources/Resources.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"

#include "platform/framework/Application.h"
#include "platform/framework/BitmapResources.h"
#include "platform/framework/Desktop.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/headless/HeadlessBackend.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

// An 8-bit picture with a frame of colour 1 round a pattern of colours 2 to 5, so that a
// missing edge row or column, or any resampling, shows.
inline TDibImage TestPicture(i32 width, i32 height) {
    TDibImage image;
    image.Width = width;
    image.Height = height;
    image.Colors = {{0, 0, 0, 0},          {0x20, 0x20, 0xC0, 0}, {0x30, 0x80, 0x10, 0},
                    {0x20, 0x60, 0x10, 0}, {0x50, 0xA0, 0x30, 0}, {0xF0, 0xF0, 0xF0, 0}};
    for (i32 y = 0; y < height; ++y)
        for (i32 x = 0; x < width; ++x) {
            const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            image.Pixels.push_back(static_cast<u8>(edge ? 1 : 2 + (x / 8 + y / 8 + x % 2) % 4));
        }
    return image;
}

class EngineDialogFixture : public ::testing::Test {
protected:
    EngineDialogFixture() {
        Session.emplace(TSize{800, 600});
        TResourceRegistry::Get().Clear();
        RegisterResources();
    }
    ~EngineDialogFixture() override {
        TEngineContext::Settings = nullptr;
        TBitmapResources::Get().Clear();
        TResourceRegistry::Get().Clear();
    }

    // A fresh desktop of another size (before any window is made).
    void UseScreen(TSize size) {
        Session.reset();
        Session.emplace(size);
    }
    THeadlessBackend& Backend() { return Session->Backend(); }
    const TScreenSurface& Screen() const { return TDesktop::Get().GetScreen(); }
    void Pump() { App.PumpWaitingMessages(); }
    // Runs the action once the modal loop that is about to start is waiting.
    void During(u64 delayMs, std::function<void()> action) {
        Backend().After(delayMs, std::move(action));
    }
    TPoint ClientPoint(HWND w, i32 x, i32 y) const {
        return TDesktop::Get().ClientToScreen(w, {x, y});
    }
    void AddPicture(u32 id, i32 width, i32 height) {
        ASSERT_TRUE(TBitmapResources::Get().Add(id, TestPicture(width, height)));
    }

    // The engine's settings object on otcraps.ini in a fresh folder mapped as c:.
    TJorpIniFile& UseSettings() {
        Dir.emplace();
        Settings = std::make_unique<TJorpIniFile>("c:", "\\", "otcraps", "otcraps.ini", true);
        TEngineContext::Settings = Settings.get();
        return *Settings;
    }
    // What the file says now, through a second settings object as a later run would read it.
    int ReadBack(const std::string& section, const std::string& key, int defaultValue) const {
        const TJorpIniFile again("c:", "\\", "otcraps", "otcraps.ini", true);
        return again.GetInt(section, key, defaultValue);
    }

    std::optional<THeadlessSession> Session;
    TApplication App{"otcraps"};
    std::optional<TTempDir> Dir;
    std::unique_ptr<TJorpIniFile> Settings;
};

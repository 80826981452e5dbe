// Test support: a headless desktop of a chosen size with an application, the program's
// resources, test pictures, and a real settings file in a temporary folder.
#pragma once

#include "resources/Resources.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/draw/BitmapResources.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"
#include "platform/framework/window/Window.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/host/MessageBox.h"
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

// A plain top-level window: a parent, a mode window or another program's window.
inline std::unique_ptr<TWindow> TopWindow(TRect r) {
    auto w = std::make_unique<TWindow>();
    w->Attr = {WS_POPUP | WS_VISIBLE, 0, r.left, r.top, r.Width(), r.Height()};
    EXPECT_TRUE(w->Create());
    return w;
}

class EngineDialogFixture : public ::testing::Test {
protected:
    EngineDialogFixture() {
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
    // Runs the action once the modal loop about to start has waited that long. Each must
    // fire inside the run it was meant for.
    void During(u64 delayMs, std::function<void()> action) {
        Backend().After(delayMs, std::move(action));
    }
    TRect ScreenClient(HWND w) const { return TDesktop::Get().ScreenClientRect(w); }
    void ClickIn(HWND w, TMouseButton button = TMouseButton::Left) {
        const TRect r = ScreenClient(w);
        Backend().Click(r.TopLeft().Offset(r.Width() / 2, r.Height() / 2), button);
    }
    TPoint Centred(const TRect& r, TSize screen = {800, 600}) const {
        return {(screen.cx - r.Width()) / 2, (screen.cy - r.Height()) / 2};
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
    // What the file says now, as a later run would read it.
    int ReadBack(const std::string& section, const std::string& key) const {
        return TJorpIniFile("c:", "\\", "otcraps", "otcraps.ini", true).GetInt(section, key, -1);
    }

    std::optional<THeadlessSession> Session{std::in_place, TSize{800, 600}};
    TApplication App{"otcraps"};
    std::optional<TTempDir> Dir;
    std::unique_ptr<TJorpIniFile> Settings;
};

// A headless desktop with the stand-in mode window in its frame, WinG registered, and media files
// written by the engine's encoders and read back through the data-file manager.
#pragma once

#include "engine/foundation/FileMgrFixture.h"
#include "engine/media/Bmp.h"
#include "engine/media/JorpWinG.h"
#include "engine/media/MediaEncoders.h"
#include "engine/media/Pal.h"
#include "engine/media/VideoWinG.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/draw/WinG.h"
#include "platform/framework/window/Application.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/host/Library.h"
#include "support/ModeWindowStandIn.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Colours i: a ramp that keeps every entry distinct from the static ones.
inline TColourTable RampColours(u8 redBias = 0) {
    TColourTable colours{};
    for (int i = 0; i < 256; ++i)
        colours[static_cast<size_t>(i)] = {static_cast<u8>(i), static_cast<u8>(255 - i),
                                           static_cast<u8>(redBias + i / 2), 0};
    return colours;
}

class MediaFixture : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        ResetSystemPalette();
        RegisterWinGLibrary();
        Window = new TStandInModeWindow;
        Frame = new TStandInFrame(Window);
        App.SetMainWindow(Frame);
        ASSERT_TRUE(Frame->Create());
        Frame->ShowWindow(SW_SHOWNORMAL);
        App.PumpWaitingMessages();
    }

    void TearDown() override {
        Graphics.clear();
        Window->ScreenMgr.reset();
        UnregisterBuiltinLibraries();
        ObjectFileFixture::TearDown();
    }

    void WriteBmp(const std::string& name, i32 width, i32 height, const std::vector<u8>& pixels,
                  const TColourTable& colours = RampColours()) {
        const std::vector<u8> bytes = TBmpEncoder::Encode(width, height, pixels, colours);
        Cd.WriteHostFile(name + ".bmp", std::string(bytes.begin(), bytes.end()));
    }
    void WritePal(const std::string& name, const TColourTable& colours) {
        const std::vector<u8> bytes = TPalEncoder::Encode(colours);
        Cd.WriteHostFile(name + ".pal", std::string(bytes.begin(), bytes.end()));
    }
    // Read now and kept in memory: bitmaps draw from their file image.
    TBmp* LoadBmp(const std::string& name) {
        return Keep(std::make_unique<TBmp>(Window, TFileMode(name, 0, FM_LEVEL_NOW), true, true));
    }
    TPal* LoadPal(const std::string& name) {
        return Keep(std::make_unique<TPal>(Window, TFileMode(name, 0, FM_LEVEL_NOW), true, false));
    }
    template <class T> T* Keep(std::unique_ptr<T> graphic) {
        T* raw = graphic.get();
        Graphics.push_back(std::move(graphic));
        return raw;
    }

    void MakeScreen(TGr* background, TPal* palette) {
        Window->ScreenMgr = std::make_unique<TJorpScreenMgr>(Window, background, palette);
    }
    TVideoWinG& Video() { return *Window->Video(); }
    // The client area's top left corner on the desktop.
    TPoint ClientOrigin() const {
        TPoint p{0, 0};
        ::ClientToScreen(Window->GetHandle(), &p);
        return p;
    }

    THeadlessSession Session;
    TApplication App{"media"};
    TStandInModeWindow* Window = nullptr;
    TStandInFrame* Frame = nullptr;
    std::vector<std::unique_ptr<TGr>> Graphics;
};

// A media maker for framework tests: graphics and surfaces that note what the framework asks
// of them in one log, and screen figures a test chooses.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/ResponderList.h"
#include "platform/framework/draw/GdiTypes.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

class TFakeMediaMaker;

// An engine object standing for a palette or bitmap: never read, so the maker decides
// whether it counts as loaded.
struct TFakeBase : TJorpBase {
    TFakeBase(TJorpOwner* owner, const TFileMode& file) : TJorpBase(owner, 0, file) {}
};

struct TFakePal : TPalFace {
    TFakePal(TFakeMediaMaker* maker, TJorpOwner* owner, const TFileMode& file)
        : Base(owner, file), Maker(maker) {}
    ~TFakePal() override;
    TJorpBase& GetBase() override { return Base; }
    TFakeBase Base;
    TFakeMediaMaker* Maker;
};

// A bitmap file, or a one-colour rectangle.
struct TFakeBmp : TBmpFace {
    TFakeBmp(TJorpOwner* owner, const TFileMode& file, TRect rect = {}, u8 colour = 0)
        : Base(owner, file), Rect(rect), Colour(colour) {}
    TJorpBase& GetBase() override { return Base; }
    const u8* GetBits() override { return nullptr; }
    i32 GetWidth() const override { return 0; }
    i32 GetHeight() const override { return 0; }
    TFakeBase Base;
    TRect Rect;
    u8 Colour;
};

class TFakeScreenMgr : public TJorpScreenMgrFace, public TJorpVideoFace {
public:
    TFakeScreenMgr(TFakeMediaMaker& maker, TResponderHost* window, TGraphicFace* background,
                   TPalFace* palette);
    ~TFakeScreenMgr() override;
    TJorpVideoFace* GetVideo() override { return this; }
    TResponderList* GetResponderList() override { return &List; }
    bool SetBackground(TGraphicFace* background) override { return Background = background, true; }
    bool SetPalette(TPalFace* palette) override { return (Palette = palette) != nullptr; }
    void Paint(TDC&, bool, TRect&) override;
    void RenderFrame() override;
    bool ActivatePalette() override;
    void DeactivatePalette(bool force) override;

    TFakeMediaMaker& Maker;
    TResponderList List;
    TGraphicFace* Background;
    TPalFace* Palette;
};

// The frame's sound manager: what the framework asks of it, in the maker's log.
struct TFakeSoundMgr : TJorpSoundMgrFace {
    explicit TFakeSoundMgr(std::vector<std::string>& log) : Log(log) { Log.push_back("sound+"); }
    ~TFakeSoundMgr() override { Log.push_back("sound-"); }
    void Activate() override { Log.push_back("sound on"); }
    void Deactivate() override { Log.push_back("sound off"); }
    void StopAll(bool notify) override { Log.push_back(notify ? "sound stop" : "sound hush"); }
    void PumpWaves() override { Log.push_back("sound pump"); }
    void PurgeUnusedWaves() override { Log.push_back("sound purge"); }
    std::vector<std::string>& Log;
};

class TFakeMediaMaker : public TMediaMaker, public TJorpScreenDCFace {
public:
    TFakeMediaMaker() { TMediaMaker::Install(this); }
    ~TFakeMediaMaker() override { TMediaMaker::Install(nullptr); }
    TFakeMediaMaker(const TFakeMediaMaker&) = delete;
    TFakeMediaMaker& operator=(const TFakeMediaMaker&) = delete;

    std::unique_ptr<TPalFace> MakePal(TJorpOwner* owner, const TFileMode& file, bool,
                                      bool) override {
        Log.push_back("pal " + file.Name.GetText());
        if (!MakePalettes)
            return nullptr;
        auto pal = std::make_unique<TFakePal>(this, owner, file);
        pal->Base.SetFlags(PaletteUnreadable ? JOF_NO_IMAGE : JOF_LOADED);
        return pal;
    }
    std::unique_ptr<TBmpFace> MakeBmp(TJorpOwner* owner, const TFileMode& file, bool,
                                      bool) override {
        Log.push_back("bmp " + file.Name.GetText());
        auto bmp = std::make_unique<TFakeBmp>(owner, file);
        bmp->Base.SetFlags(BitmapUnreadable ? JOF_NO_IMAGE : JOF_LOADED);
        return bmp;
    }
    std::unique_ptr<TGraphicFace> MakeBmpMono(TJorpOwner* owner, i16 x, i16 y, i16 w, i16 h,
                                              u8 colour) override {
        Log.push_back("mono " + std::to_string(colour));
        return std::make_unique<TFakeBmp>(owner, TFileMode(), TRect(x, y, x + w, y + h), colour);
    }
    std::unique_ptr<TJorpScreenMgrFace>
    MakeScreenMgr(TResponderHost* window, TGraphicFace* background, TPalFace* palette) override {
        Log.push_back("screen");
        return std::make_unique<TFakeScreenMgr>(*this, window, background, palette);
    }
    std::unique_ptr<TJorpScreenDCFace> MakeScreenDC() override {
        struct TCapsDC : TJorpScreenDCFace {
            explicit TCapsDC(TJorpScreenDCFace& caps) : Caps(caps) {}
            int GetDeviceCaps(int index) override { return Caps.GetDeviceCaps(index); }
            TJorpScreenDCFace& Caps;
        };
        return std::make_unique<TCapsDC>(*this);
    }
    int GetDeviceCaps(int index) override {
        return index == HORZRES ? ScreenWidth : index == VERTRES ? ScreenHeight : ScreenBits;
    }
    std::unique_ptr<TJorpSoundMgrFace> MakeSoundMgr(TWindow*) override {
        if (!MakeSound)
            return nullptr;
        return std::make_unique<TFakeSoundMgr>(Log);
    }
    bool LoadWinG() override { return Log.push_back("wing+"), true; }
    void UnloadWinG(bool) override { Log.push_back("wing-"); }

    // The log's tokens that start with the prefix.
    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> out;
        std::copy_if(Log.begin(), Log.end(), std::back_inserter(out),
                     [&](const std::string& t) { return t.rfind(prefix, 0) == 0; });
        return out;
    }

    std::vector<std::string> Log;
    std::vector<TFakeScreenMgr*> Screens;
    bool MakePalettes = true;
    // Off by default, so that the logs of tests about other things stay as they are.
    bool MakeSound = false;
    bool PaletteUnreadable = false;
    bool BitmapUnreadable = false;
    // Palettes deleted while a screen manager still drew through them.
    int DanglingPalettes = 0;
    int ScreenWidth = 800;
    int ScreenHeight = 600;
    int ScreenBits = 8;
};

inline TFakePal::~TFakePal() {
    if (Maker != nullptr)
        for (const TFakeScreenMgr* screen : Maker->Screens)
            Maker->DanglingPalettes += screen->Palette == this;
}

inline TFakeScreenMgr::TFakeScreenMgr(TFakeMediaMaker& maker, TResponderHost* window,
                                      TGraphicFace* background, TPalFace* palette)
    : Maker(maker), List(window), Background(background), Palette(palette) {
    Maker.Screens.push_back(this);
}
inline TFakeScreenMgr::~TFakeScreenMgr() {
    std::erase(Maker.Screens, this);
}
inline void TFakeScreenMgr::Paint(TDC&, bool, TRect&) {
    Maker.Log.push_back("paint");
}
inline void TFakeScreenMgr::RenderFrame() {
    Maker.Log.push_back("render");
}
inline bool TFakeScreenMgr::ActivatePalette() {
    return Maker.Log.push_back("activate"), true;
}
inline void TFakeScreenMgr::DeactivatePalette(bool force) {
    Maker.Log.push_back(force ? "deactivate!" : "deactivate");
}

// A media maker for framework tests: graphics, surfaces and screens that record what the
// framework asks of them, and screen figures a test chooses.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/ResponderList.h"
#include "platform/framework/Dc.h"
#include "platform/framework/GdiTypes.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

class TFakeMediaMaker;

// An engine object standing for a palette or bitmap: it keeps its file mode and is never
// read, so a test decides whether it counts as loaded.
struct TFakeGraphicBase : TJorpBase {
    TFakeGraphicBase(TJorpOwner* owner, const TFileMode& file) : TJorpBase(owner, 0, file) {}
    std::string GetExtension() const override { return FileMode.Name.GetExtension(); }
};

class TFakePal : public TPalFace {
public:
    TFakePal(TFakeMediaMaker& media, TJorpOwner* owner, const TFileMode& file);
    ~TFakePal() override;
    TJorpBase& GetBase() override { return Base; }

    TFakeMediaMaker& Media;
    TFakeGraphicBase Base;
};

class TFakeBmp : public TBmpFace {
public:
    TFakeBmp(TJorpOwner* owner, const TFileMode& file) : Base(owner, file) {}
    TJorpBase& GetBase() override { return Base; }
    const u8* GetBits() override { return Bits.empty() ? nullptr : Bits.data(); }
    i32 GetWidth() const override { return Width; }
    i32 GetHeight() const override { return Height; }

    TFakeGraphicBase Base;
    std::vector<u8> Bits;
    i32 Width = 0;
    i32 Height = 0;
};

class TFakeMono : public TGraphicFace {
public:
    TFakeMono(TJorpOwner* owner, TRect rect, u8 colour)
        : Base(owner, TFileMode()), Rect(rect), Colour(colour) {}
    TJorpBase& GetBase() override { return Base; }

    TFakeGraphicBase Base;
    TRect Rect;
    u8 Colour;
};

// Notes every call as a token in the media's log.
class TFakeVideo : public TJorpVideoFace {
public:
    explicit TFakeVideo(std::vector<std::string>& log) : Log(log) {}
    void Paint(TDC& dc, bool, TRect& rect) override {
        Log.push_back("paint");
        dc.FillSolidRect(rect, Fill);
    }
    void RenderFrame() override { Log.push_back("render"); }
    bool ActivatePalette() override {
        Log.push_back("activate");
        const bool changed = !PaletteActive;
        PaletteActive = true;
        return changed;
    }
    void DeactivatePalette(bool force) override {
        Log.push_back(force ? "deactivate!" : "deactivate");
        PaletteActive = false;
    }

    std::vector<std::string>& Log;
    bool PaletteActive = true;
    u32 Fill = 0xFF205020U;
};

class TFakeScreenMgr : public TJorpScreenMgrFace {
public:
    TFakeScreenMgr(TFakeMediaMaker& media, TResponderHost* window, TGraphicFace* background,
                   TPalFace* palette);
    ~TFakeScreenMgr() override;
    TJorpVideoFace* GetVideo() override { return &Video; }
    TResponderList* GetResponderList() override { return &List; }
    bool SetBackground(TGraphicFace* background) override {
        Background = background;
        return true;
    }
    bool SetPalette(TPalFace* palette) override {
        Palette = palette;
        return palette != nullptr;
    }

    TFakeMediaMaker& Media;
    TResponderList List;
    TFakeVideo Video;
    TGraphicFace* Background;
    TPalFace* Palette;
};

class TFakeScreenDC : public TJorpScreenDCFace {
public:
    TFakeScreenDC(int width, int height, int bits) : Width(width), Height(height), Bits(bits) {}
    int GetDeviceCaps(int index) override {
        return index == HORZRES ? Width : index == VERTRES ? Height : index == BITSPIXEL ? Bits : 0;
    }
    int Width, Height, Bits;
};

class TFakeMediaMaker : public TMediaMaker {
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
        auto pal = std::make_unique<TFakePal>(*this, owner, file);
        pal->Base.SetFlags(PaletteUnreadable ? JOF_NO_IMAGE : JOF_LOADED);
        return pal;
    }
    std::unique_ptr<TBmpFace> MakeBmp(TJorpOwner* owner, const TFileMode& file, bool,
                                      bool) override {
        Log.push_back("bmp " + file.Name.GetText());
        auto bmp = std::make_unique<TFakeBmp>(owner, file);
        if (BitmapUnreadable)
            bmp->Base.SetFlags(JOF_NO_IMAGE);
        return bmp;
    }
    std::unique_ptr<TGraphicFace> MakeBmpMono(TJorpOwner* owner, i16 x, i16 y, i16 w, i16 h,
                                              u8 colour) override {
        Log.push_back("mono " + std::to_string(colour));
        return std::make_unique<TFakeMono>(owner, TRect(x, y, x + w, y + h), colour);
    }
    std::unique_ptr<TJorpScreenMgrFace>
    MakeScreenMgr(TResponderHost* window, TGraphicFace* background, TPalFace* palette) override {
        Log.push_back("screen");
        return std::make_unique<TFakeScreenMgr>(*this, window, background, palette);
    }
    std::unique_ptr<TJorpScreenDCFace> MakeScreenDC() override {
        return std::make_unique<TFakeScreenDC>(ScreenWidth, ScreenHeight, ScreenBits);
    }
    bool LoadWinG() override {
        Log.push_back("wing+");
        return true;
    }
    void UnloadWinG(bool) override { Log.push_back("wing-"); }

    // The log with only the tokens that start with the prefix.
    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& t : Log)
            if (t.rfind(prefix, 0) == 0)
                out.push_back(t);
        return out;
    }

    std::vector<std::string> Log;
    std::vector<TFakeScreenMgr*> Screens;
    bool MakePalettes = true;
    bool PaletteUnreadable = false;
    bool BitmapUnreadable = false;
    // A palette deleted while a screen manager still drew through it.
    int DanglingPalettes = 0;
    int ScreenWidth = 800;
    int ScreenHeight = 600;
    int ScreenBits = 8;
};

inline TFakePal::TFakePal(TFakeMediaMaker& media, TJorpOwner* owner, const TFileMode& file)
    : Media(media), Base(owner, file) {}

inline TFakePal::~TFakePal() {
    for (const TFakeScreenMgr* screen : Media.Screens)
        if (screen->Palette == this)
            ++Media.DanglingPalettes;
}

inline TFakeScreenMgr::TFakeScreenMgr(TFakeMediaMaker& media, TResponderHost* window,
                                      TGraphicFace* background, TPalFace* palette)
    : Media(media), List(window), Video(media.Log), Background(background), Palette(palette) {
    Media.Screens.push_back(this);
}

inline TFakeScreenMgr::~TFakeScreenMgr() {
    Media.Screens.erase(std::remove(Media.Screens.begin(), Media.Screens.end(), this),
                        Media.Screens.end());
}

// TEngineMediaMaker: thin holders that give the framework's faces this library's objects.
#include "EngineMediaMaker.h"

#include "engine/media/AnimatedIcons.h"
#include "engine/media/AudioWaveMix.h"
#include "engine/media/BitmapInfo.h"
#include "engine/media/Bmp.h"
#include "engine/media/JorpDC.h"
#include "engine/media/JorpWinG.h"
#include "engine/media/MediaServices.h"
#include "engine/media/Pal.h"
#include "engine/media/ScreenMgr.h"
#include "engine/media/SoundMgr.h"
#include "engine/media/VideoWinG.h"

namespace {

// What every graphic made here holds, so that a face handed back can be opened again.
class TGrHolder {
public:
    virtual ~TGrHolder() = default;
    virtual TGr* GetGr() = 0;
};

// Faces from another maker hold no graphic of this library: null.
TGr* GrOf(TGraphicFace* face) {
    auto* holder = dynamic_cast<TGrHolder*>(face);
    return holder != nullptr ? holder->GetGr() : nullptr;
}

class TPalHolder : public TPalFace, public TGrHolder {
public:
    explicit TPalHolder(std::unique_ptr<TPal> pal) : Pal(std::move(pal)) {}
    TJorpBase& GetBase() override { return *Pal; }
    TGr* GetGr() override { return Pal.get(); }
    TPal& Get() { return *Pal; }

private:
    std::unique_ptr<TPal> Pal;
};

class TBmpHolder : public TBmpFace, public TGrHolder {
public:
    explicit TBmpHolder(std::unique_ptr<TBmp> bmp) : Bmp(std::move(bmp)) {}
    TJorpBase& GetBase() override { return *Bmp; }
    TGr* GetGr() override { return Bmp.get(); }
    const u8* GetBits() override { return Bmp->GetBits(); }
    i32 GetWidth() const override {
        return Bmp->GetInfo() != nullptr ? Bmp->GetInfo()->Get()->bmiHeader.biWidth : 0;
    }
    i32 GetHeight() const override {
        return Bmp->GetInfo() != nullptr ? Bmp->GetInfo()->Get()->bmiHeader.biHeight : 0;
    }

private:
    std::unique_ptr<TBmp> Bmp;
};

class TMonoHolder : public TGraphicFace, public TGrHolder {
public:
    explicit TMonoHolder(std::unique_ptr<TBmpMono> mono) : Mono(std::move(mono)) {}
    TJorpBase& GetBase() override { return *Mono; }
    TGr* GetGr() override { return Mono.get(); }

private:
    std::unique_ptr<TBmpMono> Mono;
};

class TVideoHolder : public TJorpVideoFace {
public:
    explicit TVideoHolder(TJorpVideo* video) : Video(video) {}
    void Set(TJorpVideo* video) { Video = video; }
    void Paint(TDC& dc, bool erase, TRect& rect) override { Video->Paint(dc, erase, rect); }
    void RenderFrame() override { Video->RenderFrame(); }
    bool ActivatePalette() override { return Video->ActivatePalette(); }
    void DeactivatePalette(bool force) override { Video->DeactivatePalette(force); }

private:
    TJorpVideo* Video;
};

class TScreenMgrHolder : public TJorpScreenMgrFace {
public:
    TScreenMgrHolder(TResponderHost* window, TGr* background, TPal* palette)
        : Mgr(window, background, palette), Video(nullptr) {}
    // The manager may make its surface again; the face always opens the current one.
    TJorpVideoFace* GetVideo() override {
        Video.Set(Mgr.GetVideo());
        return Mgr.GetVideo() != nullptr ? &Video : nullptr;
    }
    TResponderList* GetResponderList() override { return Mgr.GetResponders(); }
    bool SetBackground(TGraphicFace* background) override {
        return Mgr.SetBackground(GrOf(background));
    }
    bool SetPalette(TPalFace* palette) override {
        return Mgr.SetPalette(static_cast<TPal*>(GrOf(palette)));
    }

private:
    TJorpScreenMgr Mgr;
    TVideoHolder Video;
};

class TScreenDCHolder : public TJorpScreenDCFace {
public:
    int GetDeviceCaps(int index) override { return Dc.GetDeviceCaps(index); }

private:
    TJorpScreenDC Dc;
};

// The window's DC with a surface palette made from the mode's selected and realised; the
// DC puts its first palette back when it goes, before the palette is deleted.
class TPaletteDCHolder : public TJorpPaletteDCFace {
public:
    TPaletteDCHolder(TWindow* window, const TPal& source) : Palette(source), Dc(window) {
        Dc.SelectPalette(Palette, false);
        Dc.RealizePalette();
    }
    void SetPixel(i32 x, i32 y, u32 colour) override { Dc.SetPixel(x, y, TColor(colour)); }

private:
    TVideoPal Palette;
    TJorpWindowDC Dc;
};

class TIconsHolder : public TJorpAnimatedIconsFace {
public:
    bool StartTimer(TWindow* window) override {
        return window != nullptr && Icons.StartTimer(*window);
    }
    void LoadIconIds() override { Icons.LoadIconIds(); }
    void NextFrame(TFrameWindow* frame) override {
        if (frame != nullptr)
            Icons.NextFrame(*frame);
    }

private:
    TJorpAnimatedIcons Icons;
};

class TSoundMgrHolder : public TJorpSoundMgrFace {
public:
    explicit TSoundMgrHolder(TWindow* frame) : Mgr(frame) {
        if (TMediaServices* services = TMediaServices::Current())
            services->SetSoundMgr(&Mgr);
    }
    ~TSoundMgrHolder() override {
        TMediaServices* services = TMediaServices::Current();
        if (services != nullptr && services->GetSoundMgr() == &Mgr)
            services->SetSoundMgr(nullptr);
    }
    void Activate() override { Mgr.Activate(); }
    void Deactivate() override { Mgr.Deactivate(); }
    void StopAll(bool notify) override { Mgr.StopAll(notify); }
    void PumpWaves() override {
        if (TAudioWaveMix* mixer = Mgr.GetWaveMix())
            mixer->Pump();
    }
    void PurgeUnusedWaves() override {
        if (TAudioWaveMix* mixer = Mgr.GetWaveMix())
            mixer->PurgeUnusedWaves();
    }
    bool HasWaveMixer() override { return Mgr.GetWaveMix() != nullptr; }
    bool IsMuted() override {
        TAudioWaveMix* mixer = Mgr.GetWaveMix();
        return mixer == nullptr || mixer->IsMuted();
    }
    void SetMuted(bool muted) override {
        if (TAudioWaveMix* mixer = Mgr.GetWaveMix())
            mixer->SetMuted(muted);
    }

private:
    TJorpSoundMgr Mgr;
};

} // namespace

std::unique_ptr<TPalFace> TEngineMediaMaker::MakePal(TJorpOwner* owner, const TFileMode& file,
                                                     bool load, bool keep) {
    return std::make_unique<TPalHolder>(std::make_unique<TPal>(owner, file, load, keep));
}

std::unique_ptr<TBmpFace> TEngineMediaMaker::MakeBmp(TJorpOwner* owner, const TFileMode& file,
                                                     bool load, bool keep) {
    return std::make_unique<TBmpHolder>(std::make_unique<TBmp>(owner, file, load, keep));
}

std::unique_ptr<TGraphicFace> TEngineMediaMaker::MakeBmpMono(TJorpOwner* owner, i16 x, i16 y,
                                                             i16 width, i16 height, u8 colour) {
    return std::make_unique<TMonoHolder>(
        std::make_unique<TBmpMono>(owner, x, y, width, height, colour));
}

std::unique_ptr<TJorpScreenMgrFace> TEngineMediaMaker::MakeScreenMgr(TResponderHost* window,
                                                                     TGraphicFace* background,
                                                                     TPalFace* palette) {
    return std::make_unique<TScreenMgrHolder>(window, GrOf(background),
                                              static_cast<TPal*>(GrOf(palette)));
}

std::unique_ptr<TJorpScreenDCFace> TEngineMediaMaker::MakeScreenDC() {
    return std::make_unique<TScreenDCHolder>();
}

std::unique_ptr<TJorpPaletteDCFace> TEngineMediaMaker::MakePaletteDC(TWindow* window,
                                                                     TPalFace* palette) {
    auto* holder = dynamic_cast<TPalHolder*>(palette);
    if (window == nullptr || holder == nullptr)
        return nullptr;
    return std::make_unique<TPaletteDCHolder>(window, holder->Get());
}

std::unique_ptr<TJorpAnimatedIconsFace> TEngineMediaMaker::MakeAnimatedIcons() {
    return std::make_unique<TIconsHolder>();
}

std::unique_ptr<TJorpSoundMgrFace> TEngineMediaMaker::MakeSoundMgr(TWindow* frame) {
    return std::make_unique<TSoundMgrHolder>(frame);
}

bool TEngineMediaMaker::LoadWinG() {
    return TJorpWinG::LoadWinG();
}

void TEngineMediaMaker::UnloadWinG(bool force) {
    TJorpWinG::UnloadWinG(force);
}

// TEngineMediaMaker: the framework's media objects made from this library's classes.
#pragma once

#include "engine/framework/MediaFaces.h"

// The program installs one at start (TMediaMaker::Install); the framework then owns real
// palettes, bitmaps, surfaces and the WinG binding through its faces.
class TEngineMediaMaker : public TMediaMaker {
public:
    std::unique_ptr<TPalFace> MakePal(TJorpOwner* owner, const TFileMode& file, bool load,
                                      bool keep) override;
    std::unique_ptr<TBmpFace> MakeBmp(TJorpOwner* owner, const TFileMode& file, bool load,
                                      bool keep) override;
    std::unique_ptr<TGraphicFace> MakeBmpMono(TJorpOwner* owner, i16 x, i16 y, i16 width,
                                              i16 height, u8 colour) override;
    std::unique_ptr<TJorpScreenMgrFace>
    MakeScreenMgr(TResponderHost* window, TGraphicFace* background, TPalFace* palette) override;
    std::unique_ptr<TJorpScreenDCFace> MakeScreenDC() override;
    std::unique_ptr<TJorpPaletteDCFace> MakePaletteDC(TWindow* window, TPalFace* palette) override;
    std::unique_ptr<TJorpAnimatedIconsFace> MakeAnimatedIcons() override;
    // Handed to the media services for the sounds to find while it lives.
    std::unique_ptr<TJorpSoundMgrFace> MakeSoundMgr(TWindow* frame) override;
    bool LoadWinG() override;
    void UnloadWinG(bool force) override;
};

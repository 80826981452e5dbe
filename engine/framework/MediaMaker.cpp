// TMediaMaker: the installed maker of media objects, and the null maker's answers.
#include "MediaFaces.h"

#include "platform/framework/draw/Dc.h"

namespace {

TMediaMaker* Installed = nullptr;

// The screen's figures need no media library: the window system answers them.
class TPlatformScreenDC : public TJorpScreenDCFace {
public:
    int GetDeviceCaps(int index) override { return Dc.GetDeviceCaps(index); }

private:
    TScreenDC Dc;
};

} // namespace

void TMediaMaker::Install(TMediaMaker* maker) {
    Installed = maker;
}

TMediaMaker& TMediaMaker::Get() {
    static TMediaMaker none;
    return Installed != nullptr ? *Installed : none;
}

std::unique_ptr<TPalFace> TMediaMaker::MakePal(TJorpOwner*, const TFileMode&, bool, bool) {
    return nullptr;
}

std::unique_ptr<TBmpFace> TMediaMaker::MakeBmp(TJorpOwner*, const TFileMode&, bool, bool) {
    return nullptr;
}

std::unique_ptr<TGraphicFace> TMediaMaker::MakeBmpMono(TJorpOwner*, i16, i16, i16, i16, u8) {
    return nullptr;
}

std::unique_ptr<TJorpScreenMgrFace> TMediaMaker::MakeScreenMgr(TResponderHost*, TGraphicFace*,
                                                               TPalFace*) {
    return nullptr;
}

std::unique_ptr<TJorpScreenDCFace> TMediaMaker::MakeScreenDC() {
    return std::make_unique<TPlatformScreenDC>();
}

std::unique_ptr<TJorpPaletteDCFace> TMediaMaker::MakePaletteDC(TWindow*, TPalFace*) {
    return nullptr;
}

std::unique_ptr<TJorpAnimatedIconsFace> TMediaMaker::MakeAnimatedIcons() {
    return nullptr;
}

std::unique_ptr<TJorpSoundMgrFace> TMediaMaker::MakeSoundMgr(TWindow*) {
    return nullptr;
}

bool TMediaMaker::LoadWinG() {
    return true;
}

void TMediaMaker::UnloadWinG(bool) {}

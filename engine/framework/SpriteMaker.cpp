// TSpriteMaker: the installed maker of sprites and sprite lists, and the maker of nothing.
#include "SpriteMaker.h"

namespace {

TSpriteMaker* Installed = nullptr;

} // namespace

void TSpriteMaker::Install(TSpriteMaker* maker) {
    Installed = maker;
}

TSpriteMaker& TSpriteMaker::Get() {
    static TSpriteMaker none;
    return Installed != nullptr ? *Installed : none;
}

TJorpListWAL* TSpriteMaker::MakeSpriteList(TJorpOwner*, const TFileMode&, TSpriteCreator*, bool,
                                           bool) {
    return nullptr;
}

TJorpListWAL* TSpriteMaker::MakeEmptySpriteList(TJorpOwner*, TSpriteCreator*) {
    return nullptr;
}

TJorpBase* TSpriteMaker::MakeEmbeddedSprite(TJorpOwner*, const TFileMode&, TEmbeddedAddress) {
    return nullptr;
}

TJorpBase* TSpriteMaker::MakeNamedSprite(TJorpOwner*, const TFileMode&) {
    return nullptr;
}

TJorpBase* TSpriteMaker::MakeUnloadedSprite(TJorpOwner*, const TFileMode&) {
    return nullptr;
}

bool TSpriteMaker::SetSetState(TJorpListWAL*, i16, i16) {
    return false;
}

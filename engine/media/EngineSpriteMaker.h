// TEngineSpriteMaker: the sprites and sprite lists of game objects, made from this library's
// classes.
#pragma once

#include "engine/framework/SpriteMaker.h"

// The program installs one at start (TSpriteMaker::Install); game objects then own real sprite
// lists whose members their factories build.
class TEngineSpriteMaker : public TSpriteMaker {
public:
    TJorpListWAL* MakeSpriteList(TJorpOwner* owner, const TFileMode& file, TSpriteCreator* creator,
                                 bool load, bool keep) override;
    TJorpListWAL* MakeEmptySpriteList(TJorpOwner* owner, TSpriteCreator* creator) override;
    TJorpBase* MakeEmbeddedSprite(TJorpOwner* owner, const TFileMode& file,
                                  TEmbeddedAddress address) override;
    TJorpBase* MakeNamedSprite(TJorpOwner* owner, const TFileMode& file) override;
    TJorpBase* MakeUnloadedSprite(TJorpOwner* owner, const TFileMode& file) override;
    bool SetSetState(TJorpListWAL* list, i16 set, i16 state) override;
};

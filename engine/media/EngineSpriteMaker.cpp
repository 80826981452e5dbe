// TEngineSpriteMaker: sprite lists and sprites for game objects.
#include "EngineSpriteMaker.h"

#include "engine/media/Sprite.h"
#include "engine/media/SpriteList.h"

TJorpListWAL* TEngineSpriteMaker::MakeSpriteList(TJorpOwner* owner, const TFileMode& file,
                                                 TSpriteCreator* creator, bool load, bool keep) {
    return TJorpBase::CreateAttached<TSpriteList>(file, load, keep, owner, file, creator).release();
}

TJorpListWAL* TEngineSpriteMaker::MakeEmptySpriteList(TJorpOwner* owner, TSpriteCreator* creator) {
    return new TSpriteList(owner, creator);
}

TJorpBase* TEngineSpriteMaker::MakeEmbeddedSprite(TJorpOwner* owner, const TFileMode& file,
                                                  TEmbeddedAddress address) {
    return TSprite::MakeEmbedded(address, owner, file).release();
}

TJorpBase* TEngineSpriteMaker::MakeNamedSprite(TJorpOwner* owner, const TFileMode& file) {
    return TSprite::MakeNamed(true, false, owner, file).release();
}

TJorpBase* TEngineSpriteMaker::MakeUnloadedSprite(TJorpOwner* owner, const TFileMode& file) {
    return new TSprite(owner, file);
}

bool TEngineSpriteMaker::SetSetState(TJorpListWAL* list, i16 set, i16 state) {
    auto* sprites = dynamic_cast<TSpriteList*>(list);
    return sprites != nullptr && sprites->SetSetState(set, state);
}

// TSpriteMaker: the sprite lists and sprites of game objects, made by the media library.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "platform/host/Types.h"

class TJorpListWAL;
class TJorpOwner;
class TSpriteCreator;

// Sprites and their lists are media classes above this library. A game object holds its
// sprite list as the foundation's list with active lists (which a sprite list is) and its
// sprites as engine objects; what only a sprite list or sprite can do is asked of the
// maker the program installs. Until one is installed nothing is made: game objects then
// have no sprites, as when their files name none.
class TSpriteMaker {
public:
    virtual ~TSpriteMaker() = default;

    // The maker game objects use; null puts back the maker of nothing.
    static void Install(TSpriteMaker* maker);
    static TSpriteMaker& Get();

    // A sprite list of that file for the creator, attached (and read when load is set).
    // The caller owns it.
    virtual TJorpListWAL* MakeSpriteList(TJorpOwner* owner, const TFileMode& file,
                                         TSpriteCreator* creator, bool load, bool keep);
    // A sprite list of no file and no members.
    virtual TJorpListWAL* MakeEmptySpriteList(TJorpOwner* owner, TSpriteCreator* creator);
    // A sprite read from the image at the address (a member stored inside its list); its
    // byte count is -1 when the read failed.
    virtual TJorpBase* MakeEmbeddedSprite(TJorpOwner* owner, const TFileMode& file,
                                          TEmbeddedAddress address);
    // A sprite of its own ".sp" file, attached and read now, not kept.
    virtual TJorpBase* MakeNamedSprite(TJorpOwner* owner, const TFileMode& file);
    // A sprite that only carries its file name (given the sprite extension); nothing is read.
    virtual TJorpBase* MakeUnloadedSprite(TJorpOwner* owner, const TFileMode& file);
    // The list's set takes that state; false when the list is no sprite list or has no
    // such set or state.
    virtual bool SetSetState(TJorpListWAL* list, i16 set, i16 state);
};

// TSpriteCreator: what a sprite list asks of the game object that owns it.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "platform/host/Types.h"

#include <string>

// The game objects live above the media library, and the sprites they build are media
// classes; a sprite list reaches its game object's factory and lookups only through this face.
class TSpriteCreator {
public:
    virtual ~TSpriteCreator() = default;

    // A new sprite of the class the type code names, read from the image at the address
    // (from its own ".sp" file when the address is null). The caller owns it; null when
    // nothing could be made. A sprite whose read failed reports a byte count of -1.
    virtual TJorpBase* CreateObject(const std::string& name, u16 type,
                                    TEmbeddedAddress address) = 0;
    // The type code of a table object, for sprite lists that do not store one.
    virtual u16 ObjectTypeFromName(const std::string&) { return 0; }
    // Runs before the first sprite of a list is made.
    virtual void PrepareObjects() {}
    // The index of the sprite with that file name in the creator's sprite list, or -1.
    virtual i16 FindSpriteIndex(const std::string& name) = 0;
    // The sprite at that index of the creator's sprite list, or null.
    virtual TJorpBase* GetSpriteAt(i16 index) = 0;
    // The creator's current frame tick (its owner's frame counter).
    virtual u32 GetCreatorTick() const = 0;
};

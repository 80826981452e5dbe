// What the table's own sprites share: reading them in either form and pinning their pictures.
#pragma once

#include "engine/media/Sprite.h"

class TAnm;

namespace still_sprite {

// Reads the sprite from its own ".sp" file when the address is null, else from inside its
// parent's image; then its members wait for no start delay and it takes its started mark at
// its next PostTick without waiting for a start tick.
void Read(TSprite& sprite, TEmbeddedAddress address);
// Member n of the animation list, pinned; a sprite without it ends the program with the
// labels given.
TAnm& PinnedMember(TSprite& sprite, i16 n, const char* name, const char* description, i16 number);
// Stands the picture at its base (x kept, y and z given) showing the frame.
void StandAt(TAnm& anm, i16 y, i16 z, u16 frame);

// The single picture shows the frame at once and the sprite counts as shown; the picture's own
// Tick draws it from the next frame on.
void ShowFrame(TSprite& sprite, TAnm& picture, u16 frame);

} // namespace still_sprite

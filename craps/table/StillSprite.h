// What the table's own sprites share: their pinned pictures and showing one frame.
#pragma once

#include "engine/media/Sprite.h"

class TAnm;

namespace still_sprite {

// Member n of the animation list, pinned; a sprite without it ends the program with the
// labels given.
TAnm& PinnedMember(TSprite& sprite, i16 n, const char* name, const char* description, i16 number);

// The single picture shows the frame at once and the sprite counts as shown; the picture's own
// Tick draws it from the next frame on.
void ShowFrame(TSprite& sprite, TAnm& picture, u16 frame);

} // namespace still_sprite

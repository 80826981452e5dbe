// What the table's own sprites share: their pinned pictures and showing one frame.
#include "craps/table/StillSprite.h"

#include "engine/media/Anm.h"

namespace still_sprite {

TAnm& PinnedMember(TSprite& sprite, i16 n, const char* name, const char* description, i16 number) {
    TAnm* anm = sprite.GetAnm(n);
    if (anm == nullptr)
        sprite.FatalAnmSetup(name, description, number);
    anm->Pin();
    return *anm;
}

void ShowFrame(TSprite& sprite, TAnm& picture, u16 frame) {
    picture.GetCurrentData().CurrentFrame = frame;
    picture.SelectFrame();
    picture.Show();
    sprite.SetFlags(JOF_SHOWN);
    sprite.ClearFlags(JOF_TIMED_ON);
}

} // namespace still_sprite

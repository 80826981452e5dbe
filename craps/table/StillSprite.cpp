// What the table's own sprites share: reading them in either form and pinning their pictures.
#include "craps/table/StillSprite.h"

#include "engine/media/Anm.h"

namespace {

// A picture that holds the frame it is given: it never steps, rewinds or leaves by itself.
void Pin(TAnm& anm) {
    TAnmData& data = anm.GetCurrentData();
    data.Direction = ANM_HOLD;
    data.SetFlag(ANMD_RESET_RANGE, false);
    data.SetFlag(ANMD_LEAVE_WHEN_STOPPED, false);
}

} // namespace

namespace still_sprite {

void Read(TSprite& sprite, TEmbeddedAddress address) {
    if (address.IsNull())
        sprite.AttachNamed(true, false);
    else
        sprite.LoadEmbedded(address);
    sprite.ClearStartDelays();
    sprite.SetFlags(JOF_START_NOW);
}

TAnm& PinnedMember(TSprite& sprite, i16 n, const char* name, const char* description, i16 number) {
    TAnm* anm = sprite.GetAnm(n);
    if (anm == nullptr)
        sprite.FatalAnmSetup(name, description, number);
    Pin(*anm);
    return *anm;
}

void StandAt(TAnm& anm, i16 y, i16 z, u16 frame) {
    TAnmData& data = anm.GetCurrentData();
    data.Base.y = y;
    data.Base.z = z;
    data.CurrentFrame = frame;
    data.UpdatePosition();
    anm.SelectFrame();
    anm.Show();
}

void ShowFrame(TSprite& sprite, TAnm& picture, u16 frame) {
    picture.GetCurrentData().CurrentFrame = frame;
    picture.SelectFrame();
    picture.Show();
    sprite.SetFlags(JOF_SHOWN);
    sprite.ClearFlags(JOF_TIMED_ON);
}

} // namespace still_sprite

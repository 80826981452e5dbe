// TRSound: finding the table's eleven sounds and starting one.
#include "craps/table/TableSound.h"

#include "craps/table/StillSprite.h"
#include "engine/media/Sound.h"

TRSound::TRSound(TJorpOwner* owner, const TFileMode& mode) : TSprite(owner, mode) {}

TRSound::TRSound(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address)
    : TSprite(owner, mode), Address(address) {}

TRSound::~TRSound() = default;

void TRSound::Build() {
    ReadDriven(Address);
    Address = {};
    Init();
}

void TRSound::Init() {
    for (i16 i = 0; i < SoundCount; ++i) {
        Sounds[i] = GetWav(i);
        // A missing wave is reported as the pictures' set-up is: the table cannot run without it.
        if (Sounds[i] == nullptr)
            FatalAnmSetup("Sound Sprite", "sound", i);
    }
}

void TRSound::PlaySound(i16 index) {
    if (TWav* wav = GetSound(index))
        wav->Start();
}

TWav* TRSound::GetSound(i16 index) const {
    return index >= 0 && index < SoundCount ? Sounds[index] : nullptr;
}

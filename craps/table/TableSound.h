// TRSound: the table's sound sprite, whose eleven waves are the chip and pay-out sounds.
#pragma once

#include "engine/media/Sprite.h"

#include <memory>
#include <utility>

class TWav;

// Its waves are started one at a time by the game lord, never by the sprite's own timeline.
// It is read in two steps, since its waves are members its file builds: construct, then Build
// (Make does both).
class TRSound : public TSprite {
public:
    static constexpr i16 SoundCount = 11;
    // Sounds by what they mark.
    static constexpr i16 PaySound = 0;
    static constexpr i16 OneChipSound = 1;
    static constexpr i16 FewChipsSound = 2;
    static constexpr i16 ManyChipsSound = 3;
    static constexpr i16 WholeBankrollSound = 4;
    static constexpr i16 NothingAddedSound = 5;

    // From its own ".sp" file...
    TRSound(TJorpOwner* owner, const TFileMode& mode);
    // ...or from the address inside its parent's image, which must outlive Build.
    TRSound(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address);
    ~TRSound() override;

    template <class... Args> static std::unique_ptr<TRSound> Make(Args&&... args) {
        auto sound = std::make_unique<TRSound>(std::forward<Args>(args)...);
        sound->Build();
        return sound;
    }
    // Reads the sprite and finds its waves; one missing ends the program.
    void Build();
    void Init();

    // Starts the sound now; an index outside 0 to 10 plays nothing.
    void PlaySound(i16 index);

    TWav* GetSound(i16 index) const;

private:
    TWav* Sounds[SoundCount] = {};
    // Null for a sprite that reads its own file.
    TEmbeddedAddress Address;
};

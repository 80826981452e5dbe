// TCDice and TCBigDice: the small die picture at a shooter's place and a big die showing the face
// of a landed roll.
#pragma once

#include "engine/media/Sprite.h"

#include <memory>
#include <utility>

class TAnm;

// Both are still pictures, hidden until the game lord shows them. Each is read in two steps,
// since its picture is a member its file builds: construct, then Build (Make does both).
class TCDice : public TSprite {
public:
    // From its own ".sp" file...
    TCDice(TJorpOwner* owner, const TFileMode& mode);
    // ...or from the address inside its parent's image, which must outlive Build.
    TCDice(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address);
    ~TCDice() override;

    template <class... Args> static std::unique_ptr<TCDice> Make(Args&&... args) {
        auto dice = std::make_unique<TCDice>(std::forward<Args>(args)...);
        dice->Build();
        return dice;
    }
    // Reads the sprite, hides it and pins its picture; one without it ends the program.
    void Build();
    void Init();

    // The dice as the dealer hands them over: the first picture, shown.
    void Reset();

    TAnm* GetPicture() const { return Picture; }

private:
    TAnm* Picture = nullptr;
    // Null for a sprite that reads its own file.
    TEmbeddedAddress Address;
};

class TCBigDice : public TSprite {
public:
    static constexpr i16 FaceCount = 6;

    // From its own ".sp" file...
    TCBigDice(TJorpOwner* owner, const TFileMode& mode);
    // ...or from the address inside its parent's image, which must outlive Build.
    TCBigDice(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address);
    ~TCBigDice() override;

    template <class... Args> static std::unique_ptr<TCBigDice> Make(Args&&... args) {
        auto dice = std::make_unique<TCBigDice>(std::forward<Args>(args)...);
        dice->Build();
        return dice;
    }
    // Reads the sprite, hides it and pins its picture; one without it ends the program.
    void Build();
    void Init();

    // Shows the face of a die held 0 to 5 (frame f is face f + 1). A value outside that
    // names no face: the picture is hidden rather than left showing an old roll.
    void SetFrame(i16 face);

    TAnm* GetPicture() const { return Picture; }

private:
    TAnm* Picture = nullptr;
    // Null for a sprite that reads its own file.
    TEmbeddedAddress Address;
};

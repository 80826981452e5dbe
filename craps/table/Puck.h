// TCPuck: the puck, off or on one of the six points.
#pragma once

#include "engine/media/Sprite.h"

#include <memory>
#include <utility>

class TAnm;

// A still picture, hidden until the game lord sets it. It is read in two steps, since its
// picture is a member its file builds: construct, then Build (Make does both).
class TCPuck : public TSprite {
public:
    // From its own ".sp" file...
    TCPuck(TJorpOwner* owner, const TFileMode& mode);
    // ...or from the address inside its parent's image, which must outlive Build.
    TCPuck(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address);
    ~TCPuck() override;

    template <class... Args> static std::unique_ptr<TCPuck> Make(Args&&... args) {
        auto puck = std::make_unique<TCPuck>(std::forward<Args>(args)...);
        puck->Build();
        return puck;
    }
    // Reads the sprite, hides it and pins its picture; one without it ends the program.
    void Build();
    void Init();

    // The point is a sum index (dice total less 2): the points 4, 5, 6, 8, 9 and 10 turn the
    // puck on over their number (frames 1 to 6); any other value, -1 included, shows it off
    // (frame 0).
    void SetPoint(i16 point);
    static u16 FrameOfPoint(i16 point);

    TAnm* GetPicture() const { return Picture; }

private:
    TAnm* Picture = nullptr;
    // Null for a sprite that reads its own file.
    TEmbeddedAddress Address;
};

// TCasNamePlate: a seated gambler's name in capitals on a plate, one glyph animation a letter.
#pragma once

#include "engine/media/Sprite.h"

#include <memory>
#include <string>
#include <utility>

class TAnm;

// Made in two steps, since the sprite's file builds its members: construct, then Build (Make
// does both). Member 0 of the animations is the plate, members 1 to the glyph count the
// character places, left to right.
class TCasNamePlate : public TSprite {
public:
    // The most character places a plate has.
    static constexpr u32 MaxGlyphs = 12;
    // Glyph frames: the letters A to Z, then the digits 0 to 9.
    static constexpr u16 FirstDigitFrame = 26;

    // A glyph count above the most a plate has is taken as that most.
    TCasNamePlate(TJorpOwner* owner, const TFileMode& mode, u32 glyphCount);
    // Read from the address inside its parent's image, which must outlive Build.
    TCasNamePlate(TJorpOwner* owner, const TFileMode& mode, TEmbeddedAddress address,
                  u32 glyphCount);

    template <class T = TCasNamePlate, class... Args>
    static std::unique_ptr<T> Make(Args&&... args) {
        auto plate = std::make_unique<T>(std::forward<Args>(args)...);
        plate->Build();
        return plate;
    }
    // Reads the sprite, silences its timeline, hides it and binds the plate and glyphs. A
    // sprite short of any of them ends the program.
    void Build();

    void Tick(u32 tick) override;

    // Shows the plate with the name centred in capitals; what has no glyph (blanks,
    // punctuation, other letters) leaves a gap. A name longer than the plate shows its
    // first characters from the first place. The trailing flag of some callers means nothing.
    void SetName(const std::string& name, int unused = 0);
    void HideName();
    void BindParts();
    void SetTimer(u32 delay);
    void SetGlyphCount(u32 count);

    // The glyph frame of a character, or -1 for one without a glyph.
    static i16 GlyphFrame(char c);

    u32 GetGlyphCount() const { return GlyphCount; }
    u32 GetDueTick() const { return DueTick; }
    TAnm* GetBackground() const { return Background; }
    TAnm* GetGlyph(u32 index) const { return index < MaxGlyphs ? Glyphs[index] : nullptr; }

private:
    TEmbeddedAddress Address;
    u32 GlyphCount = 0;
    TAnm* Background = nullptr;
    TAnm* Glyphs[MaxGlyphs] = {};
    u32 DueTick = 0;
};

// TCasAmountLayout: a dollar amount as digit pictures, shared by the message board and the cash
// displays.
#pragma once

#include "engine/foundation/Money.h"

#include <array>

class TAnm;
class TSprite;

// The fourteen amount parts of a display's sprite: eleven digit places and three thousands
// separators, each a still picture whose frame and x the layout chooses. Digit frames: 0 the
// dollar sign, 1 to 10 the digits 0 to 9.
class TCasAmountLayout {
public:
    static constexpr int PartCount = 14;
    static constexpr int PlaceCount = 11;
    static constexpr int SeparatorCount = 3;
    // The largest amount drawn: ten digits, the most that fit the places.
    static constexpr i32 MaxDollars = 2147483647;
    // Index in the sprite's animation list of digit place k (units first)...
    static constexpr std::array<i16, PlaceCount> PlacePart = {13, 12, 11, 9, 8, 7, 5, 4, 3, 1, 0};
    // ...and of the thousands, millions and billions separators.
    static constexpr std::array<i16, SeparatorCount> SeparatorPart = {10, 6, 2};

    // Whole dollars, cents dropped, held to 0 .. MaxDollars: a negative, huge or undefined
    // amount must not reach the digit arithmetic.
    static i32 Dollars(TMoney amount);
    // Characters drawn besides the dollar sign: digits and the separators between them; 0 for 0.
    static i16 CharacterCount(i32 dollars);
    // The place that shows the dollar sign for a character count.
    static int DollarPlace(i16 count);

    // Takes the parts from the sprite's animation list and pins them; a missing one ends the
    // program with the sprite's set-up report under the display's name.
    void Bind(TSprite& sprite, const char* displayName);

    // Lays out the amount: every part back at its home x, the separators its size needs, the
    // dollar sign above the highest digit, then everything moved left by shift. Returns the
    // character count.
    i16 Lay(i32 dollars, i16 shift);

    TAnm* GetPlace(int k) const { return Places[static_cast<size_t>(k)]; }
    TAnm* GetSeparator(int j) const { return Separators[static_cast<size_t>(j)]; }

private:
    std::array<TAnm*, PlaceCount> Places{};
    std::array<TAnm*, SeparatorCount> Separators{};
};

// Puts the part's current x back where its cell in the sprite file put it.
void HomeCasPartX(TAnm& anm);
// Moves the part's current x by dx from where it is.
void MoveCasPartX(TAnm& anm, i32 dx);
// Shows the part with that frame.
void ShowCasPartFrame(TAnm& anm, u16 frame);

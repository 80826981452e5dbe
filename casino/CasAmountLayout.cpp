// TCasAmountLayout: digits, separators, the dollar sign and its place for the amount displays.
#include "casino/CasAmountLayout.h"

#include "engine/media/Anm.h"
#include "engine/media/Sprite.h"

namespace {

// A place shows its digit when the character count is above this (place 10 never does)...
constexpr std::array<i16, TCasAmountLayout::PlaceCount> DigitAbove = {-1, 1, 2,  4,  5, 6,
                                                                      8,  9, 10, 12, 13};
// ...and the dollar sign at this count (place 1 also at count 0; place 0 never).
constexpr std::array<i16, TCasAmountLayout::PlaceCount> DollarAt = {-1, 1, 2,  3,  5, 6,
                                                                    7,  9, 10, 11, 13};

} // namespace

void HomeCasPartX(TAnm& anm) {
    TAnmData& data = anm.GetCurrentData();
    data.Base.x = anm.GetTemplate().Base.x;
    data.UpdatePosition();
    anm.SelectFrame();
}

void MoveCasPartX(TAnm& anm, i32 dx) {
    TAnmData& data = anm.GetCurrentData();
    data.Base.x = static_cast<i16>(data.Base.x + dx);
    data.UpdatePosition();
    anm.SelectFrame();
}

void ShowCasPartFrame(TAnm& anm, u16 frame) {
    anm.GetCurrentData().CurrentFrame = frame;
    anm.SelectFrame();
    anm.Show();
}

i32 TCasAmountLayout::Dollars(TMoney amount) {
    const i64 whole = amount.WholeDollars();
    if (whole <= 0)
        return 0;
    return whole >= MaxDollars ? MaxDollars : static_cast<i32>(whole);
}

i16 TCasAmountLayout::CharacterCount(i32 dollars) {
    i16 count = 13;
    i32 power = 1000000000;
    for (int k = 9; k >= 0 && dollars / power % 10 == 0; --k, power /= 10)
        count = static_cast<i16>(count - (k == 9 || k == 6 || k == 3 ? 2 : 1));
    return count;
}

int TCasAmountLayout::DollarPlace(i16 count) {
    if (count == 0)
        return 1;
    for (int k = 0; k < PlaceCount; ++k)
        if (DollarAt[static_cast<size_t>(k)] == count)
            return k;
    return -1;
}

void TCasAmountLayout::Bind(TSprite& sprite, const char* displayName) {
    std::array<TAnm*, PartCount> parts{};
    for (i16 i = 0; i < PartCount; ++i) {
        parts[static_cast<size_t>(i)] = sprite.GetAnm(i);
        if (parts[static_cast<size_t>(i)] == nullptr)
            sprite.FatalAnmSetup(displayName, "Parts", i);
        parts[static_cast<size_t>(i)]->Pin();
    }
    for (int k = 0; k < PlaceCount; ++k)
        Places[static_cast<size_t>(k)] =
            parts[static_cast<size_t>(PlacePart[static_cast<size_t>(k)])];
    for (int j = 0; j < SeparatorCount; ++j)
        Separators[static_cast<size_t>(j)] =
            parts[static_cast<size_t>(SeparatorPart[static_cast<size_t>(j)])];
}

i16 TCasAmountLayout::Lay(i32 dollars, i16 shift) {
    if (dollars < 0)
        dollars = 0;
    for (TAnm* place : Places)
        HomeCasPartX(*place);
    constexpr std::array<i32, SeparatorCount> GroupSize = {1000, 1000000, 1000000000};
    for (int j = 0; j < SeparatorCount; ++j) {
        TAnm& separator = *Separators[static_cast<size_t>(j)];
        HomeCasPartX(separator);
        if (dollars / GroupSize[static_cast<size_t>(j)] != 0)
            separator.Show();
        else
            separator.Hide();
    }

    const i16 count = CharacterCount(dollars);
    const int dollarPlace = DollarPlace(count);
    // With a full top group the sign's place lies past a separator that is not drawn, so it
    // closes up to the digits.
    if (dollarPlace >= 0 && (count == 3 || count == 7 || count == 11))
        MoveCasPartX(*Places[static_cast<size_t>(dollarPlace)], 3);
    for (TAnm* place : Places)
        MoveCasPartX(*place, -shift);
    for (TAnm* separator : Separators)
        MoveCasPartX(*separator, -shift);

    i32 rest = dollars;
    for (int k = 0; k < PlaceCount; ++k) {
        TAnm& place = *Places[static_cast<size_t>(k)];
        const i32 digit = rest % 10;
        rest /= 10;
        if (count > DigitAbove[static_cast<size_t>(k)] && k < PlaceCount - 1)
            ShowCasPartFrame(place, static_cast<u16>(digit + 1));
        else if (k == dollarPlace)
            ShowCasPartFrame(place, 0);
        else
            place.Hide();
    }
    return count;
}

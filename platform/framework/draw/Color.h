// TColor: the framework's colour value, an RGB colour or a palette index.
#pragma once

#include "GdiTypes.h"

class TColor {
public:
    constexpr TColor() = default;
    constexpr TColor(COLORREF value) : Value(value) {}
    constexpr TColor(int r, int g, int b)
        : Value(RGB(static_cast<u8>(r), static_cast<u8>(g), static_cast<u8>(b))) {}

    constexpr operator COLORREF() const { return Value; }
    constexpr COLORREF GetValue() const { return Value; }
    constexpr u8 Red() const { return GetRValue(Value); }
    constexpr u8 Green() const { return GetGValue(Value); }
    constexpr u8 Blue() const { return GetBValue(Value); }
    constexpr bool IsPaletteIndex() const { return ::IsPaletteIndex(Value); }
    friend constexpr bool operator==(const TColor&, const TColor&) = default;

    static const TColor Black;
    static const TColor LtGray;
    static const TColor Gray;
    static const TColor LtRed;
    static const TColor LtGreen;
    static const TColor LtYellow;
    static const TColor LtBlue;
    static const TColor LtMagenta;
    static const TColor LtCyan;
    static const TColor White;

private:
    COLORREF Value = 0;
};

inline constexpr TColor TColor::Black{0, 0, 0};
inline constexpr TColor TColor::LtGray{192, 192, 192};
inline constexpr TColor TColor::Gray{128, 128, 128};
inline constexpr TColor TColor::LtRed{255, 0, 0};
inline constexpr TColor TColor::LtGreen{0, 255, 0};
inline constexpr TColor TColor::LtYellow{255, 255, 0};
inline constexpr TColor TColor::LtBlue{0, 0, 255};
inline constexpr TColor TColor::LtMagenta{255, 0, 255};
inline constexpr TColor TColor::LtCyan{0, 255, 255};
inline constexpr TColor TColor::White{255, 255, 255};

// TMoney: an amount in dollars (cents as the fraction), and the casino's denominations.
#pragma once

#include "platform/host/Types.h"

#include <compare>
#include <string>
#include <type_traits>

// Exactly one double: gambler records in the save file hold it raw.
class TMoney {
public:
    constexpr TMoney() = default;
    constexpr explicit TMoney(double dollars) : Value(dollars) {}
    // Kind 0: n whole dollars; kind 1: denomination n; anything else, or a denomination out
    // of range, is 0.
    TMoney(i16 kind, i16 n);

    constexpr double GetValue() const { return Value; }

    i16 IndexOfDenomination() const;
    i32 Cents() const;
    TMoney ModInt(i32 divisor) const;
    TMoney ModLong(i32 divisor) const { return ModInt(divisor); }
    TMoney ModMoney(const TMoney& divisor) const;
    std::string Format(bool cents, bool zeroCents, bool commas) const;

    // The whole dollars of the amount rounded once to whole cents, toward zero: an amount
    // a hair below a dollar boundary (ten additions of 0.10) counts the dollar it means.
    // Held in 64 bits so that large bankrolls still format and divide; amounts past that
    // range (and non-numbers) are pinned to its ends (0 for a non-number) rather than
    // overflowing.
    i64 WholeDollars() const;

    TMoney& operator+=(const TMoney& other) {
        Value += other.Value;
        return *this;
    }
    TMoney& operator-=(const TMoney& other) {
        Value -= other.Value;
        return *this;
    }
    TMoney& operator*=(double factor) {
        Value *= factor;
        return *this;
    }
    // A divisor of 0 gives 0, as the whole-dollar modulo does: an infinite or undefined
    // amount would otherwise reach a bankroll.
    TMoney& operator/=(double divisor) {
        Value = divisor == 0.0 ? 0.0 : Value / divisor;
        return *this;
    }
    TMoney operator-() const { return TMoney(-Value); }
    friend TMoney operator+(TMoney a, const TMoney& b) { return a += b; }
    friend TMoney operator-(TMoney a, const TMoney& b) { return a -= b; }
    friend TMoney operator*(TMoney a, double factor) { return a *= factor; }
    friend TMoney operator*(double factor, TMoney a) { return a *= factor; }
    friend TMoney operator/(TMoney a, double divisor) { return a /= divisor; }
    friend auto operator<=>(const TMoney&, const TMoney&) = default;
    friend bool operator==(const TMoney&, const TMoney&) = default;

private:
    double Value = 0.0;
};

static_assert(sizeof(TMoney) == sizeof(double));
static_assert(std::is_standard_layout_v<TMoney>);
static_assert(std::is_trivially_copyable_v<TMoney>);

inline constexpr i16 DenominationCount = 15;

inline constexpr TMoney DenominationTable[DenominationCount] = {
    TMoney(0.0),  TMoney(0.01), TMoney(0.05),  TMoney(0.10),  TMoney(0.25),
    TMoney(0.50), TMoney(1.0),  TMoney(2.0),   TMoney(5.0),   TMoney(10.0),
    TMoney(25.0), TMoney(50.0), TMoney(100.0), TMoney(500.0), TMoney(1000.0),
};

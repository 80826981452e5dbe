// TMoney: an amount in dollars (cents as the fraction), and the casino's denominations.
#include "engine/foundation/Money.h"

#include <cmath>
#include <limits>

TMoney::TMoney(i16 kind, i16 n) {
    if (kind == 0) {
        Value = n;
    } else if (kind == 1 && n >= 0 && n < DenominationCount) {
        Value = DenominationTable[n].Value;
    }
}

i16 TMoney::IndexOfDenomination() const {
    for (i16 i = 0; i < DenominationCount; ++i) {
        if (DenominationTable[i].Value == Value) {
            return i;
        }
    }
    return -1;
}

namespace {

// The magnitude of an amount in dollars and cents.
struct TDollarsAndCents {
    i64 Dollars = 0;
    i32 Cents = 0;
};

// Rounds once, on the total in cents; the 0.1 absorbs representation error (0.29 is
// stored as 28.999... cents, ten additions of 0.10 as 99.999... cents). Cutting the dollars
// first and rounding the cents apart would show 0.99999999999999989 as "$0.00".
TDollarsAndCents SplitMagnitude(double value) {
    if (std::isnan(value))
        return {};
    const double magnitude = std::fabs(value);
    // From 2^53 on every double is a whole number: there are no cents to round, and the
    // total in cents would no longer fit 64 bits. 2^63 is exact in a double; the range is
    // kept symmetric so that negating or dividing by -1 can never overflow.
    constexpr double WholeOnly = 9007199254740992.0;
    constexpr double Limit = 9223372036854775808.0;
    if (magnitude >= WholeOnly) {
        const i64 dollars =
            magnitude >= Limit ? std::numeric_limits<i64>::max() : static_cast<i64>(magnitude);
        return {dollars, 0};
    }
    const auto total = static_cast<i64>(std::floor(magnitude * 100.0 + 0.1));
    return {total / 100, static_cast<i32>(total % 100)};
}

} // namespace

i32 TMoney::Cents() const {
    return std::isfinite(Value) ? SplitMagnitude(Value).Cents : 0;
}

i64 TMoney::WholeDollars() const {
    const i64 dollars = SplitMagnitude(Value).Dollars;
    return Value < 0.0 ? -dollars : dollars;
}

TMoney TMoney::ModInt(i32 divisor) const {
    if (divisor == 0) {
        return TMoney();
    }
    return TMoney(static_cast<double>(WholeDollars() % divisor));
}

TMoney TMoney::ModMoney(const TMoney& divisor) const {
    const i64 d = divisor.WholeDollars();
    if (d == 0) {
        return TMoney();
    }
    return TMoney(static_cast<double>(WholeDollars() % d));
}

std::string TMoney::Format(bool cents, bool zeroCents, bool commas) const {
    // An infinite amount, like a non-number, has no dollars to show: it reads as zero.
    const bool finite = std::isfinite(Value);
    std::string text = finite && Value < 0.0 ? "-$" : "$";

    const TDollarsAndCents split = finite ? SplitMagnitude(Value) : TDollarsAndCents();
    const std::string digits = std::to_string(split.Dollars);
    for (size_t i = 0; i < digits.size(); ++i) {
        const size_t left = digits.size() - i;
        if (commas && i > 0 && left % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }

    if (cents) {
        const i32 c = split.Cents;
        if (c >= 10) {
            text += '.';
            text += std::to_string(c);
        } else if (c >= 1) {
            text += ".0";
            text += std::to_string(c);
        } else if (zeroCents) {
            text += ".00";
        }
    }
    return text;
}

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

i32 TMoney::Cents() const {
    if (!std::isfinite(Value)) {
        return 0;
    }
    // The 0.1 absorbs representation error: 0.29 is stored as 28.999... cents.
    return static_cast<i32>(std::fmod(std::floor(std::fabs(Value) * 100.0 + 0.1), 100.0));
}

i64 TMoney::WholeDollars() const {
    if (std::isnan(Value)) {
        return 0;
    }
    // 2^63 is exact in a double; the range is kept symmetric so that negating or dividing
    // by -1 can never overflow.
    constexpr double Limit = 9223372036854775808.0;
    constexpr i64 Max = std::numeric_limits<i64>::max();
    const double whole = std::trunc(Value);
    if (whole >= Limit) {
        return Max;
    }
    if (whole <= -Limit) {
        return -Max;
    }
    return static_cast<i64>(whole);
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
    std::string text = Value < 0.0 ? "-$" : "$";

    i64 whole = WholeDollars();
    if (whole < 0) {
        whole = -whole;
    }
    const std::string digits = std::to_string(whole);
    for (size_t i = 0; i < digits.size(); ++i) {
        const size_t left = digits.size() - i;
        if (commas && i > 0 && left % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }

    if (cents) {
        const i32 c = Cents();
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

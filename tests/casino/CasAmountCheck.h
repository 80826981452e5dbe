// What the board and cash display tests read back from a display: the amount as its parts draw
// it, and where each drawn part stands.
#pragma once

#include "CasBoardSprites.h"

#include "engine/media/Anm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace boardtest {

// One amount: what the fourteen parts spell from left to right, and where they stand.
struct TAmountCase {
    const char* Case;
    double Amount;
    const char* Text;
    i16 Count;
    // The dollar sign closes up 3 pixels to the digits.
    bool Nudged;
};

inline const std::vector<TAmountCase>& AmountCases() {
    static const std::vector<TAmountCase> cases = {
        {"0", 0.0, "$0", 0, false},
        {"5", 5.0, "$5", 1, false},
        {"12.75 drops its cents", 12.75, "$12", 2, false},
        {"999", 999.0, "$999", 3, true},
        {"1000", 1000.0, "$1,000", 5, false},
        {"2500", 2500.0, "$2,500", 5, false},
        {"123.99 drops its cents", 123.99, "$123", 3, true},
        {"123,456", 123456.0, "$123,456", 7, true},
        {"1,000,000", 1e6, "$1,000,000", 9, false},
        {"10,000,000", 1e7, "$10,000,000", 10, false},
        {"123,456,789", 123456789.0, "$123,456,789", 11, true},
        {"2,147,483,647", 2147483647.0, "$2,147,483,647", 13, false},
        {"2,147,483,648 is past the last amount drawn", 2147483648.0, "$2,147,483,647", 13, false},
        {"a trillion", 1e12, "$2,147,483,647", 13, false},
        {"infinity", std::numeric_limits<double>::infinity(), "$2,147,483,647", 13, false},
        {"a negative amount", -5.0, "$0", 0, false},
        {"minus infinity", -std::numeric_limits<double>::infinity(), "$0", 0, false},
        {"not a number", std::nan(""), "$0", 0, false},
        {"1,000,000,000", 1e9, "$1,000,000,000", 13, false},
        {"5 again after the largest", 5.0, "$5", 1, false},
    };
    return cases;
}

// The amount parts of a display read left to right: '$', a digit or ',' for each shown part.
// Every shown part must stand at its home x (where its file put it) less the shift, plus the
// dollar sign's nudge.
inline std::string DrawnAmount(const TSprite& display, i16 shift, bool nudged) {
    std::string text;
    for (i16 i = 0; i < 14; ++i) {
        const TAnm& part = *display.GetAnm(i);
        if (!part.IsShown())
            continue;
        const u16 frame = part.GetCurrentData().CurrentFrame;
        const bool separator = i == 2 || i == 6 || i == 10;
        const char c = separator ? ',' : frame == 0 ? '$' : static_cast<char>('0' + frame - 1);
        text += c;
        const int nudge = c == '$' && nudged ? 3 : 0;
        EXPECT_EQ(part.GetCurrentData().Position.x, part.GetTemplate().Base.x - shift + nudge)
            << "part " << i << " ('" << c << "')";
    }
    return text;
}

} // namespace boardtest

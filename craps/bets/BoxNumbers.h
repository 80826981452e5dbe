// The box numbers 4, 5, 6, 8, 9 and 10 as sum indices (die1 + die2, 0 to 10): their order and
// pairs.
#pragma once

#include "platform/host/Types.h"

// The sum indices of the box numbers, in table order.
inline constexpr i16 BoxNumberSums[6] = {2, 3, 4, 6, 7, 8};

// A box number's place in table order (0 for 4 ... 5 for 10); -1 for any other sum index.
constexpr int BoxNumberPlace(i16 sum) {
    for (int place = 0; place < 6; ++place)
        if (BoxNumberSums[place] == sum)
            return place;
    return -1;
}

// The pair a box number shares its odds and commission with: 0 for 4 and 10, 1 for 5 and 9, 2 for
// 6 and 8; -1 for any other sum index.
constexpr int BoxNumberPair(i16 sum) {
    const int place = BoxNumberPlace(sum);
    return place < 0 ? -1 : place < 3 ? place : 5 - place;
}

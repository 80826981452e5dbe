// The seven betting-option bytes a gambler chooses, in the order the win and lose tests take them.
#pragma once

#include "platform/host/Types.h"

#include <array>

using TCrapsBetOptions = std::array<u8, 7>;

enum ECrapsBetOption : int {
    OptionBuy4And10 = 0,
    OptionBuy5And9 = 1,
    OptionBuy6And8 = 2,
    OptionComeOddsOnComeOut = 3,
    OptionDontComeOddsOnComeOut = 4,
    OptionBuyPlaceOnComeOut = 5,
    OptionHardwaysOnComeOut = 6,
};

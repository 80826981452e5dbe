// The layout's spots as drawn, each by the corners of its outline: the shapes the data builder
// paints and the click pieces the game registers are both made from these.
#pragma once

#include "craps/bets/OutlineRaster.h"
#include "craps/bets/TableSpots.h"

#include <array>

namespace table_outline {

// By spot; the don't pass takes two, its bar and its arm. Where two spots meet, a pixel of
// line lies between their outlines; the outlines hold every spot's own rectangles but for two
// pixels at most on an edge, where a line crosses: below the 4's box over the head of the C and E
// column, and on the pixels the 9's and the 10's boxes share.
inline constexpr size_t OutlineCount = table_spot::Count + 1;
inline constexpr std::array<TSpotOutline, OutlineCount> Outlines = [] {
    using namespace table_spot;
    return std::array<TSpotOutline, OutlineCount>{{
        Outline(PassLine, {{601, 247},
                           {634, 319},
                           {634, 400},
                           {624, 412},
                           {614, 417},
                           {607, 417},
                           {607, 419},
                           {228, 419},
                           {228, 393},
                           {593, 393},
                           {593, 337},
                           {584, 312},
                           {578, 312},
                           {575, 294},
                           {554, 247}}),
        // the arm, then the bar
        Outline(DontPass, {{553, 247},
                           {574, 295},
                           {577, 313},
                           {583, 313},
                           {592, 338},
                           {561, 338},
                           {542, 287},
                           {540, 270},
                           {534, 270},
                           {532, 247}}),
        Outline(DontPass, {{530, 372}, {530, 392}, {228, 392}, {228, 372}}),
        Outline(Come, {{550, 312}, {560, 338}, {228, 338}, {228, 312}}),
        Outline(DontCome, {{531, 247},
                           {533, 271},
                           {539, 271},
                           {541, 287},
                           {550, 311},
                           {499, 311},
                           {493, 268},
                           {492, 247}}),
        Outline(Field, {{530, 339}, {530, 371}, {228, 371}, {228, 339}}),
        Outline(Big6, {{546, 354}, {586, 376}, {592, 379}, {592, 392}, {531, 392}, {531, 346}}),
        Outline(Big8, {{592, 339}, {592, 378}, {593, 378}, {574, 368}, {531, 344}, {531, 339}}),
        Outline(AnyCraps, {{200, 402}, {200, 419}, {3, 419}, {3, 402}}),
        Outline(AnySeven, {{200, 324}, {200, 345}, {3, 345}, {3, 324}}),
        // two
        Outline(FirstOneRoll, {{92, 346}, {92, 372}, {3, 372}, {3, 346}}),
        Outline(Three, {{92, 373}, {92, 401}, {3, 401}, {3, 373}}),
        Outline(Eleven, {{200, 373}, {200, 401}, {112, 401}, {112, 373}}),
        Outline(Twelve, {{200, 346}, {200, 372}, {112, 372}, {112, 346}}),
        // hard 4
        Outline(FirstHard, {{130, 295}, {130, 323}, {3, 323}, {3, 295}}),
        Outline(Hard6, {{130, 273}, {130, 294}, {3, 294}, {3, 273}}),
        Outline(Hard8, {{200, 273}, {200, 294}, {131, 294}, {131, 273}}),
        // hard 10
        Outline(LastHard, {{200, 295}, {200, 323}, {131, 323}, {131, 295}}),
        // buy or place 4
        Outline(FirstBuy, {{270, 282}, {270, 311}, {224, 311}, {224, 282}}),
        // buy or place 5
        Outline(FirstBuy + 1, {{315, 282}, {315, 311}, {271, 311}, {271, 282}}),
        // buy or place 6
        Outline(FirstBuy + 2, {{359, 282}, {359, 311}, {316, 311}, {316, 282}}),
        // buy or place 8
        Outline(FirstBuy + 3, {{404, 282}, {405, 289}, {407, 311}, {360, 311}, {360, 282}}),
        // buy or place 9
        Outline(FirstBuy + 4,
                {{450, 282}, {453, 299}, {453, 311}, {408, 311}, {406, 289}, {405, 282}}),
        // buy or place 10
        Outline(FirstBuy + 5, {{494, 282}, {498, 311}, {454, 311}, {454, 299}, {451, 282}}),
        // come 4
        Outline(FirstComeNumber, {{270, 268}, {270, 281}, {224, 281}, {224, 268}}),
        // come 5
        Outline(FirstComeNumber + 1, {{315, 268}, {315, 281}, {271, 281}, {271, 268}}),
        // come 6
        Outline(FirstComeNumber + 2, {{359, 268}, {359, 281}, {316, 281}, {316, 268}}),
        // come 8
        Outline(FirstComeNumber + 3, {{403, 268}, {404, 281}, {360, 281}, {360, 268}}),
        // come 9
        Outline(FirstComeNumber + 4, {{448, 268}, {449, 281}, {405, 281}, {404, 268}}),
        // come 10
        Outline(FirstComeNumber + 5, {{492, 268}, {493, 281}, {450, 281}, {449, 268}}),
        // lay 4
        Outline(FirstLay, {{270, 260}, {270, 267}, {224, 267}, {224, 260}}),
        // lay 5
        Outline(FirstLay + 1, {{315, 260}, {315, 267}, {271, 267}, {271, 260}}),
        // lay 6
        Outline(FirstLay + 2, {{359, 260}, {359, 267}, {316, 267}, {316, 260}}),
        // lay 8
        Outline(FirstLay + 3, {{402, 260}, {402, 267}, {360, 267}, {360, 260}}),
        // lay 9
        Outline(FirstLay + 4, {{447, 260}, {447, 267}, {403, 267}, {403, 260}}),
        // lay 10
        Outline(FirstLay + 5, {{492, 260}, {492, 267}, {448, 267}, {448, 260}}),
        // don't come 4
        Outline(FirstDontComeNumber, {{270, 247}, {270, 259}, {224, 259}, {224, 247}}),
        // don't come 5
        Outline(FirstDontComeNumber + 1, {{315, 247}, {315, 259}, {271, 259}, {271, 247}}),
        // don't come 6
        Outline(FirstDontComeNumber + 2, {{359, 247}, {359, 259}, {316, 259}, {316, 247}}),
        // don't come 8
        Outline(FirstDontComeNumber + 3, {{400, 247}, {401, 259}, {360, 259}, {360, 247}}),
        // don't come 9
        Outline(FirstDontComeNumber + 4, {{444, 247}, {445, 259}, {402, 259}, {401, 247}}),
        // don't come 10
        Outline(FirstDontComeNumber + 5, {{491, 247}, {491, 259}, {446, 259}, {445, 247}}),
        Outline(CrapsEleven, {{227, 312}, {227, 419}, {202, 419}, {202, 312}}),
        Outline(Horn, {{111, 346}, {111, 401}, {93, 401}, {93, 346}}),
    }};
}();

} // namespace table_outline

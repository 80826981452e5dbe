// The table's regions and buttons as the program hit-tests them, and the data set's own places.
#include "tools/databuild/model/TableLayout.h"

#include <cstdlib>

namespace {

const std::vector<TClickRegion> Regions = {
    {22, 0, {234, 395, 607, 417}, "PASS LINE"},
    {23, 1, {238, 374, 529, 390}, "DON'T PASS BAR"},
    {24, 2, {245, 320, 548, 336}, "COME"},
    {25, 3, {498, 273, 539, 300}, "DON'T COME"},
    {26, 4, {243, 342, 524, 369}, "FIELD 2 3 4 9 10 11 12"},
    {27, 5, {531, 365, 567, 392}, "BIG 6"},
    {28, 6, {559, 340, 589, 360}, "BIG 8"},
    {29, 7, {3, 403, 176, 418}, "ANY CRAPS 7 TO 1"},
    {30, 8, {35, 332, 193, 343}, "ANY SEVEN 4 TO 1"},
    {31, 9, {31, 348, 92, 368}, "TWO 30:1"},
    {32, 10, {19, 377, 80, 396}, "THREE 15:1"},
    {33, 11, {113, 379, 174, 398}, "ELEVEN 15:1"},
    {34, 12, {121, 349, 182, 367}, "TWELVE 30:1"},
    {35, 13, {55, 297, 116, 316}, "HARD 4 7:1"},
    {36, 14, {64, 273, 125, 292}, "HARD 6 9:1"},
    {37, 15, {138, 274, 199, 292}, "HARD 8 9:1"},
    {38, 16, {134, 297, 195, 316}, "HARD 10 7:1"},
    {39, 17, {224, 296, 266, 311}, "PLACE"},
    {40, 18, {271, 296, 313, 311}, "PLACE"},
    {41, 19, {317, 296, 359, 311}, "PLACE"},
    {42, 20, {364, 296, 406, 311}, "PLACE"},
    {43, 21, {410, 296, 454, 311}, "PLACE"},
    {44, 22, {452, 296, 496, 311}, "PLACE"},
    {45, 23, {227, 268, 267, 281}, "COME"},
    {46, 24, {272, 268, 312, 281}, "COME"},
    {47, 25, {317, 268, 357, 281}, "COME"},
    {48, 26, {362, 268, 402, 281}, "COME"},
    {49, 27, {407, 268, 447, 281}, "COME"},
    {50, 28, {450, 268, 490, 281}, "COME"},
    {51, 29, {228, 261, 270, 267}, "LAY"},
    {52, 30, {272, 261, 314, 267}, "LAY"},
    {53, 31, {316, 261, 358, 267}, "LAY"},
    {54, 32, {360, 261, 402, 267}, "LAY"},
    {55, 33, {405, 261, 447, 267}, "LAY"},
    {56, 34, {449, 261, 490, 267}, "LAY"},
    {57, 35, {231, 251, 270, 257}, "DC"},
    {58, 36, {273, 251, 313, 257}, "DC"},
    {59, 37, {317, 251, 356, 257}, "DC"},
    {60, 38, {360, 251, 398, 257}, "DC"},
    {61, 39, {402, 251, 442, 257}, "DC"},
    {62, 40, {446, 251, 484, 257}, "DC"},
    {63, 41, {202, 310, 227, 419}, "C E"},
    {64, 42, {93, 361, 111, 385}, "HORN"},
    {65, 0, {593, 319, 634, 389}, "PASS"},
    {66, 0, {578, 260, 601, 312}, "PASS"},
    {67, 1, {562, 316, 584, 335}, "DP"},
    {68, 1, {555, 294, 574, 311}, "DP"},
    {69, 1, {542, 272, 563, 288}, "DP"},
    {70, 1, {534, 255, 555, 267}, "DP"},
    {71, 3, {493, 247, 531, 269}, "DC"},
    {20, -1, {260, 465, 375, 477}, "NEXT GAMBLER"},
    {74, -1, {1, 210, 635, 428}, ""},
};

const std::vector<TTableButton> Buttons = {
    {0, 9, {1, 430, 50, 479}, "EXPERT"},    {1, 10, {170, 430, 219, 479}, "STATS"},
    {2, 11, {223, 464, 258, 479}, "SIZE"},  {3, 12, {376, 464, 412, 479}, "HELP"},
    {4, 13, {416, 430, 468, 452}, "CLEAR"}, {5, 14, {416, 454, 468, 479}, "DOWN"},
    {6, 15, {472, 455, 489, 479}, "10K"},   {7, 16, {491, 455, 508, 479}, "1K"},
    {8, 17, {510, 455, 527, 479}, "100"},   {9, 18, {529, 455, 546, 479}, "25"},
    {10, 19, {548, 455, 564, 479}, "5"},    {11, 20, {566, 455, 584, 479}, "1"},
    {12, 21, {587, 432, 639, 460}, "ROLL"}, {13, 22, {587, 462, 639, 479}, "TALK"},
};

} // namespace

const std::vector<TClickRegion>& ClickRegions() {
    return Regions;
}

const TClickRegion& SpotRegion(i16 spot) {
    for (const TClickRegion& r : Regions)
        if (r.Spot == spot)
            return r;
    std::abort();
}

const TClickRegion& LayoutRegion() {
    return Regions.back();
}

const TClickRegion* RegionById(u16 id) {
    for (const TClickRegion& r : Regions)
        if (r.Id == id)
            return &r;
    return nullptr;
}

bool RegionsMayOverlap(u16 a, u16 b) {
    const auto pair = [a, b](u16 x, u16 y) { return (a == x && b == y) || (a == y && b == x); };
    return pair(39, 63) || pair(43, 44);
}

const std::vector<TTableButton>& TableButtons() {
    return Buttons;
}

i32 SeatX(int seat) {
    static constexpr i32 Xs[3] = {420, 300, 540};
    return Xs[seat];
}

TBox BigDieBox(int variant, int die) {
    const i32 left = 250 + 80 * variant + 20 * die;
    return {left, 220, left + 16, 236};
}

TBox NumberBox(int index) {
    static constexpr i32 Lefts[6] = {227, 272, 317, 362, 407, 450};
    return {Lefts[index], 282, Lefts[index] + 40, 296};
}

const TBox& DontComeBox() {
    return SpotRegion(3).Box;
}

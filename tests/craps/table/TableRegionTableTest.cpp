// The table's click regions, slot by slot and corner by corner, and its spot numbers, against
// the layout as the table's design fixes them.
#include "craps/bets/TableClickPieces.h"
#include "craps/table/TableRegions.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>

namespace {

struct TRow {
    u16 Id;
    i16 Spot;
    i32 Left, Top, Right, Bottom;
    size_t Slot;
};

// Written out here rather than read from the game, so that a rectangle moved in the game's
// table, or in a copy of it, shows.
constexpr TRow Layout[] = {
    {20, -1, 260, 465, 375, 477, 50}, // seat change
    {22, 0, 234, 395, 607, 417, 0},   // pass line
    {23, 1, 238, 374, 529, 390, 1},   // don't pass
    {24, 2, 245, 320, 548, 336, 2},   // come
    {25, 3, 498, 273, 539, 300, 3},   // don't come
    {26, 4, 243, 342, 524, 369, 4},   // field
    {27, 5, 531, 365, 567, 392, 5},   // big 6
    {28, 6, 559, 340, 589, 360, 6},   // big 8
    {29, 7, 3, 403, 176, 418, 7},     // any craps
    {30, 8, 35, 332, 193, 343, 8},    // any seven
    {31, 9, 31, 348, 92, 368, 9},     // two
    {32, 10, 19, 377, 80, 396, 10},   // three
    {33, 11, 113, 379, 174, 398, 11}, // eleven
    {34, 12, 121, 349, 182, 367, 12}, // twelve
    {35, 13, 55, 297, 116, 316, 13},  // hard 4
    {36, 14, 64, 273, 125, 292, 14},  // hard 6
    {37, 15, 138, 274, 199, 292, 15}, // hard 8
    {38, 16, 134, 297, 195, 316, 16}, // hard 10
    {39, 17, 224, 296, 266, 311, 17}, // buy or place 4
    {40, 18, 271, 296, 313, 311, 18}, // 5
    {41, 19, 317, 296, 359, 311, 19}, // 6
    {42, 20, 364, 296, 406, 311, 20}, // 8
    {43, 21, 410, 296, 454, 311, 21}, // 9
    {44, 22, 452, 296, 496, 311, 22}, // 10
    {45, 23, 227, 268, 267, 281, 23}, // come 4
    {46, 24, 272, 268, 312, 281, 24}, // 5
    {47, 25, 317, 268, 357, 281, 25}, // 6
    {48, 26, 362, 268, 402, 281, 26}, // 8
    {49, 27, 407, 268, 447, 281, 27}, // 9
    {50, 28, 450, 268, 490, 281, 28}, // 10
    {51, 29, 228, 261, 270, 267, 29}, // lay 4
    {52, 30, 272, 261, 314, 267, 30}, // 5
    {53, 31, 316, 261, 358, 267, 31}, // 6
    {54, 32, 360, 261, 402, 267, 32}, // 8
    {55, 33, 405, 261, 447, 267, 33}, // 9
    {56, 34, 449, 261, 490, 267, 34}, // 10
    {57, 35, 231, 251, 270, 257, 35}, // don't come 4
    {58, 36, 273, 251, 313, 257, 36}, // 5
    {59, 37, 317, 251, 356, 257, 37}, // 6
    {60, 38, 360, 251, 398, 257, 38}, // 8
    {61, 39, 402, 251, 442, 257, 39}, // 9
    {62, 40, 446, 251, 484, 257, 40}, // 10
    {63, 41, 202, 310, 227, 419, 41}, // C and E
    {64, 42, 93, 361, 111, 385, 42},  // horn
    {65, 0, 593, 319, 634, 389, 43},  // pass line, second piece
    {66, 0, 578, 260, 601, 312, 44},  // pass line, third piece
    {67, 1, 562, 316, 584, 335, 45},  // don't pass, second piece
    {68, 1, 555, 294, 574, 311, 46},  // third
    {69, 1, 542, 272, 563, 288, 47},  // fourth
    {70, 1, 534, 255, 555, 267, 48},  // fifth
    {71, 3, 493, 247, 531, 269, 49},  // don't come, second piece
    {74, -1, 1, 210, 635, 428, 51},   // whole layout
};

TEST(TableRegionTable, EverySlotHoldsItsIdSpotAndFourCorners) {
    static_assert(std::size(Layout) == table_region::FirstAddedSlot);
    std::array<int, table_region::FirstAddedSlot> seen{};
    for (const TRow& row : Layout) {
        ASSERT_LT(row.Slot, table_region::FirstAddedSlot) << row.Id;
        ++seen[row.Slot];
        const table_region::TRegion& region = table_region::Regions[row.Slot];
        EXPECT_EQ(region.Id, row.Id) << "slot " << row.Slot;
        EXPECT_EQ(region.Spot, row.Spot) << "region " << row.Id;
        EXPECT_EQ(region.Rect.left, row.Left) << "region " << row.Id;
        EXPECT_EQ(region.Rect.top, row.Top) << "region " << row.Id;
        EXPECT_EQ(region.Rect.right, row.Right) << "region " << row.Id;
        EXPECT_EQ(region.Rect.bottom, row.Bottom) << "region " << row.Id;
    }
    for (size_t slot = 0; slot < table_region::FirstAddedSlot; ++slot)
        EXPECT_EQ(seen[slot], 1) << "slot " << slot;
}

TEST(TableRegionTable, NamedSpotsCarryTheLayoutsNumbers) {
    using namespace table_spot;
    EXPECT_EQ(PassLine, 0);
    EXPECT_EQ(DontPass, 1);
    EXPECT_EQ(Come, 2);
    EXPECT_EQ(DontCome, 3);
    EXPECT_EQ(Field, 4);
    EXPECT_EQ(Big6, 5);
    EXPECT_EQ(Big8, 6);
    EXPECT_EQ(AnyCraps, 7);
    EXPECT_EQ(AnySeven, 8);
    EXPECT_EQ(FirstOneRoll, 9); // two
    EXPECT_EQ(Three, 10);
    EXPECT_EQ(FirstHard, 13); // hard 4
    EXPECT_EQ(LastHard, 16);  // hard 10
    EXPECT_EQ(FirstBuy, 17);
    EXPECT_EQ(FirstComeNumber, 23);
    EXPECT_EQ(FirstLay, 29);
    EXPECT_EQ(FirstDontComeNumber, 35);
    EXPECT_EQ(CrapsEleven, 41);
    EXPECT_EQ(Horn, 42);
    EXPECT_EQ(Count, 43);
}

} // namespace

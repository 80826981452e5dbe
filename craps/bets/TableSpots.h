// The table's bet spots by spot number (0-42) and the layout's own click regions that stand for
// them (id, spot, rectangle and slot); the pieces made from the spots' outlines are added in
// TableClickPieces.h.
#pragma once

#include "platform/framework/Geometry.h"
#include "platform/host/Types.h"

#include <array>

// The bet spots by index, in table order.
namespace table_spot {

constexpr i16 PassLine = 0;
constexpr i16 DontPass = 1;
constexpr i16 Come = 2;
constexpr i16 DontCome = 3;
constexpr i16 Field = 4;
constexpr i16 Big6 = 5;
constexpr i16 Big8 = 6;
constexpr i16 AnyCraps = 7;
constexpr i16 AnySeven = 8;
// The one-roll bets on 2, 3, 11 and 12.
constexpr i16 FirstOneRoll = 9;
constexpr i16 Three = 10;
constexpr i16 Eleven = 11;
constexpr i16 Twelve = 12;
constexpr i16 FirstHard = 13;
constexpr i16 Hard6 = 14;
constexpr i16 Hard8 = 15;
constexpr i16 LastHard = 16;
// Each group of six runs over the box numbers 4, 5, 6, 8, 9, 10.
constexpr i16 FirstBuy = 17;
constexpr i16 FirstComeNumber = 23;
constexpr i16 FirstLay = 29;
constexpr i16 FirstDontComeNumber = 35;
constexpr i16 CrapsEleven = 41;
constexpr i16 Horn = 42;
constexpr i16 Count = Horn + 1;

} // namespace table_spot

namespace table_region {

constexpr i16 NoSpot = -1;

// Region ids: the seat-change area; each spot's own, FirstSpotId + spot; the later pieces of
// the long spots; the whole layout; then the added pieces that make the drawn spots whole, in the
// ids left free (21, 72, 73, then 75 up).
constexpr u16 SeatAreaId = 20;
constexpr u16 FirstSpotId = 22;
constexpr u16 LastSpotId = FirstSpotId + table_spot::Count - 1;
constexpr u16 FirstPieceId = 65;
constexpr u16 LastPieceId = 71;
constexpr u16 LayoutId = 74;

// Slots of the regions the table treats apart: the extra pass-line area (id 66), which the
// roll takes out, the seat-change area and the layout.
constexpr size_t RollAreaSlot = 44;
constexpr size_t SeatAreaSlot = 50;
constexpr size_t LayoutSlot = 51;
// The later pieces of the long spots follow the spots' own regions; the first of them (id 65)
// is the pass line's right side, beside the roll area.
constexpr size_t FirstPieceSlot = table_spot::Count;
constexpr size_t PassLineSideSlot = FirstPieceSlot;
// The first 52 slots hold the layout's own regions; the added pieces follow.
constexpr size_t FirstAddedSlot = 52;

// The ids the layout's own regions leave free, which the first added pieces take.
inline constexpr u16 FreeIds[] = {21, 72, 73};
constexpr size_t FreeIdCount = std::size(FreeIds);

// The id of the added piece by its place among them: past the free ids, the ones after the
// layout's.
constexpr u16 AddedPieceId(size_t index) {
    return index < FreeIdCount ? FreeIds[index]
                               : static_cast<u16>(LayoutId + 1 + (index - FreeIdCount));
}

struct TRegion {
    u16 Id;
    i16 Spot;
    TRect Rect;
};

// The layout's own regions, indexed by slot. A point hits when left <= x < right and
// top <= y < bottom.
inline constexpr std::array<TRegion, FirstAddedSlot> LayoutRegions = {{
    {22, 0, {234, 395, 607, 417}},      {23, 1, {238, 374, 529, 390}},
    {24, 2, {245, 320, 548, 336}},      {25, 3, {498, 273, 539, 300}},
    {26, 4, {243, 342, 524, 369}},      {27, 5, {531, 365, 567, 392}},
    {28, 6, {559, 340, 589, 360}},      {29, 7, {3, 403, 176, 418}},
    {30, 8, {35, 332, 193, 343}},       {31, 9, {31, 348, 92, 368}},
    {32, 10, {19, 377, 80, 396}},       {33, 11, {113, 379, 174, 398}},
    {34, 12, {121, 349, 182, 367}},     {35, 13, {55, 297, 116, 316}},
    {36, 14, {64, 273, 125, 292}},      {37, 15, {138, 274, 199, 292}},
    {38, 16, {134, 297, 195, 316}},     {39, 17, {224, 296, 266, 311}},
    {40, 18, {271, 296, 313, 311}},     {41, 19, {317, 296, 359, 311}},
    {42, 20, {364, 296, 406, 311}},     {43, 21, {410, 296, 454, 311}},
    {44, 22, {452, 296, 496, 311}},     {45, 23, {227, 268, 267, 281}},
    {46, 24, {272, 268, 312, 281}},     {47, 25, {317, 268, 357, 281}},
    {48, 26, {362, 268, 402, 281}},     {49, 27, {407, 268, 447, 281}},
    {50, 28, {450, 268, 490, 281}},     {51, 29, {228, 261, 270, 267}},
    {52, 30, {272, 261, 314, 267}},     {53, 31, {316, 261, 358, 267}},
    {54, 32, {360, 261, 402, 267}},     {55, 33, {405, 261, 447, 267}},
    {56, 34, {449, 261, 490, 267}},     {57, 35, {231, 251, 270, 257}},
    {58, 36, {273, 251, 313, 257}},     {59, 37, {317, 251, 356, 257}},
    {60, 38, {360, 251, 398, 257}},     {61, 39, {402, 251, 442, 257}},
    {62, 40, {446, 251, 484, 257}},     {63, 41, {202, 310, 227, 419}},
    {64, 42, {93, 361, 111, 385}},      {65, 0, {593, 319, 634, 389}},
    {66, 0, {578, 260, 601, 312}},      {67, 1, {562, 316, 584, 335}},
    {68, 1, {555, 294, 574, 311}},      {69, 1, {542, 272, 563, 288}},
    {70, 1, {534, 255, 555, 267}},      {71, 3, {493, 247, 531, 269}},
    {20, NoSpot, {260, 465, 375, 477}}, {74, NoSpot, {1, 210, 635, 428}},
}};

} // namespace table_region

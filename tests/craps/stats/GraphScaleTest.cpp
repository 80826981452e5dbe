// The graph's arithmetic: range, unit ladder, scale start and rows, with damaged values.
#include "craps/stats/GraphScale.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr float Inf = std::numeric_limits<float>::infinity();
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

// Twenty positions: the given values first, zeros after them as for sessions not played.
std::array<float, 20> Positions(std::initializer_list<float> values) {
    std::array<float, 20> out{};
    size_t i = 0;
    for (float v : values)
        out[i++] = v;
    return out;
}

} // namespace

TEST(GraphScale, RangeTakesTheEmptyPositionsZerosIntoAccount) {
    const struct {
        const char* Name;
        std::array<float, 20> Values;
        float Min, Max;
    } cases[] = {
        {"three sessions", Positions({120, 40, 310}), 0, 310},
        {"three losing sessions", Positions({-30, -75, -5}), -75, 0},
        {"mixed", Positions({-30, 75}), -30, 75},
        {"all zero", Positions({}), 0, 0},
        {"twenty negative", std::array<float, 20>{-5, -5, -5, -5, -5, -5, -5, -5, -5, -5,
                                                  -5, -5, -5, -5, -5, -5, -5, -5, -5, -9},
         -9, 0},
        {"twenty positive",
         std::array<float, 20>{5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 9}, 0, 9},
        {"NaNs take no part", Positions({NaN, 50}), 0, 50},
    };
    for (const auto& c : cases) {
        const GraphScale::TRange r = GraphScale::ComputeRange(c.Values);
        EXPECT_EQ(r.Minimum, c.Min) << c.Name;
        EXPECT_EQ(r.Maximum, c.Max) << c.Name;
        EXPECT_EQ(r.Range, c.Max - c.Min) << c.Name;
    }
    std::array<float, 20> nans;
    nans.fill(NaN);
    const GraphScale::TRange none = GraphScale::ComputeRange(nans);
    EXPECT_EQ(none.Range, 0.0f);
}

TEST(GraphScale, TheUnitIsTheFirstLadderStepAboveTheRoundedRangePerDivision) {
    const struct {
        float Range;
        int Divisions;
        float Unit;
    } cases[] = {
        {100, 10, 20},   {0, 12, 1},      {4, 10, 1},      {5, 10, 2},         {310, 16, 20},
        {75, 16, 10},    {2400, 10, 250}, {2600, 10, 500}, {9.9e6f, 10, 1e6f}, {1e7f, 10, 1e6f},
        {3e9f, 1, 1e6f}, {Inf, 16, 1e6f}, {NaN, 16, 1},    {100, 0, 200},      {100, -3, 200},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GraphScale::ChooseUnit(c.Range, c.Divisions), c.Unit)
            << c.Range << " over " << c.Divisions;
}

TEST(GraphScale, TheScaleStartsAtZeroOrOneUnitBelowTheMinimumsWholeUnits) {
    const struct {
        float Minimum, Unit;
        i32 Base;
    } cases[] = {
        {0, 20, 0},
        {50, 20, 0},
        {-75, 10, -80},
        {-80, 10, -90},
        {-5, 1, -6},
        {-0.5f, 1, -1},
        {-Inf, 1e6f, std::numeric_limits<i32>::min()},
        {-9e9f, 1e6f, std::numeric_limits<i32>::min()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GraphScale::ScaleBase(c.Minimum, c.Unit), c.Base) << c.Minimum;
    EXPECT_EQ(GraphScale::TickValue(-80, 10, 3), -50);
    EXPECT_EQ(GraphScale::TickValue(std::numeric_limits<i32>::max(), 1e6f, 18),
              std::numeric_limits<i32>::max());
}

TEST(GraphScale, ConversionsSaturateAndNaNGivesZero) {
    const struct {
        double Value;
        i32 Int;
    } cases[] = {
        {0.0, 0},
        {2.9, 2},
        {-2.9, -2},
        {NaN, 0},
        {Inf, std::numeric_limits<i32>::max()},
        {-Inf, std::numeric_limits<i32>::min()},
        {1e12, std::numeric_limits<i32>::max()},
        {-1e12, std::numeric_limits<i32>::min()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GraphScale::Saturate(c.Value), c.Int) << c.Value;
}

TEST(GraphScale, TheZeroRowAndTheBarsStayWithinTheFrame) {
    // Origin at 300, 20 pixels a division, frame rows 40..340.
    const struct {
        const char* Name;
        i32 Base;
        float Unit;
        i32 ZeroRow;
    } zero[] = {
        {"scale from 0", 0, 20, 300},
        {"0 three divisions up", -30, 10, 240},
        {"0 far above the top label", -2000000000, 1e6f, 40},
        {"0 between two labels", -15, 10, 270},
    };
    for (const auto& c : zero)
        EXPECT_EQ(GraphScale::RowOf(0, c.Base, c.Unit, 300, 20, 40, 340), c.ZeroRow) << c.Name;

    const struct {
        const char* Name;
        float Value;
        i32 End;
    } bars[] = {
        {"a bar of two divisions", 40, 260}, {"a negative bar", -20, 320},
        {"a bar past the top", 16e6f, 40},   {"a bar past the bottom", -16e6f, 340},
        {"NaN is empty", NaN, 300},          {"infinity stops at the frame", Inf, 40},
    };
    for (const auto& c : bars)
        EXPECT_EQ(GraphScale::BarEnd(c.Value, 300, 20, 20, 40, 340), c.End) << c.Name;
}

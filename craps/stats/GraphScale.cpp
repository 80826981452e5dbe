// The graph's range, unit, scale start and value rows.
#include "GraphScale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace GraphScale {

namespace {

constexpr std::array<float, 20> Ladder = {1,     2,     5,      10,     20,     50,     100,
                                          200,   250,   500,    1000,   2000,   5000,   10000,
                                          20000, 50000, 100000, 200000, 500000, 1000000};

} // namespace

i32 Saturate(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double lo = std::numeric_limits<i32>::min();
    constexpr double hi = std::numeric_limits<i32>::max();
    return static_cast<i32>(std::clamp(std::trunc(value), lo, hi));
}

TRange ComputeRange(std::span<const float> values) {
    TRange r;
    r.Minimum = 1e8f;
    r.Maximum = -1e8f;
    for (float v : values) {
        if (v > r.Maximum)
            r.Maximum = v;
        if (v < r.Minimum)
            r.Minimum = v;
    }
    if (r.Minimum > 0 && r.Maximum > 0)
        r.Minimum = 0;
    if (r.Minimum < 0 && r.Maximum < 0)
        r.Maximum = 0;
    // Only NaNs: nothing to show, an empty scale from 0.
    if (r.Minimum > r.Maximum)
        r.Minimum = r.Maximum = 0;
    r.Range = r.Maximum - r.Minimum;
    return r;
}

float ChooseUnit(float range, i32 divisions) {
    const double perDivision = static_cast<double>(range) / std::max(1, divisions);
    const i32 rounded = Saturate(perDivision + 0.5);
    for (float step : Ladder)
        if (step > static_cast<float>(rounded))
            return step;
    return Ladder.back();
}

i32 ScaleBase(float minimum, float unit) {
    if (!(minimum < 0))
        return 0;
    const double start = std::trunc(static_cast<double>(minimum) / unit) - 1;
    return Saturate(start * unit);
}

i32 TickValue(i32 base, float unit, i32 k) {
    return Saturate(static_cast<double>(base) + static_cast<double>(k) * unit);
}

i32 RowOf(double value, i32 base, float unit, i32 originY, i32 pixelsPerDivision, i32 top,
          i32 bottom) {
    const double divisionsUp = (value - base) / unit;
    const double y = originY - divisionsUp * pixelsPerDivision;
    return std::clamp(Saturate(y), top, bottom);
}

i32 BarEnd(float value, i32 zeroLine, float unit, i32 pixelsPerDivision, i32 top, i32 bottom) {
    const i32 height = Saturate(static_cast<double>(value) / unit * pixelsPerDivision);
    return std::clamp(Saturate(static_cast<double>(zeroLine) - height), top, bottom);
}

} // namespace GraphScale

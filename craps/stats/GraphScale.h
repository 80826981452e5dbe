// The graph's arithmetic: the value range, the unit from the ladder of steps, the scale's start
// and the pixel rows of values, every float-to-integer step saturating.
#pragma once

#include "platform/host/Types.h"

#include <span>

namespace GraphScale {

// Values above this are drawn (and kept) as this.
constexpr float ValueCap = 16000000.0f;

// Truncates toward zero into the int range; NaN gives 0 and infinities the nearest end.
i32 Saturate(double value);

struct TRange {
    float Minimum = 0;
    float Maximum = 0;
    float Range = 0;
};

// The extremes over the values, widened so that 0 lies within them (positions without a
// session hold 0 and take part too). NaNs take no part.
TRange ComputeRange(std::span<const float> values);

// The value of one division: the first ladder step above range / divisions rounded, the
// largest step when that reaches it. Divisions below 1 count as 1.
float ChooseUnit(float range, i32 divisions);

// The value of the scale's lowest tick: 0 for a minimum of 0 or more, else one unit below the
// minimum's whole number of units.
i32 ScaleBase(float minimum, float unit);

// The label of tick k.
i32 TickValue(i32 base, float unit, i32 k);

// The row of a value on a scale whose tick 0 (the base) lies at originY, pixelsPerDivision
// apart, kept within top..bottom.
i32 RowOf(double value, i32 base, float unit, i32 originY, i32 pixelsPerDivision, i32 top,
          i32 bottom);

// The far end of a value's bar standing on the zero line, kept within top..bottom.
i32 BarEnd(float value, i32 zeroLine, float unit, i32 pixelsPerDivision, i32 top, i32 bottom);

} // namespace GraphScale

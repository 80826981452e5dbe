// JorpFigureEight: the figure eight a window is moved along to catch the eye.
#pragma once

#include "platform/framework/Geometry.h"

#include <cmath>
#include <functional>

// Radius 100 around the rectangle's top-left corner: the angle climbs from 0 in steps of
// 0.15 while below 6.28, then falls back from where it got in the same steps while above 0.
// Each position is truncated to whole pixels; the caller moves the window there.
inline void JorpFigureEight(const TRect& rect, const std::function<void(TPoint)>& moveTo) {
    constexpr float Full = 6.28f;
    constexpr float Step = 0.15f;
    constexpr float Radius = 100.0f;
    const float left = static_cast<float>(rect.left);
    const float top = static_cast<float>(rect.top);
    float a = 0.0f;
    for (; a < Full; a += Step)
        moveTo({static_cast<i32>(left - Radius * std::cos(Full) + Radius * std::cos(a)),
                static_cast<i32>(top - Radius * std::sin(Full) + Radius * std::sin(a))});
    for (; a > 0.0f; a -= Step)
        moveTo({static_cast<i32>(left + Radius * std::cos(Full) - Radius * std::cos(a)),
                static_cast<i32>(top + Radius * std::sin(Full) - Radius * std::sin(a))});
}

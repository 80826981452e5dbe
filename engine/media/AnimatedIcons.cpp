// The animated icon: its frames and the process-wide counter that walks them.
#include "engine/media/AnimatedIcons.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/window/FrameWindow.h"

#include <algorithm>

namespace {

constexpr u32 FirstIconId = 11019;
constexpr i32 IconCount = 31;

// Never reset, so a later minimisation goes on from where the last one stopped.
u32 FrameCounter = 0;

} // namespace

bool TJorpAnimatedIcons::StartTimer(TWindow& frame) {
    return ::SetTimer(frame.GetHandle(), TimerId, TimerMs, nullptr) != 0;
}

void TJorpAnimatedIcons::LoadIconIds() {
    ConfiguredCount = IconCount;
    for (i32 i = 0; i < IconCount; ++i)
        ConfiguredIds[i] = FirstIconId + static_cast<u32>(i);
}

void TJorpAnimatedIcons::SetFrames(i32 count, const u32* ids) {
    ActiveCount = ids != nullptr ? std::clamp(count, 0, MaxFrames) : 0;
    std::copy_n(ids, ActiveCount, ActiveIds);
}

void TJorpAnimatedIcons::NextFrame(TFrameWindow& frame) {
    if (FrameCounter == 0)
        SetFrames(ConfiguredCount, ConfiguredIds);
    // Without frames there is nothing to show and nothing to count.
    if (ActiveCount <= 0)
        return;
    const u32 id = ActiveIds[FrameCounter % static_cast<u32>(ActiveCount)];
    ++FrameCounter;
    frame.SetIcon(frame.GetModule(), id);
    RedrawWindow(frame.GetHandle(), nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

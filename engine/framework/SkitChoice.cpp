// TSkitList: choosing a skit: a random level of the portfolio, a round-robin pass over it, the
// criteria, and a start at the frame or, last, within a window of later frames.
#include "SkitList.h"

#include "engine/framework/Skit.h"
#include "engine/framework/SkitPortfolio.h"
#include "engine/framework/SkitPortfolioList.h"
#include "platform/host/RuntimeRandom.h"

#include <algorithm>

namespace {

constexpr i16 TOP_LEVEL = TSkitPortfolio::LEVELS - 1;

} // namespace

bool TSkitList::ChooseSkit(u32& frame, u32& duration, i16& skitIndex, u32 window) {
    // The caller's values stay as they were unless a skit starts.
    u32 start = frame;
    u32 length = duration;
    i16 chosen = skitIndex;
    const i16 level = Portfolio->FirstLevelFrom(rtl::rand() % 10);
    bool started = FindSkitAtLevel(start, length, chosen, level, false, window);
    if (!started && level != TOP_LEVEL)
        started = FindSkitAtLevel(start, length, chosen, TOP_LEVEL, false, window);
    if (!started)
        started = FindSkitAtLevel(start, length, chosen, TOP_LEVEL, true, window);
    if (!started)
        return false;
    frame = start;
    duration = length;
    skitIndex = chosen;
    return true;
}

bool TSkitList::FindSkitAtLevel(u32& frame, u32& duration, i16& skitIndex, i16 level, bool search,
                                u32 window) {
    const auto tryCandidate = [&](i16 candidate) {
        skitIndex = candidate;
        if (candidate < 0 || !SkitMatches(candidate, frame, search, window))
            return false;
        duration = GetSkitDuration(candidate);
        return true;
    };
    TSkitPortfolioList* entries = Portfolio->GetLevel(level);
    if (entries == nullptr)
        return tryCandidate(0);

    // An empty level, or a cursor past its entries, yields the list's first skit.
    const auto candidateAt = [entries](i16 position) {
        const TSkitPortfolioElement* element = entries->GetElement(position);
        return element != nullptr ? static_cast<i16>(element->SkitIndex) : i16{0};
    };
    const i16 first = entries->AdvanceCursor();
    // Every entry once, beginning after the one that won last time. However the cursor
    // came to be, a pass ends after that many tries.
    const i32 tries = std::max<i32>(entries->GetCount(), 1);
    for (i32 t = 0; t < tries; ++t) {
        if (tryCandidate(candidateAt(entries->GetCursor())))
            return true;
        if (entries->AdvanceCursor() == first)
            break;
    }
    return false;
}

bool TSkitList::SkitMatches(i16 i, u32& frame, bool search, u32 window) {
    TSkit* skit = GetSkit(i);
    if (skit == nullptr || !skit->CriteriaMatch())
        return false;
    if (!search) {
        if (!skit->CanPlayAt(frame))
            return false;
        skit->Acquire(frame);
        return true;
    }
    for (u32 step = 0; step < window; ++step) {
        const u32 at = frame + step;
        if (skit->CanPlayAt(at)) {
            skit->Acquire(at);
            frame = at;
            return true;
        }
    }
    return false;
}

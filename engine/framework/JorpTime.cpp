// TJorpTime: frame counting on the engine clock.
#include "JorpTime.h"

#include "engine/foundation/Sys.h"

TJorpTime::TJorpTime(u32 interval) : Interval(interval) {
    const u32 now = TSys::GetTime();
    Start = now;
    LastCheck = now;
    Due = now + Interval;
}

bool TJorpTime::IsDue() {
    const u32 now = TSys::GetTime();
    LastCheck = now;
    // "now < due - slack" as a signed distance: a plain unsigned test would wait about 49
    // days whenever due - slack has wrapped past zero while now has not.
    if (static_cast<i32>(now - (Due - Slack)) < 0)
        return false;
    Due = now + Interval;
    ++Counter;
    return true;
}

u32 JorpStartKey(const TJorpTime* timer, bool hold) {
    const u32 counter = timer != nullptr ? timer->GetCounter() : 0;
    return hold ? counter : counter + 1;
}

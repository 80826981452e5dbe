// The engine clock: started before main, read through the injectable clock source.
#include "Sys.h"

#include "platform/host/Clock.h"

u64 TSys::StartTick = 0;
bool TSys::Started = false;

namespace {
const TSys TheSys;
} // namespace

TSys::TSys() {
    if (!Started)
        Start();
}

void TSys::Start() {
    StartTick = GetTickCount64();
    Started = true;
}

u64 TSys::GetTime64() {
    const u64 now = GetTickCount64();
    // A replaced clock source may stand behind the start; time never runs backwards.
    return now >= StartTick ? now - StartTick : 0;
}

u32 TSys::GetTime() { return static_cast<u32>(GetTime64()); }

// The engine clock: started before main, read through the injectable clock source.
#include "Sys.h"

#include "platform/host/Clock.h"

u64 TSys::StartTick = 0;
u64 TSys::BaseTime = 0;
u64 TSys::LastTime = 0;
u64 TSys::SourceGeneration = 0;
bool TSys::Started = false;

namespace {
const TSys TheSys;
} // namespace

TSys::TSys() {
    if (!Started)
        Start();
}

void TSys::Start() {
    SourceGeneration = GetClockSourceGeneration();
    StartTick = GetTickCount64();
    BaseTime = 0;
    LastTime = 0;
    Started = true;
}

u64 TSys::GetTime64() {
    // Measuring a virtual clock against a start tick taken on the host's counter would
    // keep the time at 0 for ever.
    if (SourceGeneration != GetClockSourceGeneration()) {
        SourceGeneration = GetClockSourceGeneration();
        StartTick = GetClockSourceInstalledTick();
        BaseTime = LastTime;
    }
    const u64 now = GetTickCount64();
    // A source set back behind the start reads as the start; time never runs backwards
    // past it.
    LastTime = BaseTime + (now >= StartTick ? now - StartTick : 0);
    return LastTime;
}

u32 TSys::GetTime() {
    return static_cast<u32>(GetTime64());
}

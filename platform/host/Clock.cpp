// The host clock source and the process-wide choice of source.
#include "Clock.h"

#include <chrono>
#include <ctime>

namespace {

class THostClock : public TClockSource {
public:
    u64 TickMs() override {
        using namespace std::chrono;
        return static_cast<u64>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
    i64 WallSeconds() override { return static_cast<i64>(std::time(nullptr)); }
};

THostClock& HostClock() {
    static THostClock clock;
    return clock;
}

TClockSource* Current = nullptr;
u64 Generation = 0;
u64 InstalledTick = 0;

} // namespace

void SetClockSource(TClockSource* source) {
    Current = source;
    ++Generation;
    InstalledTick = GetClockSource().TickMs();
}

u64 GetClockSourceGeneration() {
    return Generation;
}

u64 GetClockSourceInstalledTick() {
    return InstalledTick;
}

TClockSource& GetClockSource() {
    return Current != nullptr ? *Current : HostClock();
}

u64 GetTickCount64() {
    return GetClockSource().TickMs();
}

u32 GetTickCount() {
    return static_cast<u32>(GetTickCount64());
}

i64 GetHostWallSeconds() {
    return HostClock().WallSeconds();
}

i64 GetWallSeconds() {
    return GetClockSource().WallSeconds();
}

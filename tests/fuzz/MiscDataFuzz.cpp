// Fuzz target: arbitrary bytes read as a misc-data file image.
#include "FuzzSupport.h"
#include "engine/foundation/MiscData.h"

// Keeps the reads of the values from being optimised away.
volatile long MiscDataFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    TMiscData table(nullptr);
    try {
        // Read the way an embedded child is: bounded by the bytes given and no more.
        table.LoadAt(TEmbeddedAddress{data, static_cast<u32>(size)}, true);
    } catch (const TFuzzExit&) {
        return 0;
    }
    // Every value the table claims to hold is touched, so a bad length shows at once.
    long sum = 0;
    for (i16 i = 0; i < table.GetListCount(); ++i) {
        const i16* values = table.GetList(i);
        for (i16 v = 0; v < table.GetLength(i); ++v)
            sum += values[v];
    }
    MiscDataFuzzSink = sum;
    return 0;
}

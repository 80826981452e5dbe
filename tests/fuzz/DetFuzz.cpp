// Fuzz target: arbitrary bytes read as a data catalogue image, then looked up by name.
#include "FuzzSupport.h"
#include "engine/foundation/Det.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    // Only named: nothing is registered, the bytes come in as an embedded image.
    TDet det(0, TFileMode("fuzz", 0, 0));
    try {
        det.LoadAt(TEmbeddedAddress{data, static_cast<u32>(size)}, true);
    } catch (const TFuzzExit&) {
        return 0;
    }
    // A partly read tree still answers lookups.
    for (const char* name : {"a", "\\a\\b", "d:\\x\\y\\z.go", "", "\\\\"})
        det.Find(name);
    return 0;
}

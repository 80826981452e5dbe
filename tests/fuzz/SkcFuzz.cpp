// Fuzz target: arbitrary bytes read as a ".skc" skit catalogue, whose lists are then addressed by
// every list and skit number around the ones it holds.
#include "FuzzSupport.h"
#include "engine/framework/GameObject.h"
#include "engine/framework/SkitCat.h"
#include "engine/framework/SkitList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    TGameObject object(nullptr);
    TSkitCat catalogue(nullptr, &object, TFileMode(TJorpFileName("fuzz.skc"), 0, 0));
    try {
        catalogue.LoadAt(TEmbeddedAddress{data, static_cast<u32>(size)}, true);
    } catch (const TFuzzExit&) {
        return 0;
    }
    for (i16 n = -1; n <= catalogue.GetLastIndex() + 1; ++n) {
        u32 frame = 1, duration = 0;
        i16 skit = 0;
        catalogue.ChooseSkit(n, frame, duration, skit);
        catalogue.UseSkit(n, 0, 1);
        catalogue.CanPlaySkit(n, 0, 1);
        catalogue.GetSkitDuration(n, 0);
    }
    catalogue.FreeSetupData();
    catalogue.Resolve();
    return 0;
}

// Fuzz target: arbitrary bytes read as a mode file, whose object list is then looked for.
#include "FuzzSupport.h"
#include "engine/framework/GObjList.h"
#include "engine/framework/JorpMode.h"

// Keeps what was read from being optimised away.
volatile long ModeFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    TJorpMode mode(0, TFileMode(TJorpFileName("fuzz.m"), 0, 0));
    try {
        mode.LoadAt(TEmbeddedAddress{data, static_cast<u32>(size)}, true);
    } catch (const TFuzzExit&) {
        return 0;
    }
    long sum = mode.GetGameType() +
               static_cast<long>(mode.GetBackgroundName().size() + mode.GetGObjListName().size());
    if (const TGObjList* list = mode.GetGObjList())
        sum += list->GetLastIndex();
    ModeFuzzSink = sum;
    return 0;
}

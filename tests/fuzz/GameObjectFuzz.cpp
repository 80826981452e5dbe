// Fuzz target: arbitrary bytes read as a game object's ".go" file, then the parts it names made.
#include "FuzzSupport.h"
#include "engine/foundation/MiscData.h"
#include "engine/framework/GameObject.h"

// Keeps the names read from being optimised away.
volatile size_t GameObjectFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    // Named as a member in a folder, so that old names are placed beside it.
    TGameObject object(nullptr);
    object.SetObjectFileName(TJorpFileName("tbl\\lord"));
    try {
        object.LoadAt(TEmbeddedAddress{data, static_cast<u32>(size)}, true);
        // Without a file manager or sprite maker nothing is read, but every name is used.
        object.LoadParts();
    } catch (const TFuzzExit&) {
        return 0;
    }
    GameObjectFuzzSink = object.GetSpriteListName().size() + object.GetSkitCatName().size() +
                         object.GetMiscDataName().size() + object.GetObjectValue() +
                         (object.GetMiscData() != nullptr ? 1 : 0);
    return 0;
}

// Fuzz target: arbitrary bytes read as a game file.
#include "FuzzSupport.h"
#include "engine/framework/GameFile.h"

// Keeps the walk over the modes from being optimised away.
volatile long GameFileFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    TJorpGame game;
    try {
        game.LoadAt(TEmbeddedAddress{data, static_cast<u32>(size)}, true);
    } catch (const TFuzzExit&) {
        return 0;
    }
    long sum = static_cast<long>(game.GetPaletteName().size());
    for (i16 i = 0; i < game.GetModeCount(); ++i)
        sum +=
            static_cast<long>(game.GetModeName(i).size()) + game.GetModeIndex(game.GetModeName(i));
    GameFileFuzzSink = sum;
    return 0;
}

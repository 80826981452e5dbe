// Fuzz target: arbitrary bytes read as a sprite with its table inline, then played for a while.
#include "FuzzSupport.h"
#include "engine/media/Anm.h"
#include "engine/media/Sprite.h"

// Keeps the walk over the members from being optimised away.
volatile long SpriteFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    std::unique_ptr<TSprite> sprite;
    try {
        sprite = TSprite::MakeEmbedded(TEmbeddedAddress{data, static_cast<u32>(size)}, nullptr,
                                       TFileMode("fuzz.sp", 0, 0));
    } catch (const TFuzzExit&) {
        return 0;
    }
    long seen = sprite->GetId() + sprite->GetObjectType();
    for (i16 i = 0; i <= sprite->GetAnmList()->GetLastIndex(); ++i)
        seen += sprite->GetAnm(i)->StartDelay;
    // Members that have no images still take their part in the frames.
    sprite->Play(0);
    for (u32 t = 1; t < 4; ++t) {
        sprite->Tick(t);
        sprite->PostTick(t);
    }
    sprite->Stop();
    SpriteFuzzSink = seen;
    return 0;
}

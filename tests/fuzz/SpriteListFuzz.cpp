// Fuzz target: arbitrary bytes read as a sprite list with its sprites inline, made by a game
// object's factory, then its sets run for a few frames.
#include "FuzzSupport.h"
#include "engine/foundation/SpriteCreator.h"
#include "engine/media/Sprite.h"
#include "engine/media/SpriteList.h"
#include "platform/host/RuntimeRandom.h"

namespace {

// The base factory of game objects: plain sprites read in place, looked up in the list.
class TFuzzCreator : public TSpriteCreator {
public:
    TJorpBase* CreateObject(const std::string& name, u16, TEmbeddedAddress address) override {
        return TSprite::MakeEmbedded(address, nullptr, TFileMode(name, 0, 0)).release();
    }
    i16 FindSpriteIndex(const std::string& name) override {
        return List != nullptr ? List->IndexOf(name) : i16{-1};
    }
    TJorpBase* GetSpriteAt(i16 index) override {
        return List != nullptr ? List->GetAt(index) : nullptr;
    }
    u32 GetCreatorTick() const override { return 0; }
    TSpriteList* List = nullptr;
};

} // namespace

// Keeps the walk over the sets from being optimised away.
volatile long SpriteListFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    static TLcgRandom random;
    static TScopedRandomSource source(random);
    random.Seed(1);
    TFuzzCreator creator;
    TSpriteList list(nullptr, TFileMode("fuzz.spl", 0, 0), &creator);
    creator.List = &list;
    try {
        list.LoadAt(TEmbeddedAddress{data, static_cast<u32>(size)}, true);
    } catch (const TFuzzExit&) {
        return 0;
    }
    list.Resolve();
    long seen = 0;
    for (i16 set = 0; set < list.GetActiveListCount(); ++set) {
        seen += list.GetStateCount(set);
        list.SetSetState(set, 0);
    }
    for (i16 i = 0; i <= list.GetLastIndex(); ++i)
        list.UseAt(i, 1);
    for (u32 t = 1; t < 4; ++t) {
        list.Tick(t);
        list.PostTick(t);
    }
    SpriteListFuzzSink = seen;
    return 0;
}

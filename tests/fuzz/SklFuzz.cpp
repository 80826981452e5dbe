// Fuzz target: arbitrary bytes read as a ".skl" skit list, whose skits are then chosen, tested and
// played on a mode window that lets every third sprite start.
#include "FuzzSupport.h"
#include "engine/foundation/JorpOwner.h"
#include "engine/framework/GameObject.h"
#include "engine/framework/Skit.h"
#include "engine/framework/SkitList.h"
#include "platform/host/RuntimeRandom.h"
#include "support/QuietModeWindow.h"

namespace {

class TFuzzWindow : public TQuietModeWindow {
public:
    i32 TestSkitCondition(u16 condition) override { return condition % 3 - 1; }
    bool CanActivateSprite(i16 object, i16 sprite, u32 key) override {
        return (object + sprite + static_cast<i32>(key % 7)) % 3 == 0;
    }
    bool UseSprite(i16, i16, u32) override { return true; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    TFuzzWindow window;
    TGameObject object(&window);
    TSkitList list(&window, &object, TFileMode(TJorpFileName("fuzz.skl"), 0, 0));
    try {
        list.LoadAt(TEmbeddedAddress{data, static_cast<u32>(size)}, true);
    } catch (const TFuzzExit&) {
        return 0;
    }
    TLcgRandom random;
    TScopedRandomSource use(random);
    for (u32 i = 0; i < 12; ++i) {
        u32 frame = i * 5, duration = 0;
        i16 skit = 0;
        list.ChooseSkit(frame, duration, skit, 96);
    }
    for (i16 i = -1; i <= list.GetLastIndex() + 1; ++i) {
        if (TSkit* skit = list.GetSkit(i)) {
            skit->CanPlayAt(3);
            skit->Acquire(3);
        }
        list.GetSkitDuration(i);
    }
    list.FreeSetupData();
    return 0;
}

// Fuzz target: arbitrary bytes read as a mode's ".gol" file, whose entries become members made
// by a mode window, then driven through a frame.
#include "FuzzSupport.h"
#include "engine/foundation/JorpOwner.h"
#include "engine/framework/GObjList.h"
#include "engine/framework/GameObject.h"
#include "engine/framework/JorpMode.h"
#include "support/QuietModeWindow.h"

namespace {

// Makes a member of every entry but every third, without reading its file.
class TFuzzWindow : public TQuietModeWindow {
public:
    TGameObject* CreateGameObject(const TFileMode& file, i16, u32) override {
        if (++Made % 3 == 0)
            return nullptr;
        auto* object = new TGameObject(this);
        object->SetObjectFileName(file.Name);
        return object;
    }
    int Made = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    TFuzzWindow window;
    TJorpMode mode(nullptr, true, 0);
    mode.DeleteGObjList();
    auto* list = new TGObjList(&window, &mode, TFileMode(TJorpFileName("fuzz.gol"), 0, 0));
    try {
        list->LoadAt(TEmbeddedAddress{data, static_cast<u32>(size)}, true);
    } catch (const TFuzzExit&) {
        return 0;
    }
    list->RunStates();
    list->StatesFrameBegin(1);
    list->Tick(1);
    list->PostTick(1);
    list->StatesUpdate(1);
    list->ForEachUpdate();
    for (i16 i = -1; i <= list->GetLastIndex() + 1; ++i)
        list->UseSpriteAt(i, 0, 1);
    if (list->GetLastIndex() >= 0)
        list->RemoveMember(list->GetMember(0));
    return 0;
}

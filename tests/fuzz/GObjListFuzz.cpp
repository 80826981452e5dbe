// Fuzz target: arbitrary bytes read as a mode's ".gol" file, whose entries become members made
// by a mode window, then driven through a frame and written out again.
#include "FuzzSupport.h"
#include "engine/foundation/JorpOwner.h"
#include "engine/framework/GObjList.h"
#include "engine/framework/GameObject.h"
#include "engine/framework/JorpMode.h"
#include "engine/framework/ModeWindowApi.h"

namespace {

// Makes a member of every entry without reading its file.
class TFuzzWindow : public TJorpOwner, public TModeWindowApi {
public:
    const u32* GetFrameCounter() const override { return &Frame; }
    bool IsHoldSet() const override { return false; }
    TJorpProgress* GetProgress() const override { return nullptr; }
    TResponderList* GetResponderList() const override { return nullptr; }
    HWND GetResponderHandle() const override { return nullptr; }
    void SetResponderCursor(const TCursorData&) override {}
    bool FrameTick() override { return false; }
    TGameObject* CreateGameObject(const TFileMode& file, i16, u32) override {
        // Every third entry cannot be made, as a window that knows no such object.
        if (++Made % 3 == 0)
            return nullptr;
        auto* object = new TGameObject(this);
        object->SetObjectFileName(file.Name);
        return object;
    }
    u32 Frame = 0;
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
    // Every member answers its passes and the questions about it.
    list->RunStates();
    list->StatesFrameBegin(1);
    list->Tick(1);
    list->PostTick(1);
    list->StatesUpdate(1);
    list->ForEachUpdate();
    for (i16 i = -1; i <= list->GetLastIndex() + 1; ++i) {
        list->UseSpriteAt(i, 0, 1);
        list->SpriteDurationAt(i, 0);
        if (const TGameObject* member = list->GetMember(i))
            list->IndexOfName(member->GetFileMode().Name.GetText());
    }
    if (list->GetLastIndex() >= 0)
        list->RemoveMember(list->GetMember(0));
    return 0;
}

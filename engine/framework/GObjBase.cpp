// TGObjBase: updates, the object's own state steps, misc data and the mode's answers.
#include "GObjBase.h"

#include "engine/foundation/JorpOwner.h"
#include "engine/foundation/MiscData.h"
#include "engine/framework/ModeWindowApi.h"
#include "engine/framework/State.h"

TGObjBase::TGObjBase(TJorpOwner* owner) : TJorpBase(owner) {}

// The state may still reach the misc data while it goes; the misc data goes after it.
TGObjBase::~TGObjBase() {
    OwnState.reset();
    MiscData.reset();
}

std::string TGObjBase::GetExtension() const {
    return ".go";
}

void TGObjBase::Update() {
    if (Updated == 0)
        Updated = 1;
}

void TGObjBase::ReservedHookA() {}

void TGObjBase::DeleteState() {
    OwnState.reset();
}

void TGObjBase::ReservedHookB() {}

TMiscData* TGObjBase::CreateMiscData(const TFileMode& file) {
    return new TMiscData(Owner, file, true, false);
}

bool TGObjBase::LoadMiscData(const TFileMode& file) {
    MiscData.reset();
    // An object whose file could not be read knows no names: an empty name would only
    // send the file manager looking for a file called ".md".
    if (!file.Name.IsEmpty())
        MiscData.reset(CreateMiscData(file));
    return true;
}

void TGObjBase::RunState() {
    if (OwnState)
        OwnState->Run();
}

void TGObjBase::StateFrameBegin(u32 tick) {
    if (OwnState)
        OwnState->SendFrameBegin(tick);
}

void TGObjBase::StateUpdate(u32 tick) {
    if (OwnState)
        OwnState->SendUpdate(tick);
}

i32 TGObjBase::TestSkitCondition(u16 condition) {
    TModeWindowApi* window = GetModeWindow();
    return window != nullptr ? window->TestSkitCondition(condition) : 0;
}

i16 TGObjBase::FindGameObject(const std::string& name) {
    // No list has no member of that name either: 0 would name the first member.
    const TModeWindowApi* window = GetModeWindow();
    return window != nullptr ? window->GetGameObjectIndex(name) : i16{-1};
}

void TGObjBase::InstallState(std::unique_ptr<TState> state) {
    OwnState = std::move(state);
}

TModeWindowApi* TGObjBase::GetModeWindow() const {
    return dynamic_cast<TModeWindowApi*>(Owner);
}

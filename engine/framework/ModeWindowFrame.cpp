// TJorpModeWindow: the timer road, one frame's steps in their order, the mode state's steps,
// and the game-object passes and requests.
#include "ModeWindow.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileMgr.h"
#include "engine/foundation/Sys.h"
#include "engine/framework/GObjList.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpMode.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/ModeState.h"
#include "platform/framework/window/Desktop.h"
#include "platform/host/MessageBox.h"

void TJorpModeWindow::EvTimer(u32) {
    if (!Active)
        return;
    if (InTimer) {
        TimerNested = true;
        return;
    }
    InTimer = true;
    TimerNested = false;
    StateReplaced = false;
    bool mayRest = true;
    if (ModeState != nullptr)
        mayRest = ModeState->Idle();
    else
        FrameTick();
    StepModeState();
    InTimer = false;
    if (mayRest && !TimerNested && !StateReplaced)
        RestUntilFrameDue();
}

void TJorpModeWindow::RestUntilFrameDue() {
    // The step just run went as far as it could: the states only move on at a frame, or when
    // input or another message reaches the program, which ends the rest. Between frames the
    // timer would only find the same step with nothing to do.
    if (Paused || !Ready || FrameTimer == nullptr)
        return;
    const u32 frameAt = FrameTimer->GetDue() - TJorpTime::Slack;
    const auto untilFrame = static_cast<i32>(frameAt - TSys::GetTime());
    if (untilFrame > 0)
        TDesktop::Get().RestTimer(this, JorpModeTimerId, static_cast<u32>(untilFrame));
}

bool TJorpModeWindow::FrameTick() {
    if (Paused || !Ready || FrameTimer == nullptr || !FrameTimer->IsDue())
        return false;
    FrameUpdate(FrameTimer->GetCounter());
    return true;
}

const u32* TJorpModeWindow::GetFrameCounter() const {
    return FrameTimer != nullptr ? &FrameTimer->GetCounter() : nullptr;
}

void TJorpModeWindow::FrameUpdate(u32 frame) {
    Hold = true;
    RunGameObjectStates();
    if (TEngineContext::FileMgr != nullptr)
        TEngineContext::FileMgr->GetData().FrameMark = frame;
    FrameBegin(frame);
    Hold = false;
    CheckStopObjects(frame);
    RenderAndPumpSound(frame);
    CheckStartObjects(frame);
    UpdateStates(frame);
    RunGameObjectStates();
    if (TEngineContext::FileMgr != nullptr)
        TEngineContext::FileMgr->IdleStep(frame);
}

void TJorpModeWindow::StepModeState() {
    if (ModeState == nullptr || ModeState->Run() != -1)
        return;
    // The finished state is replaced before anything is shown, so that nothing can step it
    // again meanwhile; the warning is given once, not on every later replacement.
    DeleteModeState();
    CreateModeState();
    StateReplaced = true;
    if (WarnedStateDone)
        return;
    WarnedStateDone = true;
    MessageBoxExA(Frame != nullptr ? static_cast<TWindow*>(Frame) : this,
                  "Unexpected mode state 'done' status.\nMaking new state", "Warning - mode state",
                  MB_OK);
}

void TJorpModeWindow::CheckStopObjects(u32 frame) {
    if (TGObjList* list = GetGObjList())
        list->Tick(frame);
}

void TJorpModeWindow::ModeStateFrameBegin(u32 frame) {
    if (ModeState != nullptr)
        ModeState->SendFrameBegin(frame);
}

void TJorpModeWindow::ModeStateUpdate(u32 frame) {
    if (ModeState != nullptr)
        ModeState->SendUpdate(frame);
}

void TJorpModeWindow::FrameBegin(u32 frame) {
    ModeStateFrameBegin(frame);
    if (TGObjList* list = GetGObjList())
        list->StatesFrameBegin(frame);
}

void TJorpModeWindow::UpdateStates(u32 frame) {
    if (TGObjList* list = GetGObjList())
        list->StatesUpdate(frame);
    ModeStateUpdate(frame);
}

void TJorpModeWindow::RenderAndPumpSound(u32) {
    if (TJorpVideoFace* video = GetVideo())
        video->RenderFrame();
    if (TJorpSoundMgrFace* sound = GetSoundMgr())
        sound->PumpWaves();
}

void TJorpModeWindow::CheckStartObjects(u32 frame) {
    if (TGObjList* list = GetGObjList())
        list->PostTick(frame);
}

void TJorpModeWindow::RunGameObjectStates() {
    if (TGObjList* list = GetGObjList())
        list->RunStates();
}

void TJorpModeWindow::FreeGameObjectSetupData() {
    if (TGObjList* list = GetGObjList())
        list->FreeSetupData();
}

TGObjList* TJorpModeWindow::GetGObjList() const {
    return Mode != nullptr ? Mode->GetGObjList() : nullptr;
}

TJorpVideoFace* TJorpModeWindow::GetVideo() const {
    TJorpScreenMgrFace* screen = Mode != nullptr ? Mode->GetScreenMgr() : nullptr;
    return screen != nullptr ? screen->GetVideo() : nullptr;
}

TJorpSoundMgrFace* TJorpModeWindow::GetSoundMgr() const {
    return Frame != nullptr ? Frame->GetSoundMgr() : nullptr;
}

TResponderList* TJorpModeWindow::GetResponderList() const {
    TJorpScreenMgrFace* screen = Mode != nullptr ? Mode->GetScreenMgr() : nullptr;
    return screen != nullptr ? screen->GetResponderList() : nullptr;
}

bool TJorpModeWindow::CanActivateSprite(i16 object, i16 sprite, u32 key) {
    TGObjList* list = GetGObjList();
    return list != nullptr && list->CanActivateSpriteAt(object, sprite, key);
}

bool TJorpModeWindow::UseSprite(i16 object, i16 sprite, u32 key) {
    TGObjList* list = GetGObjList();
    return list != nullptr && list->UseSpriteAt(object, sprite, key);
}

bool TJorpModeWindow::UseSpriteNow(i16 object, i16 sprite) {
    return UseSprite(object, sprite, JorpStartKey(FrameTimer, Hold));
}

bool TJorpModeWindow::IsSpriteInUse(i16 object, i16 sprite) {
    TGObjList* list = GetGObjList();
    return list != nullptr && list->IsSpriteInUseAt(object, sprite);
}

bool TJorpModeWindow::UseSkitNow(i16 object, i16 skitList, i16 skit) {
    return UseSkit(object, skitList, skit, JorpStartKey(FrameTimer, Hold));
}

bool TJorpModeWindow::UseSkit(i16 object, i16 skitList, i16 skit, u32 key) {
    TGObjList* list = GetGObjList();
    return list != nullptr && list->UseSkitAt(object, skitList, skit, key);
}

i16 TJorpModeWindow::GetGameObjectIndex(const std::string& name) const {
    // No list has no member of that name either.
    const TGObjList* list = GetGObjList();
    return list != nullptr ? list->IndexOfName(name) : -1;
}

u32 TJorpModeWindow::GetSkitLength(i16 object, i16 skitList, i16 skit) const {
    const TGObjList* list = GetGObjList();
    return list != nullptr ? list->SkitDurationAt(object, skitList, skit) : 0;
}

u32 TJorpModeWindow::GetSpriteDuration(i16 object, i16 sprite) const {
    const TGObjList* list = GetGObjList();
    return list != nullptr ? list->SpriteDurationAt(object, sprite) : 0;
}

// TModeState: the routes of clicks, keys and idle steps down the chain of mode states.
#include "engine/framework/ModeState.h"

#include "engine/framework/ModeWindowApi.h"
#include "engine/framework/Responder.h"
#include "engine/framework/ResponderList.h"

TModeState::TModeState(TModeWindowApi* window) : modeWindow(window) {}

TModeState::~TModeState() = default;

void TModeState::Enter() {
    stopFlag = true;
}

bool TModeState::OnMouseEvent1(u32, const TPoint&) {
    return false;
}
bool TModeState::OnMouseEvent2(u32, const TPoint&) {
    return false;
}
bool TModeState::OnMouseEvent3(u32, const TPoint&) {
    return false;
}
bool TModeState::OnMouseEvent4(u32, const TPoint&) {
    return false;
}
bool TModeState::OnMouseEvent5(u32, const TPoint&) {
    return false;
}
bool TModeState::OnMouseEvent6(u32, const TPoint&) {
    return false;
}
bool TModeState::OnMouseEvent7(u32, const TPoint&) {
    return false;
}
bool TModeState::OnChar(u32, u32, u32) {
    return false;
}
bool TModeState::OnIdle() {
    return false;
}

void TModeState::EvLButtonDown(u32 modKeys, const TPoint& point) {
    RouteMouse(JEK_LBUTTONDOWN, modKeys, point);
}
void TModeState::EvLButtonUp(u32 modKeys, const TPoint& point) {
    RouteMouse(JEK_LBUTTONUP, modKeys, point);
}
void TModeState::EvLButtonDblClk(u32 modKeys, const TPoint& point) {
    RouteMouse(JEK_LBUTTONDBLCLK, modKeys, point);
}
void TModeState::EvRButtonDown(u32 modKeys, const TPoint& point) {
    RouteMouse(JEK_RBUTTONDOWN, modKeys, point);
}
void TModeState::EvRButtonUp(u32 modKeys, const TPoint& point) {
    RouteMouse(JEK_RBUTTONUP, modKeys, point);
}
void TModeState::EvRButtonDblClk(u32 modKeys, const TPoint& point) {
    RouteMouse(JEK_RBUTTONDBLCLK, modKeys, point);
}
void TModeState::EvMouse7(u32 modKeys, const TPoint& point) {
    RouteMouse(JEK_SEVENTH, modKeys, point);
}

// A sub-state that is not a mode state has no input hooks; rather than treating it as one,
// the mode state holding it keeps the input for as long as it runs.
TModeState* TModeState::InputTarget() {
    TModeState* state = this;
    for (;;) {
        if (!state->IsRunning())
            return nullptr;
        TState* held = state->GetSubState();
        if (held == nullptr)
            return state;
        auto* heldMode = dynamic_cast<TModeState*>(held);
        if (heldMode == nullptr)
            return held->IsRunning() ? state : nullptr;
        state = heldMode;
    }
}

void TModeState::RouteMouse(int kind, u32 modKeys, const TPoint& point) {
    TModeState* target = InputTarget();
    if (target == nullptr || target->CallMouseHook(kind, modKeys, point))
        return;
    if (TResponderList* list = target->GetResponderList())
        list->DispatchMouse(static_cast<JorpEventKind>(kind), modKeys, point);
}

bool TModeState::CallMouseHook(int kind, u32 modKeys, const TPoint& point) {
    switch (kind) {
    case JEK_LBUTTONDOWN:
        return OnMouseEvent1(modKeys, point);
    case JEK_LBUTTONUP:
        return OnMouseEvent2(modKeys, point);
    case JEK_LBUTTONDBLCLK:
        return OnMouseEvent3(modKeys, point);
    case JEK_RBUTTONDOWN:
        return OnMouseEvent4(modKeys, point);
    case JEK_RBUTTONUP:
        return OnMouseEvent5(modKeys, point);
    case JEK_RBUTTONDBLCLK:
        return OnMouseEvent6(modKeys, point);
    default:
        return OnMouseEvent7(modKeys, point);
    }
}

void TModeState::EvChar(u32 key, u32 repeat, u32 flags) {
    TModeState* target = InputTarget();
    if (target == nullptr || target->OnChar(key, repeat, flags))
        return;
    // The message's character and repeat count fit the hot-key fields as they come.
    if (TResponderList* list = target->GetResponderList())
        list->DispatchKey(static_cast<char>(key), static_cast<u16>(repeat), flags);
}

bool TModeState::Idle() {
    TModeState* target = InputTarget();
    if (target == nullptr || target->OnIdle())
        return false;
    if (target->modeWindow != nullptr)
        target->modeWindow->FrameTick();
    return true;
}

TResponderList* TModeState::GetResponderList() const {
    return modeWindow != nullptr ? modeWindow->GetResponderList() : nullptr;
}

// TModeState: the mode window's own state, which sees every click, key and idle step first.
#pragma once

#include "engine/framework/State.h"
#include "platform/framework/Geometry.h"
#include "platform/host/Types.h"

class TModeWindowApi;
class TResponderList;

// Input goes down the chain of running mode states to the innermost one; its hook may take
// the event, else the responder regions of the screen get it. The base state takes nothing
// and never ends: its Enter stops it in phase 2.
class TModeState : public TState {
public:
    explicit TModeState(TModeWindowApi* modeWindow);
    ~TModeState() override;

    void Enter() override;

    // Hooks, one per mouse event kind 1 to 7, then keys and idle steps: true takes the
    // event, false passes it on.
    virtual bool OnMouseEvent1(u32 modKeys, const TPoint& point);
    virtual bool OnMouseEvent2(u32 modKeys, const TPoint& point);
    virtual bool OnMouseEvent3(u32 modKeys, const TPoint& point);
    virtual bool OnMouseEvent4(u32 modKeys, const TPoint& point);
    virtual bool OnMouseEvent5(u32 modKeys, const TPoint& point);
    virtual bool OnMouseEvent6(u32 modKeys, const TPoint& point);
    virtual bool OnMouseEvent7(u32 modKeys, const TPoint& point);
    virtual bool OnChar(u32 key, u32 repeat, u32 flags);
    // True suppresses the frame tick of this timer message.
    virtual bool OnIdle();

    void EvLButtonDown(u32 modKeys, const TPoint& point);
    void EvLButtonUp(u32 modKeys, const TPoint& point);
    void EvLButtonDblClk(u32 modKeys, const TPoint& point);
    void EvRButtonDown(u32 modKeys, const TPoint& point);
    void EvRButtonUp(u32 modKeys, const TPoint& point);
    void EvRButtonDblClk(u32 modKeys, const TPoint& point);
    void EvMouse7(u32 modKeys, const TPoint& point);
    void EvChar(u32 key, u32 repeat, u32 flags);
    // Once per timer message: the innermost running state's idle hook, then the frame tick.
    // False when no state took the step or the hook took it (suppressing the frame tick):
    // such a state may be polling, and the mode timer must not rest until the next frame.
    bool Idle();

    // The responder list of the screen the mode window shows; null when any link is missing.
    TResponderList* GetResponderList() const;
    TModeWindowApi* GetModeWindow() const { return modeWindow; }

protected:
    TModeWindowApi* modeWindow;

private:
    // The state that takes this state's input: the held mode state, this state when it
    // holds nothing or holds a running state of another kind, null when the input is
    // dropped here (this state or the held one has ended).
    TModeState* InputTarget();
    void RouteMouse(int kind, u32 modKeys, const TPoint& point);
    bool CallMouseHook(int kind, u32 modKeys, const TPoint& point);
};

// TResponderList: the responders of a mode in priority order, with capture and hover tracking.
#pragma once

#include "engine/foundation/Sliq.h"
#include "engine/framework/Responder.h"
#include "platform/framework/Geometry.h"
#include "platform/host/Types.h"

class TResponderHost;

// Holds the responders without owning them; a responder takes itself out when it goes.
// Owners may register, unregister or delete responders from inside their callbacks: the
// walk steps past a responder removed under it.
class TResponderList : public TSliq {
public:
    explicit TResponderList(TResponderHost* window);
    ~TResponderList() override;

    bool SetCapture(TResponder* responder);
    void ReleaseCapture(TResponder* responder);
    void DispatchMouse(JorpEventKind kind, u32 data, const TPoint& point);
    void DispatchKey(char key, u16 repeat, u32 flags);
    void SendToHover(JorpEventKind kind);
    void UpdateHover(const TPoint& point);
    void SortByPriority();

    // Registering sets it, so a newcomer takes its place before the next dispatch.
    void SetNeedsSort() { NeedsSort = true; }
    bool GetNeedsSort() const { return NeedsSort; }
    TResponder* GetCaptureHolder() const { return CaptureHolder; }
    TResponder* GetHover() const { return Hover; }
    // Unregistering the hover responder, or switching off its tracking, ends hover without
    // a leave event.
    void ForgetHover(TResponder* responder) {
        if (Hover == responder)
            Hover = nullptr;
    }
    TResponderHost* GetWindow() const { return Window; }

private:
    static i32 ComparePriority(const void* a, const void* b);
    // The responder that tracks hover and stands for the point: the first in dispatch order
    // that holds it, or the one of its priority there whose click rank comes first. It walks the
    // list, so never while another walk is under way.
    TResponder* HoverAt(const TPoint& point);
    TResponder* First() { return static_cast<TResponder*>(WalkStart()); }
    TResponder* Next() { return static_cast<TResponder*>(WalkNext()); }

    TResponderHost* Window;
    TResponder* CaptureHolder = nullptr;
    TResponder* Hover = nullptr;
    bool NeedsSort = false;
};

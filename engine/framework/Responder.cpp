// TResponder: registration, capture, cursor and the hand-over of events to the owner.
#include "Responder.h"

#include "engine/foundation/JorpBase.h"
#include "engine/framework/ResponderHost.h"
#include "engine/framework/ResponderList.h"

#include <cctype>

TResponder::TResponder(TResponderHost* window, u16 priority, const TRect& rect, u16 code,
                       TJorpBase* owner, bool registerNow, char hotKey, const TCursorData& cursor,
                       bool tracksHover)
    : Window(window), Owner(owner), Priority(priority), Rect(rect), Code(code), Cursor(cursor),
      HoverTracking(tracksHover), HotKey(hotKey) {
    if (registerNow)
        Register();
}

TResponder::TResponder(TResponderHost* window, u16 priority, const TRect& rect, u16 code,
                       TJorpBase* owner, bool registerNow, char hotKey, TModule* cursorModule,
                       u32 cursorId, bool tracksHover)
    : TResponder(window, priority, rect, code, owner, registerNow, hotKey,
                 TCursorData(cursorModule, cursorId), tracksHover) {}

TResponder::TResponder(TResponderHost* window) : Window(window) {}

TResponder::~TResponder() {
    Unregister();
    // The capture can be taken without registering; the list must not keep pointing at a
    // responder that is gone.
    if (TResponderList* list = GetResponderList();
        list != nullptr && list->GetCaptureHolder() == this)
        ReleaseMouse();
}

TResponderList* TResponder::GetResponderList() const {
    return Window != nullptr ? Window->GetResponderList() : nullptr;
}

void TResponder::Register() {
    if (Registered)
        return;
    TResponderList* list = GetResponderList();
    if (list == nullptr)
        return;
    list->SetNeedsSort();
    Registered = list->AddHead(this);
}

void TResponder::Unregister() {
    if (!Registered)
        return;
    TResponderList* list = GetResponderList();
    if (list == nullptr)
        return;
    if (CaptureHeld || list->GetCaptureHolder() == this)
        ReleaseMouse();
    list->ForgetHover(this);
    list->Remove(this);
    Registered = false;
}

bool TResponder::CaptureMouse() {
    TResponderList* list = GetResponderList();
    if (list == nullptr)
        return false;
    CaptureHeld = list->SetCapture(this);
    return CaptureHeld;
}

void TResponder::ReleaseMouse() {
    if (TResponderList* list = GetResponderList())
        list->ReleaseCapture(this);
    CaptureHeld = false;
}

void TResponder::SetCursorData(const TCursorData& cursor) {
    Cursor = cursor;
    if (Window != nullptr)
        Window->SetResponderCursor(Cursor);
}

void TResponder::SetTracksHover(bool on) {
    HoverTracking = on;
    if (!on)
        if (TResponderList* list = GetResponderList())
            list->ForgetHover(this);
}

void TResponder::SetHoverGroup(u16 group, bool piece) {
    HoverGroup = group;
    HoverPiece = group != 0 && piece;
}

bool TResponder::SharesHoverWith(const TResponder& other) const {
    return HoverGroup != 0 && other.HoverGroup == HoverGroup && (HoverPiece || other.HoverPiece);
}

bool TResponder::Fire(JorpEventKind kind, u32 data, const TPoint& point) {
    Kind = kind;
    Data = data;
    Point = point;
    if (kind == JEK_CURSOR) {
        if (!Cursor.IsSet())
            return false;
        if (Window != nullptr)
            Window->SetResponderCursor(Cursor);
        return true;
    }
    // The owner may delete this responder while it handles the event: nothing of it is
    // touched afterwards.
    return Owner != nullptr && Owner->EvResponder(this) != 0;
}

bool TResponder::SendKind(JorpEventKind kind, u16 repeat, u32 data) {
    if (Owner == nullptr)
        return false;
    Kind = kind;
    Repeat = repeat;
    Data = data;
    return Owner->EvResponder(this) != 0;
}

namespace {

int Upper(char c) {
    return std::toupper(static_cast<unsigned char>(c));
}

} // namespace

bool TResponder::MatchesKey(char key) const {
    if (HotKey == JORP_ANY_KEY)
        return true;
    // 0 stands for "no hot key"; a typed NUL must not wake every responder without one.
    if (key == 0)
        return false;
    const int typed = Upper(key);
    return (HotKey != 0 && typed == Upper(HotKey)) ||
           (SecondHotKey != 0 && typed == Upper(SecondHotKey));
}

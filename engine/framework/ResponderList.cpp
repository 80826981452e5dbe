// TResponderList: which responder gets each mouse, cursor, hover and key event.
#include "ResponderList.h"

#include "engine/framework/ResponderHost.h"
#include "platform/framework/WinApi.h"

TResponderList::TResponderList(TResponderHost* window) : TSliq(false, false), Window(window) {}

TResponderList::~TResponderList() {
    CaptureHolder = nullptr;
    Hover = nullptr;
}

bool TResponderList::SetCapture(TResponder* responder) {
    // Asking again for a capture it already holds must not tell the holder it lost it.
    if (CaptureHolder != nullptr)
        return CaptureHolder == responder;
    if (HWND handle = Window != nullptr ? Window->GetResponderHandle() : nullptr)
        ::SetCapture(handle);
    CaptureHolder = responder;
    return true;
}

void TResponderList::ReleaseCapture(TResponder* responder) {
    if (responder == nullptr || responder != CaptureHolder)
        return;
    CaptureHolder = nullptr;
    ::ReleaseCapture();
}

i32 TResponderList::ComparePriority(const void* a, const void* b) {
    const auto pa = static_cast<i16>(static_cast<const TResponder*>(a)->GetPriority());
    const auto pb = static_cast<i16>(static_cast<const TResponder*>(b)->GetPriority());
    if (pa > pb)
        return -1;
    return pa < pb ? 1 : 0;
}

void TResponderList::SortByPriority() {
    // The list's sort keeps equal values in their order, so responders of one priority are
    // always tried in the same order: the latest registered first.
    const TSliqCompare own = Compare;
    SetCompare(&ComparePriority);
    const bool sorted = Sort();
    SetCompare(own);
    if (sorted)
        NeedsSort = false;
}

void TResponderList::DispatchMouse(JorpEventKind kind, u32 data, const TPoint& point) {
    if (NeedsSort)
        SortByPriority();
    if (kind == JEK_CURSOR)
        UpdateHover(point);
    if (CaptureHolder != nullptr && CaptureHolder->Fire(kind, data, point))
        return;
    for (TResponder* r = First(); r != nullptr; r = Next())
        if (r->Contains(point) && r->Fire(kind, data, point))
            return;
    // Nobody under the mouse has a cursor: the lower slots decide what is shown.
    if (kind == JEK_CURSOR && Window != nullptr)
        Window->SetResponderCursor(TCursorData());
}

TResponder* TResponderList::HoverAt(const TPoint& point) {
    TResponder* found = nullptr;
    for (TResponder* r = First(); r != nullptr; r = Next()) {
        if (!r->TracksHover() || !r->Contains(point))
            continue;
        if (found == nullptr) {
            // Unranked, it takes the click itself: nothing behind it stands for the point.
            if (r->GetClickRank() == 0)
                return r;
            found = r;
        } else if (r->ComesBefore(*found)) {
            // Tried later, it is still the one the owner hands the click to: the hover must
            // name what a click here would do.
            found = r;
        }
    }
    return found;
}

void TResponderList::UpdateHover(const TPoint& point) {
    TResponder* found = HoverAt(point);
    if (found == Hover)
        return;
    // Between a group's piece and another of its members the mouse has not left what it
    // hovers: the hover only changes hands, so that the next leave goes to the responder
    // the mouse is in.
    if (Hover != nullptr && found != nullptr && Hover->SharesHoverWith(*found)) {
        Hover = found;
        return;
    }
    // Hover is cleared before each leave, so an owner that unregisters its responder while
    // it hears of the leave leaves nothing dangling behind.
    if (Hover != nullptr && !Hover->Contains(point)) {
        TResponder* left = Hover;
        Hover = nullptr;
        left->Fire(JEK_HOVER_LEAVE, 0, point);
        // The owner may have changed which responders are here and track hover.
        found = HoverAt(point);
    }
    if (found == nullptr || found == Hover)
        return;
    if (Hover != nullptr) {
        TResponder* left = Hover;
        Hover = nullptr;
        left->Fire(JEK_HOVER_LEAVE, 0, point);
        // The leave may have taken the newcomer out of the list (or deleted it), or
        // switched off its tracking.
        if (!Contains(found) || !found->TracksHover())
            return;
    }
    Hover = found;
    found->Fire(JEK_HOVER_ENTER, 0, point);
}

void TResponderList::SendToHover(JorpEventKind kind) {
    if (Hover == nullptr)
        return;
    TPoint point;
    GetCursorPos(&point);
    if (Window != nullptr)
        ScreenToClient(Window->GetResponderHandle(), &point);
    Hover->Fire(kind, 0, point);
}

void TResponderList::DispatchKey(char key, u16 repeat, u32 flags) {
    // The mouse is busy with a drag: keys would act behind its back.
    if (CaptureHolder != nullptr)
        return;
    if (NeedsSort)
        SortByPriority();
    for (TResponder* r = First(); r != nullptr; r = Next())
        if (r->MatchesKey(key) && r->SendKind(JEK_HOTKEY, repeat, flags))
            return;
}

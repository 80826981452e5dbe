// TCursorMgr: choosing among the slots and showing the winner.
#include "engine/media/CursorMgr.h"

#include "engine/framework/GameFrameWindow.h"
#include "platform/framework/WinConstants.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Cursor.h"
#include "platform/framework/window/FrameWindow.h"

TCursorMgr::TCursorMgr(TApplication* owner) : Owner(owner) {
    Slots[CURSOR_SLOT_ARROW] = TCursorData(nullptr, IDC_ARROW);
}

TCursorMgr::~TCursorMgr() {
    Owner = nullptr;
}

void TCursorMgr::SetCursorSlot(i32 slot, TModule* module, u32 id, bool apply) {
    SetCursorData(slot, TCursorData(module, id), apply);
}

void TCursorMgr::SetCursorData(i32 slot, const TCursorData& cursor, bool apply) {
    if (slot < 0 || slot >= CURSOR_SLOT_COUNT)
        return;
    Slots[slot] = cursor;
    if (apply)
        Apply();
}

const TCursorData& TCursorMgr::GetSlot(i32 slot) const {
    static const TCursorData none;
    return slot >= 0 && slot < CURSOR_SLOT_COUNT ? Slots[slot] : none;
}

const TCursorData& TCursorMgr::GetChosen() const {
    for (i32 slot = 0; slot < CURSOR_SLOT_ARROW; ++slot)
        if (Slots[slot].IsSet())
            return Slots[slot];
    return Slots[CURSOR_SLOT_ARROW];
}

void TCursorMgr::Apply() {
    const TCursorData& chosen = GetChosen();
    if (Owner != nullptr)
        if (TFrameWindow* frame = Owner->GetMainWindow()) {
            ApplyThroughFrame(*frame, chosen);
            return;
        }
    ::SetCursor(LoadCursorA(chosen.Module, chosen.Id));
}

void TCursorMgr::ApplyThroughFrame(TFrameWindow& frame, const TCursorData& cursor) {
    // The game's frame lets its mode window decide, and shows nothing while the mouse is
    // elsewhere; any other frame shows the cursor while the mouse is over its client area.
    if (auto* game = dynamic_cast<TJorpGameFrameWindow*>(&frame))
        game->ApplyCursor(cursor.Module, cursor.Id, true);
    else
        frame.SetCursor(cursor.Module, cursor.Id);
}

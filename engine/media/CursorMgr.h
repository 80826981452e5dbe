// TCursorMgr: five prioritised cursor slots; the highest one that is set is the cursor shown.
#pragma once

#include "engine/framework/CursorData.h"
#include "engine/framework/MediaFaces.h"
#include "platform/host/Types.h"

class TApplication;
class TFrameWindow;

// Who uses which slot, highest priority first.
constexpr i32 CURSOR_SLOT_MODE_WAIT = 0; // a mode window while it activates
constexpr i32 CURSOR_SLOT_FILE_WAIT = 1; // the data-file manager while it reads or frees
constexpr i32 CURSOR_SLOT_REGION = 2;    // the table's click regions and buttons
constexpr i32 CURSOR_SLOT_RESPONDER = 3; // the responder under the mouse
constexpr i32 CURSOR_SLOT_ARROW = 4;     // the standard arrow, always set
constexpr i32 CURSOR_SLOT_COUNT = 5;

class TCursorMgr : public TCursorMgrFace {
public:
    // Slots 0 to 3 empty, slot 4 the system arrow.
    explicit TCursorMgr(TApplication* owner);
    virtual ~TCursorMgr();
    TCursorMgr(const TCursorMgr&) = delete;
    TCursorMgr& operator=(const TCursorMgr&) = delete;

    // A slot outside 0 to 4 is ignored: nothing stored, nothing shown.
    void SetCursorSlot(i32 slot, TModule* module, u32 id, bool apply);
    void SetCursorData(i32 slot, const TCursorData& cursor, bool apply) override;
    // Shows the chosen cursor: through the main frame window when there is one, which
    // decides whether the mouse is over the game; else it is loaded and set here.
    void Apply();

    // The first of slots 0 to 3 that is set, else slot 4.
    const TCursorData& GetChosen() const override;
    // The record of a slot; an empty one for a slot outside 0 to 4.
    const TCursorData& GetSlot(i32 slot) const;
    TApplication* GetOwner() const { return Owner; }

protected:
    // Hands the chosen cursor to the frame window: the game's frame decides whether the mouse
    // is over the game and lets the current mode window set it.
    virtual void ApplyThroughFrame(TFrameWindow& frame, const TCursorData& cursor);

private:
    TApplication* Owner;
    TCursorData Slots[CURSOR_SLOT_COUNT];
};

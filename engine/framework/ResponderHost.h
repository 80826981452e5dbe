// TResponderHost: what responders and their list need of the mode window they live on.
#pragma once

#include "engine/framework/CursorData.h"
#include "platform/framework/WinTypes.h"

class TResponderList;

// The mode window reaches its responder list through its mode and the mode's screen
// manager, and the cursor manager through the application; responders only ever see this
// face of it, so they can be built and tested before either exists.
class TResponderHost {
public:
    virtual ~TResponderHost() = default;
    // The list of the current mode, or null while there is no mode or screen manager.
    virtual TResponderList* GetResponderList() const = 0;
    // The window that takes the mouse capture and whose client coordinates events use;
    // null while it has no window.
    virtual HWND GetResponderHandle() const = 0;
    // Stores the record in the cursor manager's responder slot (slot 3) and shows the
    // cursor that wins among the slots at once.
    virtual void SetResponderCursor(const TCursorData& cursor) = 0;
};

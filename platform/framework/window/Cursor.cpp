// System and resource cursors, and the cursor shown.
#include "Cursor.h"

#include "Desktop.h"
#include "Module.h"
#include "platform/framework/WinConstants.h"

HCURSOR LoadCursorA(const TModule* module, u32 id) {
    if (module != nullptr)
        return module->LoadCursor(id);
    static const TCursor arrow{IDC_ARROW, true, nullptr};
    static const TCursor wait{IDC_WAIT, true, nullptr};
    switch (id) {
    case IDC_ARROW:
        return &arrow;
    case IDC_WAIT:
        return &wait;
    default:
        return nullptr;
    }
}

HCURSOR SetCursor(HCURSOR cursor) {
    return TDesktop::Get().SetCursor(cursor);
}

HCURSOR GetCursor() {
    return TDesktop::Get().GetCursor();
}

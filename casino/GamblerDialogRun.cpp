// RunGamblerDialog: finds the owner's window and runs the list on it.
#include "GamblerDialogRun.h"

#include "GamblerDialog.h"

#include "resources/Resources.h"

#include "engine/framework/PlayerMgr.h"
#include "engine/framework/PlayerMgrOwner.h"

void RunGamblerDialog(TPlayerMgr& mgr, u32 help) {
    // The owner is the frame window; a manager owned by something else gets a parentless list.
    TWindow* parent = dynamic_cast<TWindow*>(mgr.GetOwner());
    TGamblerDialog(parent, IDD_GAMBLER, mgr, help).Execute();
}

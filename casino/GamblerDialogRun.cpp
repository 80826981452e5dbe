// RunGamblerDialog: finds the owner's window and runs the list on it.
#include "GamblerDialogRun.h"

#include "GamblerDialog.h"

#include "resources/Resources.h"

#include "engine/framework/PlayerMgr.h"
#include "engine/framework/PlayerMgrOwner.h"

namespace {

// The manager keeps its owner to itself; a member pointer taken through a derived class
// reads it from any manager without a cast of the manager itself.
struct TOwnerOf : TPlayerMgr {
    static TPlayerMgrOwner* Get(const TPlayerMgr& mgr) {
        constexpr TPlayerMgrOwner* TPlayerMgr::*owner = &TOwnerOf::Owner;
        return mgr.*owner;
    }
};

} // namespace

void RunGamblerDialog(TPlayerMgr& mgr, u32 help) {
    // The owner is the frame window; a manager owned by something else gets a parentless list.
    TWindow* parent = dynamic_cast<TWindow*>(TOwnerOf::Get(mgr));
    TGamblerDialog(parent, IDD_GAMBLER, mgr, help).Execute();
}

// TCasOTCrapsGFW: "Go To &Craps" and the credits, ahead of the casino frame's commands.
#include "CrapsFrame.h"

#include "craps/table/CrapsMenuEnable.h"
#include "engine/framework/BitmapDlg.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/MediaFaces.h"
#include "engine/framework/ModePause.h"
#include "engine/framework/ModeWindow.h"
#include "platform/framework/draw/BitmapResources.h"
#include "platform/framework/draw/GdiObject.h"
#include "platform/framework/menus/CommandEnabler.h"

DEFINE_RESPONSE_TABLE1(TCasOTCrapsGFW, TCasinoGameFrameWindow)
EV_COMMAND(CM_GOTOCRAPS, CmGoToCraps), EV_COMMAND_ENABLE(CM_GOTOCRAPS, CeGoToCraps),
    EV_COMMAND(CM_VIEWCREDITS, CmViewCredits),
    EV_COMMAND_ENABLE(CM_VIEWCREDITS, CeViewCredits), END_RESPONSE_TABLE;

namespace {

// The credits picture among the program's bitmaps.
constexpr u32 IDB_CREDITS = 9;

} // namespace

void TCasOTCrapsGFW::CmGoToCraps() {
    SwitchModeByName(CrapsModeName);
}

void TCasOTCrapsGFW::CeGoToCraps(TCommandEnabler& ce) {
    const TOTCrapsMenuEnable* enable = GetCrapsMenuEnable();
    ce.Enable(enable != nullptr && enable->GoToCraps);
    ce.SetCheck(enable != nullptr && enable->CurrentModeId == CrapsModeId
                    ? TCommandEnabler::Checked
                    : TCommandEnabler::Unchecked);
}

void TCasOTCrapsGFW::CmViewCredits() {
    // An empty dialog where the picture was meant says nothing the player can use.
    if (App == nullptr || TBitmapResources::Get().Find(IDB_CREDITS) == nullptr)
        return;
    TModePause paused(ModeWindow);
    if (SoundMgr)
        SoundMgr->StopAll(true);
    TBitmap bitmap(*App, IDB_CREDITS);
    TWindow* parent = ModeWindow != nullptr ? static_cast<TWindow*>(ModeWindow) : this;
    TBitmapDlg dialog(this, parent, &bitmap, BDF_SIZETOBITMAP, IDD_BITMAP);
    dialog.Execute();
}

void TCasOTCrapsGFW::CeViewCredits(TCommandEnabler& ce) {
    ce.Enable(true);
}

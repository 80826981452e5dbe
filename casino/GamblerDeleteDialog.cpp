// TGamblerDeleteDialog: the gambler's name shown, and the record cleared on Delete.
#include "GamblerDeleteDialog.h"

#include "GamblerDialog.h"
#include "GamblerMsgDlg.h"

#include "resources/Resources.h"

#include "engine/framework/PlayerMgr.h"

#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/Static.h"

DEFINE_RESPONSE_TABLE1(TGamblerDeleteDialog, TJorpDialog)
EV_COMMAND(200, CmDelete), EV_COMMAND(201, CmCancel), EV_COMMAND(202, CmHelp), END_RESPONSE_TABLE;

TGamblerDeleteDialog::TGamblerDeleteDialog(TWindow* parent, TPlayerMgr& mgr, u16 record, u32 helpId)
    : TJorpDialog(parent, IDD_GAMBLERDELETE, true), Mgr(mgr), Record(record), HelpId(helpId),
      NameStatic(new TStatic(this, 203)) {}

void TGamblerDeleteDialog::SetupWindow() {
    TJorpDialog::SetupWindow();
    NameStatic->SetText((GamblerString(206) + Mgr.GetPlayerName(static_cast<i16>(Record))).c_str());
}

void TGamblerDeleteDialog::CmDelete() {
    Mgr.DeletePlayer(static_cast<i16>(Record));
    CloseWindow(IDOK);
}

void TGamblerDeleteDialog::CmCancel() {
    CloseWindow(IDCANCEL);
}

void TGamblerDeleteDialog::CmHelp() {
    ShowGamblerHelp(HelpId);
}

// TGamblerDialog: the list, its buttons, and the work each button does through the manager.
#include "GamblerDialog.h"

#include "GamblerCreateDialog.h"
#include "GamblerDeleteDialog.h"
#include "GamblerMsgDlg.h"

#include "casino/CasinoGameLord.h"
#include "casino/CasinoModeWin.h"
#include "casino/LeaveTableAsk.h"
#include "resources/Resources.h"

#include "engine/framework/DialogPlacement.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/PlayerMgr.h"
#include "engine/framework/PlayerMgrOwner.h"

#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ListBox.h"
#include "platform/framework/help/WinHelp.h"
#include "platform/framework/window/Desktop.h"

DEFINE_RESPONSE_TABLE1(TGamblerDialog, TJorpDialog)
EV_COMMAND(201, CmDone), EV_COMMAND(IDCANCEL, CmDone), EV_COMMAND(200, CmActivate),
    EV_COMMAND(203, CmCreate), EV_COMMAND(204, CmDelete), EV_COMMAND(202, CmHelp),
    EV_COMMAND(205, CmStatistics), EV_LBN_SELCHANGE(100, EvListSelChange),
    EV_LBN_DBLCLK(100, EvListDblClk), EV_LBN_KILLFOCUS(100, EvListKillFocus), END_RESPONSE_TABLE;

TGamblerDialog::TGamblerDialog(TWindow* parent, u32 resId, TPlayerMgr& mgr, u32 helpId)
    : TJorpDialog(parent, resId), Mgr(mgr), HelpId(helpId), ActivateText(GamblerString(200)),
      DeactivateText(GamblerString(201)), ActivateButton(new TButton(this, 200)),
      CreateButton(new TButton(this, 203)), DeleteButton(new TButton(this, 204)),
      StatisticsButton(new TButton(this, 205)), DoneButton(new TButton(this, 201)),
      List(new TListBox(this, 100)) {}

void TGamblerDialog::SetupWindow() {
    TJorpDialog::SetupWindow();
    CentreOnScreen(*this);
    FillList();
    UpdateButtons();
}

void TGamblerDialog::FillList() {
    Rows.Build(Mgr);
    for (int row = 0; row < Rows.Count(); ++row)
        List->AddString(Rows.RowText(Mgr, row).c_str());
}

void TGamblerDialog::RefreshList() {
    const int selected = List->GetSelIndex();
    List->ClearList();
    FillList();
    // A row number beyond the shorter list leaves nothing selected.
    if (List->SetSelIndex(selected) < 0)
        List->SetSelIndex(-1);
    UpdateButtons();
}

i16 TGamblerDialog::GetSelectedRecord() const {
    return Rows.RecordOf(List->GetSelIndex());
}

void TGamblerDialog::EnableButton(TButton* button, bool enable) {
    if (!enable && TDesktop::Get().GetFocus() == button->GetHandle())
        FocusControl(DoneButton);
    button->EnableWindow(enable);
}

void TGamblerDialog::UpdateButtons() {
    const TGamblerButtons b = TGamblerButtons::For(Mgr, GetSelectedRecord());
    ActivateButton->SetText(b.ActivateSaysDeactivate ? DeactivateText.c_str()
                                                     : ActivateText.c_str());
    EnableButton(ActivateButton, b.ActivateEnabled);
    EnableButton(CreateButton, b.CreateEnabled);
    EnableButton(DeleteButton, b.DeleteEnabled);
    EnableButton(StatisticsButton, b.StatisticsEnabled);
}

void TGamblerDialog::CmDone() {
    // The table never runs without a gambler.
    if (Mgr.CountActive() == 0)
        Mgr.SetupDefaultGambler();
    CloseWindow(IDOK);
}

void TGamblerDialog::CmActivate() {
    // Also what keeps a double click on a row that cannot be activated from doing anything.
    if (!ActivateButton->IsWindowEnabled())
        return;
    const i16 record = GetSelectedRecord();
    if (record < 0)
        return;
    if (Mgr.IsActive(record)) {
        if (!AgreesToLeave(record))
            return;
        if (!Mgr.DeactivatePlayer(record))
            ShowGamblerMsg(this, GamblerString(203), GamblerString(205));
    } else if (!Mgr.ActivatePlayer(record, 0)) {
        ShowGamblerMsg(this, GamblerString(202), GamblerString(204));
    }
    RefreshList();
}

// Asked only when the table would let him go: a refusal has a box of its own.
bool TGamblerDialog::AgreesToLeave(i16 record) {
    TPlayerMgrOwner* owner = Mgr.GetOwner();
    const auto* window =
        dynamic_cast<TCasinoModeWin*>(owner != nullptr ? owner->GetCurrentModeWindow() : nullptr);
    const TCasinoGameLord* lord = window != nullptr ? window->GetCasinoLord() : nullptr;
    if (lord == nullptr || !Mgr.CanChangePlayers())
        return true;
    return AgreesToLeaveBets(this, *lord, {Mgr.GetSeatOf(record)});
}

void TGamblerDialog::CmCreate() {
    if (TGamblerCreateDialog(this, Mgr, HelpId).Execute() == IDOK)
        RefreshList();
}

void TGamblerDialog::CmDelete() {
    const i16 record = GetSelectedRecord();
    if (record < 0 || !Mgr.IsUsed(record) || Mgr.IsActive(record))
        return;
    TGamblerDeleteDialog(this, Mgr, static_cast<u16>(record), HelpId).Execute();
    // Whoever was deleted, the default gambler is always there to fall back on.
    Mgr.CreateDefaultGambler();
    RefreshList();
}

void TGamblerDialog::CmHelp() {
    ShowGamblerHelp(HelpId);
}

void TGamblerDialog::CmStatistics() {
    const i16 record = GetSelectedRecord();
    if (record < 0) {
        ShowGamblerMsg(this, GamblerString(207), "Must select gambler to show statistics");
        return;
    }
    // Over the list, which stays open beneath it.
    Mgr.ShowStatsDialog(record, this);
}

void TGamblerDialog::EvListSelChange() {
    UpdateButtons();
}

void TGamblerDialog::EvListDblClk() {
    CmActivate();
}

void TGamblerDialog::EvListKillFocus() {}

void ShowGamblerHelp(u32 helpId) {
    if (TJorpApp* app = TJorpApp::GetApp())
        app->WinHelp(HELP_CONTEXT, helpId);
}

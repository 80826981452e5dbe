// TGamblerCreateDialog: the choices checked by the dialog itself, and the new gambler made,
// seated when a seat is free, and told about it.
#include "GamblerCreateDialog.h"

#include "GamblerDialog.h"
#include "GamblerMsgDlg.h"
#include "GamblerRules.h"

#include "resources/Resources.h"

#include "engine/framework/PlayerMgr.h"

#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/Validator.h"

DEFINE_RESPONSE_TABLE1(TGamblerCreateDialog, TJorpDialog)
EV_COMMAND(208, CmCreate), EV_COMMAND(209, CmCancel), EV_COMMAND(210, CmHelp),
    EV_COMMAND(202, CmMale), EV_COMMAND(203, CmFemale), EV_COMMAND(205, Cm200),
    EV_COMMAND(206, Cm500), EV_COMMAND(207, Cm2500), END_RESPONSE_TABLE;

TGamblerCreateDialog::TGamblerCreateDialog(TWindow* parent, TPlayerMgr& mgr, u32 helpId)
    : TJorpDialog(parent, IDD_GAMBLERCREATE, true), Mgr(mgr), HelpId(helpId),
      NameEdit(new TEdit(this, 200, TGamblerName::MaxLength + 1)),
      Male(new TRadioButton(this, 202)), Female(new TRadioButton(this, 203)),
      Dollars200(new TRadioButton(this, 205)), Dollars500(new TRadioButton(this, 206)),
      Dollars2500(new TRadioButton(this, 207)) {
    NameEdit->SetValidator(new TFilterValidator("A-Za-z0-9"));
}

void TGamblerCreateDialog::SetupWindow() {
    TJorpDialog::SetupWindow();
    CmMale();
    Cm500();
}

void TGamblerCreateDialog::CheckOnly(TRadioButton* on, std::initializer_list<TRadioButton*> group) {
    for (TRadioButton* button : group)
        button->SetCheck(button == on ? BF_CHECKED : BF_UNCHECKED);
}

void TGamblerCreateDialog::CmMale() {
    CheckOnly(Male, {Male, Female});
}
void TGamblerCreateDialog::CmFemale() {
    CheckOnly(Female, {Male, Female});
}
void TGamblerCreateDialog::Cm200() {
    CheckOnly(Dollars200, {Dollars200, Dollars500, Dollars2500});
}
void TGamblerCreateDialog::Cm500() {
    CheckOnly(Dollars500, {Dollars200, Dollars500, Dollars2500});
}
void TGamblerCreateDialog::Cm2500() {
    CheckOnly(Dollars2500, {Dollars200, Dollars500, Dollars2500});
}

u8 TGamblerCreateDialog::GetSex() const {
    return Male->GetCheck() == BF_CHECKED ? 1 : 0;
}

double TGamblerCreateDialog::GetBankroll() const {
    if (Dollars200->GetCheck() == BF_CHECKED)
        return 200.0;
    return Dollars500->GetCheck() == BF_CHECKED ? 500.0 : 2500.0;
}

void TGamblerCreateDialog::Refuse(const std::string& text) {
    ShowGamblerMsg(this, GamblerString(207), text);
}

void TGamblerCreateDialog::CmCreate() {
    const std::string name = TGamblerName::Trim(NameEdit->GetText());
    switch (const TGamblerName::TVerdict verdict = TGamblerName::Check(name, Mgr)) {
    case TGamblerName::TVerdict::Ok:
        break;
    case TGamblerName::TVerdict::Empty:
        return Refuse(GamblerString(208));
    case TGamblerName::TVerdict::Taken:
        return Refuse(GamblerString(209));
    default:
        return Refuse(TGamblerName::RefusalText(verdict));
    }
    if (!Mgr.CreatePlayer(name, GetSex(), GetBankroll()))
        return Refuse(GamblerString(210));
    const bool activated = Mgr.ActivatePlayer(Mgr.FindPlayer(name), 0);
    ShowGamblerMsg(
        this, "Info - Create Gambler",
        TGamblerActivation::Message(name, activated, Mgr.CountActive(), Mgr.GetSeatCount()));
    // Not through the edit's validator: it knows only what may be typed, and a name with a
    // blank inside ("Joe Gambler") has passed the checks above already.
    Destroy(IDOK);
}

void TGamblerCreateDialog::CmCancel() {
    Destroy(IDCANCEL);
}

void TGamblerCreateDialog::CmHelp() {
    ShowGamblerHelp(HelpId);
}

// TGamblerCreateDialog: a new gambler's name, sex and starting bankroll.
#pragma once

#include "engine/framework/JorpDialog.h"

#include <string>

class TEdit;
class TPlayerMgr;
class TRadioButton;

class TGamblerCreateDialog : public TJorpDialog {
public:
    TGamblerCreateDialog(TWindow* parent, TPlayerMgr& mgr, u32 helpId);

    void SetupWindow() override;

    // 1 when Male is checked, else 0.
    u8 GetSex() const;
    // 200, 500 or 2500 by the checked amount.
    double GetBankroll() const;

    void CmCreate();
    void CmCancel();
    void CmHelp();
    void CmMale();
    void CmFemale();
    void Cm200();
    void Cm500();
    void Cm2500();

private:
    // Checks one button of a group and unchecks the rest.
    static void CheckOnly(TRadioButton* on, std::initializer_list<TRadioButton*> group);
    void Refuse(const std::string& text);

    TPlayerMgr& Mgr;
    u32 HelpId;
    TEdit* NameEdit;
    TRadioButton* Male;
    TRadioButton* Female;
    TRadioButton* Dollars200;
    TRadioButton* Dollars500;
    TRadioButton* Dollars2500;

    DECLARE_RESPONSE_TABLE(TGamblerCreateDialog);
};

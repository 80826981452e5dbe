// TGamblerDeleteDialog: asks before a gambler's record is cleared.
#pragma once

#include "engine/framework/JorpDialog.h"

class TPlayerMgr;
class TStatic;

class TGamblerDeleteDialog : public TJorpDialog {
public:
    TGamblerDeleteDialog(TWindow* parent, TPlayerMgr& mgr, u16 record, u32 helpId);

    void SetupWindow() override;

    void CmDelete();
    void CmCancel();
    void CmHelp();

private:
    TPlayerMgr& Mgr;
    u16 Record;
    u32 HelpId;
    TStatic* NameStatic;

    DECLARE_RESPONSE_TABLE(TGamblerDeleteDialog);
};

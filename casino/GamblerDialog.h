// TGamblerDialog: the list of gamblers, from which they are activated, deactivated, created,
// deleted and their statistics shown.
#pragma once

#include "GamblerRules.h"

#include "engine/framework/JorpDialog.h"

#include <string>

class TButton;
class TListBox;
class TPlayerMgr;

class TGamblerDialog : public TJorpDialog {
public:
    TGamblerDialog(TWindow* parent, u32 resId, TPlayerMgr& mgr, u32 helpId);

    void SetupWindow() override;

    // Fills the list again, keeping the selected row number.
    void RefreshList();
    // The record of the selected row; -1 when no row is selected.
    i16 GetSelectedRecord() const;

    // Also what Esc and the close box do: the list has no other way out, and leaving it
    // must never leave the table without a gambler.
    void CmDone();
    void CmActivate();
    // Before the record's gambler gets up: false when he would leave bets to the house and
    // the player says No.
    bool AgreesToLeave(i16 record);
    void CmCreate();
    void CmDelete();
    void CmHelp();
    void CmStatistics();
    void EvListSelChange();
    void EvListDblClk();
    void EvListKillFocus();

private:
    void FillList();
    void UpdateButtons();
    // A button going gray while it has the focus hands it to Done first, so the keyboard
    // never sits on a dead control.
    void EnableButton(TButton* button, bool enable);

    TPlayerMgr& Mgr;
    u32 HelpId;
    TGamblerRows Rows;
    std::string ActivateText;
    std::string DeactivateText;
    TButton* ActivateButton;
    TButton* CreateButton;
    TButton* DeleteButton;
    TButton* StatisticsButton;
    TButton* DoneButton;
    TListBox* List;

    DECLARE_RESPONSE_TABLE(TGamblerDialog);
};

// Help on the context from the program's help file; nothing without the engine's application.
void ShowGamblerHelp(u32 helpId);

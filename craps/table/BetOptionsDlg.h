// TCasinoCrapsBetOptionsDlg: the current gambler's seven betting options, edited in place in
// his record and stored only on Accept.
#pragma once

#include "casino/GamblerRecord.h"
#include "platform/framework/dialogs/Dialog.h"

#include <array>

class TCheckBox;
class TRadioButton;

class TCasinoCrapsBetOptionsDlg : public TDialog {
public:
    static constexpr size_t PairCount = 3;
    static constexpr size_t BoxCount = 4;

    // record: a gambler record's image, whose option bytes the dialog edits; not owned.
    TCasinoCrapsBetOptionsDlg(TWindow* parent, TGamblerRecord record);
    ~TCasinoCrapsBetOptionsDlg() override;

    void SetupWindow() override;

    void CmResetDefaults();
    void CmCancelChanges();
    void CmAcceptChanges();
    void EvBuy410Clicked();
    void EvPlace410Clicked();
    void EvBuy59Clicked();
    void EvPlace59Clicked();
    void EvBuy68Clicked();
    void EvPlace68Clicked();

private:
    // Checks one button of a pair and unchecks the other.
    void CheckPair(size_t pair, bool buy);

    TGamblerRecord Record;
    std::array<TRadioButton*, PairCount> Buy{};
    std::array<TRadioButton*, PairCount> Place{};
    std::array<TCheckBox*, BoxCount> Working{};

    DECLARE_RESPONSE_TABLE(TCasinoCrapsBetOptionsDlg);
};

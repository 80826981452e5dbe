// TCasinoCrapsBetOptionsDlg: the option bytes shown as buttons, the buy/place pairs kept
// exclusive, and the bytes written back as 0 or 1.
#include "craps/table/BetOptionsDlg.h"

#include "casino/CasinoPlayerData.h"
#include "craps/bets/BetOptions.h"
#include "engine/framework/DialogPlacement.h"
#include "resources/Resources.h"

#include "platform/framework/controls/Button.h"
#include "platform/host/MessageBox.h"

namespace {

constexpr int BuyIds[TCasinoCrapsBetOptionsDlg::PairCount] = {105, 108, 111};
constexpr int PlaceIds[TCasinoCrapsBetOptionsDlg::PairCount] = {106, 109, 112};
constexpr int WorkingIds[TCasinoCrapsBetOptionsDlg::BoxCount] = {114, 115, 116, 117};
// Buy 4 and 10; place 5 and 9 and 6 and 8; of the come-out bets, don't-come odds and the
// hardways work.
constexpr u8 Defaults[TCasinoCrapsBetOptionsDlg::PairCount + TCasinoCrapsBetOptionsDlg::BoxCount] =
    {1, 0, 0, 0, 1, 0, 1};

u32 CheckOf(bool on) {
    return on ? BF_CHECKED : BF_UNCHECKED;
}

} // namespace

DEFINE_RESPONSE_TABLE1(TCasinoCrapsBetOptionsDlg, TDialog)
EV_COMMAND(101, CmResetDefaults), EV_COMMAND(102, CmCancelChanges),
    EV_COMMAND(103, CmAcceptChanges), EV_COMMAND(105, EvBuy410Clicked),
    EV_COMMAND(106, EvPlace410Clicked), EV_COMMAND(108, EvBuy59Clicked),
    EV_COMMAND(109, EvPlace59Clicked), EV_COMMAND(111, EvBuy68Clicked),
    EV_COMMAND(112, EvPlace68Clicked), END_RESPONSE_TABLE;

TCasinoCrapsBetOptionsDlg::TCasinoCrapsBetOptionsDlg(TWindow* parent, TGamblerRecord record)
    : TDialog(parent, IDD_BETOPTIONS), Record(record) {
    for (size_t i = 0; i < PairCount; ++i) {
        Buy[i] = new TRadioButton(this, BuyIds[i]);
        Place[i] = new TRadioButton(this, PlaceIds[i]);
    }
    for (size_t i = 0; i < BoxCount; ++i)
        Working[i] = new TCheckBox(this, WorkingIds[i]);
}

// The controls are children of the dialog, which destroys them with itself.
TCasinoCrapsBetOptionsDlg::~TCasinoCrapsBetOptionsDlg() = default;

void TCasinoCrapsBetOptionsDlg::SetupWindow() {
    TDialog::SetupWindow();
    // Its template has no place of its own: it goes over the game like the other dialogs.
    CentreOverParent(*this);
    // A byte above 1 (a record written by hand, or damaged) counts as set, as the bets read it.
    for (size_t i = 0; i < PairCount; ++i)
        CheckPair(i, Record.GetBetOption(i));
    for (size_t i = 0; i < BoxCount; ++i)
        Working[i]->SetCheck(CheckOf(Record.GetBetOption(PairCount + i)));
}

void TCasinoCrapsBetOptionsDlg::CheckPair(size_t pair, bool buy) {
    Buy[pair]->SetCheck(CheckOf(buy));
    Place[pair]->SetCheck(CheckOf(!buy));
}

void TCasinoCrapsBetOptionsDlg::EvBuy410Clicked() {
    CheckPair(0, true);
}
void TCasinoCrapsBetOptionsDlg::EvPlace410Clicked() {
    CheckPair(0, false);
}
void TCasinoCrapsBetOptionsDlg::EvBuy59Clicked() {
    CheckPair(1, true);
}
void TCasinoCrapsBetOptionsDlg::EvPlace59Clicked() {
    CheckPair(1, false);
}
void TCasinoCrapsBetOptionsDlg::EvBuy68Clicked() {
    CheckPair(2, true);
}
void TCasinoCrapsBetOptionsDlg::EvPlace68Clicked() {
    CheckPair(2, false);
}

// The controls only: the record keeps its bytes until Accept.
void TCasinoCrapsBetOptionsDlg::CmResetDefaults() {
    for (size_t i = 0; i < PairCount; ++i)
        CheckPair(i, Defaults[i] != 0);
    for (size_t i = 0; i < BoxCount; ++i)
        Working[i]->SetCheck(CheckOf(Defaults[PairCount + i] != 0));
}

void TCasinoCrapsBetOptionsDlg::CmCancelChanges() {
    Destroy(IDCANCEL);
}

// Only the Buy buttons are read: a pair with neither button checked is stored as place.
void TCasinoCrapsBetOptionsDlg::CmAcceptChanges() {
    for (size_t i = 0; i < PairCount; ++i)
        Record.SetBetOption(i, Buy[i]->GetCheck() == BF_CHECKED);
    for (size_t i = 0; i < BoxCount; ++i)
        Record.SetBetOption(PairCount + i, Working[i]->GetCheck() == BF_CHECKED);
    Destroy(IDOK);
}

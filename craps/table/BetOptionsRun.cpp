// RunBetOptionsDialog: finds the current seat's record and runs the dialog on it.
#include "craps/table/BetOptionsRun.h"

#include "craps/table/BetOptionsDlg.h"
#include "craps/table/CrapsGameLord.h"

#include "platform/host/MessageBox.h"

void RunBetOptionsDialog(TCasinoCGameLord& lord, TWindow* parent) {
    const TGamblerRecord record = lord.GetSeatRecord(lord.GetCurrentSeat());
    if (!record) {
        MessageBoxExA(parent, "Active player not found.", "Error - Bet Options", MB_OK);
        return;
    }
    TCasinoCrapsBetOptionsDlg(parent, record).Execute();
}

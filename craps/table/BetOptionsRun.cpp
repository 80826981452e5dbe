// RunBetOptionsDialog: finds the current seat's record and runs the dialog on it.
#include "craps/table/BetOptionsRun.h"

#include "craps/table/BetOptionsDlg.h"
#include "craps/table/CrapsGameLord.h"

#include "platform/host/MessageBox.h"

void RunBetOptionsDialog(TCasinoCGameLord& lord, TWindow* parent) {
    u8* record = lord.GetSeatPlayerData(lord.GetCurrentSeat());
    if (record == nullptr) {
        MessageBoxExA(parent, "Active player not found.", "Error - Bet Options", MB_OK);
        return;
    }
    TCasinoCrapsBetOptionsDlg(parent, record).Execute();
}

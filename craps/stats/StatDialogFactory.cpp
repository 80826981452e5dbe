// The maker of the craps statistics dialog handed to the casino layer.
#include "StatDialogFactory.h"

#include "CasinoStatDlg.h"

#include "casino/CasinoStatDialog.h"

void InstallStatDialogFactory() {
    SetCasinoStatDialogFactory(
        [](TWindow* parent, TPlayerMgr& players, i16 record) -> std::unique_ptr<TDialog> {
            return std::make_unique<TCasinoStatDlg>(parent, players, record);
        });
}

// Installs the craps statistics dialog as the casino's statistics dialog.
#pragma once

void InstallStatDialogFactory();

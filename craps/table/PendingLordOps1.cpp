// Stand-in for the options dialog's entry until the dialog lands; the lead deletes this file at
// merge.
#include "craps/table/BetOptionsRun.h"
void RunBetOptionsDialog(TCasinoCGameLord&, TWindow*) {}

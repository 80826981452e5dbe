// RunBetOptionsDialog: the current gambler's betting-options dialog over the table.
#pragma once

class TCasinoCGameLord;
class TWindow;

// Runs the dialog modally for the gambler in the lord's current seat.
void RunBetOptionsDialog(TCasinoCGameLord& lord, TWindow* parent);

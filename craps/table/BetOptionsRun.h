// RunBetOptionsDialog: the betting options of the gambler in the lord's current seat.
#pragma once

class TCasinoCGameLord;
class TWindow;

// Runs the dialog modally over the parent on the current seat's record; with nobody in that
// seat it says so in a message box instead.
void RunBetOptionsDialog(TCasinoCGameLord& lord, TWindow* parent);

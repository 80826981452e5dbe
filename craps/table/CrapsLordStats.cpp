// TCasinoCGameLord: the hooks through which each roll and each shoot reach the gamblers'
// session statistics; the statistics fill them.
#include "craps/table/CrapsGameLord.h"

void TCasinoCGameLord::RecordRollStatistics() {}
void TCasinoCGameLord::RecordShootEnd() {}
void TCasinoCGameLord::RecordShootRoll() {}

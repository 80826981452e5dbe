// Stand-in for the click regions' operation the pick-up calls; the lead deletes it at merge.
#include "CrapsGameLord.h"

void TCasinoCGameLord::DisableRegions() {}

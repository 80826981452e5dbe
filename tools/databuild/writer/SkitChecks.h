// Rules of the dealer's skits that the engine does not know: checked on the whole set before
// it is written.
#pragma once

#include "tools/databuild/model/DataSet.h"

// Throws TBuildError naming the first skit that breaks a rule:
// - every skit of the lists that set the puck on the point and take it off carries the dealer's
//   puck gesture, so that the puck never moves without his hand;
// - no skit that speaks can play while the dealer's talk setting is silent.
void CheckDealerSkits(const TDataSet& set);

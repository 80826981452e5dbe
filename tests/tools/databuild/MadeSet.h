// Test support: the whole data set made once per test program, for tests that only read it.
#pragma once

#include "tools/databuild/content/Content.h"

inline const TDataSet& MadeSet() {
    static const TDataSet set = MakeDataSet();
    return set;
}

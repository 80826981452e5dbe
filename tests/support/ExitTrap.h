// Turns the process ending of the fatal-error service into an exception a test can catch.
#pragma once

#include "platform/host/MessageBox.h"

struct TProcessExit {
    int Code;
};

class TExitTrap {
public:
    TExitTrap() {
        SetExitHook([](int code) { throw TProcessExit{code}; });
    }
    ~TExitTrap() { SetExitHook(nullptr); }
    TExitTrap(const TExitTrap&) = delete;
    TExitTrap& operator=(const TExitTrap&) = delete;
};

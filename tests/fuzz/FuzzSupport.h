// What every fuzz target of a file reader shares: silent message boxes and a caught fatal exit.
#pragma once

#include "platform/host/MessageBox.h"

#include <cstddef>
#include <cstdint>

struct TFuzzExit {
    int Code;
};

// Boxes are answered with their first button and not kept, so a long run holds no memory.
class TSilentBoxes : public TMessageBoxPresenter {
public:
    int Show(const TMessageBoxRequest& request) override {
        return DefaultMessageBoxAnswer(request.Flags);
    }
};

// A file whose tag is wrong ends the program through the fatal service; in a fuzz run
// that ending becomes an exception the target catches, so the run goes on.
inline void InstallFuzzHooks() {
    static TSilentBoxes boxes;
    static const bool installed = [] {
        SetMessageBoxPresenter(&boxes);
        SetExitHook([](int code) { throw TFuzzExit{code}; });
        return true;
    }();
    (void)installed;
}

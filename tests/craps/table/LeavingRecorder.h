// Test support: a box recorder that answers the question put before gamblers leave bets to the
// house with Yes, as the sessions the tests play mean their gamblers to go, and keeps those
// questions apart from the boxes a test counts.
#pragma once

#include "platform/host/MessageBox.h"

#include <string>
#include <vector>

class TLeavingRecorder : public TMessageBoxRecorder {
public:
    static constexpr const char* LeavingCaption = "Bets Left on the Table";

    int Show(const TMessageBoxRequest& request) override {
        if (!AnswerLeaving || request.Caption != LeavingCaption)
            return TMessageBoxRecorder::Show(request);
        Leaving.push_back(request);
        return IDYES;
    }

    // Off: the question is recorded and answered as any other box.
    bool AnswerLeaving = true;
    std::vector<TMessageBoxRequest> Leaving;
};

// TCRoundInput: what the table's click regions hand their clicks to, the root of the round
// states.
#pragma once

#include "platform/host/Types.h"

class TResponder;

// The root passes each event on to the innermost running state; an answer of true takes it.
class TCRoundInput {
public:
    virtual ~TCRoundInput() = default;
    // `held`: a click the table held while the rounds could not take it, heard in its turn.
    virtual bool DispatchSpot(TResponder& region, u16 spot, bool held) = 0;
    virtual bool DispatchSeatArea(TResponder& region) = 0;
    // True while the rounds have not yet come to the betting that will take a click made now
    // (the session's start): the table holds such a click and hands it on once they have.
    virtual bool ClicksWait() const { return false; }
};

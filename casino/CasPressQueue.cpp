// TCasPressQueue: holding presses in the order made, ending held-down ones, handing them on.
#include "casino/CasPressQueue.h"

#include "casino/CasButton.h"

bool TCasPressQueue::Hold(const TCasHeldPress& press) {
    if (Presses.size() >= Capacity)
        return false;
    Presses.push_back(press);
    return true;
}

bool TCasPressQueue::HoldButton(TCasButton& button, i32 code, bool complete) {
    TCasHeldPress press;
    press.Button = &button;
    press.Code = code;
    press.Complete = complete;
    return Hold(press);
}

bool TCasPressQueue::HoldRegion(TResponder& region, JorpEventKind kind, const TPoint& point) {
    TCasHeldPress press;
    press.Region = &region;
    press.Kind = kind;
    press.Point = point;
    return Hold(press);
}

void TCasPressQueue::Release(const TCasButton& button, i32 code, bool counts) {
    for (auto it = Presses.begin(); it != Presses.end(); ++it) {
        if (it->Button != &button || it->Complete)
            continue;
        if (counts) {
            it->Code = code;
            it->Complete = true;
        } else {
            Presses.erase(it);
        }
        return;
    }
}

bool TCasPressQueue::Step() {
    while (!Presses.empty()) {
        const TCasHeldPress press = Presses.front();
        if (press.Button != nullptr) {
            if (!press.Complete && press.Button->HoldsMouse())
                return false;
            // A press still showing on its button is taken when it has shown.
            if (press.Complete && press.Button->GetPressTick() != 0)
                return false;
            Presses.pop_front();
            if (press.Complete && press.Button->TakeHeldPress(press.Code))
                return true;
            continue;
        }
        Presses.pop_front();
        if (press.Region != nullptr) {
            press.Region->Fire(press.Kind, 0, press.Point);
            return true;
        }
    }
    return false;
}

// TCasPressQueue: the presses and clicks a player makes at the table while an earlier one still
// waits to be taken, kept in the order made and handed on one at a time.
#pragma once

#include "engine/framework/Responder.h"
#include "platform/framework/Geometry.h"

#include <deque>

class TCasButton;

// One press held back: a table button's, or a click on another of the table's regions.
struct TCasHeldPress {
    TCasButton* Button = nullptr;
    TResponder* Region = nullptr;
    // The region's event as it came, to be heard again as it was.
    JorpEventKind Kind = JEK_NONE;
    TPoint Point;
    // The button's release code: 0 the left button or the hot key, 1 the right button.
    i32 Code = 0;
    // A mouse press on a button waits for its release, which decides whether it counts.
    bool Complete = true;
};

// Owned by the table, which hands the presses on when it has taken what came before them. It
// holds its buttons and regions by address, so its owner empties it before they go.
class TCasPressQueue {
public:
    // More presses than this waiting at once are no player's doing: later ones are let go.
    static constexpr size_t Capacity = 32;

    bool IsEmpty() const { return Presses.empty(); }
    size_t GetCount() const { return Presses.size(); }
    const TCasHeldPress& GetFirst() const { return Presses.front(); }

    // False when the queue is full and the press is let go.
    bool HoldButton(TCasButton& button, i32 code, bool complete);
    bool HoldRegion(TResponder& region, JorpEventKind kind, const TPoint& point);
    // The button's held-down press is released: with `counts` it keeps its place with the
    // release's code, otherwise it goes.
    void Release(const TCasButton& button, i32 code, bool counts);

    // Hands the first press on: a button's goes through the button as a press of its hot key
    // would, a region's event is heard by the region again. A button still held down keeps
    // the queue waiting; one that can no longer take presses, or lost the mouse, lets its
    // press go. True when a press was handed on.
    bool Step();
    void Clear() { Presses.clear(); }

private:
    // Keeps the press at the back; false, and nothing kept, when the queue is full.
    bool Hold(const TCasHeldPress& press);
    std::deque<TCasHeldPress> Presses;
};

// TStatCalcOwner: what the statistics calculator reads from the dialog that owns it.
#pragma once

class TCasinoPlayerData;
class TWindow;
struct TStatGrid;

// The statistics dialog is the one owner in the program; tests and the graph's own tests
// stand in for it through this face.
class TStatCalcOwner {
public:
    // The gambler whose sessions are shown, or null for nobody.
    virtual TCasinoPlayerData* GetStatRecord() = 0;
    // The grid the calculator's texts are copied into.
    virtual TStatGrid& GetStatGrid() = 0;
    // Parents the calculator's message boxes; may be null.
    virtual TWindow* GetStatWindow() = 0;

protected:
    ~TStatCalcOwner() = default;
};

// TSkitTable: a skit's timeline: row i holds the sprite starts i frames after the skit's start.
#pragma once

#include "engine/foundation/JorpTable.h"

class TGObjSk;
class TSkitCell;
class TSkitRow;

class TSkitTable : public TJorpTable {
public:
    TSkitTable(TJorpOwner* owner, TGObjSk* gameObject);
    ~TSkitTable() override;

    // Row i plays at frame + i, each present cell in place order.
    void Play(u32 frame) override;
    void Start() override;
    void Acquire(u32 frame) override;
    bool ReadBody() override;
    void SetMinorVersion() override;
    TJorpRow* NewRow() override;
    TJorpRow* NewRowFromFile(TEmbeddedAddress address) override;

    // Every present cell of row i could start at frame + i.
    bool CanPlayAt(u32 frame);
    // The largest row number plus that cell's duration; 0 without cells.
    u32 ComputeDuration() const;
    // Present cells in all rows.
    int CountCells() const;

    TSkitRow* GetSkitRow(i16 row) const;
    // Null when the row or the cell is absent.
    TSkitCell* GetCell(i16 row, u8 place) const;

private:
    TGObjSk* GameObject;
};

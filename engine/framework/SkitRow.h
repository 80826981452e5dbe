// TSkitRow: the cells of a skit that start on the same frame, eight places at most.
#pragma once

#include "engine/foundation/JorpRow.h"

class TGObjSk;
class TSkitCell;

class TSkitRow : public TJorpRow {
public:
    TSkitRow(TJorpOwner* owner, TGObjSk* gameObject);
    ~TSkitRow() override;

    void Acquire(u32 frame) override;
    void SetMinorVersion() override;
    TJorpCell* NewCell() override;
    TJorpCell* NewCellFromFile(TEmbeddedAddress address) override;

    // The cell of a place, made when the place is empty; null for a place above 7.
    TSkitCell* EnsureCell(u8 place);
    // Takes the cell out of its place and deletes it; false when there was none.
    bool RemoveCell(u8 place);
    TSkitCell* GetSkitCell(u8 place) const;
    // The present cells.
    int CountCells() const;

private:
    TGObjSk* GameObject;
};

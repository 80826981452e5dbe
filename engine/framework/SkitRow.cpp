// TSkitRow: cells that carry the row's game object, made new or read from the row's image.
#include "SkitRow.h"

#include "engine/framework/SkitCell.h"

#include <memory>

TSkitRow::TSkitRow(TJorpOwner* owner, TGObjSk* gameObject)
    : TJorpRow(owner), GameObject(gameObject) {}

TSkitRow::~TSkitRow() = default;

void TSkitRow::Acquire(u32 frame) {
    Play(frame);
}

void TSkitRow::SetMinorVersion() {
    HeaderMinor = 1;
}

TJorpCell* TSkitRow::NewCell() {
    return new TSkitCell(Owner, GameObject);
}

TJorpCell* TSkitRow::NewCellFromFile(TEmbeddedAddress address) {
    return CreateLoadedAt<TSkitCell>(address, true, Owner, GameObject).release();
}

TSkitCell* TSkitRow::GetSkitCell(u8 place) const {
    return dynamic_cast<TSkitCell*>(GetCell(place));
}

TSkitCell* TSkitRow::EnsureCell(u8 place) {
    if (place >= PLACES)
        return nullptr;
    if (TJorpCell* present = GetCell(place))
        return dynamic_cast<TSkitCell*>(present);
    std::unique_ptr<TJorpCell> cell(NewCell());
    if (!PutCell(place, cell.get()))
        return nullptr;
    return static_cast<TSkitCell*>(cell.release());
}

bool TSkitRow::RemoveCell(u8 place) {
    std::unique_ptr<TJorpCell> cell(TakeCell(place));
    return cell != nullptr;
}

int TSkitRow::CountCells() const {
    int n = 0;
    for (u8 place = 0; place < PLACES; ++place)
        if (GetCell(place) != nullptr)
            ++n;
    return n;
}

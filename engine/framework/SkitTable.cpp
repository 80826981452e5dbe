// TSkitTable: playing and testing rows at their offsets, the duration, and a bounded read.
#include "SkitTable.h"

#include "engine/framework/SkitCell.h"
#include "engine/framework/SkitRow.h"

#include <algorithm>

namespace {

// The smallest row a file can hold: its header and its cell mask.
constexpr u32 MIN_ROW_BYTES = JORP_HEADER_SIZE + 1;

} // namespace

TSkitTable::TSkitTable(TJorpOwner* owner, TGObjSk* gameObject)
    : TJorpTable(owner), GameObject(gameObject) {}

TSkitTable::~TSkitTable() = default;

void TSkitTable::Start() {
    TJorpList::Start();
}

void TSkitTable::Play(u32 frame) {
    Start();
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* row = Members[i])
            row->Play(frame + static_cast<u32>(i));
}

void TSkitTable::Acquire(u32 frame) {
    Play(frame);
}

bool TSkitTable::CanPlayAt(u32 frame) {
    for (i16 i = 0; i <= LastIndex; ++i) {
        TSkitRow* row = GetSkitRow(i);
        u32 at = frame + static_cast<u32>(i);
        if (row != nullptr && !row->VisitCells(&at))
            return false;
    }
    return true;
}

u32 TSkitTable::ComputeDuration() const {
    // Kept wide: a cell that runs for ever must not wrap to a short skit.
    u64 duration = 0;
    for (i16 i = 0; i <= LastIndex; ++i) {
        const TSkitRow* row = GetSkitRow(i);
        for (u8 place = 0; row != nullptr && place < TJorpRow::PLACES; ++place)
            if (const TJorpCell* cell = row->GetCell(place))
                duration = std::max<u64>(duration, static_cast<u64>(i) + cell->Duration);
    }
    return static_cast<u32>(std::min<u64>(duration, 0xFFFFFFFFU));
}

int TSkitTable::CountCells() const {
    int n = 0;
    for (i16 i = 0; i <= LastIndex; ++i)
        if (const TSkitRow* row = GetSkitRow(i))
            n += row->CountCells();
    return n;
}

TSkitRow* TSkitTable::GetSkitRow(i16 row) const {
    return dynamic_cast<TSkitRow*>(GetAt(row));
}

TSkitCell* TSkitTable::GetCell(i16 row, u8 place) const {
    const TSkitRow* r = GetSkitRow(row);
    return r != nullptr ? r->GetSkitCell(place) : nullptr;
}

bool TSkitTable::ReadBody() {
    // The row count is looked at before the table makes room for it: a count the bytes
    // left cannot hold fails here, with nothing allocated.
    const TEmbeddedAddress at = GetReadPosition();
    if (at.IsNull() || at.Size < 2)
        return false;
    const i16 count = static_cast<i16>(at.Data[0] | (at.Data[1] << 8));
    if (count < 0 || static_cast<u32>(count) * MIN_ROW_BYTES > at.Size - 2)
        return false;
    return TJorpTable::ReadBody();
}

void TSkitTable::SetMinorVersion() {
    HeaderMinor = 1;
}

TJorpRow* TSkitTable::NewRow() {
    return new TSkitRow(Owner, GameObject);
}

TJorpRow* TSkitTable::NewRowFromFile(TEmbeddedAddress address) {
    return CreateLoadedAt<TSkitRow>(address, true, Owner, GameObject).release();
}

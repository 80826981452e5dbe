// TJorpTable: rows in time order, their uses and loads, and the table's file body.
#include "JorpTable.h"

TJorpTable::TJorpTable(TJorpOwner* owner) : TJorpList(owner) {}

TJorpTable::TJorpTable(TJorpOwner* owner, int unused, const TFileMode& mode)
    : TJorpList(owner, unused, mode) {}

TJorpTable::~TJorpTable() = default;

const char* TJorpTable::GetHeaderId() const {
    return "TBL ";
}

TJorpRow* TJorpTable::GetRow(i16 index) const {
    return dynamic_cast<TJorpRow*>(GetAt(index));
}

TJorpRow* TJorpTable::NewRow() {
    return new TJorpRow(Owner);
}

TJorpRow* TJorpTable::NewRowFromFile(TEmbeddedAddress address) {
    return CreateLoadedAt<TJorpRow>(address, true, Owner).release();
}

bool TJorpTable::AddNewRow() {
    TJorpRow* row = NewRow();
    if (Add(row))
        return true;
    delete row;
    return false;
}

void TJorpTable::LoadCells() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpRow* row = GetRow(i))
            row->LoadCells(static_cast<u16>(i));
}

void TJorpTable::Acquire(u32 key) {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* row = Members[i])
            row->Acquire(key + static_cast<u32>(i));
}

void TJorpTable::Resolve() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* row = Members[i])
            row->Resolve();
}

bool TJorpTable::ReadBody() {
    i16 count = 0;
    if (!ReadI16(count))
        return false;
    // Room for every announced row at once; a count the file cannot back fails below.
    if (count > Capacity)
        Grow(count);
    for (i16 i = 0; i < count; ++i) {
        TJorpRow* row = NewRowFromFile(GetReadPosition());
        if (row == nullptr)
            return false;
        if (!SkipChild(*row) || !Add(row)) {
            delete row;
            return false;
        }
    }
    return true;
}

bool TJorpTable::WriteBody() {
    if (!WriteI16(static_cast<i16>(LastIndex + 1)))
        return false;
    for (i16 i = 0; i <= LastIndex; ++i) {
        TJorpBase* row = Members[i];
        if (row == nullptr || !row->Save(WriteFile))
            return false;
    }
    return true;
}

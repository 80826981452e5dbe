// TJorpCell: construction and the base answers of a cell.
#include "JorpCell.h"

TJorpCell::TJorpCell() : TJorpCell(nullptr) {}

TJorpCell::TJorpCell(TJorpOwner* owner) : TJorpBase(owner) {
    Duration = 0;
}

TJorpCell::TJorpCell(TJorpOwner* owner, int unused, const TFileMode& mode)
    : TJorpBase(owner, unused, mode) {
    Duration = 0;
}

TJorpCell::~TJorpCell() = default;

const char* TJorpCell::GetHeaderId() const {
    return "Cell";
}

void TJorpCell::LoadIfNamed(u16 value) {
    if (!Name.empty())
        LoadObject(value);
}

TJorpBase* TJorpCell::CreateObject() {
    return new TJorpBase(Owner);
}

void TJorpCell::LoadObject(u16) {}

bool TJorpCell::Visit(void*) {
    return false;
}

void TJorpCell::ClearName() {
    Name.clear();
}

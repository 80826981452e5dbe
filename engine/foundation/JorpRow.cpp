// TJorpRow: placing and taking cells, forwarding to the present ones, and the row's file body.
#include "JorpRow.h"

TJorpRow::TJorpRow(TJorpOwner* owner, const TFileMode& mode) : TJorpList(owner, 0, mode) {
    MakePlaces();
}

TJorpRow::TJorpRow(TJorpOwner* owner) : TJorpList(owner) {
    MakePlaces();
}

TJorpRow::~TJorpRow() = default;

void TJorpRow::MakePlaces() {
    if (Grow(PLACES))
        LastIndex = PLACES - 1;
}

u8 TJorpRow::CellBit(u8 n) {
    return n < PLACES ? static_cast<u8>(1U << n) : 0;
}

TJorpCell* TJorpRow::CellIn(u8 place) const {
    // Places hold cells unless a caller went round the row and used the list's Add.
    return HasPlace(place) ? dynamic_cast<TJorpCell*>(Members[place]) : nullptr;
}

TJorpCell* TJorpRow::GetCell(u8 place) const {
    return (CellMask & CellBit(place)) != 0 ? CellIn(place) : nullptr;
}

u8 TJorpRow::PresentMask() const {
    u8 mask = 0;
    for (u8 n = 0; n < PLACES; ++n)
        if (GetCell(n) != nullptr)
            mask = static_cast<u8>(mask | CellBit(n));
    return mask;
}

TJorpCell* TJorpRow::NewCell() {
    return new TJorpCell(Owner);
}

TJorpCell* TJorpRow::NewCellFromFile(TEmbeddedAddress address) {
    return CreateLoadedAt<TJorpCell>(address, true, Owner).release();
}

bool TJorpRow::SetCellAt(u8 place, TJorpCell* cell) {
    if (!HasPlace(place))
        return false;
    Members[place] = cell;
    return true;
}

bool TJorpRow::PutCell(u8 place, TJorpCell* cell) {
    if (cell == nullptr || !HasPlace(place) || (CellMask & CellBit(place)) != 0 ||
        Members[place] != nullptr)
        return false;
    CellMask = static_cast<u8>(CellMask | CellBit(place));
    Members[place] = cell;
    return true;
}

TJorpCell* TJorpRow::TakeCell(u8 place) {
    if (!HasPlace(place) || (CellMask & CellBit(place)) == 0)
        return nullptr;
    TJorpCell* cell = CellIn(place);
    CellMask = static_cast<u8>(CellMask & ~CellBit(place));
    if (cell != nullptr)
        Members[place] = nullptr;
    return cell;
}

bool TJorpRow::RemoveAt(i16 place) {
    if (place < 0 || place >= PLACES)
        return TJorpList::RemoveAt(place);
    if (!HasPlace(static_cast<u8>(place)))
        return false;
    TJorpBase* removed = Members[place];
    Members[place] = nullptr;
    CellMask = static_cast<u8>(CellMask & ~CellBit(static_cast<u8>(place)));
    if (HasFlags(JOF_OWNS_MEMBERS))
        delete removed;
    ClearFlags(JOF_SORTED);
    return true;
}

bool TJorpRow::VisitCells(void* argument) {
    for (u8 n = 0; n < PLACES; ++n)
        if (TJorpCell* cell = GetCell(n))
            if (!cell->Visit(argument))
                return false;
    return true;
}

void TJorpRow::LoadCells(u16 value) {
    for (u8 n = 0; n < PLACES; ++n)
        if (TJorpCell* cell = GetCell(n))
            cell->LoadIfNamed(value);
}

void TJorpRow::Play(u32 tick) {
    Start();
    for (u8 n = 0; n < PLACES; ++n)
        if (TJorpCell* cell = GetCell(n))
            cell->Play(tick);
}

void TJorpRow::Start() {
    TJorpList::Start();
}

void TJorpRow::Acquire(u32 key) {
    for (u8 n = 0; n < PLACES; ++n)
        if ((CellMask & CellBit(n)) != 0)
            UseAt(n, key);
}

bool TJorpRow::UseAt(i16 place, u32 key) {
    TJorpCell* cell = place >= 0 && place < PLACES ? GetCell(static_cast<u8>(place)) : nullptr;
    if (cell == nullptr)
        return false;
    cell->Acquire(key);
    return true;
}

void TJorpRow::Resolve() {
    for (u8 n = 0; n < PLACES; ++n)
        if (TJorpCell* cell = GetCell(n))
            cell->Resolve();
}

const char* TJorpRow::GetHeaderId() const {
    return "ROW ";
}

i16 TJorpRow::GetGrowStep() const {
    return PLACES;
}

bool TJorpRow::ReadBody() {
    u8 mask = 0;
    if (!ReadU8(mask))
        return false;
    CellMask = mask;
    for (u8 n = 0; n < PLACES; ++n) {
        if ((mask & CellBit(n)) == 0)
            continue;
        TJorpCell* cell = NewCellFromFile(GetReadPosition());
        if (cell == nullptr || !SkipChild(*cell) || !HasPlace(n)) {
            delete cell;
            // Only the cells read so far stay marked.
            CellMask = PresentMask();
            return false;
        }
        // A row read a second time lets its earlier cell go.
        if (HasFlags(JOF_OWNS_MEMBERS) && Members[n] != cell)
            delete Members[n];
        SetCellAt(n, cell);
    }
    return true;
}

bool TJorpRow::WriteBody() {
    // A bit without its cell would announce bytes the file does not hold.
    const u8 mask = PresentMask();
    if (!WriteU8(mask))
        return false;
    for (u8 n = 0; n < PLACES; ++n)
        if (TJorpCell* cell = GetCell(n))
            if (!cell->Save(WriteFile))
                return false;
    return true;
}

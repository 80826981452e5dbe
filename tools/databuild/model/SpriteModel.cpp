// The sprite model: placing cells, numbering members and computing durations as the engine does.
#include "tools/databuild/model/SpriteModel.h"

#include "tools/databuild/model/DataNames.h"

#include <algorithm>

TSpriteModel::TSpriteModel(std::string name, u16 type, u16 set)
    : Name(std::move(name)), Type(type), Set(set) {}

u16 TSpriteModel::LastRow() const {
    u16 row = 0;
    for (const TCellModel& c : Cells)
        row = std::max(row, c.Row);
    return row;
}

TCellModel& TSpriteModel::Place(u16 row, bool isAnm, const std::string& file) {
    // The first free slot of the row; a full row still takes the cell past slot 7, for the
    // checks to report rather than to lose it.
    u8 slot = 0;
    for (const TCellModel& c : Cells)
        if (c.Row == row)
            slot = std::max<u8>(slot, static_cast<u8>(c.Slot + 1));
    TCellModel cell;
    cell.Row = row;
    cell.Slot = slot;
    cell.IsAnm = isAnm;
    cell.File = file;
    Cells.push_back(cell);
    return Cells.back();
}

TCellModel& TSpriteModel::AddAnm(const std::string& file, i32 x, i32 y, i16 z, u32 duration,
                                 i16 direction) {
    u16 row = LastRow();
    u8 used = 0;
    for (const TCellModel& c : Cells)
        if (c.Row == row)
            ++used;
    if (used >= CELLS_PER_ROW)
        ++row;
    return AddAnmAt(row, file, x, y, z, duration, direction);
}

TCellModel& TSpriteModel::AddAnmAt(u16 row, const std::string& file, i32 x, i32 y, i16 z,
                                   u32 duration, i16 direction) {
    TCellModel& cell = Place(row, true, file);
    cell.X = static_cast<i16>(x - 1);
    cell.Y = static_cast<i16>(y - 1);
    cell.Z = z;
    cell.Duration = duration;
    cell.Direction = direction;
    return cell;
}

TCellModel& TSpriteModel::AddWave(const std::string& file, u32 duration) {
    u16 row = LastRow();
    u8 used = 0;
    for (const TCellModel& c : Cells)
        if (c.Row == row)
            ++used;
    if (used >= CELLS_PER_ROW)
        ++row;
    return AddWaveAt(row, file, duration);
}

TCellModel& TSpriteModel::AddWaveAt(u16 row, const std::string& file, u32 duration) {
    TCellModel& cell = Place(row, false, file);
    cell.Duration = duration;
    cell.Direction = PLAY_FORWARD;
    return cell;
}

u32 TSpriteModel::Duration() const {
    i64 extent = 0;
    for (const TCellModel& c : Cells) {
        // A wave keeps only the low 16 bits of its cell's duration, as a signed number, and
        // nothing below 0.
        const i64 duration =
            c.IsAnm ? c.Duration : std::max<i64>(0, static_cast<i16>(c.Duration & 0xFFFF));
        extent = std::max<i64>(extent, c.Row + duration - 1);
    }
    return static_cast<u32>(1 + extent);
}

std::vector<const TCellModel*> TSpriteModel::Ordered() const {
    std::vector<const TCellModel*> ordered;
    for (const TCellModel& c : Cells)
        ordered.push_back(&c);
    std::stable_sort(ordered.begin(), ordered.end(), [](const TCellModel* a, const TCellModel* b) {
        return a->Row != b->Row ? a->Row < b->Row : a->Slot < b->Slot;
    });
    return ordered;
}

const TCellModel* TSpriteModel::Anm(u16 index) const {
    u16 n = 0;
    for (const TCellModel* c : Ordered())
        if (c->IsAnm && n++ == index)
            return c;
    return nullptr;
}

const TCellModel* TSpriteModel::Wave(u16 index) const {
    u16 n = 0;
    for (const TCellModel* c : Ordered())
        if (!c->IsAnm && n++ == index)
            return c;
    return nullptr;
}

u16 TSpriteModel::AnmCount() const {
    return static_cast<u16>(
        std::count_if(Cells.begin(), Cells.end(), [](const TCellModel& c) { return c.IsAnm; }));
}

u16 TSpriteModel::WaveCount() const {
    return static_cast<u16>(Cells.size() - AnmCount());
}

TSpriteModel& TSpriteListModel::Add(TSpriteModel sprite) {
    Sprites.push_back(std::move(sprite));
    return Sprites.back();
}

void TSpriteListModel::Sort() {
    std::stable_sort(Sprites.begin(), Sprites.end(),
                     [](const TSpriteModel& a, const TSpriteModel& b) {
                         return NameBefore(a.GetName(), b.GetName());
                     });
}

i16 TSpriteListModel::IndexOf(const std::string& name) const {
    // Counted in name order whether or not the list is sorted yet.
    const TSpriteModel* sprite = Find(name);
    if (sprite == nullptr)
        return -1;
    i16 before = 0;
    for (const TSpriteModel& s : Sprites)
        if (NameBefore(s.GetName(), name))
            ++before;
    return before;
}

const TSpriteModel* TSpriteListModel::Find(const std::string& name) const {
    for (const TSpriteModel& s : Sprites)
        if (s.GetName() == name)
            return &s;
    return nullptr;
}

TSpriteModel* TSpriteListModel::Find(const std::string& name) {
    for (TSpriteModel& s : Sprites)
        if (s.GetName() == name)
            return &s;
    return nullptr;
}

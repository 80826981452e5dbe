// TSpriteTable and TSpriteRow: the table's rows and the rows' cells, each carrying the sprite.
#include "engine/media/SpriteTable.h"

TSpriteTable::TSpriteTable(TJorpOwner* owner, TSprite* sprite)
    : TJorpTable(owner), Sprite(sprite) {}

TSpriteTable::TSpriteTable(TJorpOwner* owner, const TFileMode& mode, TSprite* sprite)
    : TJorpTable(owner, 0, mode), Sprite(sprite) {}

TSpriteTable::~TSpriteTable() = default;

TJorpRow* TSpriteTable::NewRow() {
    return new TSpriteRow(Owner, FileMode, Sprite);
}

TJorpRow* TSpriteTable::NewRowFromFile(TEmbeddedAddress address) {
    return CreateLoadedAt<TSpriteRow>(address, true, Owner, FileMode, Sprite).release();
}

TSpriteRow::TSpriteRow(TJorpOwner* owner, const TFileMode& mode, TSprite* sprite)
    : TJorpRow(owner, mode), Sprite(sprite) {}

TSpriteRow::~TSpriteRow() = default;

TJorpCell* TSpriteRow::NewCell() {
    return new TSpriteCell(Owner, FileMode);
}

TJorpCell* TSpriteRow::NewCellFromFile(TEmbeddedAddress address) {
    return CreateLoadedAt<TSpriteCell>(address, true, Owner, FileMode, Sprite).release();
}

TSpriteCell* TSpriteRow::GetSpriteCell(u8 slot) const {
    return dynamic_cast<TSpriteCell*>(GetCell(slot));
}

void TSpriteRow::EnsureCell(u8 slot) {
    if ((CellMask & CellBit(slot)) != 0)
        return;
    TJorpCell* cell = NewCell();
    if (!PutCell(slot, cell))
        delete cell;
}

void TSpriteRow::DeleteCell(u8 slot) {
    delete TakeCell(slot);
}

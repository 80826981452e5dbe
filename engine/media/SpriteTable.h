// TSpriteTable, TSpriteRow and TSpriteCell: a sprite's timeline as stored in its file, each named
// cell one animation or wave starting as many ticks late as its row's index.
#pragma once

#include "engine/foundation/JorpCell.h"
#include "engine/foundation/JorpRow.h"
#include "engine/foundation/JorpTable.h"

class TAnm;
class TSprite;
class TWav;

// Tables and rows are read after they are built (TJorpBase::CreateLoadedAt), so that their
// own makers build the rows and cells.
class TSpriteTable : public TJorpTable {
public:
    TSpriteTable(TJorpOwner* owner, TSprite* sprite);
    TSpriteTable(TJorpOwner* owner, const TFileMode& mode, TSprite* sprite);
    ~TSpriteTable() override;

    void SetMinorVersion() override { HeaderMinor = 2; }
    TJorpRow* NewRow() override;
    TJorpRow* NewRowFromFile(TEmbeddedAddress address) override;

    TSprite* GetSprite() const { return Sprite; }

private:
    TSprite* Sprite;
};

class TSpriteCell;

class TSpriteRow : public TJorpRow {
public:
    TSpriteRow(TJorpOwner* owner, const TFileMode& mode, TSprite* sprite);
    ~TSpriteRow() override;

    void SetMinorVersion() override { HeaderMinor = 2; }
    // Cells made empty carry no sprite; only cells read with their table reach one.
    TJorpCell* NewCell() override;
    TJorpCell* NewCellFromFile(TEmbeddedAddress address) override;

    // The present cell of a slot, or null.
    TSpriteCell* GetSpriteCell(u8 slot) const;
    // A new empty cell in a slot that has none.
    void EnsureCell(u8 slot);
    void DeleteCell(u8 slot);

private:
    TSprite* Sprite;
};

class TSpriteCell : public TJorpCell {
public:
    TSpriteCell();
    TSpriteCell(TJorpOwner* owner, const TFileMode& mode);
    TSpriteCell(TJorpOwner* owner, const TFileMode& mode, TSprite* sprite);
    ~TSpriteCell() override;

    // The body by version (1.2, 2.0, 2.3, 2.4); any other version fails.
    bool ReadBody() override;
    // Version 2.4.
    bool WriteBody() override;
    void SetMajorVersion() override { HeaderMajor = 2; }
    void SetMinorVersion() override { HeaderMinor = 4; }
    // The row index is the member's start delay.
    void LoadObject(u16 startDelay) override;
    // Back to the defaults, name included.
    void ClearName() override;

    // Copies everything but the sprite from another cell.
    virtual TSpriteCell& Assign(const TSpriteCell& other);
    TSpriteCell& operator=(const TSpriteCell& other) { return Assign(other); }

    // Builds the member and gives it to the sprite.
    void AddToSprite(i16 startDelay);
    // The member alone; the caller owns it. Null without a sprite to make it.
    TAnm* MakeAnm(i16 startDelay);
    TWav* MakeWav(i16 startDelay);

    TSprite* GetSprite() const { return Sprite; }
    void SetSprite(TSprite* sprite) { Sprite = sprite; }

    // Nonzero: the member is an animation; 0: a wave.
    u8 Kind = 1;
    // Nonzero: the animation's base point comes from its file.
    u8 DrawFlag = 0;
    i16 X = 0;
    i16 Y = 0;
    i16 Z = 0;
    i32 Direction = 1;
    i16 FirstFrame = 0;

private:
    // The file mode of the member: levels 1 and 1 and the cell's directory.
    TFileMode MemberMode() const;
    bool ReadOld();
    bool ReadNew(u16 minor);

    TSprite* Sprite = nullptr;
};

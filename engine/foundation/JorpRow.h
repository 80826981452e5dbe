// TJorpRow: eight places of cells with a mask of the filled ones, stored with its cells inline.
#pragma once

#include "engine/foundation/JorpCell.h"
#include "engine/foundation/JorpList.h"

// Places 0 to 7 always exist; bit n of the cell mask says place n holds a cell. A cell is
// present when its bit is set and its place holds it. Place numbers above 7 are refused.
// Rows read from a table are made with CreateLoadedAt, so that a subclass's NewCellFromFile
// makes the cells.
class TJorpRow : public TJorpList {
public:
    static constexpr u8 PLACES = 8;

    TJorpRow(TJorpOwner* owner, const TFileMode& mode);
    explicit TJorpRow(TJorpOwner* owner);
    ~TJorpRow() override;

    // A row is not ticked, shown or used as a whole: its cells' objects are.
    void Tick(u32) override {}
    void PostTick(u32) override {}
    void Show() override {}
    void Hide() override {}
    void UnuseAt(i16) override {}
    void Unuse(TJorpBase*) override {}
    bool IsInUseAt(i16) override { return false; }
    bool IsInUse(TJorpBase*) override { return false; }
    bool Use(TJorpBase*, u32) override { return false; }

    void Play(u32 tick) override;
    void Start() override;
    void Acquire(u32 key) override;
    void Resolve() override;
    bool ReadBody() override;
    bool WriteBody() override;
    const char* GetHeaderId() const override;
    i16 GetGrowStep() const override;
    bool UseAt(i16 place, u32 key) override;
    // Empties the place and clears its bit, so that the cells keep their places.
    bool RemoveAt(i16 place) override;

    // Virtual operations of rows, in slot order after those of lists.
    virtual TJorpCell* NewCell();
    virtual TJorpCell* NewCellFromFile(TEmbeddedAddress address);
    virtual bool SetCellAt(u8 place, TJorpCell* cell);
    virtual bool PutCell(u8 place, TJorpCell* cell);
    // The caller owns the cell taken out.
    virtual TJorpCell* TakeCell(u8 place);
    virtual bool VisitCells(void* argument);

    static u8 CellBit(u8 n);
    void LoadCells(u16 value);

    u8 GetCellMask() const { return CellMask; }
    // The present cell of a place, or null.
    TJorpCell* GetCell(u8 place) const;

protected:
    u8 CellMask = 0;

private:
    void MakePlaces();
    bool HasPlace(u8 place) const { return place < PLACES && place <= LastIndex; }
    // Whatever place n holds, present or not.
    TJorpCell* CellIn(u8 place) const;
    // The bits of the present cells.
    u8 PresentMask() const;
};

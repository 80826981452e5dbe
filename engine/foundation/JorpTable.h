// TJorpTable: a list of rows forming a timeline, stored with its rows and cells inline.
#pragma once

#include "engine/foundation/JorpList.h"
#include "engine/foundation/JorpRow.h"

// Row i of a table starts i ticks after the table: its cells learn i when they load their
// objects, and its uses are keyed i later. A table is read after it is built (AttachFile,
// LoadAt, or the CreateAttached and CreateLoadedAt makers), so that a subclass's
// NewRowFromFile makes the rows.
class TJorpTable : public TJorpList {
public:
    explicit TJorpTable(TJorpOwner* owner);
    TJorpTable(TJorpOwner* owner, int unused, const TFileMode& mode);
    ~TJorpTable() override;

    void Acquire(u32 key) override;
    void Resolve() override;
    bool ReadBody() override;
    bool WriteBody() override;
    const char* GetHeaderId() const override;

    // Virtual operations of tables, in slot order after those of lists.
    virtual TJorpRow* NewRow();
    virtual TJorpRow* NewRowFromFile(TEmbeddedAddress address);
    virtual bool AddNewRow();
    virtual void LoadCells();

    // The row at an index, or null.
    TJorpRow* GetRow(i16 index) const;
};

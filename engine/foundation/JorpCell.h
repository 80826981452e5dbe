// TJorpCell: one place of a row, naming the object it stands for and loading it on request.
#pragma once

#include "engine/foundation/JorpBase.h"

#include <string>

// A plain cell stores no body: its file form is the header alone, and the media and skit
// cells append their own bodies. Cells read from a row are made with CreateLoadedAt, so that
// a subclass's body reader is the one that runs.
class TJorpCell : public TJorpBase {
public:
    TJorpCell();
    explicit TJorpCell(TJorpOwner* owner);
    TJorpCell(TJorpOwner* owner, int unused, const TFileMode& mode);
    ~TJorpCell() override;

    const char* GetHeaderId() const override;

    // Virtual operations of cells, in slot order after those of every engine object.
    virtual void LoadIfNamed(u16 value);
    // A new object of the kind the cell stands for; the caller owns it.
    virtual TJorpBase* CreateObject();
    // The value is the cell's row in its table: media cells start their object that many
    // ticks late.
    virtual void LoadObject(u16 value);
    virtual bool Visit(void* argument);
    virtual void ClearName();

    const std::string& GetName() const { return Name; }
    void SetName(const std::string& name) { Name = name; }
    i16 GetIndex() const { return Index; }
    void SetIndex(i16 index) { Index = index; }

protected:
    std::string Name;
    i16 Index = -1;
};

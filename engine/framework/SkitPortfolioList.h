// TSkitPortfolioList: one level of a skit list's portfolio: skit references and a round-robin
// cursor kept in the settings file.
#pragma once

#include "engine/foundation/Sliq.h"

#include <string>

class TGObjSk;

// A reference to a skit of the list: its name and its position in the list (-1 unresolved).
struct TSkitPortfolioElement {
    std::string Name;
    u16 SkitIndex = 0xFFFF;
};

// With a name, the cursor is read from the settings file (section = the name, key = the
// level number) when the level is made and written back when it goes.
class TSkitPortfolioList : public TSliq {
public:
    // The cursor read from the settings file, kept to -1..32767.
    static constexpr i32 CURSOR_MIN = -1;
    static constexpr i32 CURSOR_MAX = 0x7FFF;

    TSkitPortfolioList(TGObjSk* gameObject, const std::string& name, i16 number);
    ~TSkitPortfolioList() override;

    i16 LoadCursor() const;
    void SaveCursor() const;

    bool AddElement(const std::string& name, u16 skitIndex);
    // Before that position.
    bool InsertElement(i16 position, const std::string& name, u16 skitIndex);
    // Null outside 0..count-1.
    TSkitPortfolioElement* GetElement(i16 i) const;
    // Each entry's index := its name's position in skit list `list` of the game object.
    void ResolveIndices(i16 list);
    void ClearNames();

    // Steps the cursor to the next entry, back to 0 past the last; returns it.
    i16 AdvanceCursor();

    const std::string& GetName() const { return Name; }
    TGObjSk* GetGameObject() const { return GameObject; }
    i16 GetNumber() const { return Number; }
    i16 GetCursor() const { return Cursor; }
    void SetCursor(i16 cursor) { Cursor = cursor; }

private:
    std::string Name;
    TGObjSk* GameObject;
    i16 Number;
    i16 Cursor = 0;
};

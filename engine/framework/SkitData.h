// TSkitData and TSkitDataList: the compact sprite starts a skit plays from once it is set up.
#pragma once

#include "platform/host/Types.h"

#include <memory>

class TGObjSk;
class TSkit;

struct TSkitData {
    u16 ObjectIndex = 0xFFFF;
    u16 SpriteIndex = 0xFFFF;
    // Frames after the skit's start.
    i16 Offset = 0;
};

// A fixed number of places, filled in order. Counted in 32 bits: a table of 32767 rows of
// eight cells holds more starts than 16 bits can count.
class TSkitDataList {
public:
    TSkitDataList(TSkit* skit, TGObjSk* gameObject, i32 capacity);

    // False when every place is taken.
    bool Add(u16 objectIndex, u16 spriteIndex, i16 offset);

    i32 GetCount() const { return LastIndex + 1; }
    i32 GetCapacity() const { return Capacity; }
    const TSkitData& operator[](i32 i) const { return Data[static_cast<size_t>(i)]; }
    const TSkitData* begin() const { return Data.get(); }
    const TSkitData* end() const { return Data.get() + GetCount(); }
    TSkit* GetSkit() const { return Skit; }
    TGObjSk* GetGameObject() const { return GameObject; }

private:
    TSkit* Skit;
    TGObjSk* GameObject;
    std::unique_ptr<TSkitData[]> Data;
    i32 Capacity;
    i32 LastIndex = -1;
};

// TSkitDataList: places made once for the skit's cells.
#include "SkitData.h"

TSkitDataList::TSkitDataList(TSkit* skit, TGObjSk* gameObject, i32 capacity)
    : Skit(skit), GameObject(gameObject), Capacity(capacity > 0 ? capacity : 0) {
    if (Capacity > 0)
        Data = std::make_unique<TSkitData[]>(static_cast<size_t>(Capacity));
}

bool TSkitDataList::Add(u16 objectIndex, u16 spriteIndex, i16 offset) {
    if (LastIndex >= Capacity - 1)
        return false;
    ++LastIndex;
    Data[static_cast<size_t>(LastIndex)] = TSkitData{objectIndex, spriteIndex, offset};
    return true;
}

// TSprite: the ".sp" body, read in versions 1.0 and 1.1 and written in 1.1, and saving.
#include "engine/media/Sprite.h"

#include "engine/media/SpriteTable.h"

bool TSprite::ReadBody() {
    // Minor 1 stores the object type; every other minor is the older layout.
    const bool withType = HeaderMinor == 1;
    u16 id = 0;
    u16 keep = 0;
    if (!ReadU16(id) || (withType && !ReadU16(ObjectType)) || !ReadU16(keep) ||
        !ReadU32(Duration) || !ReadI16(X) || !ReadI16(Y) || !ReadI16(Z))
        return false;
    Id = static_cast<i16>(id) < 0 ? 0 : id;
    if (keep != 0)
        SetFlags(SPF_KEEP_DURATION);
    else
        ClearFlags(SPF_KEEP_DURATION);
    Table = CreateLoadedAt<TSpriteTable>(GetReadPosition(), true, Owner, FileMode, this);
    // A table that could not be read leaves no timeline to build, and no byte count to
    // step over: the sprite's read fails with it.
    if (!SkipChild(*Table)) {
        Table.reset();
        return false;
    }
    return true;
}

bool TSprite::WriteBody() {
    if (static_cast<i16>(Id) < 0)
        Id = 0;
    if (!Table)
        return false;
    return WriteU16(Id) && WriteU16(ObjectType) && WriteU16(HasFlags(SPF_KEEP_DURATION) ? 1 : 0) &&
           WriteU32(Duration) && WriteI16(X) && WriteI16(Y) && WriteI16(Z) &&
           Table->Save(WriteFile);
}

bool TSprite::SaveIfNeeded() {
    if (!HasFlags(SPF_KEEP_DURATION))
        Duration = CalcDuration();
    return Save(nullptr);
}

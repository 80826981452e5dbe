// The program's pictures as the resource-image tool generates them at build time.
#pragma once

#include "platform/host/Types.h"

enum class TResourceImageKind : u8 { Bitmap, Cursor, Icon };

// One picture under IdCount resource ids. A bitmap has ColourCount colours (blue, green, red)
// and one index byte a pixel; a cursor or an icon has 0xAARRGGBB pixels. Rows top first.
struct TResourceImageTable {
    TResourceImageKind Kind;
    const u32* Ids;
    u32 IdCount;
    i32 Width;
    i32 Height;
    i32 HotX;
    i32 HotY;
    const u8* Colours;
    u32 ColourCount;
    const u8* Indices;
    const u32* Argb;
};

extern const TResourceImageTable ResourceImageTables[];
extern const u32 ResourceImageTableCount;

// The table of a picture by kind and id; null when there is none.
const TResourceImageTable* FindResourceImage(TResourceImageKind kind, u32 id);

// The program's pictures registered from the generated tables: bitmaps, cursors, icons.
#include "resources/ResourceImageTables.h"
#include "resources/Resources.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/draw/BitmapResources.h"

namespace {

size_t PixelCount(const TResourceImageTable& table) {
    return static_cast<size_t>(table.Width) * static_cast<size_t>(table.Height);
}

TDibImage DibOf(const TResourceImageTable& table) {
    TDibImage image;
    image.Width = table.Width;
    image.Height = table.Height;
    for (u32 i = 0; i < table.ColourCount; ++i) {
        RGBQUAD colour;
        colour.rgbBlue = table.Colours[3 * i];
        colour.rgbGreen = table.Colours[3 * i + 1];
        colour.rgbRed = table.Colours[3 * i + 2];
        image.Colors.push_back(colour);
    }
    image.Pixels.assign(table.Indices, table.Indices + PixelCount(table));
    return image;
}

TCursorImage CursorOf(const TResourceImageTable& table) {
    TCursorImage image;
    image.Width = table.Width;
    image.Height = table.Height;
    image.HotX = table.HotX;
    image.HotY = table.HotY;
    image.Pixels.assign(table.Argb, table.Argb + PixelCount(table));
    return image;
}

TIconImage IconOf(const TResourceImageTable& table) {
    TIconImage image;
    image.Width = table.Width;
    image.Height = table.Height;
    image.Pixels.assign(table.Argb, table.Argb + PixelCount(table));
    return image;
}

} // namespace

const TResourceImageTable* FindResourceImage(TResourceImageKind kind, u32 id) {
    for (u32 i = 0; i < ResourceImageTableCount; ++i) {
        const TResourceImageTable& table = ResourceImageTables[i];
        if (table.Kind != kind)
            continue;
        for (u32 k = 0; k < table.IdCount; ++k)
            if (table.Ids[k] == id)
                return &table;
    }
    return nullptr;
}

void RegisterResourceImages() {
    for (u32 i = 0; i < ResourceImageTableCount; ++i) {
        const TResourceImageTable& table = ResourceImageTables[i];
        for (u32 k = 0; k < table.IdCount; ++k) {
            if (table.Kind == TResourceImageKind::Bitmap)
                TBitmapResources::Get().Add(table.Ids[k], DibOf(table));
            else if (table.Kind == TResourceImageKind::Cursor)
                TResourceRegistry::Get().AddCursor(table.Ids[k], CursorOf(table));
            else
                TResourceRegistry::Get().AddIcon(table.Ids[k], IconOf(table));
        }
    }
}

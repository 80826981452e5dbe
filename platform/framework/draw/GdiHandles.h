// The drawing objects behind the pen, brush, font, bitmap and palette handles.
#pragma once

#include "GdiTypes.h"
#include "platform/framework/Geometry.h"

#include <array>
#include <memory>
#include <vector>

struct TFontInstance;

enum class TGdiKind { Pen, Brush, Font, Bitmap, Palette };

class TGdiObj {
public:
    explicit TGdiObj(TGdiKind kind) : Kind(kind) {}
    virtual ~TGdiObj() = default;
    TGdiObj(const TGdiObj&) = delete;
    TGdiObj& operator=(const TGdiObj&) = delete;

    const TGdiKind Kind;
    bool Stock = false;
    // DCs that hold it selected; a deleted object lives on until this drops to 0.
    int Selections = 0;
    bool Deleted = false;
};

class TGdiPen : public TGdiObj {
public:
    TGdiPen(int style, int width, COLORREF color)
        : TGdiObj(TGdiKind::Pen), Style(style), Width(width), Color(color) {}
    int Style;
    int Width;
    COLORREF Color;
};

class TGdiBrush : public TGdiObj {
public:
    TGdiBrush(COLORREF color, bool hollow)
        : TGdiObj(TGdiKind::Brush), Color(color), Hollow(hollow) {}
    COLORREF Color;
    bool Hollow;
};

class TGdiFont : public TGdiObj {
public:
    TGdiFont(const LOGFONT& log, std::shared_ptr<TFontInstance> instance)
        : TGdiObj(TGdiKind::Font), Log(log), Instance(std::move(instance)) {}
    LOGFONT Log;
    std::shared_ptr<TFontInstance> Instance;
};

// 8-bit (indices through its colour table, or the system palette when it has none) or
// 32-bit (0x00RRGGBB) pixels; rows of 8-bit bitmaps are padded to 4 bytes.
class TGdiBitmap : public TGdiObj {
public:
    TGdiBitmap(i32 width, i32 height, u16 bitCount, bool topDown);

    i32 Width;
    i32 Height;
    u16 BitCount;
    bool TopDown;
    i32 Stride;
    std::vector<u8> Bits;
    std::vector<RGBQUAD> Colors;
    // The DC it is selected into; a bitmap sits in one DC at a time.
    TDeviceContext* SelectedIn = nullptr;

    u8* Row8(i32 y) {
        return Bits.data() + static_cast<size_t>(TopDown ? y : Height - 1 - y) * Stride;
    }
    u32* Row32(i32 y) {
        return reinterpret_cast<u32*>(Bits.data() +
                                      static_cast<size_t>(TopDown ? y : Height - 1 - y) * Stride);
    }
    TRect Bounds() const { return {0, 0, Width, Height}; }
    // The colour of an 8-bit pixel value.
    u32 IndexToArgb(u8 index) const;
    // The colours of all 256 values at once, as IndexToArgb gives them: a blit takes them
    // every time it shows the picture.
    void FillArgbTable(std::array<u32, 256>& table) const;
};

class TGdiPalette : public TGdiObj {
public:
    explicit TGdiPalette(std::vector<PALETTEENTRY> entries)
        : TGdiObj(TGdiKind::Palette), Entries(std::move(entries)) {}
    std::vector<PALETTEENTRY> Entries;
};

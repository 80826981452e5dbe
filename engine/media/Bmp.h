// TBmp and TBmpMono: 8-bit bitmaps read in place from ".bmp" files, and one-colour rectangles.
#pragma once

#include "engine/media/BitmapInfo.h"
#include "engine/media/Gr.h"

#include <memory>

class TBmp : public TGr {
public:
    TBmp() : TBmp(nullptr) {}
    explicit TBmp(TJorpOwner* owner);
    // Registers the data file and, when asked, reads it now; keep holds the image, whose pixel
    // rows the bitmap draws from in place.
    TBmp(TJorpOwner* owner, const TFileMode& mode, bool load, bool keep);
    ~TBmp() override;

    bool ReadBody() override;
    bool WriteBody() override { return true; }
    bool ReadHeader() override;
    bool WriteHeader() override { return true; }
    std::string GetExtension() const override { return ".bmp"; }
    bool Draw(TJorpDC& dc, const TRect16& rect) override;

    // A device-dependent copy of the pixels; true when a handle was made.
    virtual bool CreateBitmap();
    virtual bool DeleteBitmap();
    // Copies the part of this bitmap inside clip and inside the target into the target's
    // pixels at screen coordinates; true when both have pixels (also when nothing overlaps).
    virtual bool CopyTo(TBmp& target, const TRect16& clip);

    // The pixel rows inside the loaded image, or the pixels this bitmap was given; null
    // without them (an image let go, a file whose rows do not fit in it).
    const u8* GetBits();
    // Pixels that may be drawn into: only those given to the bitmap, never a file image.
    u8* GetTargetBits() { return Owned ? DrawData.Bits : nullptr; }
    // Bytes from one row to the next: the width padded to 4.
    i32 GetPitch() const;
    HBITMAP GetHandle() const { return Handle; }
    const TBitmapInfo* GetInfo() const { return Info.get(); }
    const TBitmapFileHeader* GetFileHeader() const { return FileHeader.get(); }
    bool IsDrawable() const { return DrawData.Has(GRD_WRITABLE); }
    bool IsTopDown() const { return DrawData.Has(GRD_TOP_DOWN); }
    // Width and height of the pixel rows, from the header or else the rectangle.
    i32 PixelWidth() const;
    i32 PixelHeight() const;

protected:
    // Pixels owned elsewhere (a back buffer's) described by the header: the rectangle, the
    // flags and the colours follow it.
    void AdoptBits(std::unique_ptr<TBitmapInfo> info, u8* bits, HBITMAP handle);
    TBitmapInfo* MutableInfo() { return Info.get(); }

    HBITMAP Handle = nullptr;

private:
    std::unique_ptr<TBitmapFileHeader> FileHeader;
    std::unique_ptr<TBitmapInfo> Info;
    // Where the rows start, counted from the start of the bytes the bitmap was read from, and
    // how many bytes they take; 0 when they were not read from a file.
    u32 BitsOffset = 0;
    u32 BitsSize = 0;
    bool Owned = false;
};

// A rectangle filled with one palette index.
class TBmpMono : public TBmp {
public:
    static constexpr i32 FillWidth = 4096;

    // x, y, width and height of the rectangle.
    TBmpMono(TJorpOwner* owner, i16 x, i16 y, i16 width, i16 height, u8 colour);
    void SetFill(u8 colour);
    u8 GetFill() const { return Fill; }
    // Fills the clipped area of the target, at most FillWidth pixels of each row.
    bool CopyTo(TBmp& target, const TRect16& clip) override;

private:
    u8 Fill = 0;
    u8 FillRow[FillWidth];
};

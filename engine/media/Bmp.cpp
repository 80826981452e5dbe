// Bitmaps: the ".bmp" reader that checks every size against the file, and the row copies.
#include "engine/media/Bmp.h"

#include "engine/foundation/BaseFile.h"
#include "engine/media/JorpDC.h"

#include <algorithm>
#include <cstring>

namespace {

// Rect coordinates are 16-bit, so no side may be longer.
constexpr i64 MaxSide = 32767;

i64 PitchOf(i64 width) {
    return (width * 8 + 31) / 32 * 4;
}

} // namespace

TBmp::TBmp(TJorpOwner* owner) : TGr(owner) {}

TBmp::TBmp(TJorpOwner* owner, const TFileMode& mode, bool load, bool keep) : TGr(owner) {
    AttachFile(mode, load, keep);
    // Whoever made the bitmap tells a missing or unreadable file by this flag alone.
    if (load && !HasFlags(JOF_LOADED))
        SetFlags(JOF_NO_IMAGE);
}

TBmp::~TBmp() {
    DeleteBitmap();
}

bool TBmp::ReadHeader() {
    u8 bytes[BMP_FILE_HEADER_SIZE];
    if (ReadBytes(bytes, BMP_FILE_HEADER_SIZE) != BMP_FILE_HEADER_SIZE)
        return false;
    FileHeader = std::make_unique<TBitmapFileHeader>(bytes);
    HeaderMajor = 0;
    HeaderMinor = 0;
    return true;
}

bool TBmp::ReadBody() {
    // The bytes from the read cursor to the end of what this bitmap may see.
    TEmbeddedAddress at = GetReadPosition();
    if (!HasFlags(JOF_CURSOR_MODE)) {
        if (at.Size < ReadCursor)
            return false;
        at = {at.Data + ReadCursor, at.Size - ReadCursor};
    }
    auto info = std::make_unique<TBitmapInfo>();
    if (at.IsNull() || !info->Assign(at.Data, at.Size))
        return false;
    const BITMAPINFOHEADER& h = info->Get()->bmiHeader;
    const i64 width = h.biWidth;
    const i64 height = h.biHeight < 0 ? -static_cast<i64>(h.biHeight) : h.biHeight;
    if (width <= 0 || height == 0 || width > MaxSide || height > MaxSide)
        return false;
    const u32 tableBytes = BMP_INFO_HEADER_SIZE + 4 * static_cast<u32>(info->GetColourCount());
    // Only uncompressed 8-bit rows are copied, so only theirs are measured; any other kind
    // loads but is never drawn.
    const bool drawable = h.biCompression == BI_RGB && h.biBitCount == 8;
    const i64 rowBytes = PitchOf(width) * height;
    if (drawable && static_cast<i64>(at.Size - tableBytes) < rowBytes)
        return false;

    BitsOffset = ReadCursor + tableBytes;
    BitsSize = drawable ? static_cast<u32>(rowBytes) : 0;
    ReadCursor += tableBytes;
    Owned = false;
    DrawData.Bits = nullptr;
    const bool topDown = h.biHeight < 0;
    Info = std::move(info);
    const TRect16 rect = GetRect();
    SetRect({rect.left, rect.top, rect.left + static_cast<i32>(width),
             rect.top + static_cast<i32>(height)});
    DrawData.Z = 0;
    DrawData.Flags = static_cast<u16>(DrawData.Flags & ~(GRD_WRITABLE | GRD_TOP_DOWN));
    if (drawable)
        DrawData.Flags |= GRD_WRITABLE;
    if (topDown)
        DrawData.Flags |= GRD_TOP_DOWN;
    return true;
}

const u8* TBmp::GetBits() {
    if (Owned)
        return DrawData.Bits;
    if (!Info)
        return nullptr;
    // Looked up each time: the manager may have let the image go or read it in again elsewhere.
    TEmbeddedAddress base = EmbeddedBase;
    if (base.IsNull() && Image != nullptr && Image->GetData() != nullptr)
        base = {Image->GetData(), Image->Size};
    if (base.IsNull() || base.Size < BitsOffset || base.Size - BitsOffset < BitsSize)
        return nullptr;
    return base.Data + BitsOffset;
}

i32 TBmp::PixelWidth() const {
    return Info ? Info->Get()->bmiHeader.biWidth : GetRect().Width();
}

i32 TBmp::PixelHeight() const {
    if (!Info)
        return GetRect().Height();
    const i32 h = Info->Get()->bmiHeader.biHeight;
    return h < 0 ? -h : h;
}

i32 TBmp::GetPitch() const {
    return static_cast<i32>(PitchOf(std::max(PixelWidth(), 0)));
}

void TBmp::AdoptBits(std::unique_ptr<TBitmapInfo> info, u8* bits, HBITMAP handle) {
    Info = std::move(info);
    DrawData.Bits = bits;
    Owned = true;
    Handle = handle;
    BitsOffset = 0;
    BitsSize = 0;
    const BITMAPINFOHEADER& h = Info->Get()->bmiHeader;
    const i32 height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    const TRect16 rect = GetRect();
    SetRect({rect.left, rect.top, rect.left + h.biWidth, rect.top + height});
    DrawData.Flags = static_cast<u16>(DrawData.Flags & ~(GRD_WRITABLE | GRD_TOP_DOWN));
    if (bits != nullptr && h.biBitCount == 8 && h.biCompression == BI_RGB)
        DrawData.Flags |= GRD_WRITABLE;
    if (h.biHeight < 0)
        DrawData.Flags |= GRD_TOP_DOWN;
}

bool TBmp::Draw(TJorpDC& dc, const TRect16& rect) {
    TBmp* target = dc.GetSelectedBitmap();
    if (target == nullptr || !target->IsDrawable())
        return false;
    return CopyTo(*target, rect);
}

namespace {

// Where a bitmap's pixels lie on the screen: its rectangle, never wider than its rows.
TRect16 PixelArea(const TRect16& rect, i32 width, i32 height) {
    return rect.Intersect({rect.left, rect.top, rect.left + width, rect.top + height});
}

} // namespace

bool TBmp::CopyTo(TBmp& target, const TRect16& clip) {
    const u8* src = GetBits();
    u8* dst = target.GetTargetBits();
    if (src == nullptr || dst == nullptr || !IsDrawable())
        return false;
    const TRect16 from = PixelArea(GetRect(), PixelWidth(), PixelHeight());
    const TRect16 to = PixelArea(target.GetRect(), target.PixelWidth(), target.PixelHeight());
    const TRect16 c = from.Intersect(clip).Intersect(to);
    if (c.IsEmpty())
        return true;
    const i32 srcPitch = GetPitch();
    const i32 dstPitch = target.GetPitch();
    const i32 srcHeight = PixelHeight();
    const i32 dstHeight = target.PixelHeight();
    const size_t n = static_cast<size_t>(c.Width());
    for (i32 y = c.top; y < c.bottom; ++y) {
        const i32 s = y - from.top;
        const i32 t = y - to.top;
        const i32 srcRow = IsTopDown() ? s : srcHeight - 1 - s;
        const i32 dstRow = target.IsTopDown() ? t : dstHeight - 1 - t;
        std::memcpy(dst + static_cast<size_t>(dstRow) * dstPitch + (c.left - to.left),
                    src + static_cast<size_t>(srcRow) * srcPitch + (c.left - from.left), n);
    }
    return true;
}

bool TBmp::CreateBitmap() {
    DeleteBitmap();
    const BITMAPINFOHEADER* h = Info ? &Info->Get()->bmiHeader : nullptr;
    Handle = ::CreateBitmap(PixelWidth(), PixelHeight(), h != nullptr ? h->biPlanes : 1,
                            h != nullptr ? h->biBitCount : 8, GetBits());
    return Handle != nullptr;
}

bool TBmp::DeleteBitmap() {
    if (Handle == nullptr)
        return true;
    const bool deleted = DeleteObject(Handle);
    Handle = nullptr;
    return deleted;
}

TBmpMono::TBmpMono(TJorpOwner* owner, i16 x, i16 y, i16 width, i16 height, u8 colour)
    : TBmp(owner) {
    SetFill(colour);
    DrawData.Flags = static_cast<u16>(DrawData.Flags & ~GRD_WRITABLE);
    DrawData.Rect = {x, y, x + width, y + height};
}

void TBmpMono::SetFill(u8 colour) {
    Fill = colour;
    std::memset(FillRow, colour, sizeof FillRow);
}

bool TBmpMono::CopyTo(TBmp& target, const TRect16& clip) {
    u8* dst = target.GetTargetBits();
    if (dst == nullptr)
        return false;
    const TRect16 to = PixelArea(target.GetRect(), target.PixelWidth(), target.PixelHeight());
    const TRect16 c = GetRect().Intersect(clip).Intersect(to);
    if (c.IsEmpty())
        return true;
    const i32 pitch = target.GetPitch();
    const i32 height = target.PixelHeight();
    const size_t n = static_cast<size_t>(std::min(c.Width(), FillWidth));
    for (i32 y = c.top; y < c.bottom; ++y) {
        const i32 t = y - to.top;
        const i32 row = target.IsTopDown() ? t : height - 1 - t;
        std::memcpy(dst + static_cast<size_t>(row) * pitch + (c.left - to.left), FillRow, n);
    }
    return true;
}

// TAnmImage: the header and the one pass that checks every frame, row and run.
#include "engine/media/AnmImage.h"

namespace {

// Offsets and counts come from the file: sums are taken wide so that none can wrap.
bool Fits(u64 at, u64 length, u32 size) {
    return at <= size && length <= size - at;
}

// For every byte position q: whether the 32-bit offset stored at q is bad, summed with the
// same answer at q - 4, q - 8 and so on. A table of n offsets starting at q is then all
// good when the sums at its two ends agree, however long it is, so that tables which share
// their bytes (hostile files do that) are not walked again and again.
class TStrideSums {
public:
    template <class Good> TStrideSums(const u8* data, u32 size, Good&& good) : Sums(size) {
        for (u32 q = 0; q < size; ++q) {
            const u32 bad = (!Fits(q, 4, size) || !good(GetLe32(data + q))) ? 1U : 0U;
            Sums[q] = bad + (q >= 4 ? Sums[q - 4] : 0U);
        }
    }
    // The n offsets from q on are all good; the caller has checked that they lie inside.
    bool AllGood(u32 q, u32 n) const {
        if (n == 0)
            return true;
        const u32 last = q + 4 * (n - 1);
        return Sums[last] - (q >= 4 ? Sums[q - 4] : 0U) == 0;
    }

private:
    std::vector<u32> Sums;
};

} // namespace

void TAnmImage::Clear() {
    Frames.clear();
    RefX = 0;
    RefY = 0;
    CheckedSize = 0;
    Checked = false;
}

const TAnmFrameInfo* TAnmImage::GetFrame(u16 k) const {
    if (k >= Frames.size() || !Frames[k].Known)
        return nullptr;
    return &Frames[k];
}

bool TAnmImage::Check(const u8* data, u32 size) {
    Clear();
    if (data == nullptr || size < ANM_HEADER_SIZE)
        return false;
    const u16 count = GetLe16(data + 12);
    if (!Fits(ANM_HEADER_SIZE, 4ULL * count, size))
        return false;
    RefX = GetLe16(data + 18);
    RefY = GetLe16(data + 20);

    const auto runGood = [&](u32 at) {
        return Fits(at, 4, size) && Fits(at + 4ULL, GetLe16(data + at + 2), size);
    };
    const TStrideSums runs(data, count > 0 ? size : 0, runGood);
    const auto rowGood = [&](u32 at) {
        if (!Fits(at, 2, size))
            return false;
        const u16 n = GetLe16(data + at);
        return Fits(at + 2ULL, 4ULL * n, size) && runs.AllGood(at + 2, n);
    };
    const TStrideSums rows(data, count > 0 ? size : 0, rowGood);

    Frames.resize(count);
    for (u16 k = 0; k < count; ++k) {
        TAnmFrameInfo& f = Frames[k];
        f.Offset = GetLe32(data + ANM_HEADER_SIZE + 4 * k);
        if (!Fits(f.Offset, ANM_FRAME_HEADER_SIZE, size))
            continue;
        const u8* h = data + f.Offset;
        f.Width = static_cast<i16>(GetLe16(h));
        f.Height = static_cast<i16>(GetLe16(h + 2));
        f.HotX = static_cast<i16>(GetLe16(h + 4));
        f.HotY = static_cast<i16>(GetLe16(h + 6));
        f.Known = true;
        const u64 table = static_cast<u64>(f.Offset) + ANM_FRAME_HEADER_SIZE;
        f.Drawable = f.Width >= 0 && f.Height >= 0 && Fits(table, 4ULL * f.Height, size) &&
                     rows.AllGood(static_cast<u32>(table), static_cast<u32>(f.Height));
    }
    CheckedSize = size;
    Checked = true;
    return true;
}

// TAnmImage: the header and the one pass that checks every frame, row and run.
#include "engine/media/AnmImage.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Offsets and counts come from the file: sums are taken wide so that none can wrap.
bool Fits(u64 at, u64 length, u32 size) {
    return at <= size && length <= size - at;
}

// A table of offsets that lies inside the image: its first byte and its count.
struct TTable {
    u32 At;
    u32 Count;
};

// The offsets some tables hold, each once however many tables share it (hostile files make
// tables share their bytes, so that walking each table would take ages), numbered in chains of
// offsets 4 bytes apart. Only these are looked at, never the pixels between them.
class TChains {
public:
    explicit TChains(const std::vector<TTable>& tables) : StretchOf(tables.size(), 0) {
        // Files as written list the tables of each chain in the order of their bytes already.
        std::array<std::vector<u32>, 4> chains;
        for (u32 i = 0; i < tables.size(); ++i)
            if (tables[i].Count > 0)
                chains[tables[i].At % 4].push_back(i);
        for (std::vector<u32>& chain : chains) {
            const auto byAt = [&](u32 a, u32 b) { return tables[a].At < tables[b].At; };
            if (!std::is_sorted(chain.begin(), chain.end(), byAt))
                std::stable_sort(chain.begin(), chain.end(), byAt);
            for (size_t c = 0; c < chain.size(); ++c) {
                const TTable& t = tables[chain[c]];
                const u32 end = t.At + 4 * t.Count;
                if (c > 0 && t.At <= Stretches.back().To)
                    Stretches.back().To = std::max(Stretches.back().To, end);
                else
                    Stretches.push_back({t.At, end, 0});
                StretchOf[chain[c]] = static_cast<u32>(Stretches.size() - 1);
            }
        }
        for (TStretch& stretch : Stretches) {
            stretch.First = Count;
            Count += (stretch.To - stretch.From) / 4;
        }
    }

    u32 GetCount() const { return Count; }
    // Calls visit(q, i) for the offset at byte q, numbered i.
    template <class F> void ForEach(F&& visit) const {
        for (const TStretch& stretch : Stretches)
            for (u32 q = stretch.From, i = stretch.First; q < stretch.To; q += 4, ++i)
                visit(q, i);
    }
    // For each of the tables the chains were made of: whether none of its offsets is bad. The
    // bad offsets are counted along each chain, so that a table is all good when the counts at
    // its two ends agree, however long it is.
    std::vector<u8> AllGood(const std::vector<TTable>& tables, const std::vector<u8>& bad) const {
        std::vector<u32> sums(Count);
        for (const TStretch& stretch : Stretches)
            for (u32 i = stretch.First; i < stretch.First + (stretch.To - stretch.From) / 4; ++i)
                sums[i] = bad[i] + (i > stretch.First ? sums[i - 1] : 0U);
        std::vector<u8> good(tables.size(), 1);
        for (size_t t = 0; t < tables.size(); ++t) {
            if (tables[t].Count == 0)
                continue;
            const TStretch& stretch = Stretches[StretchOf[t]];
            const u32 first = stretch.First + (tables[t].At - stretch.From) / 4;
            const u32 last = first + tables[t].Count - 1;
            good[t] = sums[last] == (first > stretch.First ? sums[first - 1] : 0U) ? 1 : 0;
        }
        return good;
    }

private:
    // Bytes From to To of offsets 4 apart, numbered from First.
    struct TStretch {
        u32 From;
        u32 To;
        u32 First;
    };
    std::vector<TStretch> Stretches;
    std::vector<u32> StretchOf;
    u32 Count = 0;
};

// The mark of a row offset that names no run table inside the image.
constexpr u32 NoRunTable = 0xFFFFFFFFU;

// The rule walked straight, row table by row table, for whether each frame's rows all lie
// inside the image. Files as written share few tables, so this looks at about as many offsets
// as the image holds; it gives up (false) past twice that, and the chains take over.
bool WalkRowTables(const u8* data, u32 size, const std::vector<TTable>& rowTables,
                   std::vector<u8>& rowsGood) {
    u64 budget = size / 2;
    rowsGood.assign(rowTables.size(), 0);
    for (size_t t = 0; t < rowTables.size(); ++t) {
        const TTable& rows = rowTables[t];
        if (budget < rows.Count)
            return false;
        budget -= rows.Count;
        bool good = true;
        for (u32 r = 0; good && r < rows.Count; ++r) {
            const u32 at = GetLe32(data + rows.At + 4 * r);
            const u32 runs = Fits(at, 2, size) ? GetLe16(data + at) : 0U;
            good = Fits(at, 2, size) && Fits(at + 2ULL, 4ULL * runs, size);
            if (!good)
                break;
            if (budget < runs)
                return false;
            budget -= runs;
            for (u32 j = 0; good && j < runs; ++j) {
                const u32 run = GetLe32(data + at + 2 + 4 * j);
                good = Fits(run, 4, size) && Fits(run + 4ULL, GetLe16(data + run + 2), size);
            }
        }
        rowsGood[t] = good ? 1 : 0;
    }
    return true;
}

// The same answers whatever the tables share: each offset is looked at once. The run table
// each row offset names, then whether each run lies inside the image, then whether each row's
// runs do, then whether each frame's rows do.
std::vector<u8> ChainRowTables(const u8* data, u32 size, const std::vector<TTable>& rowTables) {
    const TChains rowOffsets(rowTables);
    std::vector<TTable> runTables;
    std::vector<u32> runTableOf(rowOffsets.GetCount(), NoRunTable);
    rowOffsets.ForEach([&](u32 q, u32 i) {
        const u32 at = GetLe32(data + q);
        if (!Fits(at, 2, size))
            return;
        const TTable runs{at + 2, GetLe16(data + at)};
        if (!Fits(runs.At, 4ULL * runs.Count, size))
            return;
        runTableOf[i] = static_cast<u32>(runTables.size());
        runTables.push_back(runs);
    });
    const TChains runOffsets(runTables);
    std::vector<u8> bad(runOffsets.GetCount(), 0);
    runOffsets.ForEach([&](u32 q, u32 i) {
        const u32 at = GetLe32(data + q);
        bad[i] = Fits(at, 4, size) && Fits(at + 4ULL, GetLe16(data + at + 2), size) ? 0 : 1;
    });
    const std::vector<u8> runsGood = runOffsets.AllGood(runTables, bad);
    bad.assign(rowOffsets.GetCount(), 0);
    rowOffsets.ForEach([&](u32, u32 i) {
        bad[i] = runTableOf[i] != NoRunTable && runsGood[runTableOf[i]] != 0 ? 0 : 1;
    });
    return rowOffsets.AllGood(rowTables, bad);
}

} // namespace

void TAnmImage::Clear() {
    Frames.clear();
    Changes.clear();
    RefX = 0;
    RefY = 0;
    CheckedSize = 0;
    Checked = false;
}

namespace {

// Past this many pairs, or frames larger than a screen, comparing costs more than it saves.
constexpr size_t MaxChanges = 64;
constexpr i32 MaxComparedPixels = 640 * 480;
// A pixel no run covers: drawing leaves what lies under it.
constexpr u16 Clear = 0x100;

// Row y of frames a and b holds the same runs, so that drawing puts down the same pixels.
bool SameRuns(const u8* data, const TAnmFrameInfo& a, const TAnmFrameInfo& b, i32 y) {
    const u32 rowA = GetLe32(data + a.Offset + ANM_FRAME_HEADER_SIZE + 4 * y);
    const u32 rowB = GetLe32(data + b.Offset + ANM_FRAME_HEADER_SIZE + 4 * y);
    if (rowA == rowB)
        return true;
    const u16 runs = GetLe16(data + rowA);
    if (runs != GetLe16(data + rowB))
        return false;
    for (u16 i = 0; i < runs; ++i) {
        const u8* runA = data + GetLe32(data + rowA + 2 + 4 * i);
        const u8* runB = data + GetLe32(data + rowB + 2 + 4 * i);
        const u16 length = GetLe16(runA + 2);
        if (std::memcmp(runA, runB, 4) != 0 || std::memcmp(runA + 4, runB + 4, length) != 0)
            return false;
    }
    return true;
}

// One row as drawing puts it down: later runs over earlier ones, cut to the frame's width.
void DecodeRow(const u8* data, const TAnmFrameInfo& frame, i32 row, std::vector<u16>& line) {
    std::fill(line.begin(), line.end(), Clear);
    const i32 width = static_cast<i32>(line.size());
    TAnmImage::ForEachRun(data, frame, row, [&](i16 x, u16 length, const u8* pixels) {
        const i32 from = std::max<i32>(x, 0);
        const i32 until = std::min<i32>(x + length, width);
        for (i32 i = from; i < until; ++i)
            line[static_cast<size_t>(i)] = pixels[i - x];
    });
}

// What joining two bands into their box adds to the pixels repainted.
i64 JoinCost(const TRect16& a, const TRect16& b) {
    const auto area = [](const TRect16& r) { return static_cast<i64>(r.Width()) * r.Height(); };
    return area(a.Union(b)) - area(a) - area(b);
}

// A changed row, top first, onto the bands so far: rows that line up all but exactly join the
// band above at once, which keeps the joining below short.
void AddChangedRow(std::vector<TRect16>& bands, const TRect16& row) {
    constexpr i64 AlmostNothing = 16;
    if (!bands.empty() && JoinCost(bands.back(), row) < AlmostNothing)
        bands.back() = bands.back().Union(row);
    else
        bands.push_back(row);
}

// The bands joined further: always the neighbours whose joining adds the fewest pixels, while
// there are too many bands or while that is fewer pixels than a band of its own costs to
// repaint. Worked out once per pair of frames.
TAnmChangedParts Bands(std::vector<TRect16> bands) {
    constexpr i64 PartCost = 512;
    while (bands.size() > 1) {
        size_t best = 0;
        i64 bestAdded = 0;
        for (size_t i = 0; i + 1 < bands.size(); ++i) {
            const i64 added = JoinCost(bands[i], bands[i + 1]);
            if (i == 0 || added < bestAdded) {
                best = i;
                bestAdded = added;
            }
        }
        if (bands.size() <= ANM_CHANGED_PARTS && bestAdded >= PartCost)
            break;
        bands[best] = bands[best].Union(bands[best + 1]);
        bands.erase(bands.begin() + static_cast<std::ptrdiff_t>(best) + 1);
    }
    TAnmChangedParts parts;
    for (const TRect16& band : bands)
        parts.Rects[parts.Count++] = band;
    return parts;
}

// Where two decoded lines first and last differ: [first, last), or first == n when they are
// the same. Words of four pixels are compared at once; pairs are worked out the first time
// their frames follow each other on the screen, so this runs inside frames.
void Differences(const std::vector<u16>& a, const std::vector<u16>& b, size_t& first,
                 size_t& last) {
    const size_t n = a.size();
    const auto word = [](const std::vector<u16>& line, size_t at) {
        u64 w;
        std::memcpy(&w, line.data() + at, sizeof w);
        return w;
    };
    first = 0;
    while (first + 4 <= n && word(a, first) == word(b, first))
        first += 4;
    while (first < n && a[first] == b[first])
        ++first;
    if (first == n) {
        last = n;
        return;
    }
    last = n;
    while (last >= first + 4 && word(a, last - 4) == word(b, last - 4))
        last -= 4;
    while (a[last - 1] == b[last - 1])
        --last;
}

} // namespace

bool TAnmImage::ChangedArea(const u8* data, u16 from, u16 to, TRect16& area,
                            TAnmChangedParts* parts) {
    for (const TChange& change : Changes)
        if (change.From == from && change.To == to) {
            area = change.Area;
            if (parts != nullptr)
                *parts = change.Parts;
            return true;
        }
    const TAnmFrameInfo* a = GetFrame(from);
    const TAnmFrameInfo* b = GetFrame(to);
    if (data == nullptr || Changes.size() >= MaxChanges || a == nullptr || b == nullptr ||
        !a->Drawable || !b->Drawable || a->Width != b->Width || a->Height != b->Height ||
        static_cast<i32>(a->Width) * a->Height > MaxComparedPixels)
        return false;
    std::vector<u16> lineA(static_cast<size_t>(a->Width));
    std::vector<u16> lineB(lineA.size());
    i32 left = a->Width, top = a->Height, right = 0, bottom = 0;
    std::vector<TRect16> rows;
    for (i32 y = 0; y < a->Height; ++y) {
        if (SameRuns(data, *a, *b, y))
            continue;
        DecodeRow(data, *a, y, lineA);
        DecodeRow(data, *b, y, lineB);
        size_t first = 0;
        size_t last = 0;
        Differences(lineA, lineB, first, last);
        if (first == lineA.size())
            continue;
        left = std::min<i32>(left, static_cast<i32>(first));
        right = std::max<i32>(right, static_cast<i32>(last));
        top = std::min(top, y);
        bottom = y + 1;
        AddChangedRow(rows, {static_cast<i32>(first), y, static_cast<i32>(last), y + 1});
    }
    area = bottom > top ? TRect16{left, top, right, bottom} : TRect16{};
    Changes.push_back({from, to, area, Bands(std::move(rows))});
    if (parts != nullptr)
        *parts = Changes.back().Parts;
    return true;
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

    // A frame's rows: its table of row offsets. A row: its run count and table of run offsets.
    // A run: its x, its length and its pixels.
    Frames.resize(count);
    std::vector<TTable> rowTables;
    std::vector<u16> tableFrames;
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
        if (f.Width >= 0 && f.Height >= 0 && Fits(table, 4ULL * f.Height, size)) {
            rowTables.push_back({static_cast<u32>(table), static_cast<u32>(f.Height)});
            tableFrames.push_back(k);
        }
    }

    std::vector<u8> rowsGood;
    if (!WalkRowTables(data, size, rowTables, rowsGood))
        rowsGood = ChainRowTables(data, size, rowTables);
    for (size_t t = 0; t < rowTables.size(); ++t)
        Frames[tableFrames[t]].Drawable = rowsGood[t] != 0;
    CheckedSize = size;
    Checked = true;
    return true;
}

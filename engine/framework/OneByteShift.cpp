// JudgeOneByteShift: the points at which one byte could have been put into a save file or taken
// out of it, and the readings of each record they leave.
#include "OneByteShift.h"

#include "engine/framework/PlayerMgr.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// A record read with the point at Cut. Put in: the byte at Cut is passed over, so that Cut at
// the record's place reads it one byte on, and Cut at its end reads it in its place. Taken out:
// Byte stands before the byte at Cut, and Cut at the record's end (Byte -1) reads it in place.
struct TReading {
    size_t Cut;
    int Byte;
};

// Up to two different readings of one record: two are enough to put him in doubt. Kept
// without the heap, as a damaged file is judged at many readings.
class TReadings {
public:
    size_t size() const { return Count; }
    bool empty() const { return Count == 0; }
    const TReading& operator[](size_t i) const { return Kept[i]; }
    const TReading* begin() const { return Kept.data(); }
    const TReading* end() const { return Kept.data() + Count; }
    void push_back(const TReading& reading) { Kept[Count++] = reading; }

private:
    std::array<TReading, 2> Kept{};
    size_t Count = 0;
};

// The readings a record takes with the point inside it: none when no point there leaves a
// sound record.
struct THeld {
    TReadings Readings;
};

// How many bytes two runs of bytes share from the front, and from the back. A record is
// compared in blocks: it is mostly the same as a free place's where it is at all.
constexpr size_t Block = 64;

size_t SameFront(const u8* one, const u8* other, size_t size) {
    size_t same = 0;
    while (same + Block <= size && std::memcmp(one + same, other + same, Block) == 0)
        same += Block;
    while (same < size && one[same] == other[same])
        ++same;
    return same;
}

size_t SameBack(const u8* one, const u8* other, size_t size) {
    size_t same = 0;
    while (same + Block <= size &&
           std::memcmp(one + size - same - Block, other + size - same - Block, Block) == 0)
        same += Block;
    while (same < size && one[size - 1 - same] == other[size - 1 - same])
        ++same;
    return same;
}

class TJudge {
public:
    explicit TJudge(const TOneByteFile& file)
        : File(file), F(file.Bytes->data()), N(file.Bytes->size()), Size(file.Size),
          Judged(std::min(file.Judged, file.Size)),
          Tail(std::min(file.JudgedTail, file.Size - Judged)), PutIn(file.Shift > 0) {}

    std::vector<TOneByteRecord> Judge();

private:
    size_t At(size_t r) const { return File.Places[r]; }
    // A whole reading of a gambler, and a sound reading of a place: a gambler, or a free place.
    bool Whole(const u8* record) const;
    bool Sound(const u8* record) const;
    const u8* InPlace(size_t r) const { return At(r) + Size <= N ? F + At(r) : nullptr; }
    const u8* Moved(size_t r) const;
    TReading In(size_t r) const { return {At(r) + Size, -1}; }
    TReading Sh(size_t r) const {
        return PutIn ? TReading{At(r), -1} : TReading{At(r), F[At(r) - 1]};
    }
    bool Same(const TReading& one, const TReading& other) const;
    // Every byte from `from` up to `to` is the same: each is the one after it.
    bool Run(size_t from, size_t to) const {
        return to <= from + 1 || std::memcmp(F + from, F + from + 1, to - from - 1) == 0;
    }
    int Mark(size_t r, const TReading& reading) const;
    // Whether the reading lies inside the file.
    bool Fits(size_t r, const TReading& reading) const;
    // Its first count bytes.
    std::vector<u8> Bytes(size_t r, const TReading& reading, size_t count) const;
    // Whether its bytes from `from` on are other's.
    bool Matches(size_t r, const TReading& reading, const u8* other, size_t from) const;
    // Adds the reading unless one the same is there; two are all that is kept.
    void Add(TReadings& readings, const TReading& reading) const;
    THeld Hold(size_t r) const;

    const TOneByteFile& File;
    const u8* F;
    size_t N;
    size_t Size;
    size_t Judged;
    size_t Tail;
    bool PutIn;
};

bool TJudge::Whole(const u8* record) const {
    // The game's blank with the used mark set is the free place read with the byte before it
    // as its mark: taken for a gambler, it would bring back one nobody made.
    return File.IsWhole(record) && (File.Blank == nullptr ||
                                    std::memcmp(record + 1, File.Blank->data() + 1, Size - 1) != 0);
}

bool TJudge::Sound(const u8* record) const {
    if (record[0] == 1)
        return Whole(record);
    if (record[0] == 0)
        return File.Free == nullptr || std::memcmp(record, File.Free->data(), Size) == 0;
    return false;
}

const u8* TJudge::Moved(size_t r) const {
    if (PutIn)
        return At(r) + 1 + Size <= N ? F + At(r) + 1 : nullptr;
    return At(r) >= 1 && At(r) - 1 + Size <= N ? F + At(r) - 1 : nullptr;
}

bool TJudge::Same(const TReading& one, const TReading& other) const {
    if (PutIn) {
        // Passing over either end of a run of equal bytes leaves the same bytes.
        const size_t low = std::min(one.Cut, other.Cut), high = std::max(one.Cut, other.Cut);
        return high < N && Run(low, high + 1);
    }
    if (one.Cut == other.Cut)
        return one.Byte == other.Byte;
    const TReading& first = one.Cut < other.Cut ? one : other;
    const TReading& second = one.Cut < other.Cut ? other : one;
    // A byte stood before a run of its own value reads as it standing after it.
    return second.Cut <= N && static_cast<int>(F[first.Cut]) == first.Byte &&
           Run(first.Cut, second.Cut) && (second.Byte < 0 || second.Byte == first.Byte);
}

int TJudge::Mark(size_t r, const TReading& reading) const {
    if (reading.Cut > At(r))
        return F[At(r)];
    if (PutIn)
        return At(r) + 1 < N ? F[At(r) + 1] : -1;
    return reading.Byte;
}

bool TJudge::Fits(size_t r, const TReading& reading) const {
    const size_t end =
        PutIn ? At(r) + Size + 1 : (reading.Byte < 0 ? At(r) + Size : At(r) + Size - 1);
    return end <= N && reading.Cut >= At(r) && reading.Cut <= At(r) + Size;
}

std::vector<u8> TJudge::Bytes(size_t r, const TReading& reading, size_t count) const {
    if (!Fits(r, reading))
        return {};
    const size_t a = At(r), cut = reading.Cut - a;
    count = std::min(count, Size);
    // In place before the cut, the byte put back at it, and the rest one byte off.
    std::vector<u8> bytes(Size);
    std::memcpy(bytes.data(), F + a, std::min(cut, Size));
    if (PutIn) {
        std::memcpy(bytes.data() + cut, F + a + cut + 1, Size - cut);
    } else if (reading.Byte >= 0 && cut < Size) {
        bytes[cut] = static_cast<u8>(reading.Byte);
        std::memcpy(bytes.data() + cut + 1, F + a + cut, Size - cut - 1);
    }
    bytes.resize(count);
    return bytes;
}

bool TJudge::Matches(size_t r, const TReading& reading, const u8* other, size_t from) const {
    if (!Fits(r, reading) || from > Size)
        return false;
    const size_t a = At(r), cut = std::max(reading.Cut - a, from);
    if (!PutIn && reading.Byte < 0)
        return std::memcmp(F + a + from, other + from, Size - from) == 0;
    if (std::memcmp(F + a + from, other + from, cut - from) != 0)
        return false;
    if (PutIn)
        return std::memcmp(F + a + cut + 1, other + cut, Size - cut) == 0;
    if (cut == Size)
        return true;
    if (cut == reading.Cut - a && other[cut] != reading.Byte)
        return false;
    const size_t rest = cut == reading.Cut - a ? cut + 1 : cut;
    return std::memcmp(F + a + rest - 1, other + rest, Size - rest) == 0;
}

void TJudge::Add(TReadings& readings, const TReading& reading) const {
    for (const TReading& kept : readings)
        if (Same(kept, reading))
            return;
    if (readings.size() < 2)
        readings.push_back(reading);
}

THeld TJudge::Hold(size_t r) const {
    THeld held;
    const size_t a = At(r);
    const size_t from = PutIn ? a + 1 : a - 1;
    if (a == 0 || from + Size > N)
        return held;
    // How far the bytes in place, and those one byte off, agree with a free place's from
    // either end: a reading with the point between the two is a free place. Found only where a
    // reading has the free mark: it takes the whole record to tell.
    size_t sameFront = 0, sameBack = 0;
    bool compared = false;
    const auto freeAt = [&](size_t p) {
        if (File.Free == nullptr)
            return true;
        if (!compared) {
            const u8* free = File.Free->data();
            sameFront = SameFront(F + a, free, std::min(Size, N - a));
            sameBack = SameBack(F + from, free, Size);
            compared = true;
        }
        return p <= sameFront && (PutIn ? Size - p : Size - 1 - p) <= sameBack;
    };
    // Only the judged bytes of a reading are laid in: IsWhole reads no others.
    const size_t tailAt = Size - Tail;
    std::vector<u8> record(Size, 0);
    const auto lay = [&](size_t p, int x) {
        // Bytes lo to hi of the reading with the point at p: in place before it, then one
        // byte off, with x standing at p where a byte was taken out.
        const auto range = [&](size_t lo, size_t hi) {
            const size_t in = std::clamp(p, lo, hi);
            std::memcpy(record.data() + lo, F + a + lo, in - lo);
            if (PutIn) {
                std::memcpy(record.data() + in, F + a + in + 1, hi - in);
                return;
            }
            size_t k = in;
            if (k < hi && k == p)
                record[k++] = static_cast<u8>(x);
            std::memcpy(record.data() + k, F + a + k - 1, hi - k);
        };
        range(0, Judged);
        range(tailAt, Size);
    };
    const auto whole = [&](const TReading& reading) {
        return File.IsWhole(record.data()) &&
               (File.Blank == nullptr || !Matches(r, reading, File.Blank->data(), 1));
    };
    auto& readings = held.Readings;
    if (Judged < tailAt) {
        // Between the judged bytes every point leaves them alike: those points are tried
        // first, as they are most often enough to put the record in doubt. Whether a reading
        // there is the blank depends on where the point lies: each is taken for a gambler,
        // which can only put the record in doubt.
        lay(Judged, 0);
        const bool used = record[0] == 1 && File.IsWhole(record.data());
        if (used || (record[0] == 0 && File.Free == nullptr)) {
            // Points in different runs leave different bytes; a byte taken out could have been
            // any.
            if (PutIn) {
                Add(readings, {a + Judged, -1});
                Add(readings, {a + tailAt - 1, -1});
            } else {
                Add(readings, {a + Judged, 0});
                Add(readings, {a + Judged, 1});
            }
        } else if (record[0] == 0) {
            freeAt(0);
            const size_t low = std::max(Judged, PutIn ? Size - std::min(Size, sameBack)
                                                      : Size - 1 - std::min(Size - 1, sameBack));
            const size_t high = std::min(tailAt - 1, sameFront);
            if (low <= high)
                Add(readings, {a + low, PutIn ? -1 : (*File.Free)[low]});
        }
        if (readings.size() >= 2)
            return held;
    }
    // Points among the judged bytes, one by one.
    for (size_t p = 0; p < Size && readings.size() < 2; ++p) {
        if (p == Judged && Judged < tailAt)
            p = tailAt;
        if (p >= Size)
            break;
        if (PutIn) {
            lay(p, -1);
            if ((record[0] == 1 && whole({a + p, -1})) || (record[0] == 0 && freeAt(p)))
                Add(readings, {a + p, -1});
            continue;
        }
        // Taken out here: the byte that stood at p could have been any that leaves a sound
        // record. Past the mark, the mark is the file's own.
        if (p > 0 && F[a] > 1)
            break;
        const u8 mark = p == 0 ? 0 : F[a];
        if (mark == 0 && p > 0) {
            if (File.Free == nullptr) {
                Add(readings, {a + p, 0});
                Add(readings, {a + p, 1});
            } else if (freeAt(p)) {
                Add(readings, {a + p, (*File.Free)[p]});
            }
            continue;
        }
        lay(p, 0);
        const int last = p == 0 ? 1 : 255;
        for (int x = 0; x <= last && readings.size() < 2; ++x) {
            record[p] = static_cast<u8>(x);
            if ((record[0] == 1 && whole({a + p, x})) ||
                (record[0] == 0 && freeAt(p) && (File.Free == nullptr || x == (*File.Free)[p])))
                Add(readings, {a + p, x});
        }
    }
    return held;
}

std::vector<TOneByteRecord> TJudge::Judge() {
    const size_t count = File.Places.size();
    if (count == 0 || Size == 0)
        return {};
    const size_t written = PutIn ? N - 1 : N + 1;
    // Sound in place for every record before i, and one byte off for every one from i on.
    std::vector<bool> inBefore(count + 1, true), movedFrom(count + 1, true);
    for (size_t r = 0; r < count; ++r) {
        const u8* record = InPlace(r);
        inBefore[r + 1] = inBefore[r] && record != nullptr && Sound(record);
    }
    for (size_t r = count; r-- > 0;) {
        const u8* record = Moved(r);
        movedFrom[r] = movedFrom[r + 1] && record != nullptr && Sound(record);
    }
    // The points that explain the file: between records (or before the first, after the
    // last), or inside one, with the readings they leave it.
    std::vector<size_t> gaps;
    std::vector<std::pair<size_t, THeld>> holders;
    for (size_t b = 0; b <= count; ++b) {
        const size_t start = b == 0 ? 0 : At(b - 1) + Size;
        const size_t end = b == count ? (PutIn ? written + 1 : written) : At(b);
        if (start < end && inBefore[b] && movedFrom[b])
            gaps.push_back(b);
        if (b < count && inBefore[b] && movedFrom[b + 1]) {
            THeld held = Hold(b);
            if (!held.Readings.empty())
                holders.emplace_back(b, std::move(held));
        }
    }
    if (gaps.empty() && holders.empty())
        return {};
    std::vector<TOneByteRecord> verdicts(count);
    for (size_t r = 0; r < count; ++r) {
        TReadings readings;
        std::optional<TReading> used;
        const auto take = [&](const TReading& reading) {
            if (!used && Mark(r, reading) == 1)
                used = reading;
            Add(readings, reading);
        };
        for (const size_t b : gaps)
            take(r < b ? In(r) : Sh(r));
        for (const auto& [h, held] : holders) {
            if (r != h)
                take(r < h ? In(r) : Sh(r));
            else
                for (const TReading& reading : held.Readings)
                    take(reading);
        }
        TOneByteRecord& verdict = verdicts[r];
        if (readings.size() == 1) {
            if (Mark(r, readings[0]) == 1) {
                verdict.Whole = Bytes(r, readings[0], Size);
                if (verdict.Whole->size() != Size)
                    verdict.Whole.reset();
            }
            continue;
        }
        // A free place with its mark set is no gambler anybody made: its bytes are the game's
        // own blank, and telling them would name somebody who never played.
        const auto blank = [&](const TReading& reading) {
            return Mark(r, reading) == 1 && File.Blank != nullptr &&
                   Matches(r, reading, File.Blank->data(), 1);
        };
        if (!used || (blank(*used) &&
                      std::all_of(readings.begin(), readings.end(), [&](const TReading& reading) {
                          return Mark(r, reading) != 1 || blank(reading);
                      })))
            continue;
        verdict.InDoubt = true;
        // The name he has in his place, else one byte off, else in a reading that has him.
        for (const u8* record : {InPlace(r), Moved(r)})
            if (!verdict.Name && record != nullptr && record[0] == 1)
                verdict.Name = TPlayerMgr::ReadableName(record, Size);
        if (!verdict.Name) {
            const std::vector<u8> head = Bytes(r, *used, File.Judged);
            verdict.Name = TPlayerMgr::ReadableName(head.data(), head.size());
        }
    }
    return verdicts;
}

} // namespace

std::vector<TOneByteRecord> JudgeOneByteShift(const TOneByteFile& file) {
    if (file.Bytes == nullptr || (file.Shift != 1 && file.Shift != -1) || !file.IsWhole ||
        (file.Free != nullptr && file.Free->size() != file.Size) ||
        (file.Blank != nullptr && file.Blank->size() != file.Size) ||
        !std::is_sorted(file.Places.begin(), file.Places.end()) ||
        // A record one byte early is read from the byte before its place.
        (!file.Places.empty() && file.Places.front() == 0))
        return {};
    return TJudge(file).Judge();
}

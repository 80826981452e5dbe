// JudgeOnePointShift: the points at which bytes could have been put into a save file or taken
// out of it, all at one point, and what each record reads as at each of them.
#include "OnePointShift.h"

#include "engine/framework/PlayerData.h"
#include "engine/framework/PlayerDataLayout.h"
#include "engine/framework/SaveRecordForm.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr size_t NameAt = FieldNamed<TPlayerData>("Name").At;
constexpr size_t NameEnd = NameAt + TPlayerData::NameField;

// Every value of a byte, for a reading to point at the one it puts back.
constexpr std::array<u8, 256> EveryByte = [] {
    std::array<u8, 256> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<u8>(i);
    return bytes;
}();

// How one record is read at one point. Its bytes before Cut lie in place; those from Cut up to
// End were taken out of the file, and Fill stands for them where a single one is put back (-1:
// none); those from End on lie the shift away from their place. Bytes put in leave End at Cut.
struct TReading {
    size_t Cut = 0;
    size_t End = 0;
    int Fill = -1;
    size_t Lost() const { return End - Cut; }
    // Every byte of it is told.
    bool Known() const { return Lost() == 0 || (Lost() == 1 && Fill >= 0); }
};

// What one reading of a place can hold.
struct TOutcome {
    // The game's free place.
    bool Free = false;
    // A gambler known byte for byte.
    std::optional<TReading> Gambler;
    // A gambler whose lost bytes could have been more than one set of values; Faceless when
    // they took his mark and left no letter of his name.
    std::optional<TReading> Unknown;
    bool Faceless = false;
    // The free place it reads as shows the blank's face.
    bool Blank = false;
    bool Sound() const { return Free || Gambler || Unknown; }
};

// What the points that explain the file read one place as.
struct TTally {
    // Up to two different gamblers, byte for byte: two are enough to doubt him.
    std::array<TReading, 2> Gamblers{};
    size_t GamblerCount = 0;
    bool Free = false;
    // Some point reads the place as the game's blank, its face shown.
    bool Blank = false;
    // A gambler whose lost bytes could have been many: his mark known to be 1, lost with them,
    // or lost with every letter of his name.
    std::optional<TReading> Unknown;
    std::optional<TReading> MarkLost;
    bool Faceless = false;
    // He is left out whatever else is read there.
    bool InDoubt() const {
        return Unknown || GamblerCount == 2 ||
               (GamblerCount == 1 && (Free || MarkLost || Faceless));
    }
};

// A reading that moves with the point: its cut, and the end of its lost bytes, each at a fixed
// byte of the record (At) or At + q for the point q.
struct TMoving {
    i64 CutAt = 0;
    bool CutMoves = false;
    i64 EndAt = 0;
    bool EndMoves = false;
    TReading At(i64 q) const {
        return {static_cast<size_t>(CutAt + (CutMoves ? q : 0)),
                static_cast<size_t>(EndAt + (EndMoves ? q : 0)), -1};
    }
};

// The points of one kind: their damage starts q bytes into the record First (or, for the
// bytes before the first record, at q in the file), for q from Low to High, and changes the
// records from First on, each read as its moving reading.
struct TKind {
    size_t First = 0;
    std::vector<TMoving> Touched;
    i64 Low = 0;
    i64 High = -1;
};

class TShiftJudge {
public:
    TShiftJudge(const TSaveLayout& layout, const std::vector<u8>& bytes, i64 shift,
                TShiftJudging judging);
    std::vector<TShiftVerdict> Judge();

private:
    // Reading the file.
    i64 PlaceOf(size_t r) const { return static_cast<i64>(Layout.Places[r]); }
    // The record (first byte its mark) holds a gambler the game can take for some values of
    // the bytes from lostFrom up to lostTo, which the file lost (none when the two are equal):
    // as the game writes him, or only whole, as the judging asks.
    bool CouldBeWhole(const u8* record, size_t lostFrom, size_t lostTo) const {
        return Judging.AsWritten ? Layout.CouldBeWritten(record, {lostFrom, lostTo})
                                 : Layout.CouldBeWhole(record, {lostFrom, lostTo});
    }
    bool Fits(size_t r, const TReading& reading) const;
    // The record's first byte as the reading has it; -1 when it was lost.
    int MarkOf(size_t r, const TReading& reading) const;
    // The reading's bytes from byte i up to where their source changes: the file's, the one
    // put back, or none for lost bytes.
    std::pair<const u8*, size_t> PieceAt(size_t r, const TReading& reading, size_t i) const;
    bool Same(size_t r, const TReading& one, const TReading& other) const;
    std::vector<u8> BytesOf(size_t r, const TReading& reading, size_t count) const;

    // Holding a reading to the blank.
    size_t AgreedInPlace(size_t r);
    size_t AgreedShifted(size_t r);
    bool BlankPastMark(size_t r, const TReading& reading);
    // Some byte of the blank's judged head that is not 0 (its name, its amounts) is told in
    // the reading: it shows the blank's face, not just bytes any record could hold.
    bool ShowsFace(const TReading& reading) const;
    bool CouldBeFree(size_t r, const TReading& reading);
    // The place read all where it lies shows the blank's face by the reader's own rule
    // (save_record::PlaceShowsBlankFace), whatever its mark says: a free place damaged. Readings
    // the shift away are held to the blank as above alone: a lost sector's rule would take
    // many a shifted place for one, and the points between those tried must be judged alike.
    bool ShowsPlaceFace(size_t r, const TReading& reading) const;
    // The blank is a game's record, whose face the rule knows.
    bool HasFace() const { return Blank != nullptr && Size >= TPlayerData::EncodedSize; }
    bool FaceInPlace(size_t r) {
        const TReading inPlace{Size, Size, -1};
        return Fits(r, inPlace) && ShowsPlaceFace(r, inPlace);
    }
    // The q at which a moving reading's bytes past its mark are the blank's.
    std::pair<i64, i64> BlankSpan(size_t r, const TMoving& moving);

    // What a reading holds.
    // Sets faceless where the reading lost the mark and left no letter of the name.
    bool CouldBeGambler(size_t r, const TReading& reading, bool* faceless = nullptr);
    // The place in place is the blank as far as the file holds it.
    bool BlankInPlace(size_t r);
    TOutcome Read(size_t r, const TReading& reading);
    TOutcome ReadEachValue(size_t r, const TReading& reading);

    // Trying the points.
    void Note(size_t r, const TOutcome& outcome);
    void Accept(size_t inPlaceBelow, size_t shiftedFrom);
    void TryGaps();
    std::vector<TKind> KindsAt(size_t r) const;
    void TryKind(const TKind& kind);
    // Each returns whether the kind needs no more points tried.
    bool TryRun(const TKind& kind, i64 low, i64 high, bool& accepted);
    bool TryPoint(const TKind& kind, i64 q, bool& accepted);

    TShiftVerdict VerdictOf(size_t r);

    const TSaveLayout& Layout;
    const TShiftJudging Judging;
    // The game's blank, which it writes in a free place: marked used it is nobody. Null when
    // none is known.
    const std::vector<u8>* Blank;
    // A free place (mark 0) holds exactly the blank; otherwise it may hold anything.
    bool FreeHoldsBlank;
    const u8* Data;
    i64 Length;
    i64 Shift;
    size_t Size;
    size_t Judged;
    size_t TailAt;
    size_t Count;
    // How far each record agrees with the blank, in place from its byte 1 on and the shift
    // away from its end back; -1 until asked.
    std::vector<i64> InPlaceAgreement, ShiftedAgreement;
    // The judged bytes of a reading, laid for the record check.
    std::vector<u8> Laid;
    // How many bytes of the blank's judged head past its mark, before each byte of the head,
    // are not 0.
    std::vector<size_t> Face;
    // Every record before r sound in place; every one from r on sound the shift away.
    std::vector<char> SoundBefore, SoundFrom;
    std::vector<TOutcome> InPlace, Shifted;
    std::vector<TTally> Tallies;
    // The records some point explaining the file reads in place (those below), and those it
    // reads the shift away (from there on).
    size_t InPlaceBelow = 0;
    size_t ShiftedFrom;
    bool Explained = false;
};

TShiftJudge::TShiftJudge(const TSaveLayout& layout, const std::vector<u8>& bytes, i64 shift,
                         TShiftJudging judging)
    : Layout(layout), Judging(judging), Blank(layout.Blank.empty() ? nullptr : &layout.Blank),
      FreeHoldsBlank(judging.AsWritten && Blank != nullptr), Data(bytes.data()),
      Length(static_cast<i64>(bytes.size())), Shift(shift), Size(layout.Size),
      Judged(std::min(layout.Judged, layout.Size)),
      // Only a record as the game writes it is judged by its tail too.
      TailAt(Size - (judging.AsWritten ? std::min(layout.JudgedTail, Size - Judged) : 0)),
      Count(layout.Places.size()), InPlaceAgreement(Count, -1), ShiftedAgreement(Count, -1),
      Laid(Size, 0), SoundBefore(Count + 1, false), SoundFrom(Count + 1, false), InPlace(Count),
      Shifted(Count), Tallies(Count), ShiftedFrom(Count + 1) {
    Face.assign(Judged + 1, 0);
    for (size_t i = 0; i < Judged; ++i)
        Face[i + 1] = Face[i] + (Blank != nullptr && i > 0 && (*Blank)[i] != 0);
}

bool TShiftJudge::Fits(size_t r, const TReading& reading) const {
    if (reading.Cut > reading.End || reading.End > Size)
        return false;
    const i64 at = PlaceOf(r);
    if (at + static_cast<i64>(reading.Cut) > Length)
        return false;
    return reading.End == Size || (at + static_cast<i64>(reading.End) + Shift >= 0 &&
                                   at + static_cast<i64>(Size) + Shift <= Length);
}

int TShiftJudge::MarkOf(size_t r, const TReading& reading) const {
    if (reading.Cut > 0)
        return Data[PlaceOf(r)];
    if (reading.End > 0)
        return reading.Lost() == 1 ? reading.Fill : -1;
    return Data[PlaceOf(r) + Shift];
}

std::pair<const u8*, size_t> TShiftJudge::PieceAt(size_t r, const TReading& reading,
                                                  size_t i) const {
    if (i < reading.Cut)
        return {Data + PlaceOf(r) + static_cast<i64>(i), reading.Cut - i};
    if (i < reading.End)
        return {reading.Fill >= 0 ? &EveryByte[static_cast<size_t>(reading.Fill)] : nullptr,
                reading.End - i};
    return {Data + PlaceOf(r) + static_cast<i64>(i) + Shift, Size - i};
}

bool TShiftJudge::Same(size_t r, const TReading& one, const TReading& other) const {
    for (size_t i = 0; i < Size;) {
        const auto [a, aCount] = PieceAt(r, one, i);
        const auto [b, bCount] = PieceAt(r, other, i);
        const size_t step = std::min(aCount, bCount);
        if (std::memcmp(a, b, step) != 0)
            return false;
        i += step;
    }
    return true;
}

std::vector<u8> TShiftJudge::BytesOf(size_t r, const TReading& reading, size_t count) const {
    std::vector<u8> bytes(std::min(count, Size), 0);
    for (size_t i = 0; i < bytes.size();) {
        const auto [from, available] = PieceAt(r, reading, i);
        const size_t step = std::min(available, bytes.size() - i);
        if (from != nullptr)
            std::memcpy(bytes.data() + i, from, step);
        i += step;
    }
    return bytes;
}

// How many bytes two runs of bytes share from the front, and from the back: all of them at once
// where a free place is the blank, else in blocks.
constexpr size_t Block = 64;

size_t SameFront(const u8* one, const u8* other, size_t size) {
    if (std::memcmp(one, other, size) == 0)
        return size;
    size_t same = 0;
    while (same + Block <= size && std::memcmp(one + same, other + same, Block) == 0)
        same += Block;
    while (same < size && one[same] == other[same])
        ++same;
    return same;
}

size_t SameBack(const u8* one, const u8* other, size_t size) {
    if (std::memcmp(one, other, size) == 0)
        return size;
    size_t same = 0;
    while (same + Block <= size &&
           std::memcmp(one + size - same - Block, other + size - same - Block, Block) == 0)
        same += Block;
    while (same < size && one[size - 1 - same] == other[size - 1 - same])
        ++same;
    return same;
}

size_t TShiftJudge::AgreedInPlace(size_t r) {
    if (InPlaceAgreement[r] < 0) {
        const i64 at = PlaceOf(r) + 1;
        const i64 inFile = std::clamp<i64>(Length - at, 0, static_cast<i64>(Size) - 1);
        InPlaceAgreement[r] = static_cast<i64>(
            SameFront(Data + std::min(at, Length), Blank->data() + 1, static_cast<size_t>(inFile)));
    }
    return static_cast<size_t>(InPlaceAgreement[r]);
}

size_t TShiftJudge::AgreedShifted(size_t r) {
    if (ShiftedAgreement[r] < 0) {
        const i64 at = PlaceOf(r) + Shift, end = at + static_cast<i64>(Size);
        // Only what lies in the file: its last byte must.
        const i64 from = std::max<i64>(at, 0);
        ShiftedAgreement[r] =
            end > Length || from >= end
                ? 0
                : static_cast<i64>(SameBack(Data + from, Blank->data() + (from - at),
                                            static_cast<size_t>(end - from)));
    }
    return static_cast<size_t>(ShiftedAgreement[r]);
}

bool TShiftJudge::BlankPastMark(size_t r, const TReading& reading) {
    if (Blank == nullptr)
        return false;
    // In place up to the cut, the byte put back, and the shifted bytes from the lost ones' end.
    if (reading.Cut > 1 && reading.Cut - 1 > AgreedInPlace(r))
        return false;
    if (reading.Lost() == 1 && reading.Fill >= 0 && reading.Cut > 0 &&
        reading.Fill != (*Blank)[reading.Cut])
        return false;
    const size_t shiftedFrom = std::max<size_t>(reading.End, 1);
    return shiftedFrom >= Size || Size - shiftedFrom <= AgreedShifted(r);
}

bool TShiftJudge::ShowsFace(const TReading& reading) const {
    if (reading.Known())
        return Face[Judged] > 0;
    return Face[std::min(reading.Cut, Judged)] > 0 ||
           Face[Judged] > Face[std::min(reading.End, Judged)];
}

bool TShiftJudge::CouldBeFree(size_t r, const TReading& reading) {
    const int mark = MarkOf(r, reading);
    if (mark > 0)
        return false;
    return !FreeHoldsBlank || (BlankPastMark(r, reading) && (mark < 0 || mark == (*Blank)[0]));
}

bool TShiftJudge::ShowsPlaceFace(size_t r, const TReading& reading) const {
    // A place marked free is held to the blank exactly, as before; and one of nothing but zeros
    // past its mark shows no byte of the blank's: zeros put in after a gambler's mark read so,
    // and would explain the file at points far off.
    if (!HasFace() || reading.Cut != Size || MarkOf(r, reading) == 0)
        return false;
    const std::vector<u8> bytes = BytesOf(r, reading, Size);
    return std::any_of(bytes.begin() + 1, bytes.end(), [](u8 b) { return b != 0; }) &&
           save_record::PlaceShowsBlankFace(bytes.data(), bytes.size(), *Blank);
}

std::pair<i64, i64> TShiftJudge::BlankSpan(size_t r, const TMoving& moving) {
    constexpr i64 Far = std::numeric_limits<i64>::max() / 4;
    if (Blank == nullptr)
        return {Far, -Far};
    i64 low = -Far, high = Far;
    // In place, bytes 1 up to the cut: the cut at most one past the agreement.
    const i64 cutLimit = 1 + static_cast<i64>(AgreedInPlace(r));
    if (moving.CutMoves)
        high = cutLimit - moving.CutAt;
    else if (moving.CutAt > cutLimit)
        return {Far, -Far};
    // The shifted bytes, from the lost ones' end (byte 1 at least) on.
    const i64 endLimit = static_cast<i64>(Size) - static_cast<i64>(AgreedShifted(r));
    if (moving.EndMoves)
        low = endLimit - moving.EndAt;
    else if (std::max<i64>(moving.EndAt, 1) < endLimit)
        return {Far, -Far};
    return {low, high};
}

bool TShiftJudge::CouldBeGambler(size_t r, const TReading& reading, bool* faceless) {
    const int mark = MarkOf(r, reading);
    if (mark >= 0 && mark != 1)
        return false;

    // Only the judged bytes are laid: the record check reads no others.
    for (const auto& [from, to] : {std::pair{size_t{0}, Judged}, std::pair{TailAt, Size}}) {
        for (size_t i = from; i < to;) {
            const auto [bytes, available] = PieceAt(r, reading, i);
            const size_t step = std::min(available, to - i);
            if (bytes != nullptr)
                std::memcpy(Laid.data() + i, bytes, step);
            else
                std::memset(Laid.data() + i, 0, step);
            i += step;
        }
    }
    if (const size_t nameEnd = std::min(NameEnd, Judged);
        faceless != nullptr && mark < 0 && nameEnd > NameAt) {
        const size_t from = std::min(std::max(reading.End, NameAt), nameEnd);
        *faceless = std::all_of(Laid.begin() + static_cast<std::ptrdiff_t>(from),
                                Laid.begin() + static_cast<std::ptrdiff_t>(nameEnd),
                                [](u8 c) { return c == 0; });
    }
    return reading.Known() ? CouldBeWhole(Laid.data(), 0, 0)
                           : CouldBeWhole(Laid.data(), reading.Cut, reading.End);
}

TOutcome TShiftJudge::Read(size_t r, const TReading& reading) {
    TOutcome outcome;
    if (!Fits(r, reading))
        return outcome;
    if (reading.Lost() == 1 && reading.Fill < 0)
        return ReadEachValue(r, reading);
    if (ShowsPlaceFace(r, reading)) {
        outcome.Free = true;
        outcome.Blank = FreeHoldsBlank;
        return outcome;
    }
    outcome.Free = CouldBeFree(r, reading);
    const bool face = ShowsFace(reading);
    outcome.Blank = outcome.Free && FreeHoldsBlank && face;
    const int mark = MarkOf(r, reading);
    if (mark != 1 && mark >= 0)
        return outcome;
    // The blank marked used is nobody the game made; and a place whose told bytes are all the
    // blank's, its face among them, is the free place it reads as even where its mark was
    // lost with others. Told bytes that show no face could be any gambler's.
    if ((reading.Known() || mark < 0) && face && BlankPastMark(r, reading))
        return outcome;
    if (CouldBeGambler(r, reading, &outcome.Faceless)) {
        if (reading.Known())
            outcome.Gambler = reading;
        else
            outcome.Unknown = reading;
    }
    return outcome;
}

TOutcome TShiftJudge::ReadEachValue(size_t r, const TReading& reading) {
    TOutcome outcome;
    outcome.Free = CouldBeFree(r, reading);
    outcome.Blank = outcome.Free && FreeHoldsBlank && ShowsFace(reading);
    if (!CouldBeGambler(r, reading))
        return outcome;
    const size_t at = reading.Cut;
    if (at > 0 && at >= Judged && at < TailAt) {
        // Nothing reads the lost byte: every value of it leaves as sound a gambler as another.
        outcome.Unknown = reading;
        return outcome;
    }
    // Each value it could have had is a reading of its own; the mark could only have been 1.
    // The judged bytes stand laid: only the lost one changes.
    for (int value = at == 0 ? 1 : 0; value <= (at == 0 ? 1 : 255); ++value) {
        Laid[at] = static_cast<u8>(value);
        TReading filled = reading;
        filled.Fill = value;
        // The blank marked used is nobody.
        if (!CouldBeWhole(Laid.data(), 0, 0) || BlankPastMark(r, filled))
            continue;
        if (outcome.Gambler) {
            outcome.Gambler.reset();
            outcome.Unknown = reading;
            break;
        }
        outcome.Gambler = filled;
    }
    return outcome;
}

void TShiftJudge::Note(size_t r, const TOutcome& outcome) {
    TTally& tally = Tallies[r];
    tally.Free = tally.Free || outcome.Free;
    tally.Blank = tally.Blank || outcome.Blank;
    if (outcome.Unknown && outcome.Faceless) {
        tally.Faceless = true;
    } else if (outcome.Unknown && MarkOf(r, *outcome.Unknown) < 0) {
        if (!tally.MarkLost)
            tally.MarkLost = outcome.Unknown;
    } else if (outcome.Unknown && !tally.Unknown) {
        tally.Unknown = outcome.Unknown;
    }
    if (!outcome.Gambler || tally.InDoubt())
        return;
    for (size_t i = 0; i < tally.GamblerCount; ++i)
        if (Same(r, tally.Gamblers[i], *outcome.Gambler))
            return;
    tally.Gamblers[tally.GamblerCount++] = *outcome.Gambler;
}

void TShiftJudge::Accept(size_t inPlaceBelow, size_t shiftedFrom) {
    Explained = true;
    InPlaceBelow = std::max(InPlaceBelow, inPlaceBelow);
    ShiftedFrom = std::min(ShiftedFrom, shiftedFrom);
}

void TShiftJudge::TryGaps() {
    // Points that change no record: before the first, after the last, and between two where
    // the damage fits between them. Bytes put in fit anywhere; taken out, they must have been
    // there.
    const i64 written = Length - Shift;
    for (size_t b = 0; b <= Count; ++b) {
        const i64 start = b == 0 ? 0 : PlaceOf(b - 1) + static_cast<i64>(Size);
        const i64 end = b == Count ? written : PlaceOf(b);
        const bool room = Shift > 0 ? start <= end : end - start >= -Shift;
        if (room && SoundBefore[b] && SoundFrom[b])
            Accept(b, b);
    }
}

std::vector<TKind> TShiftJudge::KindsAt(size_t r) const {
    const i64 size = static_cast<i64>(Size), count = std::llabs(Shift);
    std::vector<TKind> kinds;
    if (Shift > 0) {
        // Put in q bytes into the record: the bytes after them lie the shift on.
        kinds.push_back({r, {TMoving{0, true, 0, true}}, 1, size - 1});
        return kinds;
    }
    // Taken out from q on, inside the record.
    if (count <= size)
        kinds.push_back({r, {TMoving{0, true, count, true}}, 0, size - count});
    // From q on to the end of the record and into the next.
    if (r + 1 < Count)
        kinds.push_back({r,
                         {TMoving{0, true, size, false}, TMoving{0, false, count - size, true}},
                         std::max<i64>(0, size - count + 1),
                         size - 1});
    // From q in the bytes before the first record on, into it.
    const i64 before = PlaceOf(0);
    if (r == 0 && before > 0)
        kinds.push_back({0,
                         {TMoving{0, false, count - before, true}},
                         std::max<i64>(0, before - count + 1),
                         before - 1});
    return kinds;
}

void TShiftJudge::TryKind(const TKind& kind) {
    if (kind.Low > kind.High || !SoundBefore[kind.First] ||
        !SoundFrom[kind.First + kind.Touched.size()])
        return;
    bool accepted = false;
    if (Judging.EveryPoint) {
        for (i64 q = kind.Low; q <= kind.High; ++q)
            if (TryPoint(kind, q, accepted))
                return;
        return;
    }
    // A reading's judged bytes change where its cut or the end of its lost bytes crosses one:
    // those points are tried one by one, and between them each run of points by its ends and
    // where it starts or stops being the blank.
    std::vector<std::pair<i64, i64>> alone;
    for (const TMoving& moving : kind.Touched) {
        for (const auto& [at, moves] :
             {std::pair{moving.CutAt, moving.CutMoves}, std::pair{moving.EndAt, moving.EndMoves}}) {
            if (!moves)
                continue;
            for (const auto& [from, to] :
                 {std::pair{i64{0}, static_cast<i64>(Judged)},
                  std::pair{static_cast<i64>(TailAt), static_cast<i64>(Size)}}) {
                const i64 low = std::max(kind.Low, from - at);
                const i64 high = std::min(kind.High, to - at);
                if (low <= high)
                    alone.emplace_back(low, high);
            }
        }
    }
    std::sort(alone.begin(), alone.end());
    std::vector<std::pair<i64, i64>> merged;
    for (const auto& range : alone) {
        if (!merged.empty() && range.first <= merged.back().second + 1)
            merged.back().second = std::max(merged.back().second, range.second);
        else
            merged.push_back(range);
    }
    // The runs first: one of them most often puts the records in doubt at once.
    i64 low = kind.Low;
    for (size_t i = 0; i <= merged.size(); ++i) {
        const i64 high = i < merged.size() ? merged[i].first - 1 : kind.High;
        if (low <= high && TryRun(kind, low, high, accepted))
            return;
        if (i < merged.size())
            low = merged[i].second + 1;
    }
    for (const auto& [from, to] : merged)
        for (i64 q = from; q <= to; ++q)
            if (TryPoint(kind, q, accepted))
                return;
}

bool TShiftJudge::TryRun(const TKind& kind, i64 low, i64 high, bool& accepted) {
    // Through the run every reading is judged alike but for where its bytes are the blank's,
    // a span of it: what holds at any of its points holds at one of these.
    std::vector<i64> points = {low, high};
    for (size_t i = 0; i < kind.Touched.size(); ++i) {
        const auto [from, to] = BlankSpan(kind.First + i, kind.Touched[i]);
        for (const i64 q : {from - 1, from, to, to + 1})
            if (q >= low && q <= high)
                points.push_back(q);
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    for (const i64 q : points)
        if (TryPoint(kind, q, accepted))
            return true;
    return false;
}

bool TShiftJudge::TryPoint(const TKind& kind, i64 q, bool& accepted) {
    std::array<TOutcome, 2> outcomes;
    for (size_t i = 0; i < kind.Touched.size(); ++i) {
        outcomes[i] = Read(kind.First + i, kind.Touched[i].At(q));
        if (!outcomes[i].Sound())
            return false;
    }
    accepted = true;
    Accept(kind.First, kind.First + kind.Touched.size());
    bool settled = true;
    for (size_t i = 0; i < kind.Touched.size(); ++i) {
        Note(kind.First + i, outcomes[i]);
        settled = settled && Tallies[kind.First + i].InDoubt();
    }
    return settled;
}

bool TShiftJudge::BlankInPlace(size_t r) {
    const i64 at = PlaceOf(r);
    const i64 inFile = std::min(static_cast<i64>(Size), Length - at);
    return FreeHoldsBlank && inFile > 0 && Data[at] == (*Blank)[0] &&
           static_cast<i64>(AgreedInPlace(r)) >= inFile - 1;
}

TShiftVerdict TShiftJudge::VerdictOf(size_t r) {
    const TTally& tally = Tallies[r];
    TShiftVerdict verdict;
    if (tally.GamblerCount == 1 && !tally.Free && !tally.Unknown && !tally.MarkLost &&
        !tally.Faceless) {
        verdict.Whole = BytesOf(r, tally.Gamblers[0], Size);
        return verdict;
    }
    // A place that holds the blank where it lies, as far as the file goes, lost its end, not a
    // gambler's mark with more: a gambler's own bytes never read as the blank from his mark on.
    // Nor is one who lost his mark and every letter of his name anybody, where some point
    // reads the place as the blank: nothing is left to show a gambler there.
    const bool blankInPlace = tally.MarkLost || tally.Faceless ? BlankInPlace(r) : false;
    if (tally.GamblerCount == 0 && !tally.Unknown && (!tally.MarkLost || blankInPlace) &&
        (!tally.Faceless || tally.Blank || blankInPlace))
        return verdict;
    // Where it lies the place shows the blank's face, by the rule the reader holds every place
    // to: no point gives a gambler there byte for byte, and one whose bytes are in doubt is
    // only what a point far off reads into a free place.
    if (tally.GamblerCount == 0 && FaceInPlace(r))
        return verdict;
    verdict.InDoubt = true;
    // The name he has in his place, else the shift away, else in a reading that has him.
    std::vector<TReading> readings = {{Size, Size, -1}, {0, 0, -1}};
    if (tally.GamblerCount > 0)
        readings.push_back(tally.Gamblers[0]);
    // Lost bytes in the name leave none to give.
    for (const auto& unknown : {tally.Unknown, tally.MarkLost})
        if (unknown && (unknown->Cut >= NameEnd || unknown->End <= 1))
            readings.push_back(*unknown);
    for (const TReading& reading : readings) {
        if (!Fits(r, reading))
            continue;
        if (const int mark = MarkOf(r, reading); mark != 1 && mark >= 0)
            continue;
        const std::vector<u8> head = BytesOf(r, reading, NameEnd);
        verdict.Name = save_record::ReadableName(head.data(), head.size());
        if (verdict.Name)
            break;
    }
    return verdict;
}

std::vector<TShiftVerdict> TShiftJudge::Judge() {
    // Sound in place for every record before r, and the shift away for every one from r on.
    SoundBefore[0] = true;
    for (size_t r = 0; r < Count && SoundBefore[r]; ++r) {
        InPlace[r] = Read(r, {Size, Size, -1});
        SoundBefore[r + 1] = InPlace[r].Sound();
    }
    SoundFrom[Count] = true;
    for (size_t r = Count; r-- > 0 && SoundFrom[r + 1];) {
        Shifted[r] = Read(r, {0, 0, -1});
        SoundFrom[r] = Shifted[r].Sound();
    }
    TryGaps();
    for (size_t r = 0; r < Count && SoundBefore[r]; ++r)
        for (const TKind& kind : KindsAt(r))
            TryKind(kind);
    if (!Explained)
        return {};
    for (size_t r = 0; r < InPlaceBelow; ++r)
        Note(r, InPlace[r]);
    for (size_t r = ShiftedFrom; r < Count; ++r)
        Note(r, Shifted[r]);
    std::vector<TShiftVerdict> verdicts;
    verdicts.reserve(Count);
    for (size_t r = 0; r < Count; ++r)
        verdicts.push_back(VerdictOf(r));
    return verdicts;
}

} // namespace

std::vector<TShiftVerdict> JudgeOnePointShift(const TSaveLayout& layout,
                                              const std::vector<u8>& bytes, i64 shift,
                                              TShiftJudging judging) {
    const size_t size = layout.Size;
    if (size == 0 || layout.Places.empty() || !layout.CouldBeWhole || !layout.CouldBeWritten ||
        shift == 0 || std::llabs(shift) > static_cast<i64>(size) ||
        (!layout.Blank.empty() && layout.Blank.size() != size))
        return {};
    // The records lie one right after the other, the last where the written file ended.
    for (size_t r = 1; r < layout.Places.size(); ++r)
        if (layout.Places[r] != layout.Places[r - 1] + size)
            return {};
    if (static_cast<i64>(layout.Places.back() + size) != static_cast<i64>(bytes.size()) - shift)
        return {};
    return TShiftJudge(layout, bytes, shift, judging).Judge();
}

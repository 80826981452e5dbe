// TPlayerMgr: which records of a save file hold a gambler the game can take as he stands, where
// in a damaged file each lies whole, and the names of those that must be left out.
#include "PlayerMgr.h"

#include "engine/framework/PlayerDataLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t UsedAt = FieldNamed<TPlayerData>("Used").At;
constexpr size_t NameAt = FieldNamed<TPlayerData>("Name").At;
constexpr size_t SexAt = FieldNamed<TPlayerData>("Sex").At;
constexpr size_t BankrollAt = FieldNamed<TPlayerData>("Bankroll").At;
constexpr size_t StartBankrollAt = FieldNamed<TPlayerData>("StartBankroll").At;
// No play comes near it: an amount this large was never written by the game.
constexpr double AmountLimit = 1e12;

// Sums of amounts that are no whole cents can end a hair below zero where they mean nothing
// left: such a gambler has $0.00, and is no damage.
constexpr double Dust = 0.005;

// Every amount the game adds to a bankroll or takes from it (a $1 stake, the 5-cent commission
// on it, an odds payout on it) is at least 2^-7 in size, and so a whole multiple of 2^-59, the
// spacing of doubles there. Sums and differences of such multiples stay multiples of it (below
// 2^-7 exactly, above it rounded to a coarser spacing), so a bankroll the game wrote is 0 or at
// least 2^-59 (about 1.7e-18) in size. Anything nearer zero is the bytes of other fields read
// as an amount: a record read a byte out of its place.
constexpr double Nearest = 1e-18;

bool IsSaneAmount(double amount) {
    // NaN fails every comparison.
    return amount > -Dust && amount < AmountLimit &&
           (amount == 0.0 || std::fabs(amount) >= Nearest);
}

// What ReadableName gives, told without making the name: the check runs at many readings of a
// damaged file.
bool NameReadable(const u8* record) {
    for (size_t i = 0; i < TPlayerData::NameField; ++i) {
        const u8 c = record[NameAt + i];
        if (c == 0)
            return i > 0;
        if (c < 0x20 || c == 0x7F)
            return false;
    }
    return false;
}

// The writer clears the whole name field before it copies the name in: a byte after the NUL
// that is not 0 is another field's, moved in by a shift.
bool NameFieldPadded(const u8* record) {
    size_t i = 0;
    while (i < TPlayerData::NameField && record[NameAt + i] != 0)
        ++i;
    for (; i < TPlayerData::NameField; ++i)
        if (record[NameAt + i] != 0)
            return false;
    return true;
}

// Whether the record read whole in his place at `at` of a file one byte longer than its size
// could as well be one the byte went into before the end of the engine's fields: read with the
// byte passed over there, the same bytes make a whole record whose engine fields are other than
// those read in place. Such a record cannot be told from one that would come back altered.
bool MayHoldBytePutIn(TPlayerMgr& mgr, const std::vector<u8>& bytes, size_t at, size_t size) {
    constexpr size_t fields = TPlayerData::EncodedSize;
    // Bytes the file does not hold could be anything.
    if (at + size + 1 > bytes.size())
        return true;
    const u8* inPlace = bytes.data() + at;
    const u8* after = inPlace + 1;
    std::vector<u8> other(inPlace, inPlace + size);
    // Put in at k: the bytes before k in place, those from k on one later. From the fields' last
    // byte down, each reading differs from the one before at k alone.
    for (size_t k = fields; k-- > 0;) {
        other[k] = after[k];
        // The engine's judgement reads only its own fields, and a derived one adds to it: the
        // rest of the record is laid in only for a reading that passes it.
        if (std::memcmp(inPlace, other.data(), fields) == 0 ||
            !mgr.TPlayerMgr::IsWholeRecord(other.data(), static_cast<u32>(size)))
            continue;
        std::copy(after + fields, after + size,
                  other.begin() + static_cast<std::ptrdiff_t>(fields));
        if (mgr.IsWholeRecord(other.data(), static_cast<u32>(size)))
            return true;
        std::copy(inPlace + fields, inPlace + size,
                  other.begin() + static_cast<std::ptrdiff_t>(fields));
    }
    return false;
}

} // namespace

std::optional<std::string> TPlayerMgr::ReadableName(const u8* record, size_t size) {
    if (record == nullptr || size < NameAt + TPlayerData::NameField)
        return std::nullopt;
    if (!NameReadable(record))
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(record + NameAt));
}

bool TPlayerMgr::IsWholeRecord(const u8* record, u32 size) {
    return record != nullptr && size >= TPlayerData::EncodedSize && record[UsedAt] == 1 &&
           NameReadable(record) && NameFieldPadded(record) && record[SexAt] <= 1 &&
           IsSaneAmount(JorpGetF64(record + BankrollAt)) &&
           IsSaneAmount(JorpGetF64(record + StartBankrollAt));
}

template <class Visit>
void TPlayerMgr::ForEachStoredRecord(const std::vector<u8>& bytes, Visit visit) {
    const i32 size = GetPlayerDataSize();
    // Another version's records may be laid out otherwise: none of them is looked at.
    if (size < static_cast<i32>(TPlayerData::EncodedSize) || !CheckSaveHeader(bytes))
        return;
    for (i16 r = 0; r < TableSize; ++r) {
        const size_t at = RecordOffsets[static_cast<size_t>(r)];
        if (at >= bytes.size())
            break;
        // A record the end of a cut file goes through is there only in part.
        visit(r, bytes.data() + at, std::min(bytes.size() - at, static_cast<size_t>(size)),
              static_cast<size_t>(size));
    }
}

std::vector<TPlayerMgr::TStoredPlace> TPlayerMgr::JudgeStoredPlaces(const std::vector<u8>& bytes,
                                                                    i64 fileSize) {
    std::vector<TStoredPlace> places;
    places.reserve(MaxRecords);
    const i64 size = GetPlayerDataSize();
    // A piece smaller than a record taken out of the file or put into it moves every record
    // after it by that much: those lie whole that far from their places. A larger difference
    // is a file cut short or grown, whose records stay where they were.
    const i64 shift = fileSize - GetSaveFileSize();
    const bool shifted = shift != 0 && std::llabs(shift) < size;
    const auto wholeAt = [&](i64 at) {
        return at >= static_cast<i64>(GameDataOffset) &&
               at + size <= static_cast<i64>(bytes.size()) &&
               IsWholeRecord(bytes.data() + at, static_cast<u32>(size));
    };
    const auto paddedName = [&](i64 at) -> std::optional<std::string> {
        if (at < static_cast<i64>(GameDataOffset) ||
            at + static_cast<i64>(TPlayerData::EncodedSize) > static_cast<i64>(bytes.size()) ||
            !NameFieldPadded(bytes.data() + at))
            return std::nullopt;
        return ReadableName(bytes.data() + at, TPlayerData::EncodedSize);
    };
    ForEachStoredRecord(bytes, [&](i16 r, const u8* record, size_t present, size_t) {
        TStoredPlace place;
        const i64 at = RecordOffsets[static_cast<size_t>(r)];
        const u8 used = record[UsedAt];
        if (wholeAt(at))
            place.WholeAt = static_cast<size_t>(at);
        else if (shifted && wholeAt(at + shift))
            place.WholeAt = static_cast<size_t>(at + shift);
        else if (used == 1)
            // Where the change lies inside the name, what is left of it is all there is to give.
            place.Name = ReadableName(record, present);
        else if (used != 0 && shifted && (r == 0 || places.back().InPlace) &&
                 (r == 0 || (at + shift < static_cast<i64>(bytes.size()) &&
                             bytes[static_cast<size_t>(at + shift) + UsedAt] != 0)))
            // A used mark that is no mark shows a record out of its place. Where the gambler
            // before (or the game data) lies as it was written, the shift starts here: this
            // record lost its own mark, and its name lies whole beside it. A 0 where the mark
            // would be is a free place moved by a piece taken out of the gambler before past
            // his judged fields, or this record's mark taken out after a gambler whose last
            // byte is 0: the two are the same bytes, and a free place is named by nobody.
            place.Name = paddedName(at + shift);
        place.InPlace = place.WholeAt == static_cast<size_t>(at);
        places.push_back(std::move(place));
    });
    // A byte put in or taken out moves everything after one point. A record read whole in his
    // place shows that the point lies past his mark and name, so one whole in his place after
    // another shows that the other lies as he was written; the last one could hold the point
    // among his own fields, and where a byte was put in he is taken only when no other reading
    // of his bytes is whole. A byte taken out could have been anything, and some value of it
    // would pass for nearly every gambler: none is tried. Taken out of his fields, it closes
    // them up with the byte after them at the top of his start bankroll, seldom a sane amount.
    // Where more bytes were put in, readings of a few of them passed over inside the amounts
    // make amounts of 0 out of the zeros around: nearly every gambler last in his place in a
    // file that only grew at its end would be left out for them, and none is tried either.
    const auto last = std::find_if(places.rbegin(), places.rend(),
                                   [](const TStoredPlace& place) { return place.InPlace; });
    if (shift == 1 && last != places.rend() &&
        MayHoldBytePutIn(*this, bytes, *last->WholeAt, static_cast<size_t>(size))) {
        last->Name = ReadableName(bytes.data() + *last->WholeAt, static_cast<size_t>(size));
        last->WholeAt.reset();
    }
    return places;
}

std::vector<TPlayerMgr::TFoundRecord> TPlayerMgr::FindWholeRecords(const std::vector<u8>& bytes,
                                                                   i64 fileSize) {
    std::vector<TFoundRecord> whole;
    const std::vector<TStoredPlace> places = JudgeStoredPlaces(bytes, fileSize);
    for (size_t r = 0; r < places.size(); ++r)
        if (places[r].WholeAt)
            whole.push_back({static_cast<i16>(r), *places[r].WholeAt});
    return whole;
}

std::vector<std::string> TPlayerMgr::FindLeftOutNames(const std::vector<u8>& bytes, i64 fileSize) {
    std::vector<std::string> names;
    for (const TStoredPlace& place : JudgeStoredPlaces(bytes, fileSize))
        if (place.Name)
            names.push_back(*place.Name);
    return names;
}

bool TPlayerMgr::HoldsOnlyWholeRecords(const std::vector<u8>& bytes) {
    bool whole = true;
    ForEachStoredRecord(bytes, [&](i16, const u8* record, size_t present, size_t size) {
        // A free place holds nobody, whatever its other bytes say.
        whole = whole && (record[UsedAt] == 0 ||
                          (present == size && IsWholeRecord(record, static_cast<u32>(size))));
    });
    return whole;
}

// TPlayerMgr: which records of a save file hold a gambler the game can take as he stands, where
// in a damaged file each lies whole, and the names of those that must be left out.
//
// The rule for a damaged file. A file of its size is read in place. The record has no checksum,
// but its mark has a form: it is 0 or 1, and a free place holds exactly the game's blank
// (DeletePlayer resets the whole record to it). A place whose mark is anything else, or is 0
// while its bytes are not the blank, is damage: the gambler there comes back with his mark set
// where every other byte reads as a gambler in the game's own form (his mark can only have been
// 1), and is otherwise left out and told, by name where it can be read. So a free place changed
// elsewhere than its mark comes back as the gambler it reads as, or is told as one: it cannot be
// told from a gambler whose mark was lost. A free place whose mark alone changed is nobody, and
// the blank marked used is a gambler made with the default name and amounts. A used record
// that is not whole is left out and told. A file one byte longer or shorter is taken as one
// byte put in or taken out at a single point: the records wholly before the point lie in their
// places, those wholly after it one byte off, and the one that holds it is changed. Every point
// at which the file then reads as the game writes it is tried (gamblers whole and in the game's
// own form, free places the game's blank), and a gambler is taken only when every such point
// gives him the same bytes: those are the bytes he was written with. Any other record that
// some point reads as a gambler is left out and told. So the gambler who holds the point is
// left out unless his bytes show where it lies, and so is one beside it whose own bytes could
// as well hold it (a byte 0 or 1 put in between two records, or the next gambler's mark taken
// out). No other gambler is touched. Where no point reads as the game writes, the points are
// tried again asking only that gamblers be whole. What is not promised: a byte changed in place
// other than a mark, or damage at more than one point, can leave a gambler altered; a gambler
// the game would not write (a blank marked used, a spare byte filled, an option byte above 1)
// beside the point can be left out untold, or come back with the byte next to the point
// changed; a file longer or shorter by more than a byte is read in place, or with the records
// past a piece smaller than a record moved by it.

#include "PlayerMgr.h"

#include "engine/framework/OneByteShift.h"
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

// A damaged name may hold a comma or a quote: each is told in quotes, so that the list reads
// one way.
std::string Quoted(const std::string& name) {
    std::string quoted = "\"";
    for (const char c : name) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
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

const std::vector<u8>& TPlayerMgr::GetFreePlace() {
    const auto size = static_cast<size_t>(std::max(GetPlayerDataSize(), 0));
    if (FreePlace.size() != size) {
        FreePlace.assign(size, 0);
        const std::unique_ptr<TPlayerData> blank = NewPlayerData();
        if (!blank || !blank->Encode(FreePlace.data(), FreePlace.size()))
            FreePlace.clear();
    }
    return FreePlace;
}

bool TPlayerMgr::IsFreePlace(const u8* record, size_t present) {
    const std::vector<u8>& blank = GetFreePlace();
    // Without a blank to hold it to, a place marked free may hold anything.
    return record[UsedAt] == 0 &&
           (blank.empty() ||
            (present <= blank.size() && std::memcmp(record, blank.data(), present) == 0));
}

TPlayerMgr::TStoredPlace TPlayerMgr::JudgeInPlace(const u8* record, size_t present, size_t size) {
    TStoredPlace place;
    const u8 mark = record[UsedAt];
    if (mark == 1 && present == size && IsWholeRecord(record, static_cast<u32>(size))) {
        place.Whole.emplace(record, record + size);
        return place;
    }
    if (IsFreePlace(record, present))
        return place;
    const std::vector<u8>& blank = GetFreePlace();
    // A free place whose mark alone is changed is nobody: marked used, it would be the blank.
    if (mark > 1 && !blank.empty() && present <= blank.size() &&
        std::memcmp(record + 1, blank.data() + 1, present - 1) == 0)
        return place;
    if (mark != 1 && present == size) {
        // Every other byte is as the game writes a gambler's: only the mark went wrong, and it
        // can only have been 1.
        std::vector<u8> marked(record, record + size);
        marked[UsedAt] = 1;
        if (IsWrittenRecord(marked.data(), static_cast<u32>(size))) {
            place.Whole = std::move(marked);
            return place;
        }
    }
    // Where the change lies inside the name, what is left of it is all there is to give.
    place.LeftOut = true;
    place.Name = ReadableName(record, present);
    return place;
}

size_t TPlayerMgr::GetJudgedSize() {
    return TPlayerData::EncodedSize;
}

bool TPlayerMgr::IsWrittenRecord(const u8* record, u32 size) {
    return IsWholeRecord(record, size);
}

size_t TPlayerMgr::GetJudgedTail() {
    return 0;
}

std::vector<TPlayerMgr::TStoredPlace> TPlayerMgr::JudgeStoredPlaces(const std::vector<u8>& bytes,
                                                                    i64 fileSize) {
    std::vector<TStoredPlace> places;
    places.reserve(MaxRecords);
    const i64 size = GetPlayerDataSize();
    const i64 shift = fileSize - GetSaveFileSize();
    if ((shift == 1 || shift == -1) && static_cast<i64>(bytes.size()) == fileSize &&
        size >= static_cast<i64>(TPlayerData::EncodedSize) && CheckSaveHeader(bytes)) {
        GetFreePlace();
        TOneByteFile file;
        file.Bytes = &bytes;
        file.Shift = static_cast<int>(shift);
        file.Places.assign(RecordOffsets.begin(), RecordOffsets.begin() + TableSize);
        file.Size = static_cast<size_t>(size);
        file.Judged = GetJudgedSize();
        file.JudgedTail = GetJudgedTail();
        file.IsWhole = [this, size](const u8* record) {
            return IsWrittenRecord(record, static_cast<u32>(size));
        };
        if (!FreePlace.empty()) {
            file.Free = &FreePlace;
            file.Blank = &FreePlace;
        }
        std::vector<TOneByteRecord> verdicts = JudgeOneByteShift(file);
        // A record or a free place the game did not write that way is no damage: the points
        // are tried again with records only whole, and free places that may hold anything.
        if (verdicts.empty()) {
            file.Free = nullptr;
            file.JudgedTail = 0;
            file.IsWhole = [this, size](const u8* record) {
                return IsWholeRecord(record, static_cast<u32>(size));
            };
            verdicts = JudgeOneByteShift(file);
        }
        if (!verdicts.empty()) {
            for (TOneByteRecord& verdict : verdicts) {
                TStoredPlace place;
                place.Whole = std::move(verdict.Whole);
                place.LeftOut = verdict.InDoubt;
                place.Name = std::move(verdict.Name);
                places.push_back(std::move(place));
            }
            return places;
        }
    }
    // A piece smaller than a record taken out of the file or put into it moves every record
    // after it by that much: those lie whole that far from their places. A larger difference
    // is a file cut short or grown, whose records stay where they were.
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
        if (shift == 0) {
            places.push_back(JudgeInPlace(record, present, static_cast<size_t>(size)));
            return;
        }
        TStoredPlace place;
        const i64 at = RecordOffsets[static_cast<size_t>(r)];
        const u8 used = record[UsedAt];
        std::optional<i64> foundAt;
        if (wholeAt(at))
            foundAt = at;
        else if (shifted && wholeAt(at + shift))
            foundAt = at + shift;
        if (foundAt) {
            const auto from = bytes.begin() + static_cast<std::ptrdiff_t>(*foundAt);
            place.Whole.emplace(from, from + static_cast<std::ptrdiff_t>(size));
            place.InPlace = *foundAt == at;
        } else if (used == 1) {
            // Where the change lies inside the name, what is left of it is all there is to give.
            place.LeftOut = true;
            place.Name = ReadableName(record, present);
        } else if (used != 0 && shifted && (r == 0 || places.back().InPlace) &&
                   (r == 0 || (at + shift < static_cast<i64>(bytes.size()) &&
                               bytes[static_cast<size_t>(at + shift) + UsedAt] != 0))) {
            // A used mark that is no mark shows a record out of its place. Where the gambler
            // before (or the game data) lies as it was written, the shift starts here: this
            // record lost its own mark, and its name lies whole beside it. A 0 where the mark
            // would be is a free place moved by a piece taken out of the gambler before past
            // his judged fields, or this record's mark taken out after a gambler whose last
            // byte is 0: the two are the same bytes, and a free place is named by nobody.
            place.Name = paddedName(at + shift);
            place.LeftOut = place.Name.has_value();
        }
        places.push_back(std::move(place));
    });
    return places;
}

TPlayerMgr::TRecovery TPlayerMgr::RecoverRecords(const std::vector<u8>& bytes, i64 fileSize) {
    TRecovery recovery;
    size_t nameless = 0;
    std::vector<TStoredPlace> places = JudgeStoredPlaces(bytes, fileSize);
    for (size_t r = 0; r < places.size(); ++r) {
        TStoredPlace& place = places[r];
        if (place.Whole)
            recovery.Whole.push_back({static_cast<i16>(r), std::move(*place.Whole)});
        else if (place.LeftOut && place.Name)
            recovery.LeftOut.push_back(Quoted(*place.Name));
        else if (place.LeftOut)
            ++nameless;
    }
    // "More" only after somebody named.
    const std::string more = recovery.LeftOut.empty() ? "" : " more";
    if (nameless == 1)
        recovery.LeftOut.push_back("1" + more + " gambler whose name cannot be read");
    else if (nameless > 1)
        recovery.LeftOut.push_back(std::to_string(nameless) + more +
                                   " gamblers whose names cannot be read");
    return recovery;
}

bool TPlayerMgr::HoldsOnlyWholeRecords(const std::vector<u8>& bytes) {
    bool whole = true;
    ForEachStoredRecord(bytes, [&](i16, const u8* record, size_t present, size_t size) {
        // The game writes its blank in every free place: anything else there is damage.
        whole = whole && (record[UsedAt] == 1
                              ? present == size && IsWholeRecord(record, static_cast<u32>(size))
                              : present == size && IsFreePlace(record, present));
    });
    return whole;
}

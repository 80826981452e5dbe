// TPlayerMgr: which records of a save file hold a gambler the game can take as he stands, where
// in a damaged file each lies whole, and how those that must be left out are told.
//
// The rule for a damaged file. The record has no checksum: what shows damage is the form the
// game writes. A mark is 0 or 1; a free place is exactly the blank (DeletePlayer resets a
// record to it); a gambler's judged fields are sane, his name is letters, digits and blanks
// between words, and he never has the blank's face (its name "John Dough", its start bankroll).
// The reader is chosen by the file's size against the save's (ChooseReader), and the recovery
// says which one decided:
//
// size or damage     | reader     | comes back           | told                | not promised
// ------------------ | ---------- | -------------------- | ------------------- | ----------------
// the save's size,   | InPlace    | each gambler whole   | a used place not    | a gambler changed
// its head damaged   |            | in place; one whose  | whole, and one      | past his mark
// or not             |            | mark alone is wrong  | who lost more       | comes back so
//                    |            |                      | with his mark       |
// under a record in  | OnePoint   | a gambler that every | any other that      | the gambler who
// or out, the head   |            | point explaining the | some point reads    | holds the point,
// among it; a record |            | file gives the same  | as a gambler        | or one beside it
// in, a slot unsound |            | bytes                |                     | it could be in
// a record in, every | Slots      | every gambler of the | nobody              | those after the
// slot sound         |            | slots, a copy once   |                     | one put in move
// a record out, more | UpToDamage | in place up to the   | from the first      | one whose record
// than a record, or  |            | first damaged place, | damaged place, one  | went whole; one
// no point explains  |            | past it one whole in | whose mark lies the | made of two by a
// the file           |            | place, each once     | shift away          | point past his
//                    |            |                      |                     | head
// another version's  | None       | nobody               | nobody              | -
// head, far in size  |            |                      |                     |
//
// Why. A free place that still shows the blank's face is a free place damaged, whatever its mark
// says: the game makes gamblers only from the create box ($200, $500 or $2,500, a name typed
// without blanks) or as the first gambler of a new file ("Joe Gambler", $500), so the blank's
// name and start bankroll are never a gambler's, and nobody comes back from it or is told. A
// place without that face whose mark is not 1 but whose every other byte reads as a gambler the
// game writes is a gambler who lost his mark, which can only have been 1. A size within a
// record of the save's is the save's whatever its head says: nothing of the game's reads a save
// of another version. A record's worth taken out at any border explains the file alike, so no
// point could be agreed on and the places are read where they were written; one put in at any
// border moves the gamblers after it a place along and adds nobody, so which gamblers the
// slots hold matters more than where. Past the first damaged place of a file read in place,
// the damage may have moved every record: a gambler comes back from there only where he lies
// whole in his place, and once. Those after a single point lie the shift away, so it is there
// that a mark tells a gambler to be told; in place it is some other byte, unless the shift was
// whole records' worth. Counting marks in place would count places, not gamblers.

#include "PlayerMgr.h"

#include "engine/framework/OnePointShift.h"
#include "engine/framework/PlayerDataLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t UsedAt = FieldNamed<TPlayerData>("Used").At;
// A damaged file's judge reads each record's first byte as its mark.
static_assert(UsedAt == 0);
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

// The bytes the game writes in a name: the create box takes letters and digits alone, and the
// first gambler of a new file is "Joe Gambler". Blanks stand only between two others: the box
// trims its text. TGamblerName::Check (casino/GamblerRules.cpp) is the rule; the engine cannot
// reach it, so it is stated here again, and a test holds the two together.
//
//   byte            | where in a name
//   '0'-'9'         | anywhere
//   'A'-'Z' 'a'-'z' | anywhere
//   ' '             | neither first nor last
//   any other       | never
enum class TNameByte : u8 { Never, Anywhere, Inside };

constexpr std::array<TNameByte, 256> NameBytes = [] {
    std::array<TNameByte, 256> bytes{};
    for (int c = 0; c < 256; ++c)
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            bytes[static_cast<size_t>(c)] = TNameByte::Anywhere;
    bytes[' '] = TNameByte::Inside;
    return bytes;
}();

// Byte i of a name of the length, as the game writes one.
bool WrittenAt(u8 c, size_t i, size_t length) {
    const TNameByte kind = NameBytes[c];
    return kind == TNameByte::Anywhere || (kind == TNameByte::Inside && i > 0 && i + 1 < length);
}

// A name the game could have written, its field cleared before the name was copied in (a byte
// after the NUL that is not 0 is another field's, moved in by a shift), for some values of the
// lost bytes: some length from 1 to 12 with the game's own text before it and NULs from it on.
bool NameCouldBeWritten(const u8* record, TPlayerMgr::TLostBytes lost) {
    const u8* name = record + NameAt;
    if (lost.From >= NameAt + TPlayerData::NameField || lost.To <= NameAt) {
        const size_t length = strnlen(reinterpret_cast<const char*>(name), TPlayerData::NameField);
        if (length == 0 || length == TPlayerData::NameField)
            return false;
        for (size_t i = 0; i < TPlayerData::NameField; ++i)
            if (i < length ? !WrittenAt(name[i], i, length) : name[i] != 0)
                return false;
        return true;
    }
    for (size_t length = 1; length < TPlayerData::NameField; ++length) {
        bool fits = true;
        for (size_t i = 0; fits && i < TPlayerData::NameField; ++i) {
            if (lost.Holds(NameAt + i))
                continue;
            fits = i < length ? WrittenAt(name[i], i, length) : name[i] == 0;
        }
        if (fits)
            return true;
    }
    return false;
}

// Whether some values of the amount's lost bytes make it sane. Within one sign and exponent an
// amount grows with its mantissa, and the sane amounts of a sign are one range no wider than a
// power of two at its ends: the least and the most the lost bytes can make of each exponent
// tell.
bool AmountCanBeSane(const u8* record, size_t at, TPlayerMgr::TLostBytes lost) {
    const size_t from = std::clamp(lost.From, at, at + 8) - at;
    const size_t to = std::clamp(lost.To, at, at + 8) - at;
    if (from >= to)
        return IsSaneAmount(JorpGetF64(record + at));
    std::array<u8, 8> bytes{};
    std::memcpy(bytes.data(), record + at, bytes.size());
    const auto saneWith = [&](u8 fill, int exponentLow) {
        for (size_t i = from; i < to; ++i)
            bytes[i] = fill;
        // The top byte lost: an exponent near 1.
        if (to == 8)
            bytes[7] = 0x3F;
        // The low bits of the exponent lost with the byte that holds them.
        else if (to == 7)
            bytes[6] = static_cast<u8>((exponentLow << 4) | (fill & 0x0F));
        return IsSaneAmount(JorpGetF64(bytes.data()));
    };
    for (int exponentLow = 0; exponentLow < (to == 7 ? 16 : 1); ++exponentLow)
        for (const u8 fill : {u8{0x00}, u8{0xFF}})
            if (saneWith(fill, exponentLow))
                return true;
    return false;
}

// A damaged name may hold a comma or a quote: on the error output each is told in quotes with
// its own quotes escaped, so that the list reads one way. A box shows the name as it is.
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

bool TPlayerMgr::IsWrittenName(const std::string& name) {
    std::array<u8, NameAt + TPlayerData::NameField> field{};
    if (name.empty() || name.size() >= TPlayerData::NameField)
        return false;
    std::memcpy(field.data() + NameAt, name.data(), name.size());
    return name.find('\0') == std::string::npos && NameCouldBeWritten(field.data(), {});
}

std::optional<std::string> TPlayerMgr::ReadableName(const u8* record, size_t size) {
    if (record == nullptr || size < NameAt + TPlayerData::NameField)
        return std::nullopt;
    if (!NameReadable(record))
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(record + NameAt));
}

bool TPlayerMgr::CouldBeWholeRecord(const u8* record, u32 size, TLostBytes lost) {
    return record != nullptr && size >= TPlayerData::EncodedSize &&
           (lost.Holds(UsedAt) || record[UsedAt] == 1) && NameCouldBeWritten(record, lost) &&
           (lost.Holds(SexAt) || record[SexAt] <= 1) && AmountCanBeSane(record, BankrollAt, lost) &&
           AmountCanBeSane(record, StartBankrollAt, lost) && !ShowsBlankFace(record, lost);
}

bool TPlayerMgr::ShowsBlankFace(const u8* record, TLostBytes lost) {
    const std::vector<u8>& blank = GetFreePlace();
    if (blank.size() < TPlayerData::EncodedSize)
        return false;
    const auto shows = [&](size_t at, size_t count) {
        return (lost.From >= at + count || lost.To <= at || lost.From == lost.To) &&
               std::memcmp(record + at, blank.data() + at, count) == 0;
    };
    // A gambler's start bankroll is what the create box offers or the first gambler's, never
    // the blank's; his name is typed without blanks or is the first gambler's.
    return shows(NameAt, TPlayerData::NameField) || shows(StartBankrollAt, 8);
}

template <class Visit>
void TPlayerMgr::ForEachStoredRecord(const std::vector<u8>& bytes, Visit visit) {
    const i32 size = GetPlayerDataSize();
    if (size < static_cast<i32>(TPlayerData::EncodedSize))
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
    // A place that shows the blank's face is a free place damaged, whatever its mark says: the
    // game never gives a gambler that face, so nobody was there to come back or be told.
    if (present >= TPlayerData::EncodedSize && ShowsBlankFace(record, {}))
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

bool TPlayerMgr::CouldBeWrittenRecord(const u8* record, u32 size, TLostBytes lost) {
    return CouldBeWholeRecord(record, size, lost);
}

size_t TPlayerMgr::GetJudgedTail() {
    return 0;
}

std::vector<TPlayerMgr::TStoredPlace> TPlayerMgr::JudgeShiftedPlaces(const std::vector<u8>& bytes,
                                                                     i64 shift) {
    const auto size = static_cast<size_t>(GetPlayerDataSize());
    TShiftedFile file;
    file.Bytes = &bytes;
    file.Shift = shift;
    file.Places.assign(RecordOffsets.begin(), RecordOffsets.begin() + TableSize);
    file.Size = size;
    file.Judged = GetJudgedSize();
    file.JudgedTail = GetJudgedTail();
    file.EveryPoint = JudgeEveryPoint;
    file.CouldBeWhole = [this, size](const u8* record, size_t lostFrom, size_t lostTo) {
        return CouldBeWrittenRecord(record, static_cast<u32>(size), {lostFrom, lostTo});
    };
    if (!GetFreePlace().empty()) {
        file.Blank = &FreePlace;
        file.FreeHoldsBlank = true;
    }
    std::vector<TShiftVerdict> verdicts = JudgeOnePointShift(file);
    // A record or a free place the game did not write that way is no damage: the points are
    // tried again with records only whole, and free places that may hold anything.
    if (verdicts.empty()) {
        file.FreeHoldsBlank = false;
        file.JudgedTail = 0;
        file.CouldBeWhole = [this, size](const u8* record, size_t lostFrom, size_t lostTo) {
            return CouldBeWholeRecord(record, static_cast<u32>(size), {lostFrom, lostTo});
        };
        verdicts = JudgeOnePointShift(file);
    }
    std::vector<TStoredPlace> places;
    places.reserve(verdicts.size());
    for (TShiftVerdict& verdict : verdicts) {
        TStoredPlace place;
        place.Whole = std::move(verdict.Whole);
        place.LeftOut = verdict.InDoubt;
        place.Name = std::move(verdict.Name);
        places.push_back(std::move(place));
    }
    return places;
}

TPlayerMgr::TReader TPlayerMgr::ChooseReader(const std::vector<u8>& bytes, i64 fileSize) {
    const i64 size = GetPlayerDataSize();
    const i64 shift = fileSize - GetSaveFileSize();
    const bool whole = static_cast<i64>(bytes.size()) == fileSize;
    if (size < static_cast<i64>(TPlayerData::EncodedSize))
        return TReader::None;
    // Sizes side by side.
    if (shift == 0)
        return TReader::InPlace;
    if (std::llabs(shift) < size && whole)
        return TReader::OnePoint;
    if (shift == size && whole)
        return TReader::Slots;
    if (std::llabs(shift) <= size)
        return TReader::UpToDamage;
    // Far from the save's size, only the head says the file is the game's.
    return CheckSaveHeader(bytes) ? TReader::UpToDamage : TReader::None;
}

std::vector<TPlayerMgr::TStoredPlace> TPlayerMgr::JudgeStoredPlaces(const std::vector<u8>& bytes,
                                                                    i64 fileSize, TReader& reader) {
    const i64 size = GetPlayerDataSize();
    const i64 shift = fileSize - GetSaveFileSize();
    reader = ChooseReader(bytes, fileSize);
    if (reader == TReader::None)
        return {};
    if (reader == TReader::Slots) {
        std::vector<TStoredPlace> places = JudgeSlots(bytes);
        if (!places.empty())
            return places;
        reader = TReader::OnePoint;
    }
    if (reader == TReader::OnePoint) {
        std::vector<TStoredPlace> places = JudgeShiftedPlaces(bytes, shift);
        if (!places.empty())
            return places;
        reader = TReader::UpToDamage;
    }
    // Read where each was written. Past the first place that is not as the game writes it, the
    // damage may have moved every record: a gambler comes back from there only where he lies
    // whole in his place; one whose mark lies the shift away is told from there, and where the
    // shift is whole records' worth the marks in place are marks too.
    const bool aligned = shift % size == 0;
    std::vector<TStoredPlace> places;
    places.reserve(MaxRecords);
    // The places told by a gambler whole the shift away, and his bytes.
    std::vector<std::pair<size_t, std::vector<u8>>> toldWhole;
    bool beforeDamage = true;
    // The first damaged place as it reads in place, where it is read the shift away too.
    std::optional<TStoredPlace> inPlace;
    ForEachStoredRecord(bytes, [&](i16 r, const u8* record, size_t present, size_t) {
        const auto at = static_cast<i64>(RecordOffsets[static_cast<size_t>(r)]);
        TStoredPlace place;
        if (beforeDamage || shift == 0) {
            place = JudgeInPlace(record, present, static_cast<size_t>(size));
            beforeDamage = !place.LeftOut && (place.Whole || IsFreePlace(record, present)) &&
                           present == static_cast<size_t>(size);
            // Where bytes went in at the damaged place's head, his own head lies the shift
            // away: what lies in place tells him by no name.
            if (beforeDamage || shift == 0 || !place.LeftOut || place.Name ||
                present != static_cast<size_t>(size) || (shift < 0 && aligned)) {
                places.push_back(std::move(place));
                return;
            }
            inPlace = std::move(place);
            place = TStoredPlace();
        }
        const i64 moved = at + shift;
        const bool movedIn = moved >= static_cast<i64>(GameDataOffset) &&
                             moved + size <= static_cast<i64>(bytes.size());
        const u8* shifted = movedIn ? bytes.data() + moved : nullptr;
        const bool marked = record[UsedAt] == 1 &&
                            (present < TPlayerData::EncodedSize || !ShowsBlankFace(record, {}));
        if (record[UsedAt] == 1 && present == static_cast<size_t>(size) &&
            IsWholeRecord(record, static_cast<u32>(size))) {
            place.Whole.emplace(record, record + size);
        } else if (shifted != nullptr && IsWholeRecord(shifted, static_cast<u32>(size))) {
            place.LeftOut = true;
            place.Name = ReadableName(shifted, static_cast<size_t>(size));
            toldWhole.emplace_back(places.size(), std::vector<u8>(shifted, shifted + size));
        } else if (shifted != nullptr && !aligned) {
            place.LeftOut = shifted[UsedAt] == 1 && !ShowsBlankFace(shifted, {});
            if (place.LeftOut)
                place.Name = ReadableName(shifted, static_cast<size_t>(size));
        } else if (marked) {
            place.LeftOut = true;
            place.Name = ReadableName(record, present);
        }
        if (inPlace && !place.LeftOut && !place.Whole)
            place = std::move(*inPlace);
        inPlace.reset();
        places.push_back(std::move(place));
    });
    // Nobody comes back twice, and nobody who comes back is told.
    const auto back = [&](const std::vector<u8>& gambler, size_t before) {
        for (size_t j = 0; j < before; ++j)
            if (places[j].Whole && *places[j].Whole == gambler)
                return true;
        return false;
    };
    for (size_t i = 0; i < places.size(); ++i)
        if (places[i].Whole && back(*places[i].Whole, i))
            places[i].Whole.reset();
    for (const auto& [i, gambler] : toldWhole) {
        if (back(gambler, places.size())) {
            places[i].LeftOut = false;
            places[i].Name.reset();
        }
    }
    return places;
}

std::vector<TPlayerMgr::TStoredPlace> TPlayerMgr::JudgeSlots(const std::vector<u8>& bytes) {
    const auto size = static_cast<size_t>(GetPlayerDataSize());
    const size_t first = RecordOffsets[0];
    const auto count = static_cast<size_t>(TableSize);
    if (bytes.size() != first + (count + 1) * size)
        return {};
    // Asked first as the game writes gamblers, then only whole, as the one-point reader asks.
    for (const bool written : {true, false}) {
        std::vector<size_t> gamblers;
        std::optional<size_t> copy, free;
        bool sound = true;
        for (size_t k = 0; sound && k <= count; ++k) {
            const u8* slot = bytes.data() + first + k * size;
            const auto u32Size = static_cast<u32>(size);
            if (slot[UsedAt] == 1 &&
                (written ? IsWrittenRecord(slot, u32Size) : IsWholeRecord(slot, u32Size))) {
                const bool again = std::any_of(gamblers.begin(), gamblers.end(), [&](size_t g) {
                    return std::memcmp(bytes.data() + first + g * size, slot, size) == 0;
                });
                if (!again)
                    gamblers.push_back(k);
                else if (!copy)
                    copy = k;
            } else if (IsFreePlace(slot, size)) {
                if (!free)
                    free = k;
            } else {
                sound = false;
            }
        }
        // Twenty-one gamblers, none a copy: no slot can be the one put in.
        const std::optional<size_t> putIn = copy ? copy : free;
        if (!sound || !putIn)
            continue;
        std::vector<TStoredPlace> places(count);
        for (const size_t k : gamblers) {
            const u8* slot = bytes.data() + first + k * size;
            places[k < *putIn ? k : k - 1].Whole.emplace(slot, slot + size);
        }
        return places;
    }
    return {};
}

TPlayerMgr::TRecovery TPlayerMgr::RecoverRecords(const std::vector<u8>& bytes, i64 fileSize) {
    TRecovery recovery;
    size_t nameless = 0;
    std::vector<TStoredPlace> places = JudgeStoredPlaces(bytes, fileSize, recovery.Reader);
    for (size_t r = 0; r < places.size(); ++r) {
        TStoredPlace& place = places[r];
        if (place.Whole)
            recovery.Whole.push_back({static_cast<i16>(r), std::move(*place.Whole)});
        else if (place.LeftOut && place.Name) {
            recovery.LeftOut.push_back(Quoted(*place.Name));
            recovery.Shown.push_back("\"" + *place.Name + "\"");
        } else if (place.LeftOut)
            ++nameless;
    }
    // "More" only after somebody named.
    const std::string more = recovery.LeftOut.empty() ? "" : " more";
    if (nameless == 1)
        recovery.LeftOut.push_back("1" + more + " gambler whose name cannot be read");
    else if (nameless > 1)
        recovery.LeftOut.push_back(std::to_string(nameless) + more +
                                   " gamblers whose names cannot be read");
    if (nameless > 0)
        recovery.Shown.push_back(recovery.LeftOut.back());
    return recovery;
}

bool TPlayerMgr::HoldsOnlyWholeRecords(const std::vector<u8>& bytes) {
    // Another version's records may be laid out otherwise: none of them is looked at.
    if (!CheckSaveHeader(bytes))
        return true;
    bool whole = true;
    ForEachStoredRecord(bytes, [&](i16, const u8* record, size_t present, size_t size) {
        // The game writes its blank in every free place: anything else there is damage.
        whole = whole && (record[UsedAt] == 1
                              ? present == size && IsWholeRecord(record, static_cast<u32>(size))
                              : present == size && IsFreePlace(record, present));
    });
    return whole;
}

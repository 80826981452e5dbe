// The save's record form: the name, sex and amounts of a gambler as the game writes them, and
// the face of the blank it writes in a free place.
#include "SaveRecordForm.h"

#include "engine/framework/PlayerData.h"

#include "engine/framework/PlayerDataLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
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

// Every way the game makes a gambler gives him more than nothing to start with (the create box's
// $200, $500 or $2,500, the first gambler's $500), while his bankroll may well fall to $0.00: a
// start bankroll of nothing is the zeros a lost write leaves.
enum class TAmount : u8 { Bankroll, StartBankroll };

bool IsSaneAmount(double amount, TAmount kind) {
    // NaN fails every comparison.
    if (kind == TAmount::StartBankroll)
        return amount >= Nearest && amount < AmountLimit;
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
bool NameCouldBeWritten(const u8* record, TLostBytes lost) {
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
bool AmountCanBeSane(const u8* record, size_t at, TLostBytes lost, TAmount kind) {
    const size_t from = std::clamp(lost.From, at, at + 8) - at;
    const size_t to = std::clamp(lost.To, at, at + 8) - at;
    if (from >= to)
        return IsSaneAmount(JorpGetF64(record + at), kind);
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
        return IsSaneAmount(JorpGetF64(bytes.data()), kind);
    };
    for (int exponentLow = 0; exponentLow < (to == 7 ? 16 : 1); ++exponentLow)
        for (const u8 fill : {u8{0x00}, u8{0xFF}})
            if (saneWith(fill, exponentLow))
                return true;
    return false;
}

} // namespace

namespace save_record {

bool IsWrittenName(const std::string& name) {
    std::array<u8, NameAt + TPlayerData::NameField> field{};
    if (name.empty() || name.size() >= TPlayerData::NameField)
        return false;
    std::memcpy(field.data() + NameAt, name.data(), name.size());
    return name.find('\0') == std::string::npos && NameCouldBeWritten(field.data(), {});
}

std::optional<std::string> ReadableName(const u8* record, size_t size) {
    if (record == nullptr || size < NameAt + TPlayerData::NameField)
        return std::nullopt;
    if (!NameReadable(record))
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(record + NameAt));
}

bool CouldBeGambler(const u8* record, size_t size, TLostBytes lost, const std::vector<u8>& blank) {
    return record != nullptr && size >= TPlayerData::EncodedSize &&
           (lost.Holds(UsedAt) || record[UsedAt] == 1) && NameCouldBeWritten(record, lost) &&
           (lost.Holds(SexAt) || record[SexAt] <= 1) &&
           AmountCanBeSane(record, BankrollAt, lost, TAmount::Bankroll) &&
           AmountCanBeSane(record, StartBankrollAt, lost, TAmount::StartBankroll) &&
           !ShowsBlankFace(record, lost, blank);
}

bool ShowsBlankFace(const u8* record, TLostBytes lost, const std::vector<u8>& blank) {
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

bool ReadsAsBlank(const u8* record, size_t present, const std::vector<u8>& blank) {
    if (blank.empty() || present > blank.size())
        return false;
    // The mark is no evidence: a free place's is as easily set as zeroed.
    for (size_t i = UsedAt + 1; i < present; ++i)
        if (record[i] != 0 && record[i] != blank[i])
            return false;
    return true;
}

bool DiffersInOneRun(const u8* record, size_t present, const std::vector<u8>& blank) {
    // A gambler's own bytes never do: his start bankroll's low bytes are the blank's zeros
    // (every amount the game starts a gambler with is whole dollars) between his name and
    // amounts and the bytes after them, and random bytes are hardly ever the blank's four
    // times in a row.
    constexpr size_t Gap = 4;
    if (blank.empty() || blank.size() != present)
        return false;
    bool differed = false;
    size_t same = 0;
    for (size_t i = 0; i < present; ++i) {
        if (record[i] == blank[i]) {
            ++same;
            continue;
        }
        if (differed && same >= Gap)
            return false;
        differed = true;
        same = 0;
    }
    return true;
}

bool PlaceShowsBlankFace(const u8* record, size_t present, const std::vector<u8>& blank) {
    return (present >= TPlayerData::EncodedSize && ShowsBlankFace(record, {}, blank)) ||
           ReadsAsBlank(record, present, blank) || DiffersInOneRun(record, present, blank);
}

} // namespace save_record

// TPlayerMgr: which records of a save file hold a gambler the game can take as he stands, and
// the names of those that must be left out.
#include "PlayerMgr.h"

#include "engine/framework/PlayerDataLayout.h"

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

bool IsSaneAmount(double amount) {
    // NaN fails both comparisons.
    return amount > -Dust && amount < AmountLimit;
}

} // namespace

std::optional<std::string> TPlayerMgr::ReadableName(const u8* record, size_t size) {
    if (record == nullptr || size < NameAt + TPlayerData::NameField)
        return std::nullopt;
    std::string name;
    for (size_t i = 0; i < TPlayerData::NameField; ++i) {
        const u8 c = record[NameAt + i];
        if (c == 0)
            return name.empty() ? std::nullopt : std::optional<std::string>(name);
        if (c < 0x20 || c == 0x7F)
            return std::nullopt;
        name.push_back(static_cast<char>(c));
    }
    // No NUL inside the field.
    return std::nullopt;
}

bool TPlayerMgr::IsWholeRecord(const u8* record, u32 size) {
    return record != nullptr && size >= TPlayerData::EncodedSize && record[UsedAt] == 1 &&
           ReadableName(record, size) && record[SexAt] <= 1 &&
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

std::vector<i16> TPlayerMgr::FindWholeRecords(const std::vector<u8>& bytes) {
    std::vector<i16> whole;
    ForEachStoredRecord(bytes, [&](i16 r, const u8* record, size_t present, size_t size) {
        if (present == size && IsWholeRecord(record, static_cast<u32>(size)))
            whole.push_back(r);
    });
    return whole;
}

std::vector<std::string> TPlayerMgr::FindLeftOutNames(const std::vector<u8>& bytes) {
    std::vector<std::string> names;
    ForEachStoredRecord(bytes, [&](i16, const u8* record, size_t present, size_t size) {
        // A used byte other than 1 shows a record out of its place: what stands where its
        // name should be is another record's bytes, no gambler's name.
        if (record[UsedAt] != 1 ||
            (present == size && IsWholeRecord(record, static_cast<u32>(size))))
            return;
        if (const std::optional<std::string> name = ReadableName(record, present))
            names.push_back(*name);
    });
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

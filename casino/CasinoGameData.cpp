// TCasinoGameData: the block's 223 bytes field by field.
#include "CasinoGameData.h"

#include "engine/framework/PlayerData.h"

#include <algorithm>

namespace {

constexpr size_t FirstAt = 16;
constexpr size_t SecondAt = 20;
constexpr size_t AmountAt = 24;
constexpr size_t CountsAt = 32;
constexpr size_t AmountsAt = 64;
constexpr size_t SpareAt = 136;
constexpr size_t TailAt = 211;

} // namespace

bool TCasinoGameData::Decode(const u8* bytes, size_t size) {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    for (size_t i = 0; i < 4; ++i)
        Stamps[i] = JorpGetU32(bytes + 4 * i);
    First = JorpGetU32(bytes + FirstAt);
    Second = JorpGetU32(bytes + SecondAt);
    Amount = TMoney(JorpGetF64(bytes + AmountAt));
    for (size_t i = 0; i < Counts.size(); ++i)
        Counts[i] = JorpGetU32(bytes + CountsAt + 4 * i);
    for (size_t i = 0; i < Amounts.size(); ++i)
        Amounts[i] = TMoney(JorpGetF64(bytes + AmountsAt + 8 * i));
    std::copy_n(bytes + SpareAt, SpareBytes, Spare.begin());
    for (size_t i = 0; i < Tail.size(); ++i)
        Tail[i] = JorpGetU32(bytes + TailAt + 4 * i);
    return true;
}

bool TCasinoGameData::Encode(u8* bytes, size_t size) const {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    TGameData::Encode(bytes, size);
    JorpPutU32(bytes + FirstAt, First);
    JorpPutU32(bytes + SecondAt, Second);
    JorpPutF64(bytes + AmountAt, Amount.GetValue());
    for (size_t i = 0; i < Counts.size(); ++i)
        JorpPutU32(bytes + CountsAt + 4 * i, Counts[i]);
    for (size_t i = 0; i < Amounts.size(); ++i)
        JorpPutF64(bytes + AmountsAt + 8 * i, Amounts[i].GetValue());
    std::copy_n(Spare.begin(), SpareBytes, bytes + SpareAt);
    for (size_t i = 0; i < Tail.size(); ++i)
        JorpPutU32(bytes + TailAt + 4 * i, Tail[i]);
    return true;
}

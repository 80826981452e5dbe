// TCasinoCData: the history's bytes, its clearing and the betting options.
#include "CasinoCData.h"

#include <algorithm>

namespace {

constexpr u8 DefaultBetOptions[TCasinoCData::OptionCount] = {1, 0, 0, 0, 1, 0, 1};

} // namespace

TCasinoCData::TCasinoCData() {
    Clear();
}

void TCasinoCData::Clear() {
    Bytes.fill(0);
    SetDefaultBetOptions();
}

void TCasinoCData::SetDefaultBetOptions() {
    std::copy_n(DefaultBetOptions, OptionCount, Bytes.begin() + OptionsAt);
}

bool TCasinoCData::GetBetOption(size_t i) const {
    return i < OptionCount && Bytes[OptionsAt + i] != 0;
}

bool TCasinoCData::Decode(const u8* bytes, size_t size) {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    std::copy_n(bytes, EncodedSize, Bytes.begin());
    return true;
}

bool TCasinoCData::Encode(u8* bytes, size_t size) const {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    std::copy_n(Bytes.begin(), EncodedSize, bytes);
    return true;
}

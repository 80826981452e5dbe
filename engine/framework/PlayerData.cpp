// TPlayerData: the record's defaults, its name field, and its 31 bytes field by field.
#include "PlayerData.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

void JorpPutU16(u8* at, u16 value) {
    at[0] = static_cast<u8>(value);
    at[1] = static_cast<u8>(value >> 8);
}

u16 JorpGetU16(const u8* at) {
    return static_cast<u16>(at[0] | (at[1] << 8));
}

void JorpPutU32(u8* at, u32 value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<u8>(value >> (8 * i));
}

u32 JorpGetU32(const u8* at) {
    u32 value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<u32>(at[i]) << (8 * i);
    return value;
}

void JorpPutF64(u8* at, double value) {
    const u64 bits = std::bit_cast<u64>(value);
    for (int i = 0; i < 8; ++i)
        at[i] = static_cast<u8>(bits >> (8 * i));
}

double JorpGetF64(const u8* at) {
    u64 bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<u64>(at[i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

TPlayerData::TPlayerData() {
    SetDefaults();
}

void TPlayerData::SetDefaults() {
    SetUsed(0);
    SetBankroll(2000.0);
    SetStartBankroll(2000.0);
    SetSex(1);
    SetName("John Dough");
}

void TPlayerData::SetName(const std::string& name) {
    std::memset(Name, 0, NameField);
    std::memcpy(Name, name.data(), std::min(name.size(), MaxNameLength));
}

void TPlayerData::SetName(const char* name) {
    SetName(std::string(name != nullptr ? name : ""));
}

std::string TPlayerData::GetName() const {
    return std::string(Name, strnlen(Name, NameField));
}

namespace {

// A stored amount that is no number would poison every sum it enters.
double FiniteOrZero(double value) {
    return std::isfinite(value) ? value : 0.0;
}

} // namespace

bool TPlayerData::Decode(const u8* bytes, size_t size) {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    Used = bytes[0];
    std::memcpy(Name, bytes + 1, NameField);
    Name[MaxNameLength] = '\0';
    Sex = bytes[14];
    Bankroll = FiniteOrZero(JorpGetF64(bytes + 15));
    StartBankroll = FiniteOrZero(JorpGetF64(bytes + 23));
    return true;
}

bool TPlayerData::Encode(u8* bytes, size_t size) const {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    bytes[0] = Used;
    std::memcpy(bytes + 1, Name, NameField);
    bytes[14] = Sex;
    JorpPutF64(bytes + 15, Bankroll);
    JorpPutF64(bytes + 23, StartBankroll);
    return true;
}

// TPlayerData: the record's defaults, its name field, and its 31 bytes through their table.
#include "PlayerData.h"

#include "engine/framework/PlayerDataLayout.h"

#include <algorithm>
#include <bit>
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

bool TPlayerData::Decode(const u8* bytes, size_t size) {
    return bytes != nullptr && DecodeRecord(*this, std::span(bytes, size));
}

bool TPlayerData::Encode(u8* bytes, size_t size) const {
    return bytes != nullptr && EncodeRecord(*this, std::span(bytes, size));
}

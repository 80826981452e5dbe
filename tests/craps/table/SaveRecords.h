// Test support: a save file read whole from disk and its twenty gamblers' records decoded.
#pragma once

#include "casino/CasinoPlayerData.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline constexpr size_t SaveHeaderSize = 8 + 223;
inline constexpr size_t SaveRecordCount = 20;

inline std::string ReadSaveFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The records of a save of the game's size; a record past the end of a shorter file stays blank.
inline std::vector<TCasinoPlayerData> GamblersIn(const std::string& save) {
    std::vector<TCasinoPlayerData> records(SaveRecordCount);
    for (size_t i = 0; i < SaveRecordCount; ++i) {
        const size_t at = SaveHeaderSize + i * TCasinoPlayerData::EncodedSize;
        if (at + TCasinoPlayerData::EncodedSize <= save.size())
            records[i].Decode(reinterpret_cast<const u8*>(save.data()) + at,
                              TCasinoPlayerData::EncodedSize);
    }
    return records;
}

// Puts a gambler in record `index` of a save of the game's size.
inline void PutGambler(std::string& save, size_t index, TCasinoPlayerData record) {
    record.Encode(reinterpret_cast<u8*>(save.data()) + SaveHeaderSize +
                      index * TCasinoPlayerData::EncodedSize,
                  TCasinoPlayerData::EncodedSize);
}

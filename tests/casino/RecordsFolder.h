// Test support: a program folder whose save file the casino's gambler manager reads and
// writes, and the bytes of its records.
#pragma once

#include "../engine/framework/PlayerMgrFakes.h"

#include "casino/CasinoPlayerData.h"
#include "casino/CasinoPlayerMgr.h"

#include <memory>
#include <string>

constexpr size_t CasinoRecordSize = 13195;
constexpr size_t CasinoFileSize = 264131;

inline size_t CasinoRecordAt(i16 record) {
    return 8 + 223 + CasinoRecordSize * static_cast<size_t>(record);
}

inline TCasinoPlayerData Decoded(const std::string& bytes) {
    TCasinoPlayerData data;
    EXPECT_TRUE(data.Decode(reinterpret_cast<const u8*>(bytes.data()), bytes.size()));
    return data;
}
inline std::string Encoded(const TCasinoPlayerData& data) {
    std::string bytes(CasinoRecordSize, '\xEE');
    EXPECT_TRUE(data.Encode(reinterpret_cast<u8*>(bytes.data()), bytes.size()));
    return bytes;
}

class RecordsFolder : public SaveFolder {
protected:
    // A manager made as the frame makes it, its host calls then going through Host.
    TCasinoPlayerMgr& Make(bool forceDefault = false) {
        Mgr.reset();
        Mgr = std::make_unique<TCasinoPlayerMgr>(&Frame, "c:\\data\\", 3, 20, forceDefault);
        Mgr->SetSaveFileHost(&Host);
        return *Mgr;
    }
    std::string File() const { return SaveBytes("otcraps.sav"); }
    std::string RecordOnDisk(i16 record) const {
        return File().substr(CasinoRecordAt(record), CasinoRecordSize);
    }
    // What the settings say was seated, once the manager in hand has gone (its leaving
    // stores its own seats).
    void SeatNames(const char* a, const char* b, const char* c) {
        Mgr.reset();
        Settings.WriteStringN("Players", 0, a);
        Settings.WriteStringN("Players", 1, b);
        Settings.WriteStringN("Players", 2, c);
    }

    std::unique_ptr<TCasinoPlayerMgr> Mgr;
};

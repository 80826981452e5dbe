// Test support: the casino's gambler manager over a program folder, and its records' bytes.
#pragma once

#include "../engine/framework/PlayerMgrFakes.h"

#include "casino/CasinoPlayerData.h"
#include "casino/CasinoPlayerMgr.h"

#include <memory>
#include <string>

constexpr size_t CasinoRecordSize = 13195;

inline std::string Encoded(const TCasinoPlayerData& data) {
    std::string bytes(CasinoRecordSize, '\xEE');
    EXPECT_TRUE(data.Encode(reinterpret_cast<u8*>(bytes.data()), bytes.size()));
    return bytes;
}

inline TCasinoPlayerData Decoded(const std::string& bytes) {
    TCasinoPlayerData data;
    EXPECT_TRUE(data.Decode(reinterpret_cast<const u8*>(bytes.data()), bytes.size()));
    return data;
}

class RecordsFolder : public SaveFolder {
protected:
    // Made as the frame makes it; its later host calls go through Host.
    TCasinoPlayerMgr& Make(bool forceDefault = false) {
        Mgr.reset();
        Mgr = std::make_unique<TCasinoPlayerMgr>(&Frame, "c:\\data\\", 3, 20, forceDefault);
        Mgr->SetSaveFileHost(&Host);
        return *Mgr;
    }
    std::string File() const { return SaveBytes("otcraps.sav"); }
    std::string RecordOnDisk(i16 r) const {
        return File().substr(231 + CasinoRecordSize * static_cast<size_t>(r), CasinoRecordSize);
    }
    // Once the manager in hand has gone, since its leaving stores its own seats.
    void SeatNames(const char* a, const char* b) {
        Mgr.reset();
        Settings.WriteStringN("Players", 0, a);
        Settings.WriteStringN("Players", 1, b);
        Settings.WriteStringN("Players", 2, "");
    }

    std::unique_ptr<TCasinoPlayerMgr> Mgr;
};

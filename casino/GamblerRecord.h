// TGamblerRecordView and TGamblerRecord: a gambler's record read and changed where it lies in
// its block, through the record's field table.
#pragma once

#include "casino/CasinoPlayerData.h"

#include <functional>
#include <span>
#include <string>

// Read only. Bytes fewer than a whole record give no record: it is then invalid and every
// getter answers as for an empty seat (0, false, "").
class TGamblerRecordView {
public:
    TGamblerRecordView() = default;
    explicit TGamblerRecordView(std::span<const u8> bytes);

    bool IsValid() const { return !Bytes.empty(); }
    explicit operator bool() const { return IsValid(); }

    std::string GetName() const;
    u8 GetSex() const;
    // A stored non-number reads 0.0.
    double GetBankroll() const;
    u32 GetSessionCode() const;
    // A stored byte above 1 counts as on.
    bool GetInstructionMode() const;
    // Count i (0..5); 0 for any other i.
    u16 GetChipCount(size_t i) const;
    // Option i (0..6), a stored byte above 1 set; false for any other i.
    bool GetBetOption(size_t i) const;

    // The whole record; false without one.
    bool Decode(TCasinoPlayerData& data) const;
    // The history's current session; false while the current slot lies outside the ring (a
    // damaged file), until the next session restarts it.
    bool DecodeCurrentSession(TCCSession& session) const;

protected:
    // Where the current session's bytes begin; 0 (inside the engine's part, so never a
    // session) without a record or outside the ring.
    size_t CurrentSessionAt() const;

    std::span<const u8> Bytes;
};

// Changes go straight into the block. Without a record every change does nothing.
class TGamblerRecord : public TGamblerRecordView {
public:
    TGamblerRecord() = default;
    explicit TGamblerRecord(std::span<u8> bytes);

    void SetBankroll(double bankroll);
    // 0 becomes 1, anything else 0.
    void ToggleInstructionMode();
    // Nothing changes for i outside 0..5.
    void SetChipCount(size_t i, u16 count);
    // Stored as 1 or 0; nothing changes for i outside 0..6.
    void SetBetOption(size_t i, bool set);

    // The whole record decoded, changed and encoded back: false, and nothing changed, without
    // a record.
    bool Edit(const std::function<void(TCasinoPlayerData&)>& change);
    // The current session alone: its bytes are written back only when change answers that it
    // changed something. False, and change not called, where DecodeCurrentSession fails.
    bool EditCurrentSession(const std::function<bool(TCCSession&)>& change);

private:
    u8* At(size_t offset) const { return Writable.data() + offset; }

    std::span<u8> Writable;
};

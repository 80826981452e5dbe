// TPlayer: the game object standing for one seat of the table, bound to the record of the
// player who sits there.
#pragma once

#include "engine/framework/GameObject.h"

#include <memory>
#include <span>

// Made with names only (its ".go" file read, no parts). The record's block belongs to the
// player manager and stays valid while the record holds the seat.
class TPlayer : public TGameObject {
public:
    TPlayer(TJorpOwner* owner, i16 seat);
    ~TPlayer() override;

    // The player of the file for the seat, its names read.
    static std::unique_ptr<TPlayer> Create(TJorpOwner* owner, const TFileMode& file, i16 seat);

    void Acquire(u32 key) override;
    void Release() override;
    // The first call binds a player seated before the mode started, and lets the sprites the
    // binding would have started go.
    void Update() override;

    // Virtual operations of players, in slot order after those of game objects.
    // For this object's seat: binds the record, then acquires the object (its sprites start).
    virtual void OnActivated(i16 seat);
    // For this object's seat: releases the object, then lets the record go.
    virtual void OnDeactivated(i16 seat);
    // The block of the record in the seat; null when the seat is empty or there is no
    // player manager.
    virtual void BindRecord();
    virtual void UnbindRecord();

    i16 GetSeat() const { return Seat; }
    // The seated record's block, the manager's record size long: its first 31 bytes are a
    // TPlayerData. Empty while no record is bound; only a player that may change it has it
    // writable.
    std::span<u8> GetRecord() { return Record; }
    std::span<const u8> GetRecord() const { return Record; }
    u8* GetRecordData() { return Record.data(); }
    const u8* GetRecordData() const { return Record.data(); }

protected:
    i16 Seat;
    std::span<u8> Record;
};

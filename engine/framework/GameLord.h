// TGameLord: the game object that runs a mode's game and hears of players taking and leaving
// seats.
#pragma once

#include "engine/framework/GameObject.h"

#include <memory>

// Made with names only (its ".go" file read, no parts): a derived lord loads its sprite
// list and skit catalogue itself and installs its own state.
class TGameLord : public TGameObject {
public:
    explicit TGameLord(TJorpOwner* owner);
    ~TGameLord() override;

    // The lord of the file, its names read.
    static std::unique_ptr<TGameLord> Create(TJorpOwner* owner, const TFileMode& file);

    // Only the first call counts.
    void Update() override;

    // Virtual operations of game lords, in slot order after those of game objects.
    // The engine gives the value no meaning: 0.
    virtual i32 Query(u64 value);
    virtual bool CanChangePlayers();
    virtual void SetupSeat(i16 seat);
    virtual void UpdateSeat(i16 seat);
    virtual void ReservedHook();

    u8 GetPlayersChangeable() const { return PlayersChangeable; }

protected:
    u8 PlayersChangeable = 1;
};

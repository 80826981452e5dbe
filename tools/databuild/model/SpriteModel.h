// The model of sprites and sprite lists: cells on a timeline, members numbered as the engine
// numbers them, durations, the members a table class binds, and lists sorted by name.
#pragma once

#include "platform/host/Types.h"

#include <string>
#include <vector>

// How a cell's animation plays (the engine's play directions).
constexpr i16 PLAY_HOLD = 0;
constexpr i16 PLAY_FORWARD = 1;
constexpr i16 PLAY_BACKWARD = -1;

// Cells of one row start together; a row holds at most this many.
constexpr u8 CELLS_PER_ROW = 8;
// A wave cell's duration reaches the wave as a signed 16-bit number.
constexpr u32 WAVE_DURATION_LIMIT = 32768;

// One cell of a sprite's table: an animation or a wave starting Row ticks after the sprite.
struct TCellModel {
    u16 Row = 0;
    u8 Slot = 0;
    bool IsAnm = true;
    std::string File;
    u32 Duration = 0;
    i16 Direction = PLAY_HOLD;
    // The base point less one: with draw flag 0 the engine adds 1 and the sprite's position,
    // then puts the frame's hotspot there.
    i16 X = 0;
    i16 Y = 0;
    i16 Z = 0;
    i16 FirstFrame = 0;
};

// What a table class binds: at least this many animations and waves, and at least
// MinFrames[i] frames in animation i.
struct TBindingNeeds {
    u16 Anms = 0;
    u16 Waves = 0;
    std::vector<u16> MinFrames;
    // The class's name in its fatal report, for the build's own message.
    std::string Label;
};

class TSpriteModel {
public:
    TSpriteModel(std::string name, u16 type, u16 set = 0);

    // An animation in the next free place (rows filled slot by slot), its frames' hotspot on
    // the screen point (x, y): the kit places by screen position.
    TCellModel& AddAnm(const std::string& file, i32 x, i32 y, i16 z, u32 duration = 0,
                       i16 direction = PLAY_HOLD);
    // The same on a given row, for members that start late.
    TCellModel& AddAnmAt(u16 row, const std::string& file, i32 x, i32 y, i16 z, u32 duration,
                         i16 direction);
    TCellModel& AddWave(const std::string& file, u32 duration = 0);
    TCellModel& AddWaveAt(u16 row, const std::string& file, u32 duration);

    // 1 + the largest (start delay + duration - 1) of the members, as the engine computes it.
    u32 Duration() const;
    // Members counted as the engine numbers them: row by row, slot by slot, animations and
    // waves apart. Null past the end.
    const TCellModel* Anm(u16 index) const;
    const TCellModel* Wave(u16 index) const;
    u16 AnmCount() const;
    u16 WaveCount() const;
    // Every cell in the engine's member order.
    std::vector<const TCellModel*> Ordered() const;

    const std::string& GetName() const { return Name; }
    u16 GetType() const { return Type; }
    u16 GetSet() const { return Set; }
    const std::vector<TCellModel>& GetCells() const { return Cells; }
    std::vector<TCellModel>& GetCells() { return Cells; }

    TBindingNeeds Needs;

private:
    TCellModel& Place(u16 row, bool isAnm, const std::string& file);
    u16 LastRow() const;

    std::string Name;
    u16 Type;
    u16 Set;
    std::vector<TCellModel> Cells;
};

// A sprite set of a list: its name (at most 8 characters) and per state the names of the
// sprites that alternate while no used sprite of the set runs.
struct TSpriteSetModel {
    std::string Name;
    std::vector<std::vector<std::string>> States;
};

class TSpriteListModel {
public:
    explicit TSpriteListModel(std::string name) : Name(std::move(name)) {}

    TSpriteModel& Add(TSpriteModel sprite);
    // The engine sorts a list by name when it reads it; skit cells store positions in that
    // order.
    void Sort();
    // Position in the sorted list, -1 when no sprite has the name.
    i16 IndexOf(const std::string& name) const;
    const TSpriteModel* Find(const std::string& name) const;
    TSpriteModel* Find(const std::string& name);

    const std::string& GetName() const { return Name; }
    const std::vector<TSpriteModel>& GetSprites() const { return Sprites; }
    std::vector<TSpriteModel>& GetSprites() { return Sprites; }

    // Sets 1 and up; set 0 is every list's own.
    std::vector<TSpriteSetModel> Sets;

private:
    std::string Name;
    std::vector<TSpriteModel> Sprites;
};

// The form a save's gambler record is written in: his name, sex and amounts as the game writes
// them, and the face of the blank it writes in a free place.
#pragma once

#include "platform/host/Types.h"

#include <optional>
#include <string>
#include <vector>

// Bytes of a record that a damaged file lost, from From up to To: nothing tells what they were.
struct TLostBytes {
    size_t From = 0;
    size_t To = 0;
    bool Holds(size_t i) const { return i >= From && i < To; }
};

namespace save_record {

// The form of the engine's own record (its first TPlayerData::EncodedSize bytes), which a save's
// record check starts from: used exactly 1, a name as the game writes it (IsWrittenName) with
// nothing but NULs after it, sex 0 or 1, and both amounts finite, not negative (but for less
// than half a cent of rounding), below a trillion, and 0 or at least 1e-18 in size, and not the
// blank's face (ShowsBlankFace). Counters are never judged, so that no real gambler is thrown
// out.
bool CouldBeGambler(const u8* record, size_t size, TLostBytes lost, const std::vector<u8>& blank);
// The record's told bytes show the face of the blank the game writes in a free place: its name,
// or its start bankroll, which no gambler the game makes has. Such a place is a free place,
// damaged, whatever its mark says.
bool ShowsBlankFace(const u8* record, TLostBytes lost, const std::vector<u8>& blank);
// Every byte of the place's first present but its mark is the blank's or 0: a free place some
// of whose bytes a lost write left zeros, whatever its size.
bool ReadsAsBlank(const u8* record, size_t present, const std::vector<u8>& blank);
// The place, all there (present the blank's size), is the blank's but for one run of other
// bytes, inside which the blank's own bytes never stand four in a row: a free place a lost
// sector went over.
bool DiffersInOneRun(const u8* record, size_t present, const std::vector<u8>& blank);
// The one rule of what shows a place of present bytes was free, whatever its mark says, asked
// by the reader and its one-point judge alike: the blank's face (name or start bankroll), or
// what a lost write or a lost sector leaves of it.
bool PlaceShowsBlankFace(const u8* record, size_t present, const std::vector<u8>& blank);
// The name field of a record's bytes when it holds 1 to 12 characters, none a control
// character, ended by a NUL inside the field.
std::optional<std::string> ReadableName(const u8* record, size_t size);
// A name as the game writes it: 1 to 12 letters, digits and blanks, a blank neither first nor
// last. A record whose name is not is no gambler the game wrote.
bool IsWrittenName(const std::string& name);

} // namespace save_record

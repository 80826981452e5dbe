// The dealer's skit lists as the craps program binds them: label, file, string resource, whether
// any code plays them, and the shortest skit the round's timing allows in each.
#pragma once

#include "platform/host/Types.h"

#include <string>
#include <vector>

struct TSkitListEntry {
    // The label the program reports a missing list with.
    std::string Label;
    // The file: "\f1glrd00\f100" + suffix + ".skl".
    std::string Suffix;
    u32 StringId;
    // The three early-shake lists are bound but never played; PreSpinCom shares result 12's
    // file and is never played either.
    bool Played;
    // The round acts on exact ticks of some skits: the puck is set at tick 7-10 of PlaceMark,
    // lifted at tick 3 of GetMark and laid off two ticks before its end, the losers taken at
    // tick 4 of Loser. Every skit of the list lasts at least this long (0: no limit).
    u32 MinTicks;
};

// The 65 entries in the program's binding order; 64 distinct files.
const std::vector<TSkitListEntry>& SkitLists();
// The distinct files played, once each, in binding order (61).
std::vector<const TSkitListEntry*> PlayedSkitFiles();

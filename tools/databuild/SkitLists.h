// The dealer's skit lists as the craps program binds them: label, file, string resource, whether
// any code plays them, and the line and length of the data set's stand-in skit for each.
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
    // What the stand-in dealer says, and how many ticks it lasts (the round's minima).
    std::string Line;
    u32 Ticks;
};

// The 65 entries in the program's binding order; 64 distinct files.
const std::vector<TSkitListEntry>& SkitLists();
// The distinct files played, once each, in binding order (61).
std::vector<const TSkitListEntry*> PlayedSkitFiles();

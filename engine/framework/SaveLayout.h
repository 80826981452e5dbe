// TSaveLayout: what a damaged save's reader and its one-point judge are told of the save: where
// its pieces lie, the blank the game writes in a free place, and what a gambler the game writes
// looks like.
#pragma once

#include "engine/framework/SaveRecordForm.h"

#include <functional>
#include <vector>

// The save's manager knows its own record best: it fills this in once, and the readers take it
// by reference.
struct TSaveLayout {
    // The save's size, and where its game data and each record were written, one right after
    // the other; the size of one record.
    i64 FileSize = 0;
    size_t GameDataOffset = 0;
    std::vector<size_t> Places;
    size_t Size = 0;
    // What the game writes in a free place (DeletePlayer leaves it so too); empty when it
    // cannot be made.
    std::vector<u8> Blank;
    // How many leading and last bytes of a record the checks below read: records alike in them
    // are judged alike. The mark is the first of them.
    size_t Judged = 0;
    size_t JudgedTail = 0;
    // Whether some values of the lost bytes (the mark among them, which could then be 1) make
    // the record (Size bytes) a gambler the game can take as he stands; with none lost, whether
    // it is one.
    std::function<bool(const u8* record, TLostBytes lost)> CouldBeWhole;
    // The same, held to a whole record as the game itself writes one, which may be more than
    // CouldBeWhole asks (spare bytes it never fills, flags it writes as 0 or 1): a damaged file
    // is read by it first.
    std::function<bool(const u8* record, TLostBytes lost)> CouldBeWritten;
    // The head at the start of the bytes is of this save's versions.
    std::function<bool(const std::vector<u8>& bytes)> IsSaveHead;
};

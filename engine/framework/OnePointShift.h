// JudgeOnePointShift: what each record of a save file holds when up to a record's size of bytes
// were put into it or taken out of it at one point, read for every point that explains it.
#pragma once

#include "platform/host/Types.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TShiftedFile {
    // The file as read, whole.
    const std::vector<u8>* Bytes = nullptr;
    // How many bytes were put in (above 0) or taken out (below 0), at most a record's size.
    i64 Shift = 0;
    // Where each record was written, one right after the other, and the size of one.
    std::vector<size_t> Places;
    size_t Size = 0;
    // The leading and the last bytes of a record that CouldBeWhole reads: readings alike in
    // them are judged alike.
    size_t Judged = 0;
    size_t JudgedTail = 0;
    // Whether the record (first byte its mark) holds a gambler the game can take for some
    // values of the bytes from lostFrom up to lostTo, which the file lost (none when the two
    // are equal).
    std::function<bool(const u8* record, size_t lostFrom, size_t lostTo)> CouldBeWhole;
    // The game's blank, which it writes in a free place: marked used it is nobody. Null when
    // none is known.
    const std::vector<u8>* Blank = nullptr;
    // A free place (mark 0) holds exactly the blank; otherwise it may hold anything.
    bool FreeHoldsBlank = false;
    // Every point tried one by one, none of the judge's speed-ups taken: for the tests that
    // hold the two to the same verdicts.
    bool EveryPoint = false;
};

struct TShiftVerdict {
    // The gambler, byte for byte as he was written.
    std::optional<std::vector<u8>> Whole;
    // A gambler some point gives here, whose bytes cannot be told for sure: he is left out,
    // told by Name where it can be read.
    bool InDoubt = false;
    std::optional<std::string> Name;
};

// One verdict a record; empty when no single point explains the file.
std::vector<TShiftVerdict> JudgeOnePointShift(const TShiftedFile& file);

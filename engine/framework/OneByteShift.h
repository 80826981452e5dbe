// JudgeOneByteShift: what each record of a save file one byte longer or shorter than its size
// holds, for every point at which that one byte could have been put in or taken out.
#pragma once

#include "platform/host/Types.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TOneByteFile {
    // The file as read, whole.
    const std::vector<u8>* Bytes = nullptr;
    // +1: a byte was put in; -1: one was taken out.
    int Shift = 0;
    // Where each record was written, in rising order, and the size of one.
    std::vector<size_t> Places;
    size_t Size = 0;
    // The leading and the last bytes of a record that IsWhole reads: a record that matches
    // another in them is judged as that one is.
    size_t Judged = 0;
    size_t JudgedTail = 0;
    // Whether a record marked used (first byte 1) holds a gambler the game can take.
    std::function<bool(const u8* record)> IsWhole;
    // The bytes a free place holds (first byte 0); null when a free place may hold anything.
    const std::vector<u8>* Free = nullptr;
    // The game's blank, which it writes in a free place: marked used it is nobody, the free
    // place read with the byte before it as its mark. Null when none is known.
    const std::vector<u8>* Blank = nullptr;
};

struct TOneByteRecord {
    // The gambler, byte for byte as he was written.
    std::optional<std::vector<u8>> Whole;
    // A gambler some point gives here, whose bytes cannot be told for sure: he is left out,
    // told by Name where it can be read.
    bool InDoubt = false;
    std::optional<std::string> Name;
};

// One verdict a record; empty when no single point explains the file, and it is not one byte
// away from a file whose records all read sound.
std::vector<TOneByteRecord> JudgeOneByteShift(const TOneByteFile& file);

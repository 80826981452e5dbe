// JudgeOnePointShift: what each record of a save file holds when up to a record's size of bytes
// were put into it or taken out of it at one point, read for every point that explains it.
#pragma once

#include "engine/framework/SaveLayout.h"

#include <optional>
#include <string>
#include <vector>

// How the points are judged: records and free places as the game writes them (the layout's
// CouldBeWritten over its judged head and tail, the blank in every free place), or else records
// only whole (CouldBeWhole over the judged head) and free places that may hold anything; and
// every point tried one by one, none of the judge's speed-ups taken, for the tests that hold the
// two to the same verdicts.
struct TShiftJudging {
    bool AsWritten = true;
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

// The bytes of the file as read, whole, shift bytes longer (put in, above 0) or shorter (taken
// out, below 0) than the layout's, at most a record's size: one verdict a record; empty when no
// single point explains the file.
std::vector<TShiftVerdict> JudgeOnePointShift(const TSaveLayout& layout,
                                              const std::vector<u8>& bytes, i64 shift,
                                              TShiftJudging judging = {});

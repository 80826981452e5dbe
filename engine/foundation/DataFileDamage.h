// The fatal report of a data file that is there but damaged, and the texts that say how.
#pragma once

#include "platform/host/PathKind.h"
#include "platform/host/Types.h"

#include <string>

class TJorpBase;
class TJorpBaseFile;
struct TDetBadRecord;

// One box naming the file (by its virtual path, shown as the host path it maps to) and what is
// wrong with it, then the end of the program with code 1. A missing file is not damaged: the
// data-file manager prompts for the CD instead. Bytes the box cannot show are given in hex.
[[noreturn]] void JorpDamagedDataFile(const std::string& path, const std::string& problem);

// Something other than a plain file stands where a data file should be.
std::string NotAFileProblem(THostPathKind kind);

// A plain file whose bytes could not be read.
std::string UnreadableProblem();

// The image's source holds only `held` bytes, fewer than the image is to be read from.
std::string ShortSourceProblem(const TJorpBaseFile& image, i64 held);

// A catalogue of `size` bytes whose reading stopped at byte `at`: it ran out of bytes there,
// or found a record that cannot be. A record read before that could not be right is what went
// wrong first, and is named instead.
std::string CatalogueProblem(u32 size, u32 at, bool ranOut, const TDetBadRecord& bad);

// Where an object's reading failed, in a few words: "damaged at byte 14".
std::string ObjectProblem(const TJorpBase& object);

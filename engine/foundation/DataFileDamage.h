// The fatal report of a data file that is there but damaged, and the texts that say how.
#pragma once

#include "platform/host/Types.h"

#include <string>

class TJorpBaseFile;

// One box naming the file and what is wrong with it, then the end of the program with code 1.
// A missing file is not damaged: the data-file manager prompts for the CD instead.
[[noreturn]] void JorpDamagedDataFile(const std::string& path, const std::string& problem);

// The image's source holds only `held` bytes, fewer than the image is to be read from.
std::string ShortSourceProblem(const TJorpBaseFile& image, i64 held);

// A catalogue of `size` bytes whose reading stopped at byte `at`: it ran out of bytes there,
// or found a record that cannot be.
std::string CatalogueProblem(u32 size, u32 at, bool ranOut);

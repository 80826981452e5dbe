// The reading back of the table's background bitmap, whose layout lines the data set's check
// looks for where the shapes put them.
#pragma once

#include "tools/databuild/art/Canvas.h"

#include <optional>
#include <vector>

// The pixels of an 8-bit bitmap file as the data set writes it; nothing for bytes that are
// not such a file or that end before its rows do.
std::optional<TCanvas> BitmapPicture(const std::vector<u8>& bytes);

// JorpNameCompare: the one order of names that sorted lists, catalogues and the data builder share.
#pragma once

#include "platform/host/Types.h"

#include <string>

// Case-sensitive, byte by byte as unsigned characters, a shorter name before its
// extensions. Stored indices in data files are positions in lists sorted by this order,
// so the builder that writes them and the engine that searches them must both use it.
// Returns -1, 0 or 1.
i32 JorpNameCompare(const std::string& a, const std::string& b);

// The name block that opens a skit catalogue's and a skit list's body.
#pragma once

#include "engine/foundation/JorpBase.h"

#include <string>
#include <vector>

// Reads a u16 count and that many names: 9-byte names when bareNames (old layouts, each the
// name of a file beside `beside`, given `extension`), strings otherwise. False when the count
// passes `room` or the bytes left, or a name is short; names are read whole before any use.
bool ReadSkitFileNames(TJorpBase& object, bool bareNames, i32 room, const TJorpFileName& beside,
                       const char* extension, std::vector<std::string>& names);

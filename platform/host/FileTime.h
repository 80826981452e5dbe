// When a file on the host was last written, asked by virtual path.
#pragma once

#include "Types.h"

#include <optional>
#include <string>

// Seconds since 1970 on the wall clock; nothing when no file there can be asked about.
std::optional<i64> GetFileWrittenWallSeconds(const std::string& virtualPath);

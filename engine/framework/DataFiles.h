// JorpDataFileExists: whether the data-file manager can find a data file, and where it is.
#pragma once

#include <string>

// True when the file is in an open catalogue whose pack lies in the data folder or at the CD
// location, or lies there itself. Where names the file the bytes are read from (the pack of
// a catalogued file), or for a missing file its place in the data folder; a host path when
// its drive is mapped. Without a data-file manager nothing can be found.
bool JorpDataFileExists(const std::string& name, std::string* where = nullptr);

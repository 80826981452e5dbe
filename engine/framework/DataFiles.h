// JorpDataFileExists: whether the data-file manager can find a data file, and where it is.
#pragma once

#include <string>

class TJorpBase;

// True when the file is in an open catalogue whose pack lies in the data folder or at the CD
// location, or lies there itself, as a plain file. Where names the file the bytes are read
// from (the pack of a catalogued file), or for a missing file its place in the data folder; a
// host path when its drive is mapped. Without a data-file manager nothing can be found. Only
// what stands at each place is asked, so a FIFO there is never opened.
bool JorpDataFileExists(const std::string& name, std::string* where = nullptr);

// For a file JorpDataFileExists does not find, one line saying why, for a box that lists
// what the game lacks: "Not found: <where>", what stands there instead of a file, or the open
// catalogue that has lost the name. A name that is nowhere is told with what named it, when
// namedBy says.
std::string JorpDataFileMissing(const std::string& name, const std::string& namedBy = "");

// True when a folder, a FIFO or a device stands where the file (or the pack that holds it)
// should be.
bool JorpDataFileIsNotAFile(const std::string& name);

// Ends the program with the damaged-data-file box when a folder, a FIFO or a device stands
// where the file (or the pack that holds it) should be: it is there, so it is not missing,
// and nothing the player can do while the game runs makes it readable.
void JorpDataFileMustNotBeOther(const std::string& name);

// A file that is there, as a box names it: its host path, or, for a packed file, its name and
// the pack it lies in, since the pack itself reads.
std::string JorpDataFileShown(const std::string& name);

// For a file that is there but whose object could not be read from it, one line naming it
// (as JorpDataFileShown does) and where the reading failed.
std::string JorpDataFileUnreadable(const std::string& name, const TJorpBase* object);

// What stands at a virtual path on the host: nothing, a plain file, a folder or something else.
#pragma once

#include <string>

// Readers tell a missing file (worth asking for) from one that is there but can never be read as
// a file (a folder, a FIFO, a device), which no prompt can mend. Links are followed.
enum class THostPathKind {
    Missing,   // nothing there, or a path no drive root maps
    Regular,   // a plain file
    Directory, // a folder
    Other,     // a FIFO, a device or a socket
};

THostPathKind GetHostPathKind(const std::string& virtualPath);

// The kind in a few words for a message, e.g. "a folder".
const char* DescribeHostPathKind(THostPathKind kind);

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
// The same for a path on the host itself.
THostPathKind GetHostPathKindAt(const std::string& hostPath);
// The kind of what an open descriptor holds; Missing when the system cannot say.
THostPathKind GetHostFileKind(int fd);

// The kind in a few words for a message, e.g. "a folder".
const char* DescribeHostPathKind(THostPathKind kind);

// A symbolic link whose target is missing (or a loop of links): Missing to the kinds above,
// yet a file made at its path would land wherever the link points.
bool IsDanglingLinkAt(const std::string& hostPath);
// What stands at a host path in a few words, a link to nothing included.
std::string DescribeHostPathAt(const std::string& hostPath);

// Opens a host file to read only when it is a plain file, never waiting on the way: a FIFO, a
// device or a folder in its place is refused (-1, errno EISDIR for a folder, ENOTSUP for the
// rest; kind, when given, says which). The descriptor is blocking again once the file is known.
int OpenPlainFileToRead(const std::string& hostPath, THostPathKind* kind = nullptr);

// Asking the host what stands at a virtual path.
#include "PathKind.h"

#include "VirtualPath.h"

#include <sys/stat.h>

THostPathKind GetHostPathKind(const std::string& virtualPath) {
    const std::optional<std::string> host = TVirtualPaths::ToHost(virtualPath);
    if (!host)
        return THostPathKind::Missing;
    struct stat st {};
    if (::stat(host->c_str(), &st) != 0)
        return THostPathKind::Missing;
    if (S_ISREG(st.st_mode))
        return THostPathKind::Regular;
    if (S_ISDIR(st.st_mode))
        return THostPathKind::Directory;
    return THostPathKind::Other;
}

const char* DescribeHostPathKind(THostPathKind kind) {
    switch (kind) {
    case THostPathKind::Missing:
        return "missing";
    case THostPathKind::Regular:
        return "a file";
    case THostPathKind::Directory:
        return "a folder";
    case THostPathKind::Other:
        return "not a file (a FIFO, a device or a socket)";
    }
    return "unknown";
}

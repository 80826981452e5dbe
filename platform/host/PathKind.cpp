// Asking the host what stands at a path, and opening only plain files to read.
#include "PathKind.h"

#include "VirtualPath.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

THostPathKind KindOf(mode_t mode) {
    if (S_ISREG(mode))
        return THostPathKind::Regular;
    if (S_ISDIR(mode))
        return THostPathKind::Directory;
    return THostPathKind::Other;
}

} // namespace

THostPathKind GetHostPathKind(const std::string& virtualPath) {
    const std::optional<std::string> host = TVirtualPaths::ToHost(virtualPath);
    if (!host)
        return THostPathKind::Missing;
    return GetHostPathKindAt(*host);
}

THostPathKind GetHostPathKindAt(const std::string& hostPath) {
    struct stat st {};
    if (::stat(hostPath.c_str(), &st) != 0)
        return THostPathKind::Missing;
    return KindOf(st.st_mode);
}

THostPathKind GetHostFileKind(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return THostPathKind::Missing;
    return KindOf(st.st_mode);
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

bool IsDanglingLinkAt(const std::string& hostPath) {
    struct stat link {};
    struct stat target {};
    return ::lstat(hostPath.c_str(), &link) == 0 && S_ISLNK(link.st_mode) &&
           ::stat(hostPath.c_str(), &target) != 0;
}

std::string DescribeHostPathAt(const std::string& hostPath) {
    if (IsDanglingLinkAt(hostPath))
        return "a link to nothing";
    return DescribeHostPathKind(GetHostPathKindAt(hostPath));
}

namespace {

int Refuse(THostPathKind found) {
    errno = found == THostPathKind::Directory ? EISDIR : ENOTSUP;
    return -1;
}

} // namespace

int OpenPlainFileToRead(const std::string& hostPath, THostPathKind* kind) {
    if (kind != nullptr)
        *kind = THostPathKind::Missing;
    // A device is not even opened: opening one can act on it (a tape rewinds when closed).
    if (const THostPathKind before = GetHostPathKindAt(hostPath);
        before == THostPathKind::Directory || before == THostPathKind::Other) {
        if (kind != nullptr)
            *kind = before;
        return Refuse(before);
    }
    // Without O_NONBLOCK the open of a FIFO waits for a writer that never comes; the kind is
    // looked at on the descriptor, so nothing can be swapped in between.
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const THostPathKind found = GetHostFileKind(fd);
    if (kind != nullptr)
        *kind = found;
    if (found != THostPathKind::Regular) {
        ::close(fd);
        return Refuse(found);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

// Host files behind the Win32-style file functions: POSIX descriptors plus a share table.
#include "HostFile.h"

#include "InstanceLock.h"
#include "PlayerFolder.h"
#include "VirtualPath.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

class THostFile {
public:
    int Fd = -1;
    dev_t Device = 0;
    ino_t Inode = 0;
    u32 Access = 0;
    u32 Share = 0;
};

namespace {

// Every file this process holds open; the old system refused opens that clashed with
// another holder's sharing, and the engine relies on that to keep a file it reads from
// being emptied by a writer opened on the same file under another spelling.
// Never destroyed: a handle may be closed from another object's destructor at exit, and a
// handle the engine keeps open to the end stays reachable rather than leaked.
std::mutex& TableLock() {
    static auto* lock = new std::mutex;
    return *lock;
}

std::vector<THostFile*>& OpenFiles() {
    static auto* files = new std::vector<THostFile*>;
    return *files;
}

bool SameFile(const THostFile* file, dev_t device, ino_t inode) {
    return file->Device == device && file->Inode == inode;
}

// Caller holds the table lock.
bool IsHeldOpen(dev_t device, ino_t inode) {
    const auto& files = OpenFiles();
    return std::any_of(files.begin(), files.end(),
                       [&](const THostFile* f) { return SameFile(f, device, inode); });
}

bool Allows(u32 share, u32 access) {
    if ((access & GENERIC_READ) != 0 && (share & FILE_SHARE_READ) == 0)
        return false;
    if ((access & GENERIC_WRITE) != 0 && (share & FILE_SHARE_WRITE) == 0)
        return false;
    return true;
}

// Caller holds the table lock. needed is the new open's access, widened to writing when
// its disposition empties the file; share is the new open's sharing. As on the old
// system, an open without data access neither is checked nor restricts later opens.
bool SharingAllows(dev_t device, ino_t inode, u32 needed, u32 share) {
    if (needed == 0)
        return true;
    for (const THostFile* holder : OpenFiles()) {
        if (!SameFile(holder, device, inode) || holder->Access == 0)
            continue;
        if (!Allows(holder->Share, needed) || !Allows(share, holder->Access))
            return false;
    }
    return true;
}

bool IsHeldOpenPath(const std::string& hostPath) {
    struct stat st {};
    if (::lstat(hostPath.c_str(), &st) != 0)
        return false;
    return IsHeldOpen(st.st_dev, st.st_ino);
}

int OpenDescriptor(const std::string& hostPath, u32 access, u32 disposition) {
    const bool read = (access & GENERIC_READ) != 0;
    const bool truncates = disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
    const bool write = (access & GENERIC_WRITE) != 0 || truncates;

    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    if (read && write)
        flags |= O_RDWR;
    else if (write)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    switch (disposition) {
    case CREATE_NEW:
        flags |= O_CREAT | O_EXCL;
        break;
    case CREATE_ALWAYS:
    case OPEN_ALWAYS:
        flags |= O_CREAT;
        break;
    default:
        break;
    }

    int fd = ::open(hostPath.c_str(), flags, 0666);
    // An open without data access only asks whether the file is there; a file we may not
    // read still exists.
    if (fd < 0 && errno == EACCES && !read && !write && (flags & O_CREAT) == 0)
        fd = ::open(hostPath.c_str(), O_PATH | O_CLOEXEC);
    return fd;
}

// Plain files only, except that a device may be written to (a full disk is /dev/full). A
// FIFO, a socket or a device to read would hold the single thread for ever at the first read
// (a terminal) or never end (/dev/zero), and a folder holds no bytes; a device refused is not
// even opened, since opening one can act on it.
bool Admits(mode_t mode, u32 access) {
    return S_ISREG(mode) ||
           (S_ISCHR(mode) && (access & GENERIC_WRITE) != 0 && (access & GENERIC_READ) == 0);
}

// What a refused open tells through errno: a folder is one, anything else is no file.
THostFile* RefuseNonFile(mode_t mode) {
    errno = S_ISDIR(mode) ? EISDIR : ENOTSUP;
    return nullptr;
}

} // namespace

THostFile* CreateFileA(const std::string& virtualPath, u32 access, u32 share, u32 disposition,
                       u32 flagsAndAttributes) {
    (void)flagsAndAttributes;
    if (disposition < CREATE_NEW || disposition > TRUNCATE_EXISTING)
        return nullptr;
    // As on the old system, a file can only be truncated through a handle that may write.
    if (disposition == TRUNCATE_EXISTING && (access & GENERIC_WRITE) == 0)
        return nullptr;
    const auto hostPath = TVirtualPaths::ToHost(virtualPath);
    if (!hostPath)
        return nullptr;

    std::lock_guard<std::mutex> guard(TableLock());
    struct stat st {};
    if (::stat(hostPath->c_str(), &st) == 0 && !Admits(st.st_mode, access))
        return RefuseNonFile(st.st_mode);
    const int fd = OpenDescriptor(*hostPath, access, disposition);
    if (fd < 0)
        return nullptr;
    // Looked at again on the descriptor: the name may have been given to another meanwhile.
    if (::fstat(fd, &st) != 0 || !Admits(st.st_mode, access)) {
        const mode_t mode = st.st_mode;
        ::close(fd);
        return RefuseNonFile(mode);
    }

    const bool truncates = disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
    const u32 needed = access | (truncates ? GENERIC_WRITE : 0);
    if (!SharingAllows(st.st_dev, st.st_ino, needed, share)) {
        ::close(fd);
        return nullptr;
    }
    // Emptied only now, after the sharing check has let this open through.
    if (truncates && S_ISREG(st.st_mode) && ::ftruncate(fd, 0) != 0) {
        ::close(fd);
        return nullptr;
    }
    const int fdFlags = ::fcntl(fd, F_GETFL);
    if (fdFlags >= 0 && (fdFlags & O_PATH) == 0)
        ::fcntl(fd, F_SETFL, fdFlags & ~O_NONBLOCK);

    auto* file = new THostFile;
    file->Fd = fd;
    file->Device = st.st_dev;
    file->Inode = st.st_ino;
    file->Access = access;
    file->Share = share;
    OpenFiles().push_back(file);
    return file;
}

bool ReadFile(THostFile* file, void* buffer, u32 count, u32* done) {
    if (done != nullptr)
        *done = 0;
    if (file == nullptr || (file->Access & GENERIC_READ) == 0 || (buffer == nullptr && count > 0))
        return false;
    auto* out = static_cast<u8*>(buffer);
    u32 total = 0;
    bool ok = true;
    while (total < count) {
        const ssize_t n = ::read(file->Fd, out + total, count - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0)
            break;
        total += static_cast<u32>(n);
    }
    if (done != nullptr)
        *done = total;
    return ok;
}

bool WriteFile(THostFile* file, const void* data, u32 count, u32* done) {
    if (done != nullptr)
        *done = 0;
    if (file == nullptr || (file->Access & GENERIC_WRITE) == 0 || (data == nullptr && count > 0))
        return false;
    const auto* in = static_cast<const u8*>(data);
    u32 total = 0;
    bool ok = true;
    while (total < count) {
        const ssize_t n = ::write(file->Fd, in + total, count - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        total += static_cast<u32>(n);
    }
    if (done != nullptr)
        *done = total;
    return ok;
}

namespace {

// Where a seek would land, from the start; nothing for a bad method or when the system cannot
// tell where the file ends.
std::optional<i64> SeekTarget(const THostFile* file, i64 distance, u32 method) {
    const off_t current = ::lseek(file->Fd, 0, SEEK_CUR);
    if (current < 0)
        return std::nullopt;
    off_t base = 0;
    switch (method) {
    case FILE_BEGIN:
        base = 0;
        break;
    case FILE_CURRENT:
        base = current;
        break;
    case FILE_END: {
        base = ::lseek(file->Fd, 0, SEEK_END);
        if (base < 0 || ::lseek(file->Fd, current, SEEK_SET) < 0)
            return std::nullopt;
        break;
    }
    default:
        errno = EINVAL;
        return std::nullopt;
    }
    if (distance > std::numeric_limits<i64>::max() - base) {
        errno = EOVERFLOW;
        return std::nullopt;
    }
    return static_cast<i64>(base) + distance;
}

bool SeekTo(THostFile* file, i64 target) {
    if (target < 0) {
        errno = EINVAL;
        return false;
    }
    return ::lseek(file->Fd, static_cast<off_t>(target), SEEK_SET) >= 0;
}

} // namespace

u32 SetFilePointer(THostFile* file, i32 distance, u32 method) {
    if (file == nullptr)
        return INVALID_SET_FILE_POINTER;
    const std::optional<i64> target = SeekTarget(file, distance, method);
    // Positions that a 32-bit result cannot carry fail and leave the position where it was.
    if (!target || *target >= static_cast<i64>(INVALID_SET_FILE_POINTER) || !SeekTo(file, *target))
        return INVALID_SET_FILE_POINTER;
    return static_cast<u32>(*target);
}

bool SetFilePointerEx(THostFile* file, i64 distance, i64* position, u32 method) {
    if (file == nullptr)
        return false;
    const std::optional<i64> target = SeekTarget(file, distance, method);
    if (!target || !SeekTo(file, *target))
        return false;
    if (position != nullptr)
        *position = *target;
    return true;
}

bool CloseHandle(THostFile* file) {
    if (file == nullptr)
        return false;
    {
        std::lock_guard<std::mutex> guard(TableLock());
        auto& files = OpenFiles();
        const auto it = std::find(files.begin(), files.end(), file);
        if (it == files.end())
            return false;
        files.erase(it);
    }
    // Linux releases the descriptor even when close is interrupted; retrying could close
    // a descriptor reused meanwhile.
    const bool ok = ::close(file->Fd) == 0 || errno == EINTR;
    delete file;
    return ok;
}

bool MoveFileA(const std::string& from, const std::string& to) {
    const auto hostFrom = TVirtualPaths::ToHost(from);
    const auto hostTo = TVirtualPaths::ToHost(to);
    if (!hostFrom || !hostTo)
        return false;
    std::lock_guard<std::mutex> guard(TableLock());
    if (IsHeldOpenPath(*hostFrom))
        return false;
    if (::renameat2(AT_FDCWD, hostFrom->c_str(), AT_FDCWD, hostTo->c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // Some file systems cannot rename without replacing; a hard link refuses an existing
    // target just as well.
    if (::link(hostFrom->c_str(), hostTo->c_str()) != 0)
        return false;
    if (::unlink(hostFrom->c_str()) != 0) {
        ::unlink(hostTo->c_str());
        return false;
    }
    return true;
}

bool FlushFileBuffers(THostFile* file) {
    if (file == nullptr || (file->Access & GENERIC_WRITE) == 0)
        return false;
    return ::fsync(file->Fd) == 0;
}

namespace {

std::atomic<TFolderSyncWatch> FolderSyncWatch{nullptr};

// The directory entry of a renamed file is only durable once its directory is synced.
bool SyncDirectoryOf(const std::string& hostPath) {
    const std::string::size_type slash = hostPath.rfind('/');
    const std::string directory =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : hostPath.substr(0, slash));
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    if (const TFolderSyncWatch watch = FolderSyncWatch.load(); synced && watch != nullptr)
        watch(directory);
    return synced;
}

} // namespace

namespace {

// The file moved to the new name, or, on another file system, copied there whole and synced
// (copied tells which; the file then stays where it was too).
bool MoveOrCopy(const std::string& from, const std::string& to, bool& copied) {
    copied = false;
    if (::rename(from.c_str(), to.c_str()) == 0)
        return true;
    if (errno != EXDEV)
        return false;
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        errno = error;
        return false;
    }
    std::vector<char> buffer(64 * 1024);
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        for (ssize_t done = 0; ok && done < got;) {
            const ssize_t n = ::write(out, buffer.data() + done, static_cast<size_t>(got - done));
            if (n < 0 && errno == EINTR)
                continue;
            ok = n > 0;
            done += n > 0 ? n : 0;
        }
        if (!ok)
            break;
    }
    ok = ok && ::fsync(out) == 0;
    const int error = errno;
    ok = ::close(out) == 0 && ok;
    ::close(in);
    if (!ok) {
        ::unlink(to.c_str());
        errno = error != 0 ? error : EIO;
        return false;
    }
    copied = true;
    return true;
}

} // namespace

bool MoveFileExA(const std::string& from, const std::string& to, u32 flags) {
    std::optional<std::string> replaced = TVirtualPaths::ToHost(to);
    if ((flags & MOVEFILE_REPLACE_EXISTING) == 0) {
        if (!MoveFileA(from, to))
            return false;
    } else {
        const auto hostFrom = TVirtualPaths::ToHost(from);
        if (!hostFrom || !replaced)
            return false;
        std::lock_guard<std::mutex> guard(TableLock());
        if (IsHeldOpenPath(*hostFrom) || IsHeldOpenPath(*replaced))
            return false;
        struct stat st {};
        // Only a file replaces a file; rename would also put a directory over an empty one.
        if (::lstat(hostFrom->c_str(), &st) != 0 || S_ISDIR(st.st_mode))
            return false;
        struct stat link {};
        if (::lstat(replaced->c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
            // A link in the target's place stays, and so does a link to nothing: the file it
            // leads to is replaced where it is, the new one put beside it first, so that one
            // rename there does it.
            char* real = ::realpath(replaced->c_str(), nullptr);
            if (real == nullptr)
                return false;
            replaced = std::string(real);
            std::free(real);
            if (IsHeldOpenPath(*replaced))
                return false;
            const std::string beside = *replaced + ".otcraps-new";
            ::unlink(beside.c_str());
            bool copied = false;
            if (!MoveOrCopy(*hostFrom, beside, copied))
                return false;
            if (::rename(beside.c_str(), replaced->c_str()) != 0) {
                // The source goes back to its name: a caller tells a move done by its absence.
                const int error = errno;
                if (copied || ::rename(beside.c_str(), hostFrom->c_str()) != 0)
                    ::unlink(beside.c_str());
                errno = error;
                return false;
            }
            if (copied)
                ::unlink(hostFrom->c_str());
        } else if (::rename(hostFrom->c_str(), replaced->c_str()) != 0) {
            return false;
        }
    }
    if ((flags & MOVEFILE_WRITE_THROUGH) == 0)
        return true;
    return replaced && SyncDirectoryOf(*replaced);
}

bool IsSymbolicLink(const std::string& virtualPath) {
    const auto hostPath = TVirtualPaths::ToHost(virtualPath);
    struct stat link {};
    return hostPath && ::lstat(hostPath->c_str(), &link) == 0 && S_ISLNK(link.st_mode);
}

void SetFolderSyncWatch(TFolderSyncWatch watch) {
    FolderSyncWatch.store(watch);
}

bool DeleteFileA(const std::string& virtualPath) {
    const auto hostPath = TVirtualPaths::ToHost(virtualPath);
    if (!hostPath)
        return false;
    std::lock_guard<std::mutex> guard(TableLock());
    if (IsHeldOpenPath(*hostPath))
        return false;
    return ::unlink(hostPath->c_str()) == 0;
}

bool CreateHardLinkA(const std::string& newPath, const std::string& existingPath) {
    const auto hostNew = TVirtualPaths::ToHost(newPath);
    const auto hostExisting = TVirtualPaths::ToHost(existingPath);
    if (!hostNew || !hostExisting)
        return false;
    return ::linkat(AT_FDCWD, hostExisting->c_str(), AT_FDCWD, hostNew->c_str(), 0) == 0;
}

bool DirectoryExists(const std::string& virtualPath) {
    const auto hostPath = TVirtualPaths::ToHost(virtualPath);
    if (!hostPath)
        return false;
    DIR* dir = ::opendir(hostPath->c_str());
    if (dir == nullptr)
        return false;
    ::closedir(dir);
    return true;
}

bool MakeDirectory(const std::string& virtualPath) {
    const auto hostPath = TVirtualPaths::ToHost(virtualPath);
    if (!hostPath)
        return false;
    return ::mkdir(hostPath->c_str(), 0777) == 0;
}

bool MakeFolderOf(const std::string& virtualFilePath, bool* made) {
    if (made != nullptr)
        *made = false;
    // The file's own host path: a file the program writes lives in the player's folder, which
    // the folder's virtual name alone does not map to.
    const auto hostPath = TVirtualPaths::ToHost(virtualFilePath);
    const std::string::size_type slash = hostPath ? hostPath->rfind('/') : std::string::npos;
    if (slash == std::string::npos || slash == 0) {
        errno = ENOENT;
        return false;
    }
    // Down from the root: the player's own folder may have gone with the one asked for.
    bool madeAny = false;
    const int error = MakePlayerFolders(hostPath->substr(0, slash), &madeAny);
    if (made != nullptr)
        *made = madeAny;
    // The lock file may have gone with it, leaving a second copy free to start.
    if (madeAny)
        TInstanceLock::TakeAgainWhereRemoved();
    errno = error;
    return error == 0;
}

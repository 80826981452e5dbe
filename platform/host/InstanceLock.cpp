// TInstanceLock: flock on the lock file, the holder's process id and host in it, SIGUSR1
// between copies of the program on one host.
#include "InstanceLock.h"

#include "PathKind.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t ComeForwardRequested = 0;

void OnComeForward(int) {
    ComeForwardRequested = 1;
}

void InstallHandler() {
    struct sigaction action = {};
    action.sa_handler = OnComeForward;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGUSR1, &action, nullptr);
}

// Longer than any file this program writes: more is no lock file of its own.
constexpr size_t LockTextLimit = 512;
// The longest host name the system allows is far shorter.
constexpr size_t HostNameLimit = 255;

// A descriptor that stays with the process the id named when it was taken, so that the id
// coming free and going to another process between the check and the signal signals nobody;
// -1 when the process is gone (errno ESRCH), or the system gives no such descriptors (then the
// id itself is signalled).
int OpenProcess(long pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
#else
    (void)pid;
    errno = ENOSYS;
    return -1;
#endif
}

bool SendComeForward(int process, bool byId, long pid) {
    if (byId)
        return kill(static_cast<pid_t>(pid), SIGUSR1) == 0;
#ifdef SYS_pidfd_send_signal
    return process >= 0 && ::syscall(SYS_pidfd_send_signal, process, SIGUSR1, nullptr, 0) == 0;
#else
    (void)process;
    return false;
#endif
}

// The locks this process holds, to be taken again when their folder is made again. A save may
// make it on another thread than the one that takes and releases the lock.
std::mutex& HeldLocksGuard() {
    static auto* guard = new std::mutex;
    return *guard;
}
std::vector<TInstanceLock*>& HeldLocks() {
    static auto* held = new std::vector<TInstanceLock*>;
    return *held;
}

} // namespace

std::string FormatLockHolder(long pid, const std::string& host) {
    return std::to_string(pid) + "\n" + (host.empty() ? std::string() : host + "\n");
}

TLockHolder ParseLockHolder(std::string_view text) {
    TLockHolder holder;
    const size_t end = text.find('\n');
    const std::string_view id = text.substr(0, end);
    if (!id.empty() && id.size() <= 10 && id.find_first_not_of("0123456789") == id.npos) {
        const long pid = std::stol(std::string(id));
        if (pid > 0 && pid <= INT_MAX)
            holder.Pid = pid;
    }
    if (end == text.npos)
        return holder;
    std::string_view host = text.substr(end + 1);
    if (const size_t line = host.find('\n'); line != host.npos)
        host = host.substr(0, line);
    bool plain = !host.empty() && host.size() <= HostNameLimit;
    for (char c : host)
        plain = plain && c > ' ' && c < 0x7F;
    if (plain)
        holder.Host = std::string(host);
    return holder;
}

namespace {

// A number of a /proc/locks field in the base given, the whole field or nothing.
template <class T> bool FieldNumber(std::string_view field, int base, T& value) {
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value, base);
    return !field.empty() && ec == std::errc() && end == field.data() + field.size();
}

// "major:minor:inode", the device's numbers in hexadecimal and the inode in decimal.
bool ParseLockedFile(std::string_view where, TLockFileId& file) {
    const size_t first = where.find(':');
    const size_t second = first == where.npos ? where.npos : where.find(':', first + 1);
    return second != where.npos && FieldNumber(where.substr(0, first), 16, file.Major) &&
           FieldNumber(where.substr(first + 1, second - first - 1), 16, file.Minor) &&
           FieldNumber(where.substr(second + 1), 10, file.Inode);
}

} // namespace

bool HoldsFlockOn(std::string_view locks, long pid, const TLockFileId& file) {
    const std::string id = std::to_string(pid);
    bool heldHere = false;
    int heldElsewhere = 0;
    bool pidElsewhere = false;
    while (!locks.empty()) {
        const size_t end = locks.find('\n');
        const std::string_view line = locks.substr(0, end);
        locks = end == locks.npos ? std::string_view() : locks.substr(end + 1);
        // "N: FLOCK  ADVISORY  WRITE pid maj:min:inode start end"; a waiter's line has "->"
        // before its kind and holds nothing.
        if (line.find("->") != line.npos)
            continue;
        std::vector<std::string_view> words;
        for (size_t at = 0; at < line.size();) {
            const size_t from = line.find_first_not_of(' ', at);
            if (from == line.npos)
                break;
            const size_t to = std::min(line.find(' ', from), line.size());
            words.push_back(line.substr(from, to - from));
            at = to;
        }
        TLockFileId locked;
        if (words.size() < 6 || words[1] != "FLOCK" || !ParseLockedFile(words[5], locked) ||
            locked.Inode != file.Inode)
            continue;
        const bool ours = words[4] == id;
        if (locked.Major == file.Major && locked.Minor == file.Minor) {
            if (ours)
                return true;
            heldHere = true;
        } else {
            ++heldElsewhere;
            pidElsewhere = pidElsewhere || ours;
        }
    }
    return !heldHere && heldElsewhere == 1 && pidElsewhere;
}

bool IsLockHolderOfThisUser(long pid, const TLockFileId& file) {
    if (pid <= 0)
        return false;
    const std::string process = "/proc/" + std::to_string(pid);
    struct stat st {};
    if (::stat(process.c_str(), &st) != 0 || st.st_uid != ::geteuid())
        return false;
    const int fd = OpenPlainFileToRead("/proc/locks");
    if (fd < 0)
        return false;
    std::string locks;
    char chunk[4096];
    ssize_t n = 0;
    // Bounded: a machine with more locks than this has no copy of ours hidden among them.
    while (locks.size() < (1U << 20) && (n = ::read(fd, chunk, sizeof chunk)) > 0)
        locks.append(chunk, static_cast<size_t>(n));
    close(fd);
    return HoldsFlockOn(locks, pid, file);
}

TInstanceLock::TAnswer JudgeLockHolder(const TLockHolder& holder, const std::string& thisHost,
                                       const TIsThisProgram& isThisProgram) {
    if (!holder.Host.empty() && holder.Host != thisHost)
        return TInstanceLock::TAnswer::OnOtherHost;
    if (holder.Pid > 0 && isThisProgram(holder.Pid))
        return TInstanceLock::TAnswer::AskedForward;
    return TInstanceLock::TAnswer::NotAsked;
}

std::string ThisHostName() {
    char name[HostNameLimit + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return std::string();
    return name;
}

TInstanceLock::~TInstanceLock() {
    Release();
}

TInstanceLock::TResult TInstanceLock::Acquire(const std::string& hostPath) {
    Release();
    int fd = -1;
    const TResult result = TakeFile(hostPath, fd);
    if (result != TResult::Acquired)
        return result;
    std::lock_guard<std::mutex> guard(HeldLocksGuard());
    Fd = fd;
    Path = hostPath;
    HeldLocks().push_back(this);
    return result;
}

TInstanceLock::TResult TInstanceLock::TakeFile(const std::string& hostPath, int& fd) {
    // What is no plain file is not opened at all: a device may act on its opening, and a
    // link to nothing would make the lock wherever it points.
    const THostPathKind kind = GetHostPathKindAt(hostPath);
    if (kind == THostPathKind::Directory || kind == THostPathKind::Other ||
        IsDanglingLinkAt(hostPath))
        return TResult::NotAFile;
    fd = open(hostPath.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0)
        return TResult::Unavailable;
    TResult result = TResult::Acquired;
    // Swapped in since it was looked at.
    if (GetHostFileKind(fd) != THostPathKind::Regular)
        result = TResult::NotAFile;
    else if (flock(fd, LOCK_EX | LOCK_NB) != 0)
        result = errno == EWOULDBLOCK ? TResult::HeldElsewhere : TResult::Unavailable;
    if (result == TResult::Acquired) {
        // The handler is in place before anyone can read the id and signal it.
        InstallHandler();
        const std::string holder = FormatLockHolder(getpid(), ThisHostName());
        if (ftruncate(fd, 0) != 0 ||
            pwrite(fd, holder.data(), holder.size(), 0) != static_cast<ssize_t>(holder.size()))
            result = TResult::Unavailable;
    }
    if (result != TResult::Acquired) {
        close(fd);
        fd = -1;
    }
    return result;
}

void TInstanceLock::Release() {
    std::lock_guard<std::mutex> guard(HeldLocksGuard());
    if (Fd < 0)
        return;
    std::erase(HeldLocks(), this);
    // The file stays: removing it could race a copy that has just opened it.
    flock(Fd, LOCK_UN);
    close(Fd);
    Fd = -1;
}

void TInstanceLock::TakeAgainWhereRemoved() {
    std::lock_guard<std::mutex> guard(HeldLocksGuard());
    for (TInstanceLock* lock : HeldLocks()) {
        // A file still in place is this lock's own, whose flock refuses the new one. The old file
        // is held on until a new one is, so that a failure leaves the lock as it was, to be
        // tried again when a folder is next made.
        int fd = -1;
        if (TakeFile(lock->Path, fd) != TResult::Acquired)
            continue;
        flock(lock->Fd, LOCK_UN);
        close(lock->Fd);
        lock->Fd = fd;
    }
}

TInstanceLock::THolderReply TInstanceLock::SignalHolder(const std::string& hostPath) {
    const int fd = OpenPlainFileToRead(hostPath);
    if (fd < 0)
        return {};
    // Only a held lock names a live holder; a lock this open can take names nobody.
    if (flock(fd, LOCK_SH | LOCK_NB) == 0) {
        close(fd);
        return {};
    }
    char text[LockTextLimit] = {};
    const ssize_t n = pread(fd, text, sizeof text, 0);
    struct stat st {};
    TLockFileId file;
    if (fstat(fd, &st) == 0)
        file = {major(st.st_dev), minor(st.st_dev), static_cast<u64>(st.st_ino)};
    close(fd);
    const TLockHolder holder =
        ParseLockHolder(std::string_view(text, n > 0 ? static_cast<size_t>(n) : 0));
    const int process = holder.Pid > 0 ? OpenProcess(holder.Pid) : -1;
    const bool byId = holder.Pid > 0 && process < 0 && errno != ESRCH;
    THolderReply reply;
    reply.Answer = JudgeLockHolder(holder, ThisHostName(),
                                   [file](long pid) { return IsLockHolderOfThisUser(pid, file); });
    if (reply.Answer == TAnswer::OnOtherHost)
        reply.Host = holder.Host;
    if (reply.Answer == TAnswer::AskedForward && !SendComeForward(process, byId, holder.Pid))
        reply.Answer = TAnswer::NotAsked;
    if (process >= 0)
        close(process);
    return reply;
}

bool TInstanceLock::TakeComeForwardRequest() {
    if (ComeForwardRequested == 0)
        return false;
    ComeForwardRequested = 0;
    return true;
}

// TInstanceLock: flock on the lock file, the holder's process id in it, SIGUSR1 between copies.
#include "InstanceLock.h"

#include "PathKind.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

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

} // namespace

TInstanceLock::~TInstanceLock() {
    Release();
}

TInstanceLock::TResult TInstanceLock::Acquire(const std::string& hostPath) {
    Release();
    // What is no plain file is not opened at all: a device may act on its opening.
    const THostPathKind kind = GetHostPathKindAt(hostPath);
    if (kind == THostPathKind::Directory || kind == THostPathKind::Other)
        return TResult::NotAFile;
    const int fd =
        open(hostPath.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0)
        return TResult::Unavailable;
    // Swapped in since it was looked at.
    if (GetHostFileKind(fd) != THostPathKind::Regular) {
        close(fd);
        return TResult::NotAFile;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        close(fd);
        return error == EWOULDBLOCK ? TResult::HeldElsewhere : TResult::Unavailable;
    }
    // The handler is in place before anyone can read the id and signal it.
    InstallHandler();
    const std::string pid = std::to_string(getpid()) + "\n";
    if (ftruncate(fd, 0) != 0 ||
        pwrite(fd, pid.data(), pid.size(), 0) != static_cast<ssize_t>(pid.size())) {
        close(fd);
        return TResult::Unavailable;
    }
    Fd = fd;
    return TResult::Acquired;
}

void TInstanceLock::Release() {
    if (Fd < 0)
        return;
    // The file stays: removing it could race a copy that has just opened it.
    flock(Fd, LOCK_UN);
    close(Fd);
    Fd = -1;
}

bool TInstanceLock::SignalHolder(const std::string& hostPath) {
    const int fd = OpenPlainFileToRead(hostPath);
    if (fd < 0)
        return false;
    // Only a held lock names a live holder; a lock this open can take names nobody.
    if (flock(fd, LOCK_SH | LOCK_NB) == 0) {
        close(fd);
        return false;
    }
    char text[32] = {};
    const ssize_t n = pread(fd, text, sizeof(text) - 1, 0);
    close(fd);
    if (n <= 0)
        return false;
    char* end = nullptr;
    const long pid = std::strtol(text, &end, 10);
    if (end == text || pid <= 0)
        return false;
    return kill(static_cast<pid_t>(pid), SIGUSR1) == 0;
}

bool TInstanceLock::TakeComeForwardRequest() {
    if (ComeForwardRequested == 0)
        return false;
    ComeForwardRequested = 0;
    return true;
}

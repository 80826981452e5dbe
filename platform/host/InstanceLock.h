// TInstanceLock: one running copy of the program per player, through a lock file in the
// player's folder, and the request a second copy sends the first to come forward.
#pragma once

#include <string>

// The window system only sees the windows of this process, so copies of the program find
// each other through a lock file held with flock: the system drops the lock when its
// holder ends, however it ends, so a stale file never blocks a start. The holder's process
// id is in the file; a second copy sends it SIGUSR1, which asks it to come forward.
class TInstanceLock {
public:
    enum class TResult {
        Acquired,
        // Another open of the file holds it: another copy runs (in this process, too).
        HeldElsewhere,
        // The file cannot be opened (an unwritable folder, or none yet): no test can be made.
        Unavailable,
        // A folder, a FIFO or a device stands where the file should be: no test can be made
        // until the player moves it away, so he is told.
        NotAFile,
    };

    TInstanceLock() = default;
    ~TInstanceLock();
    TInstanceLock(const TInstanceLock&) = delete;
    TInstanceLock& operator=(const TInstanceLock&) = delete;

    TResult Acquire(const std::string& hostPath);
    void Release();
    bool IsHeld() const { return Fd >= 0; }

    // Asks the holder of the lock file to come forward; false when nobody holds it.
    static bool SignalHolder(const std::string& hostPath);
    // True once for every request received since the last call.
    static bool TakeComeForwardRequest();

private:
    int Fd = -1;
};

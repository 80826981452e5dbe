// TInstanceLock: one running copy of the program per player, through a lock file in the
// player's folder, and the request a second copy sends the first to come forward.
#pragma once

#include "Types.h"

#include <functional>
#include <string>
#include <string_view>

// The window system only sees the windows of this process, so copies of the program find
// each other through a lock file held with flock: the system drops the lock when its
// holder ends, however it ends, so a stale file never blocks a start. The holder's process
// id and host are in the file; a second copy on the same host sends it SIGUSR1, which asks it
// to come forward. A process id means nothing on another host (a player's folder may be
// shared by two machines), and a file anyone can write may name any process: only a copy of
// this program run by this user is ever signalled.
class TInstanceLock {
public:
    enum class TResult {
        Acquired,
        // Another open of the file holds it: another copy runs (in this process, too).
        HeldElsewhere,
        // The file cannot be opened (an unwritable folder, or none yet): no test can be made.
        Unavailable,
        // A folder, a FIFO, a device or a link to nothing stands where the file should be: no
        // test can be made until the player moves it away, so he is told.
        NotAFile,
    };

    // What came of asking the lock's holder to come forward.
    enum class TAnswer {
        // Nobody holds the lock.
        Free,
        AskedForward,
        // Held on another host, which is named.
        OnOtherHost,
        // Held, but by nothing that may be signalled: a process that is not this program's,
        // or a file that names none.
        NotAsked,
    };
    struct THolderReply {
        TAnswer Answer = TAnswer::Free;
        std::string Host;
    };

    TInstanceLock() = default;
    ~TInstanceLock();
    TInstanceLock(const TInstanceLock&) = delete;
    TInstanceLock& operator=(const TInstanceLock&) = delete;

    TResult Acquire(const std::string& hostPath);
    void Release();
    bool IsHeld() const { return Fd >= 0; }

    // A held lock's file removed with its folder is held by nobody a second copy can see: once
    // the folder is made again, every such lock of this process is made and taken again where
    // it stood. One taken meanwhile by another copy is left to it.
    static void TakeAgainWhereRemoved();

    // Asks the holder of the lock file to come forward when it may be asked.
    static THolderReply SignalHolder(const std::string& hostPath);
    // True once for every request received since the last call.
    static bool TakeComeForwardRequest();

private:
    static TResult TakeFile(const std::string& hostPath, int& fd);

    int Fd = -1;
    std::string Path;
};

// What a lock file says of its holder. Files written before the host was named hold the
// process id alone.
struct TLockHolder {
    long Pid = 0;     // 0 when the file names none
    std::string Host; // empty when it names none
};

// The file's text: the process id on the first line, the host on the second.
std::string FormatLockHolder(long pid, const std::string& host);
// The text read back as hostile: anything but a plain id is no id, anything but a host name's
// characters no host.
TLockHolder ParseLockHolder(std::string_view text);

// Whether the process with this id on this host is a copy of this program run by this user.
using TIsThisProgram = std::function<bool(long pid)>;
// A file as the kernel's list of locks names it: its device's major and minor numbers and its
// inode.
struct TLockFileId {
    u32 Major = 0;
    u32 Minor = 0;
    u64 Inode = 0;
};
// Whether the kernel's list of locks (the text of /proc/locks) shows the process holding a
// flock on the file: only the copy that took the lock does, whatever id a file names. Some file
// systems (btrfs subvolumes, overlays) list their locks under another device than the one they
// give the file: when no lock held on the file's device and inode is listed at all, the
// process's is still taken for it if it is the only lock held on that inode number on any
// device. Two or more leave no telling which is this file's, and nobody is taken for its holder.
// Meant for a file that is known to be locked.
bool HoldsFlockOn(std::string_view locks, long pid, const TLockFileId& file);
// The same asked of the system, for a process of this user.
bool IsLockHolderOfThisUser(long pid, const TLockFileId& file);

// Whom to ask: AskedForward means signal holder.Pid. A holder that names no host is taken to
// be on this one, where the probe still has the last word.
TInstanceLock::TAnswer JudgeLockHolder(const TLockHolder& holder, const std::string& thisHost,
                                       const TIsThisProgram& isThisProgram);

// This host's name; empty when the system gives none.
std::string ThisHostName();

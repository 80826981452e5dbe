// TSaveFileHost: the host calls the save file goes through, and TSaveFile, the save file's
// reads and its all-or-nothing replacement built on them.
#pragma once

#include "platform/host/HostFile.h"
#include "platform/host/PathKind.h"
#include "platform/host/Types.h"

#include <optional>
#include <string>
#include <vector>

// The host's file calls, one operation each, so that a test can make any one of them fail
// (the tests run as root, where permissions cannot).
class TSaveFileHost {
public:
    virtual ~TSaveFileHost() = default;
    // The host's calls themselves.
    static TSaveFileHost& Default();

    virtual THostFile* Open(const std::string& path, u32 access, u32 share, u32 disposition);
    virtual bool Read(THostFile* file, void* buffer, u32 count, u32* done);
    virtual bool Write(THostFile* file, const void* data, u32 count, u32* done);
    // Positions of 64 bits: a save of 4 GiB or more is still a file of a size.
    virtual bool Seek(THostFile* file, i64 distance, u32 method, i64* position);
    virtual bool Flush(THostFile* file);
    virtual bool Close(THostFile* file);
    virtual bool Move(const std::string& from, const std::string& to, u32 flags);
    virtual bool Delete(const std::string& path);
    // A second name for the file; a name in use is refused (EEXIST).
    virtual bool Link(const std::string& existing, const std::string& link);
    // What stands at the path (links followed), to name it in a message.
    virtual THostPathKind Kind(const std::string& path);
    // A symbolic link at the path whose target is missing: Missing to Kind, yet no file.
    virtual bool IsLinkToNothing(const std::string& path);
    // A symbolic link stands at the path, whatever it leads to.
    virtual bool IsLink(const std::string& path);
    // What stands where a folder above the file should be, the nearest first, when that is no
    // folder (a file, a link to nothing, a FIFO): nothing can be made under it. Folder is its
    // name as the player knows it.
    struct TNoFolder {
        std::string Folder;
        std::string Standing;
    };
    virtual std::optional<TNoFolder> FolderInTheWay(const std::string& path);
    // The folder the file is in, as the player knows it.
    virtual std::string FolderName(const std::string& path);
    // The folder the file goes in made again, with any above it that went too; made tells
    // whether any was.
    virtual bool MakeFolderFor(const std::string& path, bool& made);
    // What the player knows the file by, to name it in a message.
    virtual std::string DisplayName(const std::string& path);
    // When the file was last written, as the class library's time of day; nothing when it
    // cannot be told.
    virtual std::optional<u32> WrittenAt(const std::string& path);

    // The system's reason (an errno value) for the last call that failed; 0 when none has
    // since ClearError.
    int GetLastError() const { return LastError; }
    void ClearError() { LastError = 0; }
    // The reason of a failure told again after calls that were only looking.
    void RestoreError(int error) { LastError = error; }

protected:
    // The call's answer; a failure keeps errno as the reason, or otherwise when the call set
    // none.
    bool NoteFailure(bool ok, int otherwise);

    int LastError = 0;
};

// One save file by its virtual path. Every call opens the file anew and closes it again.
class TSaveFile {
public:
    TSaveFile(TSaveFileHost& host, std::string path);

    // What reading a file from its start found.
    enum class TLook { Read, Missing, Unreadable };

    bool Exists() const;
    // At most `want` bytes from the start into bytes (all of them when the file is shorter)
    // and the file's size. Missing only when the system says there is no such file; any other
    // failure is Unreadable, with the system's reason in error.
    TLook Look(std::vector<u8>& bytes, u32 want, i64& size, int& error) const;
    // The size in bytes; -1 when the file cannot be opened.
    i64 GetSize() const;
    // Exactly size bytes from the offset.
    bool ReadAt(u8* buffer, u32 offset, u32 size) const;
    // The whole file, which must be exactly size bytes long.
    bool ReadWhole(std::vector<u8>& bytes, u32 size) const;
    // Whether the file is exactly these bytes, of their size; nothing when it cannot be read,
    // with the system's reason in error (ENOENT when there is no such file).
    std::optional<bool> Holds(const std::vector<u8>& bytes, int& error) const;
    // The bytes become the file: written beside it under the temporary name, flushed, then
    // renamed over it. On any failure the temporary file is removed and the file is left
    // exactly as it was.
    bool Replace(const std::vector<u8>& bytes) const;
    // Replace in two steps. The bytes written, flushed and closed under the temporary name;
    // on failure nothing is left there.
    bool WriteTemp(const std::vector<u8>& bytes) const;
    // The temporary file renamed over the file in one step and the name made durable. On
    // failure the temporary file is removed, unless the rename itself was done (only its
    // reaching the disk is in doubt): moved tells which.
    bool PlaceTemp(bool& moved) const;
    // The temporary file renamed, never over anything, to the first free name Keep would give,
    // and the name made durable (synced false when only that failed). The name taken, or empty
    // with the reason in error as Keep gives it; the temporary file then stays.
    std::string PlaceTempAside(bool& synced, int* error = nullptr) const;
    // What stood under the temporary name and was not a file this program could remove.
    struct TTempPlace {
        // The name a folder found there was given; empty when none was moved.
        std::string KeptAs;
        // The folder could not be moved: the system's reason.
        int Error = 0;
    };
    // A damaged file kept under "<base>.bad", or else the first free name of "<base>.b01" to
    // "<base>.b99" (a kept file is never replaced), while it stays under its own name too: a
    // second name for it, or a copy of it where the file system gives files no second name.
    // The kept name (without directory), or empty when no name could be had, with the
    // system's reason in error when given: EEXIST when every name is taken; any other refusal
    // ends the search at once.
    std::string Keep(int* error = nullptr) const;
    // The names Keep tries, for a message: "<base>.bad and <base>.b01 to <base>.b99".
    std::string KeptNames() const;
    // The path is one of the names Keep tries, in the file's own folder.
    bool IsKeptName(const std::string& path) const;
    // The names ClearTempPlace tries for a folder: "<base>.old and <base>.o01 to <base>.o99".
    std::string FolderKeptNames() const;
    // The name Keep returned taken away again; the file stays under its own name.
    bool Unkeep(const std::string& kept) const;
    // The path of a name Keep or PlaceTempAside gave.
    std::string KeptPath(const std::string& kept) const;
    // Clears the temporary name for a replacement. A file a crashed replacement left is
    // removed, and so is a FIFO, a device node, a socket or a link found there (the link
    // only). A folder, which may hold what the player put in it, is moved whole to
    // "<base>.old", or else the first free name of "<base>.o01" to "<base>.o99": names of its
    // own, so that it is never taken for a damaged save kept aside, and the names those are
    // kept under stay free for them. Error is set only when something is still in the way.
    TTempPlace ClearTempPlace() const;

    const std::string& GetPath() const { return Path; }
    std::string GetTempPath() const;

private:
    std::string WithExtension(const std::string& extension) const;
    // ".<first>", then ".<letter>01" to ".<letter>99": the hundred names a file or folder is
    // kept under, tried in order by take (given the path, answering whether the name was
    // taken); the name taken without directory, or empty. Only a name already in use moves
    // the search on; error is EEXIST when all were, else the reason that ended it.
    template <class Take>
    std::string FirstFreeName(const char* first, char letter, int* error, Take take) const;
    // The hundred names FirstFreeName tries, for a message.
    std::string NamesTried(const char* first, char letter) const;
    // A copy of the file under the new name, which must not be in use.
    bool CopyTo(const std::string& target) const;

    TSaveFileHost* Host;
    std::string Path;
};

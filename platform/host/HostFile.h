// Files on the host, opened by virtual path with the old system's access, sharing and dispositions.
#pragma once

#include "Types.h"

#include <string>

constexpr u32 GENERIC_READ = 0x80000000U;
constexpr u32 GENERIC_WRITE = 0x40000000U;

constexpr u32 FILE_SHARE_READ = 0x1;
constexpr u32 FILE_SHARE_WRITE = 0x2;

constexpr u32 CREATE_NEW = 1;
constexpr u32 CREATE_ALWAYS = 2;
constexpr u32 OPEN_EXISTING = 3;
constexpr u32 OPEN_ALWAYS = 4;
constexpr u32 TRUNCATE_EXISTING = 5;

constexpr u32 FILE_ATTRIBUTE_NORMAL = 0x80;

constexpr u32 FILE_BEGIN = 0;
constexpr u32 FILE_CURRENT = 1;
constexpr u32 FILE_END = 2;
constexpr u32 INVALID_SET_FILE_POINTER = 0xFFFFFFFFU;

constexpr u32 MOVEFILE_REPLACE_EXISTING = 0x1;
constexpr u32 MOVEFILE_WRITE_THROUGH = 0x8;

// One open file. Sharing is enforced among the files this process holds open, as the
// old system did: an open that the holders' share modes do not allow fails, so that a
// file can never be emptied under a reader that denied writing.
class THostFile;

// Null when the file cannot be opened (missing, refused by sharing, or a path outside every
// drive root), and when it is no plain file: a folder (errno EISDIR), or a FIFO, a socket or a
// device (errno ENOTSUP), none of which is read, since a read could wait for ever or never
// end. Only a device opened just to write is taken (a full disk is /dev/full).
THostFile* CreateFileA(const std::string& virtualPath, u32 access, u32 share, u32 disposition,
                       u32 flagsAndAttributes);
// done receives the bytes moved; true when the call itself succeeded (a read at the end
// of the file succeeds with fewer bytes).
bool ReadFile(THostFile* file, void* buffer, u32 count, u32* done);
bool WriteFile(THostFile* file, const void* data, u32 count, u32* done);
// The new position from the start, or INVALID_SET_FILE_POINTER; as on the old system, a
// position the 32-bit result cannot carry (4 GiB - 1 and beyond) is refused.
u32 SetFilePointer(THostFile* file, i32 distance, u32 method);
// The same with 64-bit distances and positions: position (when given) receives the new one.
// False, the position left where it was, for one before the start or an unknown method.
bool SetFilePointerEx(THostFile* file, i64 distance, i64* position, u32 method);
bool CloseHandle(THostFile* file);
// Refuses an existing target and a file this process holds open.
bool MoveFileA(const std::string& from, const std::string& to);
// Writes what the file holds through to the disk; only a handle that may write can flush.
bool FlushFileBuffers(THostFile* file);
// MoveFileA, except that MOVEFILE_REPLACE_EXISTING puts the file in the target's place in one
// step (never a moment without either), and MOVEFILE_WRITE_THROUGH returns only once the new
// name is on the disk. Refuses a source or a replaced target this process holds open. With
// write-through, false when the name could not be made durable: the move has happened then.
// A symbolic link in the target's place is followed: the file it leads to is replaced where it
// is (the source moved, or copied from another file system, beside it first) and the link
// stays; a link that leads nowhere is refused, left as it is.
bool MoveFileExA(const std::string& from, const std::string& to, u32 flags);
// A symbolic link stands at the path, whatever it leads to.
bool IsSymbolicLink(const std::string& virtualPath);
// Refuses a file this process holds open.
bool DeleteFileA(const std::string& virtualPath);
// A second name for an existing file (the link itself where existing is a symbolic link);
// refuses a name in use. errno tells a file system that has no such links (EPERM, ENOTSUP).
bool CreateHardLinkA(const std::string& newPath, const std::string& existingPath);

// Told of each folder synced to make a rename durable (MOVEFILE_WRITE_THROUGH), with its host
// path; null for none. A test's eye on a step whose effect only a lost machine would show.
using TFolderSyncWatch = void (*)(const std::string& hostFolder);
void SetFolderSyncWatch(TFolderSyncWatch watch);

// Directory services of the runtime library, on virtual paths.
bool DirectoryExists(const std::string& virtualPath);
bool MakeDirectory(const std::string& virtualPath);
// The folder a file of the path goes in, with every folder above it that is missing, made private
// to the player (mode 0700); made (when given) tells whether any was, and then the lock file of
// a running copy, gone with a folder made again, is taken again. True when that folder stands
// afterwards, else errno says why.
bool MakeFolderOf(const std::string& virtualFilePath, bool* made = nullptr);

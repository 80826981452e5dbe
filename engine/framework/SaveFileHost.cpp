// TSaveFileHost and TSaveFile: the host calls, and the save file's reads and its replacement.
#include "SaveFileHost.h"

#include "engine/foundation/FileName.h"
#include "platform/host/DateTime.h"
#include "platform/host/FileTime.h"
#include "platform/host/VirtualPath.h"

#include <algorithm>
#include <cerrno>
#include <limits>

TSaveFileHost& TSaveFileHost::Default() {
    static TSaveFileHost host;
    return host;
}

THostFile* TSaveFileHost::Open(const std::string& path, u32 access, u32 share, u32 disposition) {
    errno = 0;
    THostFile* file = CreateFileA(path, access, share, disposition, FILE_ATTRIBUTE_NORMAL);
    if (file == nullptr) {
        // Refusals of the file layer's own (not a plain file, held open by this program)
        // leave errno alone.
        LastError = errno != 0 ? errno : DirectoryExists(path) ? EISDIR : EBUSY;
    }
    return file;
}

bool TSaveFileHost::Read(THostFile* file, void* buffer, u32 count, u32* done) {
    errno = 0;
    const bool ok = ReadFile(file, buffer, count, done);
    if (!ok)
        LastError = errno != 0 ? errno : EIO;
    return ok;
}

bool TSaveFileHost::Write(THostFile* file, const void* data, u32 count, u32* done) {
    errno = 0;
    return NoteFailure(WriteFile(file, data, count, done), EIO);
}

bool TSaveFileHost::Seek(THostFile* file, i64 distance, u32 method, i64* position) {
    errno = 0;
    return NoteFailure(SetFilePointerEx(file, distance, position, method), EIO);
}

bool TSaveFileHost::Flush(THostFile* file) {
    errno = 0;
    return NoteFailure(FlushFileBuffers(file), EIO);
}

bool TSaveFileHost::Close(THostFile* file) {
    errno = 0;
    return NoteFailure(CloseHandle(file), EIO);
}

bool TSaveFileHost::Move(const std::string& from, const std::string& to, u32 flags) {
    errno = 0;
    // The file layer's own refusal (a file this program holds open) leaves errno alone.
    return NoteFailure(MoveFileExA(from, to, flags), EBUSY);
}

bool TSaveFileHost::Link(const std::string& existing, const std::string& link) {
    errno = 0;
    return NoteFailure(CreateHardLinkA(link, existing), ENOENT);
}

bool TSaveFileHost::Delete(const std::string& path) {
    errno = 0;
    // The file layer's own refusal (a file this program holds open) leaves errno alone.
    return NoteFailure(DeleteFileA(path), EBUSY);
}

THostPathKind TSaveFileHost::Kind(const std::string& path) {
    return GetHostPathKind(path);
}

bool TSaveFileHost::IsLinkToNothing(const std::string& path) {
    const std::optional<std::string> host = TVirtualPaths::ToHost(path);
    return host && IsDanglingLinkAt(*host);
}

bool TSaveFileHost::IsLink(const std::string& path) {
    return IsSymbolicLink(path);
}

std::optional<TSaveFileHost::TNoFolder> TSaveFileHost::FolderInTheWay(const std::string& path) {
    const std::optional<std::string> host = TVirtualPaths::ToHost(path);
    if (!host)
        return std::nullopt;
    // Up to the first that stands: a folder that is merely missing can be made again.
    for (std::string folder = *host;;) {
        const std::string::size_type slash = folder.rfind('/');
        if (slash == std::string::npos || slash == 0)
            return std::nullopt;
        folder.resize(slash);
        if (IsDanglingLinkAt(folder))
            return TNoFolder{folder, "a link to nothing"};
        const THostPathKind kind = GetHostPathKindAt(folder);
        if (kind == THostPathKind::Directory)
            return std::nullopt;
        if (kind != THostPathKind::Missing)
            return TNoFolder{folder, DescribeHostPathKind(kind)};
    }
}

std::string TSaveFileHost::FolderName(const std::string& path) {
    const std::string name = TVirtualPaths::ToHost(path).value_or(path);
    const std::string::size_type slash = name.find_last_of("/\\");
    return slash == std::string::npos ? name : name.substr(0, slash);
}

bool TSaveFileHost::MakeFolderFor(const std::string& path, bool& made) {
    errno = 0;
    return NoteFailure(MakeFolderOf(path, &made), EIO);
}

bool TSaveFileHost::NoteFailure(bool ok, int otherwise) {
    if (!ok)
        LastError = errno != 0 ? errno : otherwise;
    return ok;
}

std::string TSaveFileHost::DisplayName(const std::string& path) {
    return TVirtualPaths::ToHost(path).value_or(path);
}

std::optional<u32> TSaveFileHost::WrittenAt(const std::string& path) {
    const std::optional<i64> wall = GetFileWrittenWallSeconds(path);
    if (!wall)
        return std::nullopt;
    const i64 seconds = LocalSecondsFromWall(*wall) + SecondsFrom1901To1970;
    if (seconds < 0 || seconds > std::numeric_limits<u32>::max())
        return std::nullopt;
    return static_cast<u32>(seconds);
}

TSaveFile::TSaveFile(TSaveFileHost& host, std::string path) : Host(&host), Path(std::move(path)) {}

std::string TSaveFile::WithExtension(const std::string& extension) const {
    TJorpFileName name(Path);
    name.SetExtension(extension);
    return name.GetText();
}

std::string TSaveFile::GetTempPath() const {
    return WithExtension(".tmp");
}

bool TSaveFile::Exists() const {
    THostFile* file = Host->Open(Path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    if (file == nullptr)
        return false;
    Host->Close(file);
    return true;
}

TSaveFile::TLook TSaveFile::Look(std::vector<u8>& bytes, u32 want, i64& size, int& error) const {
    bytes.clear();
    size = -1;
    error = 0;
    THostFile* file = Host->Open(Path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (file == nullptr) {
        error = Host->GetLastError();
        return error == ENOENT ? TLook::Missing : TLook::Unreadable;
    }
    Host->ClearError();
    i64 end = -1;
    i64 start = -1;
    bool ok = Host->Seek(file, 0, FILE_END, &end) && Host->Seek(file, 0, FILE_BEGIN, &start) &&
              start == 0;
    if (ok) {
        size = end;
        bytes.assign(static_cast<size_t>(std::min<i64>(end, want)), 0);
        u32 done = 0;
        ok = bytes.empty() ||
             (Host->Read(file, bytes.data(), static_cast<u32>(bytes.size()), &done) &&
              done == bytes.size());
    }
    Host->Close(file);
    if (ok)
        return TLook::Read;
    // A file that ends before its size says is as unreadable as one the disk refuses.
    error = Host->GetLastError() != 0 ? Host->GetLastError() : EIO;
    bytes.clear();
    return TLook::Unreadable;
}

i64 TSaveFile::GetSize() const {
    THostFile* file = Host->Open(Path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (file == nullptr)
        return -1;
    i64 end = -1;
    const bool ok = Host->Seek(file, 0, FILE_END, &end);
    Host->Close(file);
    return ok ? end : -1;
}

bool TSaveFile::ReadAt(u8* buffer, u32 offset, u32 size) const {
    if (offset > 0x7FFFFFFFU)
        return false;
    THostFile* file = Host->Open(Path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (file == nullptr)
        return false;
    u32 done = 0;
    i64 at = -1;
    const bool ok = Host->Seek(file, offset, FILE_BEGIN, &at) && at == offset &&
                    Host->Read(file, buffer, size, &done) && done == size;
    Host->Close(file);
    return ok;
}

bool TSaveFile::ReadWhole(std::vector<u8>& bytes, u32 size) const {
    if (GetSize() != static_cast<i64>(size))
        return false;
    bytes.assign(size, 0);
    return size == 0 || ReadAt(bytes.data(), 0, size);
}

std::optional<bool> TSaveFile::Holds(const std::vector<u8>& bytes, int& error) const {
    // One byte more than they hold tells a longer file without reading all of it.
    if (bytes.size() >= 0x7FFFFFFFU) {
        error = EFBIG;
        return std::nullopt;
    }
    std::vector<u8> found;
    i64 size = -1;
    if (Look(found, static_cast<u32>(bytes.size() + 1), size, error) != TLook::Read)
        return std::nullopt;
    return size == static_cast<i64>(bytes.size()) && found == bytes;
}

bool TSaveFile::Replace(const std::vector<u8>& bytes) const {
    bool moved = false;
    return WriteTemp(bytes) && PlaceTemp(moved);
}

bool TSaveFile::WriteTemp(const std::vector<u8>& bytes) const {
    const std::string temp = GetTempPath();
    THostFile* file = Host->Open(temp, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (file == nullptr)
        return false;
    u32 done = 0;
    const u32 size = static_cast<u32>(bytes.size());
    bool ok = bytes.size() <= 0xFFFFFFFFU && Host->Write(file, bytes.data(), size, &done) &&
              done == size && Host->Flush(file);
    // A file that did not close may not hold what was written.
    ok = Host->Close(file) && ok;
    if (!ok)
        Host->Delete(temp);
    return ok;
}

bool TSaveFile::PlaceTemp(bool& moved) const {
    const std::string temp = GetTempPath();
    moved = Host->Move(temp, Path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (moved)
        return true;
    // The rename is done when the temporary name is gone: only the folder's sync failed.
    const int error = Host->GetLastError();
    moved = !TSaveFile(*Host, temp).Exists();
    if (!moved)
        Host->Delete(temp);
    Host->RestoreError(error != 0 ? error : EIO);
    return false;
}

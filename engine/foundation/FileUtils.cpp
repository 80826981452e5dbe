// The disk operations of TJorpFileName: existence, size, deletion, copies, blocks, directories.
#include "FileName.h"

#include "engine/foundation/JorpFile.h"
#include "engine/foundation/MemMgr.h"
#include "platform/host/HostFile.h"

#include <memory>
#include <new>

namespace {
constexpr u32 SHARE_READ_WRITE = FILE_SHARE_READ | FILE_SHARE_WRITE;
} // namespace

bool TJorpFileName::Exists() const {
    return Exists(Text);
}

bool TJorpFileName::Exists(const std::string& path) {
    TJorpFile file(path, 0, SHARE_READ_WRITE, OPEN_EXISTING, 0, FILE_ATTRIBUTE_NORMAL, true, true);
    return file.IsOpen();
}

i32 TJorpFileName::GetFileSize() const {
    return GetFileSize(Text);
}

i32 TJorpFileName::GetFileSize(const std::string& path) {
    TJorpFile file(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0, FILE_ATTRIBUTE_NORMAL,
                   true, true);
    return file.GetSize();
}

bool TJorpFileName::Delete() const {
    return DeleteFileA(Text);
}

bool TJorpFileName::CopyTo(const TJorpFileName& dest) const {
    if (dest.Text == Text)
        return true;
    TJorpFile source(Text, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0, FILE_ATTRIBUTE_NORMAL,
                     true, true);
    if (!source.IsOpen())
        return false;
    // The source stays open without write sharing, so a destination that is the source
    // under another spelling is refused here rather than emptied.
    TJorpFile target(dest, GENERIC_WRITE, 0, CREATE_ALWAYS, 0, FILE_ATTRIBUTE_NORMAL, true, true);
    if (!target.IsOpen())
        return false;

    const i32 size = source.GetSize();
    // A file too large for an i32 measures as the largest i32; copying only that much of
    // it would pass for a whole copy, so the true end must lie where the size says.
    if (source.Seek(0, FILE_END) != size || source.Seek(0, FILE_BEGIN) != 0)
        return false;
    if (size == 0)
        return true;

    std::unique_ptr<u8[]> block(new (std::nothrow) u8[static_cast<size_t>(size)]);
    if (!block)
        return false;
    JorpRamAdd(static_cast<u64>(size));
    i32 read = 0;
    i32 written = 0;
    const bool ok =
        source.Read(block.get(), size, read) && target.WriteRaw(block.get(), size, written);
    JorpRamRemove(static_cast<u64>(size));
    return ok;
}

bool TJorpFileName::ReadBlock(void* buffer, i32 count, i32 offset) const {
    return ReadBlock(Text, buffer, count, offset);
}

bool TJorpFileName::ReadBlock(const std::string& path, void* buffer, i32 count, i32 offset) {
    TJorpFile file(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0, FILE_ATTRIBUTE_NORMAL,
                   true, true);
    if (!file.IsOpen() || file.Seek(offset, FILE_BEGIN) == -1)
        return false;
    i32 done = 0;
    return file.Read(buffer, count, done);
}

bool TJorpFileName::WriteBlock(const void* data, i32 count, i32 offset) const {
    return WriteBlock(Text, data, count, offset);
}

bool TJorpFileName::WriteBlock(const std::string& path, const void* data, i32 count, i32 offset) {
    TJorpFile file(path, GENERIC_WRITE, 0, OPEN_ALWAYS, 0, FILE_ATTRIBUTE_NORMAL, true, true);
    if (!file.IsOpen() || file.Seek(offset, FILE_BEGIN) == -1)
        return false;
    i32 done = 0;
    return file.WriteRaw(data, count, done);
}

bool TJorpFileName::DirExists() const {
    std::string drive, directory, name, extension;
    Split(Text, drive, directory, name, extension);
    if (directory.empty())
        return false;
    while (!directory.empty() && directory.back() == '\\')
        directory.pop_back();
    return DirectoryExists(drive + directory);
}

bool TJorpFileName::MakeDirectories() const {
    if (DirExists())
        return true;
    std::string drive, directory, name, extension;
    Split(Text, drive, directory, name, extension);
    std::string path = drive.empty() ? std::string() : drive + "\\";
    TJorpFileName remaining(Text);
    std::string first, rest;
    while (remaining.SplitFirstDir(first, rest)) {
        path += first;
        if (!TJorpFileName(path).DirExists() && !MakeDirectory(path))
            return false;
        remaining = TJorpFileName(rest);
    }
    return true;
}

// TJorpFile: opening with stored parameters, raw reads and writes, seeks, size and renaming.
#include "JorpFile.h"

#include <limits>

TJorpFile::TJorpFile(const TJorpFileName& name, u32 access, u32 share, u32 disposition, u32 flags,
                     u32 attributes, bool openNow, bool closeOnDestroy)
    : Name(name), CloseOnDestroy(closeOnDestroy), Access(access), Share(share),
      Disposition(disposition), Attributes(attributes), Flags(flags) {
    if (openNow)
        Open();
}

TJorpFile::~TJorpFile() {
    if (IsOpen() && CloseOnDestroy)
        Close();
}

bool TJorpFile::Open() {
    if (IsOpen())
        return true;
    Size = 0;
    Handle = CreateFileA(Name.GetText(), Access, Share, Disposition, Flags | Attributes);
    return IsOpen();
}

bool TJorpFile::OpenAs(const TJorpFileName& name, u32 access, u32 share, u32 disposition, u32 flags,
                       u32 attributes, bool closeOnDestroy) {
    if (IsOpen())
        return false;
    CloseOnDestroy = closeOnDestroy;
    Name = name;
    Access = access;
    Share = share;
    Disposition = disposition;
    Flags = flags;
    Attributes = attributes;
    return Open();
}

bool TJorpFile::Close() {
    if (!IsOpen())
        return true;
    const bool closed = CloseHandle(Handle);
    Handle = nullptr;
    return closed;
}

bool TJorpFile::WriteRaw(const void* data, i32 count, i32& done) {
    if (!IsOpen() || count < 0)
        return false;
    u32 written = 0;
    const bool ok = WriteFile(Handle, data, static_cast<u32>(count), &written);
    done += static_cast<i32>(written);
    return ok && static_cast<i32>(written) == count;
}

bool TJorpFile::Write(const void* data, i32 count) {
    i32 done = 0;
    return WriteRaw(data, count, done);
}

bool TJorpFile::Read(void* buffer, i32 count, i32& done) {
    if (!IsOpen() || count < 0)
        return false;
    u32 read = 0;
    const bool ok = ReadFile(Handle, buffer, static_cast<u32>(count), &read);
    done += static_cast<i32>(read);
    return ok && static_cast<i32>(read) == count;
}

i32 TJorpFile::Seek(i32 distance, i32 method) {
    if (!IsOpen() || method < 0)
        return -1;
    const u32 position = SetFilePointer(Handle, distance, static_cast<u32>(method));
    // A position past 2 GiB would read as negative; it is reported as a refusal instead.
    if (position == INVALID_SET_FILE_POINTER ||
        position > static_cast<u32>(std::numeric_limits<i32>::max()))
        return -1;
    return static_cast<i32>(position);
}

i32 TJorpFile::GetSize() {
    if (Size > 0)
        return Size;
    const bool openedHere = !IsOpen();
    if (openedHere && !Open())
        return Size;
    const i32 here = Seek(0, FILE_CURRENT);
    if (here >= 0) {
        const i32 end = Seek(0, FILE_END);
        // The end can only be out of reach when it lies beyond what an i32 can count; the
        // largest i32 keeps such a file from looking small, empty or negative.
        Size = end >= 0 ? end : std::numeric_limits<i32>::max();
        Seek(here, FILE_BEGIN);
    }
    if (openedHere)
        Close();
    return Size;
}

bool TJorpFile::Rename(const std::string& newName) {
    if (IsOpen())
        return false;
    if (!MoveFileA(Name.GetText(), newName))
        return false;
    Name = TJorpFileName(newName);
    return true;
}

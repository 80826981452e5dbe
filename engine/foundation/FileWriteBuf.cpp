// TFileWriteBuf: the counted write buffer, buffered writes and the final flush.
#include "FileWriteBuf.h"

#include "engine/foundation/MemMgr.h"

#include <cstring>
#include <new>

TFileWriteBuf::TFileWriteBuf(const TJorpFileName& name, i32 capacity)
    : TJorpFile(name, GENERIC_WRITE, 0, CREATE_ALWAYS, 0, FILE_ATTRIBUTE_NORMAL, false, true),
      Capacity(capacity) {
    if (Capacity > 0) {
        Buffer.reset(new (std::nothrow) u8[static_cast<size_t>(Capacity)]);
        if (Buffer)
            JorpRamAdd(static_cast<u64>(Capacity));
    }
    Open();
}

TFileWriteBuf::~TFileWriteBuf() {
    Close();
    if (Buffer) {
        JorpRamRemove(static_cast<u64>(Capacity));
        Buffer.reset();
    }
}

bool TFileWriteBuf::Close() {
    // A closed file with nothing waiting has lost nothing.
    const bool flushed = Fill == 0 || Flush();
    const bool closed = TJorpFile::Close();
    return flushed && closed;
}

bool TFileWriteBuf::WriteRaw(const void* data, i32 count, i32& done) {
    return TJorpFile::WriteRaw(data, count, done);
}

bool TFileWriteBuf::Write(const void* data, i32 count) {
    if (count < 0)
        return false;
    i32 done = 0;
    if (!Buffer)
        return IsOpen() && WriteRaw(data, count, done);
    // The buffer is never left completely full: a write that would fill it flushes first.
    if (Capacity - Fill <= count && !Flush())
        return false;
    if (count < Capacity) {
        if (count > 0)
            std::memcpy(Buffer.get() + Fill, data, static_cast<size_t>(count));
        Fill += count;
        return true;
    }
    return IsOpen() && WriteRaw(data, count, done);
}

bool TFileWriteBuf::Flush() {
    if (!IsOpen())
        return false;
    if (Fill == 0)
        return true;
    i32 done = 0;
    const bool ok = WriteRaw(Buffer.get(), Fill, done);
    Fill = 0;
    return ok;
}

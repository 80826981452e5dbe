// TFileWriteBuf: a file that collects small writes in a buffer and hands them on in large pieces.
#pragma once

#include "engine/foundation/JorpFile.h"

#include <memory>

// Created for writing, emptied and unshared; the caller tests IsOpen right after
// construction. Bytes reach the file in the order they were written.
class TFileWriteBuf : public TJorpFile {
public:
    // A capacity of 0 or less, or one no memory can be had for, writes unbuffered.
    TFileWriteBuf(const TJorpFileName& name, i32 capacity);
    ~TFileWriteBuf() override;

    // Writes out the buffer, then closes; false when either failed, so that bytes lost
    // on the way out are never reported as written.
    bool Close() override;
    bool WriteRaw(const void* data, i32 count, i32& done) override;
    bool Write(const void* data, i32 count) override;
    // Writes out what is buffered. The buffer is emptied whatever the write's result;
    // false, keeping the bytes, while the file is closed.
    bool Flush();

private:
    std::unique_ptr<u8[]> Buffer;
    i32 Capacity;
    i32 Fill = 0;
};

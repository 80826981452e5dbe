// TJorpFile: the engine's handle on one host file, opened with the old system's parameters.
#pragma once

#include "engine/foundation/FileName.h"
#include "platform/host/HostFile.h"
#include "platform/host/Types.h"

#include <string>

// Every failure is a result (false, 0 or -1); nothing here shows a message.
class TJorpFile {
public:
    TJorpFile(const TJorpFileName& name, u32 access, u32 share, u32 disposition, u32 flags,
              u32 attributes, bool openNow, bool closeOnDestroy);
    virtual ~TJorpFile();
    TJorpFile(const TJorpFile&) = delete;
    TJorpFile& operator=(const TJorpFile&) = delete;

    // True at once when open already, keeping the measured size.
    virtual bool Open();
    // Only while closed: takes the new name and parameters and opens with them.
    virtual bool OpenAs(const TJorpFileName& name, u32 access, u32 share, u32 disposition,
                        u32 flags, u32 attributes, bool closeOnDestroy);
    // True when the host closed the file, or when it was closed already.
    virtual bool Close();
    // done grows by the bytes written; true when all count bytes were written.
    virtual bool WriteRaw(const void* data, i32 count, i32& done);
    virtual bool Write(const void* data, i32 count);

    // done grows by the bytes read; a short read at the end of the file is a failure.
    bool Read(void* buffer, i32 count, i32& done);
    // method is FILE_BEGIN, FILE_CURRENT or FILE_END. The new position from the start, or -1
    // (closed, refused, or beyond what an i32 holds).
    i32 Seek(i32 distance, i32 method);
    // Measured once and remembered while above 0; a closed file is opened and closed again
    // for the measurement. A file too large for an i32 reports the largest i32.
    i32 GetSize();
    // Only while closed; refuses an existing target.
    bool Rename(const std::string& newName);

    bool IsOpen() const { return Handle != nullptr; }
    const TJorpFileName& GetName() const { return Name; }

private:
    i32 Size = 0;
    TJorpFileName Name;
    THostFile* Handle = nullptr;
    bool CloseOnDestroy;
    u32 Access;
    u32 Share;
    u32 Disposition;
    u32 Attributes;
    u32 Flags;
};

// TJorpBase: the root of every persistent engine object, its timing and its object-file form.
#pragma once

#include "engine/foundation/FileMode.h"
#include "platform/host/Types.h"

#include <memory>
#include <string>
#include <type_traits>
#include <utility>

class TJorpBaseFile;
class TFileWriteBuf;
class TJorpOwner;
class TResponder;

// The flag word of every engine object.
enum JorpObjectFlags : u16 {
    JOF_ON = 0x0001,
    JOF_STOP_REQUESTED = 0x0002,
    JOF_SHOWN = 0x0004,
    JOF_CURSOR_MODE = 0x0008,
    JOF_NO_IMAGE = 0x0010,
    JOF_LOADED = 0x0020,
    JOF_SETUP_FREED = 0x0040,
    JOF_TIMED_ON = 0x0100,
    JOF_START_NOW = 0x0200,
    JOF_OWNS_MEMBERS = 0x0400,
    JOF_KEEPS_PLACES = 0x0800,
    JOF_SORTED = 0x1000,
};

// Where an embedded child is read from: its header's address inside the parent's image
// and the bytes of that image that lie at and after it. A child never reads past them.
// File names the data file the bytes belong to, when they come from one, so that a child
// found broken can be reported by the file that holds it.
struct TEmbeddedAddress {
    const u8* Data = nullptr;
    u32 Size = 0;
    const std::string* File = nullptr;
    bool IsNull() const { return Data == nullptr; }
};

// The 12 bytes in front of every object body.
constexpr u32 JORP_HEADER_SIZE = 12;
// Object files are written through a buffer of this size.
constexpr i32 JORP_WRITE_BUFFER = 32000;

// Objects read from files are made in two steps, since a base under construction reaches
// only its own virtual operations: a constructor that loads nothing, then AttachFile or
// LoadAt (CreateAttached and CreateLoadedAt do both). A class whose own constructor attaches
// or loads is final, so that no subclass inherits that trap.
class TJorpBase {
public:
    explicit TJorpBase(TJorpOwner* owner);
    // Copies the file mode; nothing is registered or loaded.
    TJorpBase(TJorpOwner* owner, int unused, const TFileMode& mode);
    virtual ~TJorpBase();
    TJorpBase(const TJorpBase&) = delete;
    TJorpBase& operator=(const TJorpBase&) = delete;

    // A T made from the constructor arguments, then attached to its data file (and loaded
    // when load is set), so that its own extension, tag and body reader are the ones used.
    template <class T, class... Args>
    static std::unique_ptr<T> CreateAttached(const TFileMode& mode, bool load, bool keep,
                                             Args&&... args) {
        static_assert(std::is_base_of_v<TJorpBase, T>);
        auto object = std::make_unique<T>(std::forward<Args>(args)...);
        object->AttachFile(mode, load, keep);
        return object;
    }
    // A T made from the constructor arguments, then read as an embedded child (when load
    // is set) from its parent's image.
    template <class T, class... Args>
    static std::unique_ptr<T> CreateLoadedAt(TEmbeddedAddress address, bool load, Args&&... args) {
        static_assert(std::is_base_of_v<TJorpBase, T>);
        auto object = std::make_unique<T>(std::forward<Args>(args)...);
        object->LoadAt(address, load);
        return object;
    }

    // Virtual operations, in the engine's slot order.
    virtual bool OnEndTime(u32 tick);
    virtual bool OnStartTime(u32 tick);
    virtual void Prepare();
    virtual void FreeSetupData();
    virtual i32 EvResponder(TResponder* responder);
    virtual i32 EvButton(u16 responderId, i32 code, u32 value);
    virtual void Tick(u32 tick);
    virtual void PostTick(u32 tick);
    virtual void Play(u32 tick);
    virtual void Start();
    virtual void Stop();
    virtual u16 SetId(u16 id);
    virtual u16 GetId() const;
    virtual void Show();
    virtual void Hide();
    virtual bool IsShown() const;
    virtual void Acquire(u32 key);
    virtual void Release();
    virtual void Resolve();
    virtual bool ReadBody();
    virtual bool OpenForWrite();
    virtual bool WriteBody();
    virtual bool ReadHeader();
    virtual bool WriteHeader();
    virtual i32 Query24();
    virtual bool SaveIfNeeded();
    virtual std::string GetExtension() const;
    virtual bool CreateImage();
    virtual bool ChangeFile(const TFileMode& mode);
    virtual bool UpdateFileLevels();
    virtual void SetMajorVersion();
    virtual void SetMinorVersion();
    virtual const char* GetHeaderId() const;

    void AttachFile(const TFileMode& mode, bool load, bool keep);
    void LoadAt(TEmbeddedAddress address, bool load);
    i32 Load(bool cursorMode, TEmbeddedAddress address);
    bool Save(TFileWriteBuf* parentFile);
    // Where an embedded child of this object starts, with the bytes left behind it.
    TEmbeddedAddress GetReadPosition() const;
    void FMRegister();
    void ReleaseImage();
    bool CloseWriteFile();

    // Reads copy from the read base at the cursor; a read that would pass the end of the
    // image (or of the parent's image, for an embedded child) copies nothing and returns 0.
    u32 ReadBytes(void* destination, u32 n);
    bool WriteBytes(const void* source, u32 n);
    bool ReadName9(std::string& name);
    bool WriteName9(std::string& name);
    bool ReadFileName9(TJorpFileName& name);
    bool WriteFileName9(const TJorpFileName& name);
    bool ReadString(std::string& text);
    bool WriteString(const std::string& text);
    // Little-endian fields.
    bool ReadU8(u8& v);
    bool ReadU16(u16& v);
    bool ReadI16(i16& v);
    bool ReadU32(u32& v);
    bool ReadI32(i32& v);
    bool WriteU8(u8 v);
    bool WriteU16(u16 v);
    bool WriteI16(i16 v);
    bool WriteU32(u32 v);
    bool WriteI32(i32 v);

    void SetHeaderId(const char* id);
    bool HeaderIdMatches() const;
    [[noreturn]] void ShowHeaderIdError();
    [[noreturn]] void ShowFileError(const std::string& subject, int code);

    std::string GetImageFileName() const;
    u32 GetOwnerTick() const;
    u32 OwnerTick() const { return GetOwnerTick(); }
    u32 GetNextTick() const;

    u16 GetFlags() const { return Flags; }
    void SetFlags(u16 bits) { Flags = static_cast<u16>(Flags | bits); }
    void ClearFlags(u16 bits) { Flags = static_cast<u16>(Flags & ~bits); }
    bool HasFlags(u16 bits) const { return (Flags & bits) == bits; }
    i16 GetUseCount() const { return UseCount; }
    TJorpOwner* GetOwner() const { return Owner; }
    TJorpBaseFile* GetImage() const { return Image; }
    const TFileMode& GetFileMode() const { return FileMode; }
    i32 GetBytesRead() const { return BytesRead; }
    u32 GetReadCursor() const { return ReadCursor; }
    u16 GetHeaderMajor() const { return HeaderMajor; }
    u16 GetHeaderMinor() const { return HeaderMinor; }
    const char* GetHeaderIdRead() const { return HeaderIdChars; }
    // Whether the last load stopped at a read that wanted more bytes than were left.
    bool RanOutOfBytes() const { return RanOut; }
    TFileWriteBuf* GetWriteFile() const { return WriteFile; }

    u32 StartMark = 0xFFFFFFFFU;
    u32 StopMark = 0;
    u32 Duration = 0;
    u32 PlayStartTick = 0;
    i16 StartDelay = 0;

protected:
    // Moves the read cursor past an embedded child read from GetReadPosition; false, and
    // no move, when the child's load failed, so that the parent's read fails with it.
    bool SkipChild(const TJorpBase& child) {
        if (child.BytesRead < 0)
            return false;
        ReadCursor += static_cast<u32>(child.BytesRead);
        return true;
    }

    u16 Flags = JOF_SHOWN;
    i16 UseCount = 0;
    u16 Id = 0;
    u32 ReadCursor = 0;
    TFileWriteBuf* WriteFile = nullptr;
    TEmbeddedAddress EmbeddedBase;
    TJorpBaseFile* Image = nullptr;
    u16 HeaderMajor = 0;
    u16 HeaderMinor = 0;
    char HeaderIdChars[4] = {0, 0, 0, 0};
    TJorpOwner* Owner = nullptr;
    i32 BytesRead = -1;
    TFileMode FileMode;

private:
    // The bytes reads come from: the embedded base, else the image's data.
    TEmbeddedAddress ReadBase() const;
    // The file this object opened for a save of its own, which WriteFile then points at; while
    // it saves into a parent's file, WriteFile is that file and this stays empty.
    std::unique_ptr<TFileWriteBuf> OwnedWriteFile;
    bool RanOut = false;
    // The levels this object is counted at on its image. The file mode may be given new
    // levels before the image is let go (a re-attach), and the image must lose the counts
    // it was given, not the new ones.
    u8 ImageDiskLevel = 0;
    u8 ImageRamLevel = 0;
};

// The engine's fatal message box (task-modal, no owner), then the end of the process with
// code 1. The object is not used.
[[noreturn]] void JorpFatalError(const TJorpBase* object, const std::string& text,
                                 const std::string& caption);
// A string resource of the application's module; the object is not used.
std::string& JorpLoadString(std::string& result, const TJorpBase* object, u32 id);

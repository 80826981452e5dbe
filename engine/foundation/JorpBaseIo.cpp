// TJorpBase: the object-file form: header, bounded reads, names and strings, and the save driver.
#include "JorpBase.h"

#include "engine/foundation/BaseFile.h"
#include "engine/foundation/EngineContext.h"
#include "engine/foundation/FileWriteBuf.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/foundation/PrintableText.h"
#include "platform/host/MessageBox.h"

#include <algorithm>
#include <cctype>
#include <cstring>

TEmbeddedAddress TJorpBase::ReadBase() const {
    if (!EmbeddedBase.IsNull())
        return EmbeddedBase;
    if (Image != nullptr && Image->GetData() != nullptr)
        return TEmbeddedAddress{Image->GetData(), Image->Size, &Image->Name};
    return TEmbeddedAddress{};
}

TEmbeddedAddress TJorpBase::GetReadPosition() const {
    const TEmbeddedAddress base = ReadBase();
    if (base.IsNull() || (Flags & JOF_CURSOR_MODE) == 0)
        return base;
    const u32 cursor = std::min(ReadCursor, base.Size);
    return TEmbeddedAddress{base.Data + cursor, base.Size - cursor, base.File};
}

i32 TJorpBase::Load(bool cursorMode, TEmbeddedAddress address) {
    if (cursorMode)
        SetFlags(JOF_CURSOR_MODE);
    else
        ClearFlags(JOF_CURSOR_MODE);
    EmbeddedBase = address;
    ReadCursor = 0;
    RanOut = false;
    if (!ReadHeader() || !ReadBody())
        return -1;
    SetFlags(JOF_LOADED);
    return static_cast<i32>(ReadCursor);
}

u32 TJorpBase::ReadBytes(void* destination, u32 n) {
    const TEmbeddedAddress base = ReadBase();
    if (base.IsNull() || destination == nullptr || n == 0)
        return 0;
    // A read past the end of the bytes this object may see is a short read: nothing is
    // copied and the cursor stays, so the load fails cleanly.
    if (ReadCursor > base.Size || n > base.Size - ReadCursor) {
        RanOut = true;
        return 0;
    }
    std::memcpy(destination, base.Data + ReadCursor, n);
    ReadCursor += n;
    return n;
}

bool TJorpBase::ReadHeader() {
    char id[4];
    if (ReadBytes(id, 4) != 4)
        return false;
    std::memcpy(HeaderIdChars, id, 4);
    if (!HeaderIdMatches())
        ShowHeaderIdError();
    u32 ignored = 0;
    return ReadU16(HeaderMajor) && ReadU16(HeaderMinor) && ReadU32(ignored);
}

bool TJorpBase::WriteHeader() {
    SetHeaderId(GetHeaderId());
    if (!WriteBytes(HeaderIdChars, 4))
        return false;
    SetMajorVersion();
    if (!WriteU16(HeaderMajor))
        return false;
    SetMinorVersion();
    return WriteU16(HeaderMinor) && WriteU32(0);
}

void TJorpBase::SetHeaderId(const char* id) {
    for (int i = 0; i < 4; ++i)
        HeaderIdChars[i] = id[i];
}

bool TJorpBase::HeaderIdMatches() const {
    const char* wanted = GetHeaderId();
    return std::memcmp(HeaderIdChars, wanted, 4) == 0;
}

namespace {

// Up to four characters, stopping at a NUL among them. Damaged files hold any bytes there, and
// those a box cannot show are given in hex.
std::string IdText(const char* id) {
    return JorpPrintable(std::string(id, strnlen(id, 4)));
}

} // namespace

void TJorpBase::ShowHeaderIdError() {
    // An embedded object has no file of its own; the file it lies in is the one to name.
    std::string object = FileMode.Name.GetText();
    if (!EmbeddedBase.IsNull() && EmbeddedBase.File != nullptr)
        object = *EmbeddedBase.File;
    const std::string text = "Header ID read: '" + IdText(HeaderIdChars) + "'" +
                             "\nHeader ID needed: '" + IdText(GetHeaderId()) + "'" +
                             "\nObject being read: " + JorpPrintable(object) + "\nAborting Program";
    JorpFatalError(this, text, "Fatal Error - Header ID");
}

void TJorpBase::ShowFileError(const std::string& subject, int code) {
    static const char* const texts[] = {"Invalid file handle",         "Couldn't open file",
                                        "Couldn't write local header", "Couldn't write local data",
                                        "Couldn't close file",         "Couldn't write data"};
    const char* reason = (code >= 1 && code <= 6) ? texts[code - 1] : "Unknown error";
    JorpFatalError(this, subject + "\nError Type:\n" + reason + "\nAborting", "Error -  Write");
}

bool TJorpBase::WriteBytes(const void* source, u32 n) {
    if (WriteFile == nullptr)
        return false;
    if (n > 0x7FFFFFFFU || !WriteFile->Write(source, static_cast<i32>(n)))
        ShowFileError("Base Class", 6);
    return true;
}

bool TJorpBase::OpenForWrite() {
    const TJorpIniFile* settings = TEngineContext::Settings;
    const std::string drive = settings != nullptr ? settings->GetCDDrive() : "c:";
    std::string dir = settings != nullptr ? settings->GetCDDir() : "\\";
    if (dir.empty() || dir.back() != '\\')
        dir += '\\';
    TJorpFileName path(drive + dir);
    path.AppendDirectory(FileMode.Name.GetDirectory());
    path.SetName(FileMode.Name.GetName());
    path.SetExtension(FileMode.Name.GetExtension());
    // The old file is let go before the new one opens, which may be the same file.
    OwnedWriteFile.reset();
    OwnedWriteFile = std::make_unique<TFileWriteBuf>(path, JORP_WRITE_BUFFER);
    WriteFile = OwnedWriteFile.get();
    return WriteFile->IsOpen();
}

bool TJorpBase::CloseWriteFile() {
    bool closed = true;
    if (OwnedWriteFile != nullptr) {
        // The last buffered bytes are written here; losing them is a failed save.
        closed = OwnedWriteFile->Close();
        OwnedWriteFile.reset();
    }
    WriteFile = nullptr;
    return closed;
}

bool TJorpBase::Save(TFileWriteBuf* parentFile) {
    if (OwnedWriteFile != nullptr)
        CloseWriteFile();
    WriteFile = parentFile;
    if (parentFile != nullptr) {
        if (!WriteHeader())
            ShowFileError("Base Class", 3);
        if (!WriteBody())
            ShowFileError("Base Class", 4);
        return true;
    }
    if (!OpenForWrite())
        ShowFileError("Base Class", 2);
    if (!WriteHeader()) {
        CloseWriteFile();
        ShowFileError("Base Class", 3);
    }
    if (!WriteBody()) {
        CloseWriteFile();
        ShowFileError("Base Class", 4);
    }
    if (!CloseWriteFile())
        ShowFileError("Base Class", 5);
    return true;
}

bool TJorpBase::ReadName9(std::string& name) {
    char field[9];
    if (ReadBytes(field, 9) != 9)
        return false;
    name.assign(field, strnlen(field, 9));
    return true;
}

bool TJorpBase::ReadFileName9(TJorpFileName& name) {
    std::string text;
    if (!ReadName9(text))
        return false;
    name.AssignString(text);
    return true;
}

bool TJorpBase::WriteFileName9(const TJorpFileName& name) {
    const std::string& text = name.GetText();
    char field[9] = {};
    const size_t n = std::min<size_t>(strnlen(text.c_str(), 8), 8);
    std::memcpy(field, text.data(), n);
    return WriteBytes(field, 9);
}

bool TJorpBase::WriteName9(std::string& name) {
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return WriteFileName9(TJorpFileName(name));
}

bool TJorpBase::ReadString(std::string& text) {
    u16 length = 0;
    if (!ReadU16(length))
        return false;
    std::string bytes(length, '\0');
    if (length == 0 || ReadBytes(bytes.data(), length) == 0)
        return false;
    text.assign(bytes.c_str(), strnlen(bytes.c_str(), length));
    return true;
}

bool TJorpBase::WriteString(const std::string& text) {
    const size_t length = strlen(text.c_str()) + 1;
    if (length > 0x7FFF)
        return false;
    return WriteU16(static_cast<u16>(length)) && WriteBytes(text.c_str(), static_cast<u32>(length));
}

namespace {

template <typename T> bool ReadLittle(TJorpBase& object, T& value) {
    u8 bytes[sizeof(T)];
    if (object.ReadBytes(bytes, sizeof(T)) != sizeof(T))
        return false;
    std::make_unsigned_t<T> v = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        v = static_cast<std::make_unsigned_t<T>>(
            v | (static_cast<std::make_unsigned_t<T>>(bytes[i]) << (8 * i)));
    value = static_cast<T>(v);
    return true;
}

template <typename T> bool WriteLittle(TJorpBase& object, T value) {
    u8 bytes[sizeof(T)];
    const auto v = static_cast<std::make_unsigned_t<T>>(value);
    for (size_t i = 0; i < sizeof(T); ++i)
        bytes[i] = static_cast<u8>(v >> (8 * i));
    return object.WriteBytes(bytes, sizeof(T));
}

} // namespace

bool TJorpBase::ReadU8(u8& v) {
    return ReadLittle(*this, v);
}
bool TJorpBase::ReadU16(u16& v) {
    return ReadLittle(*this, v);
}
bool TJorpBase::ReadI16(i16& v) {
    return ReadLittle(*this, v);
}
bool TJorpBase::ReadU32(u32& v) {
    return ReadLittle(*this, v);
}
bool TJorpBase::ReadI32(i32& v) {
    return ReadLittle(*this, v);
}
bool TJorpBase::WriteU8(u8 v) {
    return WriteLittle(*this, v);
}
bool TJorpBase::WriteU16(u16 v) {
    return WriteLittle(*this, v);
}
bool TJorpBase::WriteI16(i16 v) {
    return WriteLittle(*this, v);
}
bool TJorpBase::WriteU32(u32 v) {
    return WriteLittle(*this, v);
}
bool TJorpBase::WriteI32(i32 v) {
    return WriteLittle(*this, v);
}

void JorpFatalError(const TJorpBase*, const std::string& text, const std::string& caption) {
    FatalError(nullptr, text, caption, MB_TASKMODAL);
}

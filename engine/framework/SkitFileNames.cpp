// The name block that opens a skit catalogue's and a skit list's body.
#include "SkitFileNames.h"

#include "engine/foundation/FileName.h"

bool ReadSkitFileNames(TJorpBase& object, bool bareNames, i32 room, const TJorpFileName& beside,
                       const char* extension, std::vector<std::string>& names) {
    u16 count = 0;
    // A name takes 9 bytes, or a length word and at least its NUL.
    const u32 minName = bareNames ? 9 : 3;
    if (!object.ReadU16(count) || count > room ||
        static_cast<u32>(count) * minName > object.GetReadPosition().Size)
        return false;
    names.assign(count, std::string());
    for (std::string& name : names) {
        if (bareNames ? !object.ReadName9(name) : !object.ReadString(name))
            return false;
        if (bareNames && !name.empty()) {
            TJorpFileName path = beside;
            path.SetName(TJorpFileName(name));
            path.SetExtension(extension);
            name = path.GetText();
        }
    }
    return true;
}

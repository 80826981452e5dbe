// TMiscData: reading and writing the table of 16-bit lists.
#include "MiscData.h"

#include <utility>

namespace {

constexpr std::size_t MaxCount = 0x7FFF;

} // namespace

TMiscData::TMiscData(TJorpOwner* owner) : TJorpBase(owner) {}

TMiscData::TMiscData(TJorpOwner* owner, const TFileMode& mode, bool load, bool keep)
    : TJorpBase(owner, 0, mode) {
    // The class is final, so its own tag and body reader are the ones reached.
    AttachFile(FileMode, load, keep);
}

TMiscData::TMiscData(int, TJorpOwner* owner, const TFileMode& mode) : TJorpBase(owner, 0, mode) {
    FileMode.Name.SetExtension(GetExtension());
}

std::string TMiscData::GetExtension() const {
    return ".md";
}
const char* TMiscData::GetHeaderId() const {
    return "MDAT";
}

i16 TMiscData::GetLength(i16 list) const {
    if (list < 0 || static_cast<std::size_t>(list) >= Lists.size())
        return 0;
    return static_cast<i16>(Lists[static_cast<std::size_t>(list)].size());
}

const i16* TMiscData::GetList(i16 list) const {
    if (list < 0 || static_cast<std::size_t>(list) >= Lists.size())
        return nullptr;
    const std::vector<i16>& values = Lists[static_cast<std::size_t>(list)];
    return values.empty() ? nullptr : values.data();
}

bool TMiscData::SetLists(std::vector<std::vector<i16>> lists) {
    if (lists.size() > MaxCount)
        return false;
    for (const std::vector<i16>& values : lists)
        if (values.size() > MaxCount)
            return false;
    Lists = std::move(lists);
    return true;
}

bool TMiscData::ReadBody() {
    Lists.clear();
    i16 count = 0;
    if (!ReadI16(count))
        return false;
    // Lists are kept as they are completed, so a short file leaves only whole lists behind
    // and nothing is allocated for lists the file merely claims to hold.
    for (i16 i = 0; i < count; ++i) {
        i16 length = 0;
        if (!ReadI16(length))
            return false;
        std::vector<i16> values;
        // A negative length is an empty list, and is written back as one.
        for (i16 v = 0; v < length; ++v) {
            i16 value = 0;
            if (!ReadI16(value))
                return false;
            values.push_back(value);
        }
        Lists.push_back(std::move(values));
    }
    return true;
}

bool TMiscData::WriteBody() {
    if (!WriteI16(GetListCount()))
        return false;
    for (const std::vector<i16>& values : Lists) {
        if (!WriteI16(static_cast<i16>(values.size())))
            return false;
        for (i16 value : values)
            if (!WriteI16(value))
                return false;
    }
    return true;
}

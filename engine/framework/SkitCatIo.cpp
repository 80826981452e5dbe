// TSkitCat: the "CAT " body: the names of the skit lists, each loaded as it is read.
#include "SkitCat.h"

#include "engine/foundation/JorpProgress.h"
#include "engine/framework/SkitFileNames.h"
#include "engine/framework/SkitList.h"

#include <vector>

namespace {

constexpr i32 SKIT_GAUGE = 2;

} // namespace

std::unique_ptr<TSkitList> TSkitCat::LoadSkitList(const std::string& name) {
    TFileMode file(TJorpFileName(name), 0, FM_LEVEL_NOW, 0, FileMode.DataLocation);
    return TSkitList::CreateNamed(Owner, file, GameObject, true, false);
}

bool TSkitCat::ReadBody() {
    const bool bareNames = HeaderMajor == 1;
    if (!bareNames && HeaderMajor != 2)
        return false;
    // Every name is read before any list is loaded: a short body loads nothing.
    std::vector<std::string> names;
    if (!ReadSkitFileNames(*this, bareNames, MAX_PLACES - GetCount(), FileMode.Name, ".skl", names))
        return false;
    const auto count = static_cast<i32>(names.size());
    if (count > 0) {
        const i32 places = GetCount() + count;
        if (places > Capacity && !Grow(static_cast<i16>(places)))
            return false;
        TJorpProgress* gauge = StartGauge("Loading Skits");
        gauge->SelectGauge(SKIT_GAUGE);
        gauge->SetGaugeRange(0, count);
        for (const std::string& name : names) {
            gauge->SetItemText(name);
            // A list that could not be read is added all the same, empty.
            std::unique_ptr<TSkitList> list = LoadSkitList(name);
            if (Add(list.get()))
                list.release();
            gauge->IncrementGauge();
        }
        EndGauge(gauge);
    }
    SortByName();
    return true;
}

bool TSkitCat::WriteBody() {
    const i16 count = GetCount();
    if (!WriteU16(static_cast<u16>(count)))
        return false;
    for (i16 i = 0; i < count; ++i) {
        const TJorpBase* list = GetAt(i);
        if (list == nullptr || !WriteString(list->GetFileMode().Name.GetText()))
            return false;
    }
    return true;
}

bool TSkitCat::SaveIfNeeded() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* list = Members[i])
            list->SaveIfNeeded();
    Save(nullptr);
    return true;
}

// TGObjSk: the skit operations, by skit-list and skit number of the object's catalogue.
#include "GObjSk.h"

#include "engine/framework/Skit.h"
#include "engine/framework/SkitCat.h"
#include "engine/framework/SkitList.h"

#include <memory>

TSkitCat* TGObjSk::CreateSkitCat(const TFileMode& file) {
    return TSkitCat::CreateNamed(Owner, file, this, true, false).release();
}

bool TGObjSk::AddSkitList(TSkitList* list) {
    return SkitCat && list != nullptr && SkitCat->Add(list);
}

bool TGObjSk::AddSkitToList(TSkit* skit, i16 n) {
    TSkitList* list = GetSkitList(n);
    return list != nullptr && skit != nullptr && list->Add(skit);
}

TSkitList* TGObjSk::GetSkitList(i16 n) {
    return SkitCat ? SkitCat->GetSkitList(n) : nullptr;
}

TSkitList* TGObjSk::FindSkitList(const std::string& name) {
    return SkitCat ? dynamic_cast<TSkitList*>(SkitCat->FindByName(name)) : nullptr;
}

i16 TGObjSk::IndexOfSkitList(const std::string& name) {
    return SkitCat ? SkitCat->IndexOf(name) : i16{-1};
}

i16 TGObjSk::IndexOfSkit(i16 n, const std::string& name) {
    const TSkitList* list = GetSkitList(n);
    return list != nullptr ? list->IndexOf(name) : i16{-1};
}

i16 TGObjSk::AddSkitListName(const std::string& name) {
    if (!SkitCat)
        return -1;
    TFileMode file = FileMode;
    file.Name = TJorpFileName(name);
    auto list = std::make_unique<TSkitList>(Owner, this, file);
    const std::string fileName = list->GetFileMode().Name.GetText();
    if (!AddSkitList(list.get()))
        return -1;
    list.release();
    return SkitCat->IndexOf(fileName);
}

i16 TGObjSk::AddSkitName(const std::string& name, i16 n) {
    TSkitList* list = GetSkitList(n);
    if (list == nullptr)
        return -1;
    TFileMode file = FileMode;
    file.Name = TJorpFileName(name);
    auto skit = std::make_unique<TSkit>(Owner, this, file);
    const std::string fileName = skit->GetFileMode().Name.GetText();
    if (!AddSkitToList(skit.get(), n))
        return -1;
    skit.release();
    return list->IndexOf(fileName);
}

bool TGObjSk::ChooseSkit(i16 n, u32& frame, u32& duration, i16& skit) {
    return SkitCat && SkitCat->ChooseSkit(n, frame, duration, skit);
}

bool TGObjSk::UseSkit(i16 list, i16 skit, u32 key) {
    return SkitCat && SkitCat->UseSkit(list, skit, key);
}

u32 TGObjSk::GetSkitDuration(i16 list, i16 skit) const {
    return SkitCat ? SkitCat->GetSkitDuration(list, skit) : 0;
}

// TSkitList: construction, set-up and indexing, and the operations on its skits by place.
#include "SkitList.h"

#include "engine/framework/Skit.h"
#include "engine/framework/SkitPortfolio.h"

TSkitList::TSkitList(TJorpOwner* owner, TGObjSk* gameObject)
    : TJorpList(owner), GameObject(gameObject),
      Portfolio(std::make_unique<TSkitPortfolio>(gameObject)) {}

TSkitList::TSkitList(TJorpOwner* owner, TGObjSk* gameObject, const TFileMode& file)
    : TSkitList(owner, gameObject) {
    FileMode = file;
    if (!FileMode.Name.IsEmpty())
        FileMode.Name.SetExtension(".skl");
}

// The portfolio writes its cursors as it goes, before the skits.
TSkitList::~TSkitList() {
    Portfolio.reset();
}

std::unique_ptr<TSkitList> TSkitList::CreateNamed(TJorpOwner* owner, const TFileMode& file,
                                                  TGObjSk* gameObject, bool load, bool keep) {
    return CreateAttached<TSkitList>(file, load, keep, owner, gameObject);
}

void TSkitList::FreeSetupData() {
    Portfolio->FreeSetupData();
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* skit = Members[i])
            skit->FreeSetupData();
}

void TSkitList::Resolve() {}

void TSkitList::Index(i16 list) {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* skit = Members[i])
            skit->Resolve();
    Portfolio->ResolveIndices(list);
}

TSkit* TSkitList::GetSkit(i16 i) const {
    return dynamic_cast<TSkit*>(GetAt(i));
}

u32 TSkitList::GetSkitDuration(i16 i) const {
    const TSkit* skit = GetSkit(i);
    return skit != nullptr ? skit->Duration : 0;
}

bool TSkitList::RemoveByName(const std::string& name) {
    const i16 i = IndexOf(name);
    return i >= 0 && RemoveAt(i);
}

bool TSkitList::SetAt(i16 i, TSkit* skit) {
    if (i < 0 || i > LastIndex)
        return false;
    // An owning list would otherwise lose the skit it held there.
    if (Members[i] != skit && HasFlags(JOF_OWNS_MEMBERS))
        delete Members[i];
    Members[i] = skit;
    ClearFlags(JOF_SORTED);
    return true;
}

TSkit* TSkitList::ReplaceAt(i16 i, TSkit* skit) {
    TSkit* old = GetSkit(i);
    if (old == nullptr || skit == nullptr)
        return nullptr;
    Members[i] = skit;
    ClearFlags(JOF_SORTED);
    return old;
}

std::string TSkitList::GetExtension() const {
    return ".skl";
}

void TSkitList::SetMajorVersion() {
    HeaderMajor = 2;
}

const char* TSkitList::GetHeaderId() const {
    return "KLST";
}

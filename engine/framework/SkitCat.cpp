// TSkitCat: construction, set-up, indexing and the skit operations by list and skit number.
#include "SkitCat.h"

#include "engine/foundation/JorpProgress.h"
#include "engine/framework/Skit.h"
#include "engine/framework/SkitList.h"
#include "platform/host/PrivateProfile.h"

namespace {

// The loading screen's gauge for skit lists and catalogues.
constexpr i32 SKIT_GAUGE = 2;

} // namespace

TSkitCat::TSkitCat(TJorpOwner* owner) : TJorpList(owner) {}

TSkitCat::TSkitCat(TJorpOwner* owner, TGObjSk* gameObject, const TFileMode& file)
    : TJorpList(owner), GameObject(gameObject) {
    FileMode = file;
    if (!FileMode.Name.IsEmpty())
        FileMode.Name.SetExtension(".skc");
}

// Every level of every list writes its cursor as the lists go: the settings file is written
// once for all of them.
TSkitCat::~TSkitCat() {
    TPrivateProfileBatch cursors;
    DeleteAll();
}

std::unique_ptr<TSkitCat> TSkitCat::CreateNamed(TJorpOwner* owner, const TFileMode& file,
                                                TGObjSk* gameObject, bool load, bool keep) {
    return CreateAttached<TSkitCat>(file, load, keep, owner, gameObject, file);
}

void TSkitCat::FreeSetupData() {
    for (i16 i = 0; i <= LastIndex; ++i)
        if (TJorpBase* list = Members[i])
            list->FreeSetupData();
}

void TSkitCat::Resolve() {
    Index();
}

void TSkitCat::Index() {
    if (LastIndex < 0)
        return;
    TJorpProgress* gauge = StartGauge("Indexing Skits");
    gauge->SelectGauge(SKIT_GAUGE);
    gauge->SetGaugeRange(0, LastIndex);
    for (i16 i = 0; i <= LastIndex; ++i) {
        if (TSkitList* list = GetSkitList(i)) {
            gauge->SetItemText(list->GetFileMode().Name.GetText());
            list->Index(i);
        }
        gauge->IncrementGauge();
    }
    EndGauge(gauge);
}

TSkitList* TSkitCat::GetSkitList(i16 n) const {
    return dynamic_cast<TSkitList*>(GetAt(n));
}

TSkit* TSkitCat::GetSkit(i16 n, i16 m) const {
    const TSkitList* list = GetSkitList(n);
    return list != nullptr ? list->GetSkit(m) : nullptr;
}

bool TSkitCat::UseSkit(i16 n, i16 m, u32 frame) {
    TSkit* skit = GetSkit(n, m);
    if (skit == nullptr)
        return false;
    skit->Acquire(frame);
    return true;
}

bool TSkitCat::CanPlaySkit(i16 n, i16 m, u32 frame) {
    TSkit* skit = GetSkit(n, m);
    return skit != nullptr && skit->CanPlayAt(frame);
}

bool TSkitCat::ChooseSkit(i16 n, u32& frame, u32& duration, i16& skitIndex) {
    TSkitList* list = GetSkitList(n);
    return list != nullptr &&
           list->ChooseSkit(frame, duration, skitIndex, TSkitList::CHOICE_WINDOW);
}

u32 TSkitCat::GetSkitDuration(i16 n, i16 m) const {
    const TSkit* skit = GetSkit(n, m);
    return skit != nullptr ? skit->Duration : 0;
}

bool TSkitCat::RemoveByName(const std::string& name) {
    const i16 i = IndexOf(name);
    return i >= 0 && RemoveAt(i);
}

std::string TSkitCat::GetExtension() const {
    return ".skc";
}

void TSkitCat::SetMajorVersion() {
    HeaderMajor = 2;
}

const char* TSkitCat::GetHeaderId() const {
    return "CAT ";
}

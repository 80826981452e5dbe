// TSkit: construction, playing and testing from the table or the set-up list, and the set-up.
#include "Skit.h"

#include "engine/framework/GObjSk.h"
#include "engine/framework/SkitCell.h"
#include "engine/framework/SkitCriteria.h"
#include "engine/framework/SkitData.h"
#include "engine/framework/SkitRow.h"
#include "engine/framework/SkitTable.h"

TSkit::TSkit(TJorpOwner* owner, TGObjSk* gameObject)
    : TJorpBase(owner), Table(std::make_unique<TSkitTable>(owner, gameObject)),
      Criteria(std::make_unique<TSkitCriteria>()), GameObject(gameObject) {}

TSkit::TSkit(TJorpOwner* owner, TGObjSk* gameObject, const TFileMode& file)
    : TSkit(owner, gameObject) {
    FileMode = file;
    if (!FileMode.Name.IsEmpty())
        FileMode.Name.SetExtension(".sk");
}

TSkit::~TSkit() {
    Criteria.reset();
    Table.reset();
    DataList.reset();
}

std::unique_ptr<TSkit> TSkit::CreateNamed(TJorpOwner* owner, const TFileMode& file,
                                          TGObjSk* gameObject, bool load, bool keep) {
    auto skit = CreateAttached<TSkit>(file, load, keep, owner, gameObject);
    skit->AfterLoad();
    return skit;
}

std::unique_ptr<TSkit> TSkit::CreateEmbedded(TJorpOwner* owner, const std::string& name,
                                             TGObjSk* gameObject, TEmbeddedAddress address,
                                             bool load) {
    TFileMode file = gameObject != nullptr ? gameObject->GetFileMode() : TFileMode();
    file.Name = TJorpFileName(name);
    file.DiskLevel = 0;
    file.RamLevel = 0;
    auto skit = CreateLoadedAt<TSkit>(address, load, owner, gameObject, file);
    skit->AfterLoad();
    return skit;
}

void TSkit::AfterLoad() {
    Duration = ComputeDuration();
    FreeSetupData();
}

void TSkit::Start() {
    TJorpBase::Start();
}

void TSkit::Play(u32 frame) {
    Start();
    if (Table) {
        Table->Play(frame);
        return;
    }
    if (!DataList || GameObject == nullptr)
        return;
    for (const TSkitData& start : *DataList)
        GameObject->UseModeSprite(static_cast<i16>(start.ObjectIndex),
                                  static_cast<i16>(start.SpriteIndex),
                                  frame + static_cast<u32>(start.Offset));
}

void TSkit::Acquire(u32 frame) {
    Play(frame);
}

bool TSkit::CanPlayAt(u32 frame) {
    if (Table)
        return Table->CanPlayAt(frame);
    if (!DataList || DataList->GetCount() == 0)
        return true;
    if (GameObject == nullptr)
        return false;
    for (const TSkitData& start : *DataList)
        if (!GameObject->CanActivateModeSprite(static_cast<i16>(start.ObjectIndex),
                                               static_cast<i16>(start.SpriteIndex),
                                               frame + static_cast<u32>(start.Offset)))
            return false;
    return true;
}

u32 TSkit::ComputeDuration() const {
    return Table ? Table->ComputeDuration() : 0;
}

void TSkit::Resolve() {
    if (!Table)
        return;
    Table->Resolve();
    Duration = ComputeDuration();
}

void TSkit::FreeSetupData() {
    if (!Table)
        return;
    auto list = std::make_unique<TSkitDataList>(this, GameObject, Table->CountCells());
    for (i16 i = 0; i <= Table->GetLastIndex(); ++i) {
        const TSkitRow* row = Table->GetSkitRow(i);
        for (u8 place = 0; row != nullptr && place < TJorpRow::PLACES; ++place)
            if (const TSkitCell* cell = row->GetSkitCell(place))
                list->Add(cell->GetObjectIndex(), cell->GetSpriteIndex(), i);
    }
    DataList = std::move(list);
    Table.reset();
    SetFlags(JOF_SETUP_FREED);
}

bool TSkit::CriteriaMatch() {
    for (i32 word = 0; word < TSkitCriteria::WORDS; ++word) {
        // Most words ask nothing.
        if (Criteria->GetWord(word) == 0)
            continue;
        for (i32 k = 0; k < 8; ++k) {
            const i32 wanted = Criteria->GetField(word, k);
            if (wanted == 0)
                continue;
            const i32 answer = GameObject != nullptr
                                   ? GameObject->TestSkitCondition(static_cast<u16>(word * 8 + k))
                                   : 0;
            if (answer != 0 && answer != wanted)
                return false;
        }
    }
    return true;
}

i32 TSkit::GetCriterion(i32 condition) const {
    return Criteria->GetCriterion(condition);
}

void TSkit::SetCriterion(i32 condition, i32 value) {
    Criteria->SetCriterion(condition, value);
}

std::string TSkit::GetExtension() const {
    return ".sk";
}

void TSkit::SetMinorVersion() {
    HeaderMinor = 1;
}

const char* TSkit::GetHeaderId() const {
    return "SKIT";
}

// TSkit: a scripted scene of sprite starts on a frame timeline, with the criteria for choosing it.
#pragma once

#include "engine/foundation/JorpBase.h"

#include <memory>
#include <string>

class TGObjSk;
class TSkitCriteria;
class TSkitDataList;
class TSkitTable;

// A stored flag of the skit: its table may be saved empty without a warning.
constexpr u16 SKIT_EMPTY_TABLE_OK = 0x0400;

// A skit made with a constructor keeps its table for editing and writing. One made by
// CreateNamed or CreateEmbedded is read, measured and set up at once: its table becomes the
// compact list of sprite starts it plays from (flag JOF_SETUP_FREED) and is freed, so that
// in play it holds only its criteria, its duration and that list.
class TSkit : public TJorpBase {
public:
    // An empty table and empty criteria.
    TSkit(TJorpOwner* owner, TGObjSk* gameObject);
    // The same, named after the file (given the ".sk" extension); nothing is read.
    TSkit(TJorpOwner* owner, TGObjSk* gameObject, const TFileMode& file);
    ~TSkit() override;

    // The skit of its own file, loaded when asked, then measured and set up.
    static std::unique_ptr<TSkit> CreateNamed(TJorpOwner* owner, const TFileMode& file,
                                              TGObjSk* gameObject, bool load, bool keep);
    // The skit stored inside a skit list's image, named after name (".sk") in the game
    // object's data location with use levels 0, then measured and set up.
    static std::unique_ptr<TSkit> CreateEmbedded(TJorpOwner* owner, const std::string& name,
                                                 TGObjSk* gameObject, TEmbeddedAddress address,
                                                 bool load);

    // Every sprite start is handed to the mode window at once, each at frame + its row.
    void Play(u32 frame) override;
    void Start() override;
    void Acquire(u32 frame) override;
    // The table's resolve and the duration again, while the table exists.
    void Resolve() override;
    // The set-up: the table's cells become the list of starts, and the table goes.
    void FreeSetupData() override;
    bool ReadBody() override;
    bool WriteBody() override;
    // Saves the skit as a file of its own.
    bool SaveIfNeeded() override;
    std::string GetExtension() const override;
    void SetMinorVersion() override;
    const char* GetHeaderId() const override;

    // Every sprite start could be made at frame + its row; an empty skit always can.
    bool CanPlayAt(u32 frame);
    u32 ComputeDuration() const;
    // No condition with a criterion is answered against it; an unknown answer never blocks.
    bool CriteriaMatch();
    i32 GetCriterion(i32 condition) const;
    void SetCriterion(i32 condition, i32 value);

    // Null once the skit is set up.
    TSkitTable* GetTable() const { return Table.get(); }
    // Null before the skit is set up.
    const TSkitDataList* GetDataList() const { return DataList.get(); }
    TSkitCriteria& GetCriteria() const { return *Criteria; }
    TGObjSk* GetGameObject() const { return GameObject; }

private:
    // Measured and set up, as the loading forms do right after the read.
    void AfterLoad();

    std::unique_ptr<TSkitTable> Table;
    std::unique_ptr<TSkitDataList> DataList;
    std::unique_ptr<TSkitCriteria> Criteria;
    TGObjSk* GameObject;
};

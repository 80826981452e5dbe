// TGObjSk: a game object with a skit catalogue, and the operations that start its skits.
#pragma once

#include "engine/framework/GObjSp.h"

#include <memory>
#include <string>

class TSkit;
class TSkitCat;
class TSkitList;

class TGObjSk : public TGObjSp {
public:
    explicit TGObjSk(TJorpOwner* owner);
    ~TGObjSk() override;

    // The sprite list's, then the catalogue's.
    void FreeSetupData() override;
    // The sprite list only: the catalogue's lists keep the skit indices their files store.
    void Resolve() override;

    // The catalogue of that file, read now and not kept, with this object as its game
    // object; the caller owns it.
    virtual TSkitCat* CreateSkitCat(const TFileMode& file);

    // The catalogue made for the file; a file without a name makes none. True.
    bool LoadSkitCat(const TFileMode& file);

    // Skit operations. Without a catalogue each answers false, -1, 0 or null and changes
    // nothing; a skit list or skit that is not there answers the same.
    bool AddSkitList(TSkitList* list);
    bool AddSkitToList(TSkit* skit, i16 n);
    TSkitList* GetSkitList(i16 n);
    TSkitList* FindSkitList(const std::string& name);
    i16 IndexOfSkitList(const std::string& name);
    i16 IndexOfSkit(i16 n, const std::string& name);
    i16 LastSkitListIndex() const;
    i16 AddSkitListName(const std::string& name);
    i16 AddSkitName(const std::string& name, i16 n);
    bool ChooseSkit(i16 n, u32& frame, u32& duration, i16& skit);
    bool UseSkit(i16 list, i16 skit, u32 key);
    u32 GetSkitDuration(i16 list, i16 skit) const;

    TSkitCat* GetSkitCat() const { return SkitCat.get(); }
    const std::string& GetSkitCatName() const { return SkitCatName; }

protected:
    std::unique_ptr<TSkitCat> SkitCat;
    std::string SkitCatName;
};

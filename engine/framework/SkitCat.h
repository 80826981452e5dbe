// TSkitCat: a game object's skit catalogue: its skit lists, each in a file of its own.
#pragma once

#include "engine/foundation/JorpList.h"

#include <memory>
#include <string>

class TGObjSk;
class TSkit;
class TSkitList;

// Reads "CAT " 1.x and 2.x and writes 2.0: the names of the lists, which are loaded with
// the catalogue and sorted by name. Lists and skits are addressed by number; a number
// that names nothing answers false or 0.
class TSkitCat : public TJorpList {
public:
    // An empty catalogue without game object.
    explicit TSkitCat(TJorpOwner* owner);
    // An empty catalogue of that game object, named after the file (given the ".skc"
    // extension); nothing is read.
    TSkitCat(TJorpOwner* owner, TGObjSk* gameObject, const TFileMode& file);
    ~TSkitCat() override;

    static std::unique_ptr<TSkitCat> CreateNamed(TJorpOwner* owner, const TFileMode& file,
                                                 TGObjSk* gameObject, bool load, bool keep);

    // Every list's set-up.
    void FreeSetupData() override;
    // Index.
    void Resolve() override;
    bool ReadBody() override;
    bool WriteBody() override;
    // Every list saved, then the catalogue to its file; true.
    bool SaveIfNeeded() override;
    std::string GetExtension() const override;
    void SetMajorVersion() override;
    const char* GetHeaderId() const override;

    // The list of that file beside the catalogue, read now (the image let go after); a list
    // whose file could not be read is returned empty.
    std::unique_ptr<TSkitList> LoadSkitList(const std::string& name);
    // Every list's skits resolved and its portfolio's indices looked up again, reported
    // under "Indexing Skits".
    void Index();

    // Starts skit m of list n at the frame without any test.
    bool UseSkit(i16 n, i16 m, u32 frame);
    bool CanPlaySkit(i16 n, i16 m, u32 frame);
    // List n's choice with the game objects' window.
    bool ChooseSkit(i16 n, u32& frame, u32& duration, i16& skitIndex);
    u32 GetSkitDuration(i16 n, i16 m) const;
    bool RemoveByName(const std::string& name);

    TSkitList* GetSkitList(i16 n) const;
    TSkit* GetSkit(i16 n, i16 m) const;
    TGObjSk* GetGameObject() const { return GameObject; }

private:
    TGObjSk* GameObject = nullptr;
};

// TSkitList: skits that say the same thing in different ways, with the portfolio that picks one.
#pragma once

#include "engine/foundation/JorpList.h"

#include <memory>
#include <string>

class TGObjSk;
class TSkit;
class TSkitPortfolio;

// Reads "KLST" 1.0 (skits in files of their own), 1.1 and 2.x (skits stored inside); writes
// 2.0. A list read from a file holds the portfolio stored in it, named after the list's file
// so that its level cursors persist; the other forms hold an empty, unnamed one. A list whose
// read fails is left empty, so that no index stored elsewhere plays a stale skit.
class TSkitList : public TJorpList {
public:
    // The fallback window of the game objects' choices, in frames.
    static constexpr u32 CHOICE_WINDOW = 96;

    TSkitList(TJorpOwner* owner, TGObjSk* gameObject);
    // The same, named after the file (given the ".skl" extension); nothing is read.
    TSkitList(TJorpOwner* owner, TGObjSk* gameObject, const TFileMode& file);
    ~TSkitList() override;

    static std::unique_ptr<TSkitList> CreateNamed(TJorpOwner* owner, const TFileMode& file,
                                                  TGObjSk* gameObject, bool load, bool keep);

    void FreeSetupData() override;
    // Nothing: indexing goes through Index.
    void Resolve() override;
    bool ReadBody() override;
    bool WriteBody() override;
    // Every skit saved to its own file, then the list to its file; true.
    bool SaveIfNeeded() override;
    std::string GetExtension() const override;
    void SetMajorVersion() override;
    const char* GetHeaderId() const override;
    // Every skit's Resolve, then the portfolio's indices looked up as list `list` of the
    // game object's catalogue.
    virtual void Index(i16 list);

    // Picks and starts a skit (see SkitChoice.cpp); true when one was started. Only a
    // success changes frame (moved on when the fallback started it later), duration and
    // skit index.
    bool ChooseSkit(u32& frame, u32& duration, i16& skitIndex, u32 window);
    // One round-robin pass over one level of the portfolio.
    bool FindSkitAtLevel(u32& frame, u32& duration, i16& skitIndex, i16 level, bool search,
                         u32 window);
    // Skit i, started when its criteria hold and it can play at the frame (or, searching, at
    // the first frame of the window from it that it can).
    bool SkitMatches(i16 i, u32& frame, bool search, u32 window);

    // 0 when there is no such skit.
    u32 GetSkitDuration(i16 i) const;
    TSkit* GetSkit(i16 i) const;
    bool RemoveByName(const std::string& name);
    // Puts the skit at an existing place; the skit that was there goes with it.
    bool SetAt(i16 i, TSkit* skit);
    // Only over a skit and with a skit: the one taken out, which the caller then owns.
    TSkit* ReplaceAt(i16 i, TSkit* skit);

    TSkitPortfolio* GetPortfolio() const { return Portfolio.get(); }
    TGObjSk* GetGameObject() const { return GameObject; }
    u16 GetStoredCount() const { return StoredCount; }

private:
    bool ReadSkits();

    TGObjSk* GameObject;
    u16 StoredCount = 0;
    std::unique_ptr<TSkitPortfolio> Portfolio;
};

// TSkitPortfolio: the ten levels of skit references by which a skit list's skits are chosen.
#pragma once

#include "engine/foundation/JorpBase.h"

#include <array>
#include <memory>
#include <string>

class TGObjSk;
class TSkitPortfolioList;

// Reads "PORT" 1.0, 1.1, 2.0 and 2.4; writes 2.4. Always stored inside its skit list's
// file. A portfolio with a name (its list's file name) keeps its level cursors in the
// settings file.
class TSkitPortfolio : public TJorpBase {
public:
    static constexpr i16 LEVELS = 10;

    // Ten empty levels, each with the name (empty: nothing persists).
    explicit TSkitPortfolio(TGObjSk* gameObject, const std::string& name = std::string());
    ~TSkitPortfolio() override;

    // The levels named name, then the portfolio read from the parent's image.
    static std::unique_ptr<TSkitPortfolio> CreateEmbedded(TGObjSk* gameObject,
                                                          const std::string& name,
                                                          TEmbeddedAddress address, bool load);

    void Resolve() override;
    bool ReadBody() override;
    bool WriteBody() override;
    void SetMajorVersion() override;
    void SetMinorVersion() override;
    const char* GetHeaderId() const override;
    // Each entry's index := the position of its skit in skit list `list` of the game object.
    virtual void ResolveIndices(i16 list);

    // False for a level outside 0..9.
    bool AddElement(i16 level, const std::string& name, u16 skitIndex);
    // Empty for a level or entry that is not there.
    std::string GetElementName(i16 level, i16 i) const;
    // The first level from d (kept to 0..9) up with an entry; 9 when none has one.
    i16 FirstLevelFrom(i32 d) const;
    void ClearNames();

    // Null outside 0..9.
    TSkitPortfolioList* GetLevel(i16 level) const;
    const std::string& GetName() const { return Name; }
    TGObjSk* GetGameObject() const { return GameObject; }

private:
    TGObjSk* GameObject;
    std::string Name;
    std::array<std::unique_ptr<TSkitPortfolioList>, LEVELS> Levels;
};

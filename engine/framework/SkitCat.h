// TSkitCat: a game object's skit catalogue, for now a list that never holds a skit list.
#pragma once

#include "engine/foundation/JorpList.h"

// Skits are not built yet: no game object makes a catalogue (TGObjSk::CreateSkitCat answers
// none), so the skit operations of game objects answer as without one.
class TSkitCat : public TJorpList {
public:
    using TJorpList::TJorpList;
    std::string GetExtension() const override { return ".skc"; }
    void SetMajorVersion() override { HeaderMajor = 2; }
    const char* GetHeaderId() const override { return "CAT "; }
};

// TGObjSk: the catalogue's part in the object's passes and its loader.
#include "GObjSk.h"

#include "engine/framework/SkitCat.h"

TGObjSk::TGObjSk(TJorpOwner* owner) : TGObjSp(owner) {}

TGObjSk::~TGObjSk() {
    SkitCat.reset();
}

void TGObjSk::FreeSetupData() {
    TGObjSp::FreeSetupData();
    if (SkitCat)
        SkitCat->FreeSetupData();
}

void TGObjSk::Resolve() {
    TGObjSp::Resolve();
}

bool TGObjSk::LoadSkitCat(const TFileMode& file) {
    SkitCat.reset();
    if (!file.Name.IsEmpty())
        SkitCat.reset(CreateSkitCat(file));
    return true;
}

i16 TGObjSk::LastSkitListIndex() const {
    return SkitCat ? SkitCat->GetLastIndex() : i16{-1};
}

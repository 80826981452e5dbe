// TGObjSk: the skit operations, standing in until skits exist: there is never a catalogue,
// so each answers as a game object without one.
#include "GObjSk.h"

#include "engine/framework/SkitCat.h"

TSkitCat* TGObjSk::CreateSkitCat(const TFileMode&) {
    return nullptr;
}

bool TGObjSk::AddSkitList(TSkitList*) {
    return false;
}

bool TGObjSk::AddSkitToList(TSkit*, i16) {
    return false;
}

TSkitList* TGObjSk::GetSkitList(i16) {
    return nullptr;
}

TSkitList* TGObjSk::FindSkitList(const std::string&) {
    return nullptr;
}

i16 TGObjSk::IndexOfSkitList(const std::string&) {
    return -1;
}

i16 TGObjSk::IndexOfSkit(i16, const std::string&) {
    return -1;
}

i16 TGObjSk::AddSkitListName(const std::string&) {
    return -1;
}

i16 TGObjSk::AddSkitName(const std::string&, i16) {
    return -1;
}

bool TGObjSk::ChooseSkit(i16, u32&, u32&, i16&) {
    return false;
}

bool TGObjSk::UseSkit(i16, i16, u32) {
    return false;
}

u32 TGObjSk::GetSkitDuration(i16, i16) const {
    return 0;
}

// TSkitPortfolioList: its entries, its cursor's steps and its place in the settings file.
#include "SkitPortfolioList.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/framework/GObjSk.h"

#include <algorithm>
#include <memory>

TSkitPortfolioList::TSkitPortfolioList(TGObjSk* gameObject, const std::string& name, i16 number)
    : TSliq(true, true), Name(name), GameObject(gameObject), Number(number) {
    Cursor = LoadCursor();
}

TSkitPortfolioList::~TSkitPortfolioList() {
    SaveCursor();
    while (!IsEmpty())
        delete static_cast<TSkitPortfolioElement*>(RemoveHead());
}

i16 TSkitPortfolioList::LoadCursor() const {
    const TJorpIniFile* settings = TEngineContext::Settings;
    if (Name.empty() || settings == nullptr)
        return 0;
    // Whatever the file says, the cursor stays where a pass over the level comes back to.
    const int stored = settings->GetIntN(Name, Number, 0);
    return static_cast<i16>(std::clamp(stored, CURSOR_MIN, CURSOR_MAX));
}

void TSkitPortfolioList::SaveCursor() const {
    const TJorpIniFile* settings = TEngineContext::Settings;
    if (!Name.empty() && settings != nullptr)
        settings->WriteIntN(Name, Number, Cursor);
}

bool TSkitPortfolioList::AddElement(const std::string& name, u16 skitIndex) {
    auto element = std::make_unique<TSkitPortfolioElement>(TSkitPortfolioElement{name, skitIndex});
    if (!AddTail(element.get()))
        return false;
    element.release();
    return true;
}

bool TSkitPortfolioList::InsertElement(i16 position, const std::string& name, u16 skitIndex) {
    if (position == GetCount())
        return AddElement(name, skitIndex);
    auto element = std::make_unique<TSkitPortfolioElement>(TSkitPortfolioElement{name, skitIndex});
    if (!InsertAt(position, element.get()))
        return false;
    element.release();
    return true;
}

TSkitPortfolioElement* TSkitPortfolioList::GetElement(i16 i) const {
    if (i < 0 || i >= GetCount())
        return nullptr;
    return static_cast<TSkitPortfolioElement*>(GetAt(i));
}

void TSkitPortfolioList::ResolveIndices(i16 list) {
    if (GameObject == nullptr)
        return;
    for (i16 i = 0; i < GetCount(); ++i)
        if (TSkitPortfolioElement* element = GetElement(i))
            element->SkitIndex = static_cast<u16>(GameObject->IndexOfSkit(list, element->Name));
}

void TSkitPortfolioList::ClearNames() {
    for (i16 i = 0; i < GetCount(); ++i)
        if (TSkitPortfolioElement* element = GetElement(i))
            element->Name.clear();
}

i16 TSkitPortfolioList::AdvanceCursor() {
    // Wide, so that a cursor of 32767 steps past the end instead of wrapping negative.
    const i32 next = static_cast<i32>(Cursor) + 1;
    Cursor = next >= GetCount() ? i16{0} : static_cast<i16>(next);
    return Cursor;
}

// TJorpActiveElement and TJorpActiveList: uses, frame passes and walks that survive removals.
#include "JorpActiveList.h"

#include <algorithm>

TJorpActiveElement::TJorpActiveElement() = default;

TJorpActiveElement::TJorpActiveElement(TJorpBase* object, u8 active)
    : Active(active), Object(object) {}

TJorpActiveElement::TJorpActiveElement(TJorpBase* object, u32 key)
    : Active(1), Object(object), Key(key) {
    if (Object != nullptr)
        Object->Acquire(key);
}

TJorpActiveElement::~TJorpActiveElement() {
    Finish();
}

void TJorpActiveElement::Finish() {
    TJorpBase* object = Object;
    Object = nullptr;
    Active = 0;
    if (object == nullptr)
        return;
    if (!object->HasFlags(JOF_STOP_REQUESTED))
        object->Stop();
    object->Release();
}

void TJorpActiveElement::PostTick(u32 tick) {
    if (Active == 0)
        return;
    if (Object == nullptr || tick < Key) {
        if (Object == nullptr)
            Active = 0;
        return;
    }
    if ((Object->GetFlags() & (JOF_ON | JOF_STOP_REQUESTED)) != JOF_ON) {
        Active = 0;
        return;
    }
    Object->PostTick(tick);
    // The object's pass may have ended this use already.
    if (Object == nullptr || Object->HasFlags(JOF_STOP_REQUESTED))
        Active = 0;
}

// Nodes are not unlinked while a walk holds one: each walk keeps its own place.
class TJorpActiveList::TWalk {
public:
    explicit TWalk(TJorpActiveList& list) : List(list) { ++List.WalkDepth; }
    ~TWalk() {
        if (--List.WalkDepth == 0)
            List.DropRetired();
    }
    TWalk(const TWalk&) = delete;
    TWalk& operator=(const TWalk&) = delete;

private:
    TJorpActiveList& List;
};

TJorpActiveList::TJorpActiveList(TJorpOwner* owner, const std::string& name)
    : TSliq(false, false), Name(name), Owner(owner) {}

TJorpActiveList::~TJorpActiveList() {
    Retired.clear();
    while (auto* element = static_cast<TJorpActiveElement*>(RemoveHead()))
        delete element;
}

TJorpActiveElement* TJorpActiveList::NewElement(TJorpBase* object, u32 key) {
    return new TJorpActiveElement(object, key);
}

TJorpActiveElement* TJorpActiveList::NewEmptyElement() {
    return new TJorpActiveElement();
}

void TJorpActiveList::ForEachElement(const std::function<void(TJorpActiveElement&)>& visit) {
    TWalk walk(*this);
    for (TSliqNode* node = Head; node != nullptr; node = node->Next)
        if (node->Value != nullptr)
            visit(*static_cast<TJorpActiveElement*>(node->Value));
}

void TJorpActiveList::Tick(u32 tick) {
    ForEachElement([tick](TJorpActiveElement& element) {
        if (element.Active == 0 || element.Object == nullptr)
            return;
        if (tick == element.Key)
            element.Object->Play(tick);
        else if (tick > element.Key)
            element.Object->Tick(tick);
    });
}

void TJorpActiveList::PostTick(u32 tick) {
    ForEachElement([tick](TJorpActiveElement& element) { element.PostTick(tick); });
    PurgeInactive();
}

bool TJorpActiveList::AddElement(TJorpBase* object, u32 key) {
    TJorpActiveElement* element = NewElement(object, key);
    if (element == nullptr)
        return false;
    if (AddHead(element))
        return true;
    delete element;
    return false;
}

TJorpActiveElement* TJorpActiveList::FindElement(const TJorpBase* object) {
    if (object == nullptr)
        return nullptr;
    for (TSliqNode* node = Head; node != nullptr; node = node->Next) {
        auto* element = static_cast<TJorpActiveElement*>(node->Value);
        if (element != nullptr && element->Object == object)
            return element;
    }
    return nullptr;
}

bool TJorpActiveList::RemoveElement(TJorpActiveElement* element) {
    if (element == nullptr || !Contains(element))
        return false;
    Discard(element);
    return true;
}

void TJorpActiveList::RemoveObject(TJorpBase* object) {
    RemoveElement(FindElement(object));
}

void TJorpActiveList::RemoveAllOf(TJorpBase* object) {
    // A finished element no longer names its object, so each round finds another one.
    while (TJorpActiveElement* element = FindElement(object))
        if (!RemoveElement(element))
            break;
}

void TJorpActiveList::PurgeInactive() {
    TWalk walk(*this);
    for (TSliqNode* node = Head; node != nullptr; node = node->Next) {
        auto* element = static_cast<TJorpActiveElement*>(node->Value);
        if (element != nullptr && element->Active == 0)
            Discard(element);
    }
}

void TJorpActiveList::Discard(TJorpActiveElement* element) {
    // Stopping and releasing the object may reach back into this list; the element stays
    // linked until that is over.
    TWalk walk(*this);
    element->Finish();
    if (std::find(Retired.begin(), Retired.end(), element) == Retired.end())
        Retired.push_back(element);
}

void TJorpActiveList::DropRetired() {
    std::vector<TJorpActiveElement*> retired;
    retired.swap(Retired);
    for (TJorpActiveElement* element : retired)
        if (Remove(element))
            delete element;
}

bool TJorpActiveList::IsActive(const TJorpBase* object) {
    if (object == nullptr)
        return false;
    for (TSliqNode* node = Head; node != nullptr; node = node->Next) {
        auto* element = static_cast<TJorpActiveElement*>(node->Value);
        if (element != nullptr && element->Object == object && element->Active != 0)
            return true;
    }
    return false;
}

bool TJorpActiveList::AnyRunning() {
    for (TSliqNode* node = Head; node != nullptr; node = node->Next) {
        auto* element = static_cast<TJorpActiveElement*>(node->Value);
        if (element != nullptr && element->Object != nullptr &&
            (element->Object->GetFlags() & (JOF_ON | JOF_STOP_REQUESTED)) == JOF_ON)
            return true;
    }
    return false;
}

namespace {

i32 CompareKeys(const void* a, const void* b) {
    const u32 ka = static_cast<const TJorpActiveElement*>(a)->Key;
    const u32 kb = static_cast<const TJorpActiveElement*>(b)->Key;
    return ka < kb ? -1 : (ka > kb ? 1 : 0);
}

} // namespace

void TJorpActiveList::SortByKey() {
    const TSliqCompare own = Compare;
    SetCompare(&CompareKeys);
    Sort();
    SetCompare(own);
}

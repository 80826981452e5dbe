// TSkitPortfolio: its levels, the first level a digit falls to, and resolving entries.
#include "SkitPortfolio.h"

#include "engine/framework/SkitPortfolioList.h"

#include <algorithm>

TSkitPortfolio::TSkitPortfolio(TGObjSk* gameObject, const std::string& name)
    : TJorpBase(nullptr), GameObject(gameObject), Name(name) {
    for (i16 l = 0; l < LEVELS; ++l)
        Levels[static_cast<size_t>(l)] = std::make_unique<TSkitPortfolioList>(gameObject, name, l);
}

TSkitPortfolio::~TSkitPortfolio() = default;

std::unique_ptr<TSkitPortfolio> TSkitPortfolio::CreateEmbedded(TGObjSk* gameObject,
                                                               const std::string& name,
                                                               TEmbeddedAddress address,
                                                               bool load) {
    return CreateLoadedAt<TSkitPortfolio>(address, load, gameObject, name);
}

TSkitPortfolioList* TSkitPortfolio::GetLevel(i16 level) const {
    if (level < 0 || level >= LEVELS)
        return nullptr;
    return Levels[static_cast<size_t>(level)].get();
}

void TSkitPortfolio::Resolve() {}

void TSkitPortfolio::ResolveIndices(i16 list) {
    for (const auto& level : Levels)
        level->ResolveIndices(list);
}

bool TSkitPortfolio::AddElement(i16 level, const std::string& name, u16 skitIndex) {
    TSkitPortfolioList* entries = GetLevel(level);
    return entries != nullptr && entries->AddElement(name, skitIndex);
}

std::string TSkitPortfolio::GetElementName(i16 level, i16 i) const {
    const TSkitPortfolioList* entries = GetLevel(level);
    const TSkitPortfolioElement* element = entries != nullptr ? entries->GetElement(i) : nullptr;
    return element != nullptr ? element->Name : std::string();
}

i16 TSkitPortfolio::FirstLevelFrom(i32 d) const {
    for (i16 level = static_cast<i16>(std::clamp(d, 0, LEVELS - 1)); level < LEVELS; ++level)
        if (GetLevel(level)->GetCount() > 0)
            return level;
    return LEVELS - 1;
}

void TSkitPortfolio::ClearNames() {
    for (const auto& level : Levels)
        level->ClearNames();
}

void TSkitPortfolio::SetMajorVersion() {
    HeaderMajor = 2;
}

void TSkitPortfolio::SetMinorVersion() {
    HeaderMinor = 4;
}

const char* TSkitPortfolio::GetHeaderId() const {
    return "PORT";
}

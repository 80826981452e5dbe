// TJorpList: the progress gauge a list reports its loading to.
#include "JorpList.h"

#include "engine/foundation/JorpOwner.h"

#include <algorithm>

namespace {

TJorpGaugeFactory GaugeFactory = nullptr;

} // namespace

void TJorpList::SetGaugeFactory(TJorpGaugeFactory factory) {
    GaugeFactory = factory;
}

TJorpProgress* TJorpList::StartGauge(const std::string& caption) {
    if (Owner != nullptr)
        if (TJorpProgress* progress = Owner->GetProgress())
            return progress;
    return CreateGauge(caption);
}

TJorpProgress* TJorpList::CreateGauge(const std::string& caption) {
    TJorpProgress* gauge = GaugeFactory != nullptr ? GaugeFactory(*this, Owner, caption) : nullptr;
    // Loaders report without checking, so there is always a reporter, if a silent one.
    if (gauge == nullptr)
        gauge = new TJorpProgress();
    OwnGauges.emplace_back(gauge);
    return gauge;
}

void TJorpList::EndGauge(TJorpProgress* gauge) {
    // The owner's reporter, or another list's gauge, is not ours to delete.
    const auto own = std::find_if(OwnGauges.begin(), OwnGauges.end(),
                                  [gauge](const auto& g) { return g.get() == gauge; });
    if (own != OwnGauges.end())
        OwnGauges.erase(own);
}

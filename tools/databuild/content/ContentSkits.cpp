// The skit catalogues: the table lord's lists with the dealer's skits, each skit's beats laid out
// on its timeline as sprites of the lord's list, and an empty catalogue for every other game
// object that names one.
#include "tools/databuild/content/Content.h"
#include "tools/databuild/content/SkitContent.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/model/SkitLists.h"
#include "tools/databuild/model/TableObjects.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr u32 STR_LORD = 13002;

// The skit's number in its list, as many digits as the list's largest needs (at least two).
std::string Number(size_t n, size_t count) {
    size_t width = 2;
    for (size_t top = 100; top < count; top *= 10)
        ++width;
    std::string digits = std::to_string(n);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

// The dealer's beats one after another (one dealer at a time: his sprites share a set), the
// dice's alongside; a dice beat lasts as long as the dealer talks over it, so the dice rest
// until the skit ends.
TSkitModel MakeSkit(TDataSet& set, const TSkitPlan& plan, const std::string& name,
                    const std::string& lord) {
    TSkitModel skit{name, plan.Level, {}, plan.Criteria};
    u32 dealerTicks = 0;
    for (const TBeat& beat : plan.Beats)
        if (!OnDiceTrack(beat.Gesture))
            dealerTicks += BeatSprite(set, beat).Ticks;
    u32 rows[2] = {0, 0};
    std::map<u16, u8> places;
    for (const TBeat& beat : plan.Beats) {
        const bool dice = OnDiceTrack(beat.Gesture);
        const TBeatSprite sprite = BeatSprite(set, beat, dice ? dealerTicks : 0);
        u32& row = rows[dice ? 1 : 0];
        const u16 at = static_cast<u16>(row);
        skit.Cells.push_back({at, places[at]++, lord, sprite.Name, sprite.Ticks});
        row += sprite.Ticks;
    }
    return skit;
}

TSkitListModel DealerList(TDataSet& set, const TSkitListEntry& entry, const std::string& lord,
                          const std::vector<const TSkitPlan*>& plans) {
    const std::string stem = "f100" + entry.Suffix;
    TSkitListModel list{TableFile(stem + ".skl"), {}};
    for (size_t i = 0; i < plans.size(); ++i)
        list.Skits.push_back(MakeSkit(
            set, *plans[i], TableFile(entry.Suffix + "_" + Number(i, plans.size()) + ".sk"), lord));
    return list;
}

} // namespace

std::vector<TSkitPlan> SkitPlans() {
    std::vector<TSkitPlan> skits;
    AddCallSkits(skits);
    AddRoundSkits(skits);
    AddShooterSkits(skits);
    return skits;
}

void AddSkitCatalogues(TDataSet& set) {
    const std::string lord = ProgramString(STR_LORD);
    const std::vector<TSkitPlan> plans = SkitPlans();
    std::map<std::string, std::vector<const TSkitPlan*>> byList;
    for (const TSkitPlan& plan : plans)
        byList[plan.List].push_back(&plan);
    std::set<std::string> played;
    for (const TSkitListEntry* entry : PlayedSkitFiles())
        played.insert(entry->Suffix);
    for (const auto& [suffix, skits] : byList)
        if (played.count(suffix) == 0)
            throw TBuildError("skit list " + suffix, "has skits but the program never plays it");

    for (const TGameObjectListModel& objects : set.GameObjectLists)
        for (const TGameObjectModel& object : objects.Objects) {
            if (object.SkitCat.empty())
                continue;
            TSkitCatModel catalogue{object.SkitCat, objects.Name, object.SpriteList, {}};
            if (object.Name == lord) {
                // One file may serve two labels: each file once. An unplayed list stays empty.
                std::set<std::string> written;
                for (const TSkitListEntry& entry : SkitLists())
                    if (written.insert(entry.Suffix).second)
                        catalogue.Lists.push_back(
                            DealerList(set, entry, lord, byList[entry.Suffix]));
            }
            set.SkitCats.push_back(std::move(catalogue));
        }
}

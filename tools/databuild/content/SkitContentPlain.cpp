// A list's last resort, its particular skits and the plain skits that answer every state the
// particular ones leave open, level by level.
#include "tools/databuild/content/SkitContent.h"

#include <algorithm>
#include <set>

namespace {

// The level the plain skits hold when nothing particular is drawn, besides level 9.
constexpr i16 PlainLevel = 8;

bool NamesSpeed(const TCriteria& criteria) {
    return std::any_of(criteria.begin(), criteria.end(), [](const std::pair<u8, i8>& c) {
        return c.first == cond::Speed1 || c.first == cond::Speed2 || c.first == cond::Speed3;
    });
}

} // namespace

TPlainBeats Plain(const std::vector<TBeat>& beats, const std::vector<TBeat>& brisk) {
    return {beats, beats, brisk, brisk};
}

void AddList(std::vector<TSkitPlan>& skits, const std::string& list,
             const std::vector<TBeat>& lastResort, std::vector<TSkitPlan> particular,
             const std::vector<TKeyedPlain>& plain) {
    using namespace cond;
    // Particular skits belong to the game's richer speeds; the fastest plays the plain ones.
    std::set<i16> levels = {PlainLevel, 9};
    for (TSkitPlan& skit : particular) {
        skit.List = list;
        if (!NamesSpeed(skit.Criteria))
            skit.Criteria.push_back(Yes(Speed1));
        levels.insert(skit.Level);
    }
    for (i16 level : levels) {
        std::vector<TCriteria> answered;
        for (const TSkitPlan& skit : particular)
            if (skit.Level == level)
                answered.push_back(skit.Criteria);
        for (const TKeyedPlain& keyed : plain)
            for (const bool talking : {true, false})
                for (const bool fastest : {false, true}) {
                    TCriteria context = keyed.Key;
                    context.push_back({Talk0, static_cast<i8>(talking ? -1 : 1)});
                    context.push_back({Speed1, static_cast<i8>(fastest ? -1 : 1)});
                    const TPlainBeats& b = keyed.Beats;
                    const std::vector<TBeat>& beats = fastest ? (talking ? b.Brisk : b.BriskSilent)
                                                              : (talking ? b.Spoken : b.Silent);
                    for (TCriteria& state : Unanswered(answered, context))
                        skits.push_back({list, level, std::move(state), beats});
                }
    }
    for (TSkitPlan& skit : particular)
        skits.push_back(std::move(skit));
    skits.push_back({list, 9, {}, lastResort});
}

// The states a level's skits leave unanswered, split condition by condition.
#include "tools/databuild/model/SkitCoverage.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

// Conditions of which at most one holds at a time.
struct TGroup {
    u8 First, Last;
};
constexpr std::array<TGroup, 6> Groups = {{
    {13, 18},   // the point
    {19, 29},   // the total of the last roll
    {32, 42},   // the total of the roll being resolved
    {76, 78},   // the landing place
    {80, 84},   // the stall count
    {130, 133}, // the talk setting
}};

// Where the first holds, the second does: the richest speed is rich and fast; one loser, two
// or seven are some, seven are two; one winning bet is some.
constexpr std::array<std::pair<u8, u8>, 7> Implications = {{
    {138, 136},
    {136, 137},
    {107, 108},
    {109, 108},
    {110, 109},
    {101, 102},
    {110, 108},
}};

const TGroup* GroupOf(u8 condition) {
    for (const TGroup& g : Groups)
        if (condition >= g.First && condition <= g.Last)
            return &g;
    return nullptr;
}

bool Names(const TCriteria& criteria, bool (*test)(u8)) {
    return std::any_of(criteria.begin(), criteria.end(),
                       [test](const std::pair<u8, i8>& c) { return test(c.first); });
}

void Split(const std::vector<TCriteria>& skits, const TCriteria& context,
           std::vector<TCriteria>& out) {
    // Each skit's criteria with what the context settles taken out; a skit it rules out drops.
    std::vector<TCriteria> open;
    for (const TCriteria& skit : skits) {
        TCriteria left;
        bool ruledOut = false;
        for (const auto& [condition, answer] : skit) {
            const i8 known = Implied(context, condition);
            if (known == 0)
                left.push_back({condition, answer});
            else if (known != answer)
                ruledOut = true;
        }
        if (ruledOut)
            continue;
        if (left.empty())
            return;
        open.push_back(std::move(left));
    }
    if (open.empty()) {
        out.push_back(context);
        return;
    }
    const u8 condition = open.front().front().first;
    for (i8 answer : {i8{1}, i8{-1}}) {
        TCriteria narrower = context;
        narrower.push_back({condition, answer});
        Split(open, narrower, out);
    }
}

} // namespace

bool IsChanceCondition(u8 condition) {
    return condition >= 88 && condition <= 94;
}

i8 Implied(const TCriteria& context, u8 condition) {
    std::map<u8, i8> known;
    for (const auto& [c, answer] : context)
        known[c] = answer;
    for (bool changed = true; changed;) {
        changed = false;
        const auto learn = [&](u8 c, i8 answer) {
            if (known[c] == 0) {
                known[c] = answer;
                changed = true;
            }
        };
        for (const auto& [from, to] : Implications) {
            if (known[from] == 1)
                learn(to, 1);
            if (known[to] == -1)
                learn(from, -1);
        }
        for (const auto& [c, answer] : std::map<u8, i8>(known))
            if (answer == 1)
                if (const TGroup* g = GroupOf(c))
                    for (u8 other = g->First; other <= g->Last; ++other)
                        if (other != c)
                            learn(other, -1);
    }
    return known[condition];
}

std::vector<TCriteria> Unanswered(const std::vector<TCriteria>& skits, const TCriteria& context) {
    std::vector<TCriteria> sure;
    for (const TCriteria& skit : skits)
        if (!Names(skit, IsChanceCondition))
            sure.push_back(skit);
    std::vector<TCriteria> out;
    Split(sure, context, out);
    return out;
}

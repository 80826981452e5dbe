// The dealer's skit lists: binding order, files and minimum lengths.
#include "tools/databuild/model/SkitLists.h"

#include <set>

namespace {

// The string resource of result k (1-28).
u32 ResultString(int k) {
    if (k <= 15)
        return static_cast<u32>(13121 + k);
    if (k == 16)
        return 13147;
    if (k <= 22)
        return static_cast<u32>(13121 + k);
    return static_cast<u32>(13138 + k);
}

std::vector<TSkitListEntry> MakeLists() {
    const std::string digits = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::vector<TSkitListEntry> lists = {
        {"placemark", "kcpm", 13120, true, 11},
        {"getmark", "kcgm", 13121, true, 6},
    };
    for (int k = 1; k <= 28; ++k)
        lists.push_back({"result", std::string("kcr") + digits[static_cast<size_t>(k)],
                         ResultString(k), true, 0});
    const std::vector<TSkitListEntry> rest = {
        {"greetplayers", "kccg", 13098, true, 0}, {"PlaceBets", "kccp", 13099, true, 0},
        {"PreSpinCom", "kcrc", 13100, false, 0},  {"AdvBets", "kcca", 13107, true, 0},
        {"ShakeA", "kcsa", 13108, true, 0},       {"ShakeB", "kcsb", 13109, true, 0},
        {"ShakeC", "kcsc", 13110, true, 0},       {"ThrowA", "kcta", 13111, true, 0},
        {"ThrowB", "kctb", 13112, true, 0},       {"ThrowC", "kctc", 13113, true, 0},
        {"DiceLandA", "kcd1", 13114, true, 0},    {"DiceLandB", "kcd2", 13115, true, 0},
        {"DiceLandC", "kcd3", 13116, true, 0},    {"StallA", "kcla", 13117, true, 0},
        {"StallB", "kclb", 13118, true, 0},       {"StallC", "kclc", 13119, true, 0},
        {"Winner", "kcyy", 13101, true, 0},       {"PayOffCom", "kcya", 13105, true, 0},
        {"PointCom4", "kcp4", 13151, true, 0},    {"PointCom5", "kcp5", 13152, true, 0},
        {"PointCom6", "kcp6", 13153, true, 0},    {"PointCom8", "kcp8", 13154, true, 0},
        {"PointCom9", "kcp9", 13155, true, 0},    {"PointComA", "kcpa", 13157, true, 0},
        {"ComeCom", "kccc", 13150, true, 0},      {"NoComeComA", "kcba", 13156, true, 0},
        {"NoComeComB", "kcbb", 13148, true, 0},   {"NoComeComC", "kcbc", 13149, true, 0},
        {"ESHAKEA", "kcea", 13144, false, 0},     {"ESHAKEB", "kceb", 13145, false, 0},
        {"ESHAKEC", "kcec", 13146, false, 0},     {"GiveDiceA", "kcga", 13158, true, 0},
        {"GiveDiceB", "kcgb", 13159, true, 0},    {"GiveDiceC", "kcgc", 13160, true, 0},
        {"Loser", "kccl", 13102, true, 5},
    };
    lists.insert(lists.end(), rest.begin(), rest.end());
    return lists;
}

} // namespace

const std::vector<TSkitListEntry>& SkitLists() {
    static const std::vector<TSkitListEntry> lists = MakeLists();
    return lists;
}

std::vector<const TSkitListEntry*> PlayedSkitFiles() {
    std::vector<const TSkitListEntry*> played;
    std::set<std::string> seen;
    for (const TSkitListEntry& e : SkitLists())
        if (e.Played && seen.insert(e.Suffix).second)
            played.push_back(&e);
    return played;
}

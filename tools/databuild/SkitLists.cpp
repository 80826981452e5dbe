// The dealer's skit lists: binding order, files, and the stand-in lines and lengths.
#include "tools/databuild/SkitLists.h"

#include <set>

namespace {

// The length of a stand-in skit; the puck is set at tick 7-10 of PlaceMark, lifted at tick 3
// and laid off two ticks before the end of GetMark, and the losers go at tick 4 of Loser.
constexpr u32 Plain = 6;

const char* const ResultLines[28] = {
    "Two, craps! Line away.",
    "Two, aces.",
    "Three, craps! Line away.",
    "Three, ace-deuce.",
    "Four is the point.",
    "Four! Winner!",
    "Four.",
    "Five is the point.",
    "Five! Winner!",
    "Five, no field five.",
    "Six is the point.",
    "Six! Winner!",
    "Six.",
    "Seven! Winner on the pass line!",
    "Seven out! Line away.",
    "Eight is the point.",
    "Eight! Winner!",
    "Eight.",
    "Nine is the point.",
    "Nine! Winner!",
    "Nine.",
    "Ten is the point.",
    "Ten! Winner!",
    "Ten.",
    "Yo-leven! Winner!",
    "Eleven, yo!",
    "Twelve, craps!",
    "Twelve, boxcars.",
};

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
        {"placemark", "kcpm", 13120, true, "Mark it! The point is on.", 11},
        {"getmark", "kcgm", 13121, true, "Take the puck off.", Plain},
    };
    for (int k = 1; k <= 28; ++k)
        lists.push_back({"result", std::string("kcr") + digits[static_cast<size_t>(k)],
                         ResultString(k), true, ResultLines[k - 1], Plain});
    const std::vector<TSkitListEntry> rest = {
        {"greetplayers", "kccg", 13098, true, "Welcome to the table!", Plain},
        {"PlaceBets", "kccp", 13099, true, "Place your bets.", Plain},
        {"PreSpinCom", "kcrc", 13100, false, "", 0},
        {"AdvBets", "kcca", 13107, true, "Take your odds!", Plain},
        {"ShakeA", "kcsa", 13108, true, "Shake them up, shooter.", Plain},
        {"ShakeB", "kcsb", 13109, true, "Shake them up, shooter.", Plain},
        {"ShakeC", "kcsc", 13110, true, "Shake them up, shooter.", Plain},
        {"ThrowA", "kcta", 13111, true, "Dice are rolling!", Plain},
        {"ThrowB", "kctb", 13112, true, "Dice are rolling!", Plain},
        {"ThrowC", "kctc", 13113, true, "Dice are rolling!", Plain},
        {"DiceLandA", "kcd1", 13114, true, "The dice land.", Plain},
        {"DiceLandB", "kcd2", 13115, true, "The dice land.", Plain},
        {"DiceLandC", "kcd3", 13116, true, "The dice land - off the wall!", Plain},
        {"StallA", "kcla", 13117, true, "Shooter, whenever you're ready.", Plain},
        {"StallB", "kclb", 13118, true, "Shooter, whenever you're ready.", Plain},
        {"StallC", "kclc", 13119, true, "Shooter, whenever you're ready.", Plain},
        {"Winner", "kcyy", 13101, true, "Winners! Pay the line.", Plain},
        {"PayOffCom", "kcya", 13105, true, "There you go.", Plain},
        {"PointCom4", "kcp4", 13151, true, "The point is four, shooter!", Plain},
        {"PointCom5", "kcp5", 13152, true, "The point is five, shooter!", Plain},
        {"PointCom6", "kcp6", 13153, true, "The point is six, shooter!", Plain},
        {"PointCom8", "kcp8", 13154, true, "The point is eight, shooter!", Plain},
        {"PointCom9", "kcp9", 13155, true, "The point is nine, shooter!", Plain},
        {"PointComA", "kcpa", 13157, true, "The point is ten, shooter!", Plain},
        {"ComeCom", "kccc", 13150, true, "Coming out!", Plain},
        {"NoComeComA", "kcba", 13156, true, "You need a bet down to roll.", Plain},
        {"NoComeComB", "kcbb", 13148, true, "You need a bet down to roll.", Plain},
        {"NoComeComC", "kcbc", 13149, true, "You need a bet down to roll.", Plain},
        {"ESHAKEA", "kcea", 13144, false, "", 0},
        {"ESHAKEB", "kceb", 13145, false, "", 0},
        {"ESHAKEC", "kcec", 13146, false, "", 0},
        {"GiveDiceA", "kcga", 13158, true, "Here are the dice, shooter.", Plain},
        {"GiveDiceB", "kcgb", 13159, true, "Here are the dice, shooter.", Plain},
        {"GiveDiceC", "kcgc", 13160, true, "Here are the dice, shooter.", Plain},
        {"Loser", "kccl", 13102, true, "Take the losers.", 5},
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

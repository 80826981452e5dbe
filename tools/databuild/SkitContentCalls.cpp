// The calls: each result of the dice, the point before the roll, and the come-out.
#include "tools/databuild/DealerLines.h"
#include "tools/databuild/SkitContent.h"

namespace {

std::string ResultList(int result) {
    const char* digits = "0123456789abcdefghijklmnopqrstuvwxyz";
    return std::string("kcr") + digits[result];
}

const char* PointList(int box) {
    static const char* const Lists[6] = {"kcp4", "kcp5", "kcp6", "kcp8", "kcp9", "kcpa"};
    return Lists[box];
}

void AddResult(std::vector<TSkitPlan>& skits, int result) {
    using namespace cond;
    const std::string list = ResultList(result);
    const TResult r = ResultOf(result);
    // The plain call always; a second wording half the time; quiet for a silent dealer.
    skits.push_back({list, 9, {}, {Say(ResultCall(result))}});
    skits.push_back({list, 7, Spoken({Yes(Chance50)}), {Say(ResultCallAgain(result))}});
    skits.push_back({list, 7, Silent(), {Say("")}});
    const std::string hard = HardCall(result);
    if (!hard.empty()) {
        skits.push_back({list, 4, Spoken({Yes(RollHard)}), {Say(hard)}});
        skits.push_back({list, 4, Silent(), {Say("")}});
    }
    if (r.Total == 7 && r.Kind == TRollKind::PointOn) {
        // A long hand ends with thanks for the shooter; a short one with the next shooter.
        const std::vector<std::string>& out = Chatter(TChatter::SevenOut);
        skits.push_back({list, 2, Chatty({Yes(LongHand), Yes(Speed2)}), {Say(out[0])}});
        skits.push_back({list, 2, Chatty({No(LongHand), Yes(Speed3)}), {Say(out[1])}});
        skits.push_back({list, 2, Silent(), {Say("")}});
    }
    if (r.Kind == TRollKind::ComeOut && (r.Total == 2 || r.Total == 3 || r.Total == 12)) {
        skits.push_back(
            {list, 3, Chatty({Yes(AnyDontPass)}), {Say(ResultCall(result) + " Pay the don'ts.")}});
        skits.push_back({list, 3, Silent(), {Say("")}});
    }
    if (r.Kind == TRollKind::ComeOut && (r.Total == 7 || r.Total == 11)) {
        skits.push_back(
            {list, 3, Chatty({Yes(AnyPass)}), {Say(ResultCall(result) + " Pay the line.")}});
        skits.push_back({list, 3, Silent(), {Say("")}});
    }
    if (r.Kind == TRollKind::PointOn &&
        (r.Total == 2 || r.Total == 3 || r.Total == 12 || r.Total == 11)) {
        skits.push_back(
            {list, 3, Chatty({Yes(AnyField)}), {Say(ResultCall(result) + " Field wins!")}});
        skits.push_back({list, 3, Silent(), {Say("")}});
    }
}

} // namespace

void AddCallSkits(std::vector<TSkitPlan>& skits) {
    using namespace cond;
    for (int result = 1; result <= 28; ++result)
        AddResult(skits, result);
    for (int box = 0; box < 6; ++box) {
        const std::string list = PointList(box);
        skits.push_back({list, 9, {}, {Say(PointCall(box))}});
        skits.push_back({list, 6, Spoken(), {Say(PointCallAgain(box))}});
        skits.push_back({list, 6, Silent(), {Say("")}});
        skits.push_back({list, 2, Chatty({Yes(AnyPass), Yes(Speed2)}), {Say(PointChatter(box))}});
        skits.push_back({list, 2, Silent(), {Say("")}});
    }
    const std::vector<std::string>& come = Chatter(TChatter::ComeOut);
    const std::vector<std::string>& fresh = Chatter(TChatter::NewShooterComeOut);
    skits.push_back({"kccc", 9, {}, {Say(come[0])}});
    skits.push_back({"kccc", 7, Spoken({No(NewShooter)}), {Say(come[1])}});
    skits.push_back({"kccc", 7, Spoken({Yes(NewShooter)}), {Say(fresh[0])}});
    skits.push_back({"kccc", 7, Silent(), {Say("")}});
    skits.push_back({"kccc", 3, Chatty({Yes(NewShooter), Yes(Speed2)}), {Say(fresh[1])}});
    skits.push_back({"kccc", 3, Chatty({No(NewShooter), Yes(Speed3)}), {Say(come[2])}});
    skits.push_back({"kccc", 3, Silent(), {Say("")}});
}

// The calls: each result of the dice, the point before the roll, and the come-out.
#include "tools/databuild/content/DealerLines.h"
#include "tools/databuild/content/SkitContent.h"

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
    const TResult r = ResultOf(result);
    // A second wording half the time; the dice's pair, the line's and the field's news.
    std::vector<TSkitPlan> particular = {
        {"", 7, Spoken({Yes(Chance50)}), {Say(ResultCallAgain(result))}}};
    const std::string hard = HardCall(result);
    if (!hard.empty())
        particular.push_back({"", 4, Spoken({Yes(RollHard)}), {Say(hard)}});
    if (r.Total == 7 && r.Kind == TRollKind::PointOn) {
        // A long hand ends with thanks for the shooter; a short one with the next shooter.
        const std::vector<std::string>& out = Chatter(TChatter::SevenOut);
        particular.push_back({"", 2, Chatty({Yes(LongHand), Yes(Speed2)}), {Say(out[0])}});
        particular.push_back({"", 2, Chatty({No(LongHand), Yes(Speed3)}), {Say(out[1])}});
    }
    if (r.Kind == TRollKind::ComeOut && (r.Total == 2 || r.Total == 3 || r.Total == 12))
        particular.push_back(
            {"", 3, Chatty({Yes(AnyDontPass)}), {Say(ResultCall(result) + " Pay the don'ts.")}});
    if (r.Kind == TRollKind::ComeOut && (r.Total == 7 || r.Total == 11))
        particular.push_back(
            {"", 3, Chatty({Yes(AnyPass)}), {Say(ResultCall(result) + " Pay the line.")}});
    if (r.Kind == TRollKind::PointOn &&
        (r.Total == 2 || r.Total == 3 || r.Total == 12 || r.Total == 11))
        particular.push_back(
            {"", 3, Chatty({Yes(AnyField)}), {Say(ResultCall(result) + " Field wins!")}});
    // The plain call; at the fastest speed the fewest words that say it.
    const TPlainBeats call = {{Say(ResultCall(result))},
                              {Hush(6)},
                              {Briskly(Say(TerseCall(result), 1))},
                              {Briskly(Hush(1))}};
    AddList(skits, ResultList(result), {Briskly(Hush(1))}, particular, {{{}, call}});
}

} // namespace

void AddCallSkits(std::vector<TSkitPlan>& skits) {
    using namespace cond;
    for (int result = 1; result <= 28; ++result)
        AddResult(skits, result);
    // The point before each roll; at the fastest speed the puck says it.
    for (int box = 0; box < 6; ++box) {
        const TPlainBeats call = {
            {Say(PointCall(box))}, {Hush(6)}, {Briskly(Hush(1))}, {Briskly(Hush(1))}};
        AddList(skits, PointList(box), {Briskly(Hush(1))},
                {{"", 6, Spoken(), {Say(PointCallAgain(box))}},
                 {"", 2, Chatty({Yes(AnyPass), Yes(Speed2)}), {Say(PointChatter(box))}}},
                {{{}, call}});
    }
    const std::vector<std::string>& come = Chatter(TChatter::ComeOut);
    const std::vector<std::string>& fresh = Chatter(TChatter::NewShooterComeOut);
    const TPlainBeats comingOut = {
        {Say(come[0])}, {Hush(6)}, {Briskly(Hush(1))}, {Briskly(Hush(1))}};
    AddList(skits, "kccc", {Briskly(Hush(1))},
            {{"", 7, Spoken({No(NewShooter)}), {Say(come[1])}},
             {"", 7, Spoken({Yes(NewShooter)}), {Say(fresh[0])}},
             {"", 3, Chatty({Yes(NewShooter), Yes(Speed2)}), {Say(fresh[1])}},
             {"", 3, Chatty({No(NewShooter), Yes(Speed3)}), {Say(come[2])}}},
            {{{}, comingOut}});
}

// The round's own lists: greeting, bets, advice, the puck set and lifted, losers swept, winners
// called and paid.
#include "tools/databuild/DealerLines.h"
#include "tools/databuild/SkitContent.h"

namespace {

// A mark that waits for the latest puck tick (point 10) when it does not know the point.
constexpr i32 MarkAnyPoint = 11;
// The losers leave the layout at tick 4 of the skit.
constexpr i32 LoserTicks = 5;

void AddPuck(std::vector<TSkitPlan>& skits) {
    using namespace cond;
    skits.push_back({"kcpm", 9, {}, {Say("Mark it!", MarkAnyPoint)}});
    skits.push_back({"kcgm", 9, {}, {{TGesture::LiftPuck, -1, ""}}});
    for (int box = 0; box < 6; ++box) {
        const u8 roll = Roll(BoxPoint(box));
        skits.push_back(
            {"kcpm", 8, Spoken({Yes(roll)}), {{TGesture::MarkPuck, box, MarkLine(box)}}});
        skits.push_back({"kcpm", 8, Silent({Yes(roll)}), {{TGesture::MarkPuck, box, ""}}});
        skits.push_back({"kcpm",
                         3,
                         Chatty({Yes(roll), Yes(AnyPass), Yes(Speed2)}),
                         {{TGesture::MarkPuck, box, PointChatter(box)}}});
        skits.push_back({"kcpm", 3, Silent({Yes(roll)}), {{TGesture::MarkPuck, box, ""}}});
        // The puck comes off after the point is made (a winner) or a seven (thanks).
        skits.push_back({"kcgm", 8, {Yes(Point(box))}, {{TGesture::LiftPuck, box, ""}}});
        skits.push_back({"kcgm",
                         4,
                         Chatty({Yes(Point(box)), Yes(roll)}),
                         {{TGesture::LiftPuck, box, "Winner! Pay the line."}}});
        skits.push_back({"kcgm",
                         4,
                         Chatty({Yes(Point(box)), Yes(Roll(7)), Yes(LongHand)}),
                         {{TGesture::LiftPuck, box, "Great hand, shooter!"}}});
    }
}

void AddGreeting(std::vector<TSkitPlan>& skits) {
    using namespace cond;
    const std::vector<std::string>& hello = Chatter(TChatter::Greeting);
    skits.push_back({"kccg", 9, {}, {Say(hello[0])}});
    skits.push_back({"kccg", 8, Spoken(), {Say(hello[1])}});
    skits.push_back({"kccg", 8, Silent(), {Say("")}});
    skits.push_back({"kccg", 0, Spoken({Yes(Holidays)}), {Say(hello[2])}});
    skits.push_back({"kccg", 0, Silent(), {Say("")}});
    skits.push_back({"kccg", 3, Chatty({Yes(NoMan)}), {Say(hello[3])}});
    skits.push_back({"kccg", 3, Chatty({Yes(NoWoman), No(OneSeat)}), {Say(hello[4])}});
    skits.push_back({"kccg", 3, Silent(), {Say("")}});
    skits.push_back({"kccg", 5, Chatty({Yes(OneSeat)}), {Say(hello[5])}});
    skits.push_back({"kccg", 5, Chatty({Yes(TwoSeats)}), {Say(hello[6])}});
    skits.push_back({"kccg", 5, Chatty({Yes(ThreeSeats)}), {Say(hello[7])}});
    skits.push_back({"kccg", 5, Silent(), {Say("")}});
}

void AddBetting(std::vector<TSkitPlan>& skits) {
    using namespace cond;
    const std::vector<std::string>& bets = Chatter(TChatter::PlaceBets);
    skits.push_back({"kccp", 9, {}, {Say("", 3)}});
    skits.push_back({"kccp", 8, Chatty({Yes(ComeOut), No(NewShooter)}), {Say(bets[0])}});
    skits.push_back({"kccp", 8, Chatty({Yes(NewShooter)}), {Say(bets[2])}});
    skits.push_back({"kccp", 8, Chatty({No(ComeOut), Yes(Speed2)}), {Say(bets[3])}});
    skits.push_back({"kccp", 4, Chatty({Yes(Speed3), Yes(Chance50)}), {Say(bets[1])}});
    skits.push_back({"kccp", 4, Chatty({Yes(Speed3), Yes(Busy)}), {Say(bets[4])}});

    // Advice only with the time for it: a full game speed and a chatty dealer.
    const std::vector<std::string>& tips = Chatter(TChatter::Advice);
    skits.push_back({"kcca", 9, {}, {Say("", 2)}});
    skits.push_back({"kcca",
                     6,
                     Chatty({No(ComeOut), Yes(AnyPass), Yes(Speed2), Yes(Chance20)}),
                     {Say(tips[0])}});
    skits.push_back({"kcca",
                     6,
                     Chatty({No(ComeOut), Yes(AnyHardway), Yes(Speed3), Yes(Chance20)}),
                     {Say(tips[1])}});
    skits.push_back(
        {"kcca", 6, Chatty({No(AnyField), Yes(Speed3), Yes(Chance20)}), {Say(tips[2])}});
    skits.push_back({"kcca", 2, Chatty({No(ComeOut), Yes(Speed3), Yes(Chance20)}), {Say(tips[3])}});
    skits.push_back(
        {"kcca", 2, Chatty({Yes(ComeOut), Yes(Speed3), Yes(Chance20)}), {Say(tips[4])}});
}

void AddSettling(std::vector<TSkitPlan>& skits) {
    using namespace cond;
    const std::vector<std::string>& losers = Chatter(TChatter::Losers);
    skits.push_back({"kccl", 9, {}, {{TGesture::Sweep, 0, ""}}});
    skits.push_back({"kccl", 8, {No(AnyLoser)}, {Say("", LoserTicks)}});
    skits.push_back({"kccl", 6, Spoken({Yes(OneLoser)}), {{TGesture::Sweep, 0, losers[1]}}});
    skits.push_back({"kccl",
                     6,
                     Spoken({Yes(AnyLoser), No(OneLoser), No(Losers7)}),
                     {{TGesture::Sweep, 0, losers[0]}}});
    skits.push_back({"kccl", 6, Spoken({Yes(Losers7)}), {{TGesture::Sweep, 0, losers[2]}}});
    skits.push_back({"kccl", 6, Silent({Yes(AnyLoser)}), {{TGesture::Sweep, 0, ""}}});
    skits.push_back({"kccl", 6, Silent({No(AnyLoser)}), {Say("", LoserTicks)}});

    const std::vector<std::string>& win = Chatter(TChatter::Winners);
    skits.push_back({"kcyy", 9, {}, {Say("", 3)}});
    skits.push_back({"kcyy", 7, Spoken({Yes(OneWinner)}), {Say(win[1])}});
    skits.push_back({"kcyy", 7, Spoken({Yes(Winners2)}), {Say(win[2])}});
    skits.push_back(
        {"kcyy", 7, Spoken({Yes(AnyWinner), No(OneWinner), No(Winners2)}), {Say(win[0])}});
    skits.push_back({"kcyy", 2, Chatty({Yes(BigWin)}), {Say(win[3])}});

    const std::vector<std::string>& pay = Chatter(TChatter::Payout);
    skits.push_back({"kcya", 9, {}, {{TGesture::Pay, -1, ""}}});
    skits.push_back(
        {"kcya", 7, Chatty({Yes(Speed2), Yes(Chance50)}), {{TGesture::Pay, -1, pay[0]}}});
    skits.push_back({"kcya", 5, Chatty({Yes(FieldWin)}), {{TGesture::Pay, -1, pay[1]}}});
    skits.push_back({"kcya", 5, Chatty({Yes(HardWin)}), {{TGesture::Pay, -1, pay[3]}}});
    skits.push_back({"kcya", 5, Chatty({Yes(BigWin)}), {{TGesture::Pay, -1, pay[4]}}});
    skits.push_back(
        {"kcya", 3, Chatty({Yes(Speed3), Yes(Chance20)}), {{TGesture::Pay, -1, pay[2]}}});
}

} // namespace

void AddRoundSkits(std::vector<TSkitPlan>& skits) {
    AddPuck(skits);
    AddGreeting(skits);
    AddBetting(skits);
    AddSettling(skits);
}

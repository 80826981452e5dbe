// The round's own lists: greeting, bets, advice, the puck set and lifted, losers swept, winners
// called and paid.
#include "tools/databuild/content/DealerLines.h"
#include "tools/databuild/content/SkitContent.h"

namespace {

// The losers leave the layout at tick 4 of the skit.
constexpr i32 LoserTicks = 5;

// The puck is set on the point and lifted off it with the dealer's hand in every skit: each
// point has its own, and the last resort, which cannot know the point, carries the puck to or
// from the middle of the numbers.
void AddPuck(std::vector<TSkitPlan>& skits) {
    using namespace cond;
    std::vector<TSkitPlan> marks, lifts;
    std::vector<TKeyedPlain> markPlain, liftPlain;
    for (int box = 0; box < 6; ++box) {
        const u8 roll = Roll(BoxPoint(box));
        const TBeat mark{TGesture::MarkPuck, box, ""};
        markPlain.push_back({{Yes(roll)},
                             {{{TGesture::MarkPuck, box, MarkLine(box)}},
                              {mark},
                              {Briskly({TGesture::MarkPuck, box, PointCall(box)})},
                              {Briskly(mark)}}});
        marks.push_back({"",
                         3,
                         Chatty({Yes(roll), Yes(AnyPass), Yes(Speed2)}),
                         {{TGesture::MarkPuck, box, PointChatter(box)}}});
        // The puck comes off after the point is made (a winner) or a seven (thanks).
        const TBeat lift{TGesture::LiftPuck, box, ""};
        liftPlain.push_back({{Yes(Point(box))}, Plain({lift}, {Briskly(lift)})});
        lifts.push_back({"",
                         4,
                         Chatty({Yes(Point(box)), Yes(roll)}),
                         {{TGesture::LiftPuck, box, "Winner! Pay the line."}}});
        lifts.push_back({"",
                         4,
                         Chatty({Yes(Point(box)), Yes(Roll(7)), Yes(LongHand)}),
                         {{TGesture::LiftPuck, box, "Great hand, shooter!"}}});
    }
    AddList(skits, "kcpm", {Briskly({TGesture::MarkPuck, -1, ""})}, marks, markPlain);
    AddList(skits, "kcgm", {Briskly({TGesture::LiftPuck, -1, ""})}, lifts, liftPlain);
}

void AddGreeting(std::vector<TSkitPlan>& skits) {
    using namespace cond;
    const std::vector<std::string>& hello = Chatter(TChatter::Greeting);
    // The table opens before any roll: the fastest game still greets.
    const TPlainBeats plain = {{Say(hello[0])}, {Hush(6)}, {Say(hello[0])}, {Briskly(Hush(1))}};
    AddList(skits, "kccg", {Briskly(Hush(1))},
            {{"", 8, Spoken(), {Say(hello[1])}},
             {"", 0, Spoken({Yes(Holidays)}), {Say(hello[2])}},
             {"", 3, Chatty({Yes(NoMan)}), {Say(hello[3])}},
             {"", 3, Chatty({Yes(NoWoman), No(OneSeat)}), {Say(hello[4])}},
             {"", 5, Chatty({Yes(OneSeat)}), {Say(hello[5])}},
             {"", 5, Chatty({Yes(TwoSeats)}), {Say(hello[6])}},
             {"", 5, Chatty({Yes(ThreeSeats)}), {Say(hello[7])}}},
            {{{}, plain}});
}

void AddBetting(std::vector<TSkitPlan>& skits) {
    using namespace cond;
    const std::vector<std::string>& bets = Chatter(TChatter::PlaceBets);
    AddList(skits, "kccp", {Briskly(Hush(1))},
            {{"", 8, Chatty({Yes(ComeOut), No(NewShooter)}), {Say(bets[0])}},
             {"", 8, Chatty({Yes(NewShooter)}), {Say(bets[2])}},
             {"", 8, Chatty({No(ComeOut), Yes(Speed2)}), {Say(bets[3])}},
             {"", 4, Chatty({Yes(Speed3), Yes(Chance50)}), {Say(bets[1])}},
             {"", 4, Chatty({Yes(Speed3), Yes(Busy)}), {Say(bets[4])}}},
            {{{}, Plain({Hush(3)}, {Briskly(Hush(1))})}});

    // Advice only with the time for it: a full game speed and a chatty dealer.
    const std::vector<std::string>& tips = Chatter(TChatter::Advice);
    AddList(
        skits, "kcca", {Briskly(Hush(1))},
        {{"", 6, Chatty({No(ComeOut), Yes(AnyPass), Yes(Speed2), Yes(Chance20)}), {Say(tips[0])}},
         {"",
          6,
          Chatty({No(ComeOut), Yes(AnyHardway), Yes(Speed3), Yes(Chance20)}),
          {Say(tips[1])}},
         {"", 6, Chatty({No(AnyField), Yes(Speed3), Yes(Chance20)}), {Say(tips[2])}},
         {"", 2, Chatty({No(ComeOut), Yes(Speed3), Yes(Chance20)}), {Say(tips[3])}},
         {"", 2, Chatty({Yes(ComeOut), Yes(Speed3), Yes(Chance20)}), {Say(tips[4])}}},
        {{{}, Plain({Hush(2)}, {Briskly(Hush(1))})}});
}

void AddSettling(std::vector<TSkitPlan>& skits) {
    using namespace cond;
    // Losers are raked in whenever there are any; with none the dealer only waits, as long as
    // the round's look for losers at tick 4 needs at any speed.
    const TBeat sweep{TGesture::Sweep, 0, ""};
    const std::vector<std::string>& losers = Chatter(TChatter::Losers);
    AddList(skits, "kccl", {Briskly(sweep)},
            {{"", 6, Spoken({Yes(OneLoser)}), {{TGesture::Sweep, 0, losers[1]}}},
             {"",
              6,
              Spoken({Yes(AnyLoser), No(OneLoser), No(Losers7)}),
              {{TGesture::Sweep, 0, losers[0]}}},
             {"", 6, Spoken({Yes(Losers7)}), {{TGesture::Sweep, 0, losers[2]}}}},
            {{{Yes(AnyLoser)}, Plain({sweep}, {Briskly(sweep)})},
             {{No(AnyLoser)}, Plain({Hush(LoserTicks)}, {Hush(LoserTicks)})}});

    const std::vector<std::string>& win = Chatter(TChatter::Winners);
    AddList(skits, "kcyy", {Briskly(Hush(1))},
            {{"", 7, Spoken({Yes(OneWinner)}), {Say(win[1])}},
             {"", 7, Spoken({Yes(Winners2)}), {Say(win[2])}},
             {"", 7, Spoken({Yes(AnyWinner), No(OneWinner), No(Winners2)}), {Say(win[0])}},
             {"", 2, Chatty({Yes(BigWin)}), {Say(win[3])}}},
            {{{}, Plain({Hush(3)}, {Briskly(Hush(1))})}});

    const TBeat pay{TGesture::Pay, -1, ""};
    const std::vector<std::string>& paid = Chatter(TChatter::Payout);
    AddList(skits, "kcya", {Briskly(pay)},
            {{"", 7, Chatty({Yes(Speed2), Yes(Chance50)}), {{TGesture::Pay, -1, paid[0]}}},
             {"", 5, Chatty({Yes(FieldWin)}), {{TGesture::Pay, -1, paid[1]}}},
             {"", 5, Chatty({Yes(HardWin)}), {{TGesture::Pay, -1, paid[3]}}},
             {"", 5, Chatty({Yes(BigWin)}), {{TGesture::Pay, -1, paid[4]}}},
             {"", 3, Chatty({Yes(Speed3), Yes(Chance20)}), {{TGesture::Pay, -1, paid[2]}}}},
            {{{}, Plain({pay}, {Briskly(pay)})}});
}

} // namespace

void AddRoundSkits(std::vector<TSkitPlan>& skits) {
    AddPuck(skits);
    AddGreeting(skits);
    AddBetting(skits);
    AddSettling(skits);
}

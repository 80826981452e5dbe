// The shooter's lists, one per seat: the dice handed over, stalls, the shake, the throw and the
// landing, and the refusal to roll without a bet.
#include "tools/databuild/content/DealerLines.h"
#include "tools/databuild/content/SkitContent.h"

namespace {

// Lists A, B and C belong to the shooter of seats 1, 0 and 2.
constexpr int SeatOfVariant[3] = {1, 0, 2};

void AddSeat(std::vector<TSkitPlan>& skits, int variant) {
    using namespace cond;
    const int seat = SeatOfVariant[variant];
    const std::string v(1, static_cast<char>('a' + variant));

    const TBeat push{TGesture::PushDice, seat, ""};
    const std::vector<std::string>& give = Chatter(TChatter::GiveDice);
    AddList(skits, "kcg" + v, {Briskly(push)},
            {{"", 8, Spoken({No(NewShooter)}), {{TGesture::PushDice, seat, give[0]}}},
             {"", 8, Spoken({Yes(NewShooter)}), {{TGesture::PushDice, seat, give[1]}}},
             {"", 4, Chatty({Yes(Speed3)}), {{TGesture::PushDice, seat, give[2]}}}},
            {{{}, Plain({push}, {Briskly(push)})}});

    // Stalls grow impatient with each one; a fast game or a quiet dealer only glances.
    const std::vector<std::string>& stall = Chatter(TChatter::Stall);
    std::vector<TSkitPlan> stalls;
    for (int n = 0; n < 5; ++n)
        stalls.push_back(
            {"", 8, Chatty({Yes(Stalls(n)), Yes(Speed1)}), {Say(stall[static_cast<size_t>(n)])}});
    AddList(skits, "kcl" + v, {Briskly(Hush(1))}, stalls, {{{}, Plain({Hush(4)}, {Hush(4)})}});

    const std::vector<std::string>& nobet = Chatter(TChatter::NoBet);
    AddList(skits, "kcb" + v, {Briskly(Hush(1))}, {{"", 6, Spoken(), {Say(nobet[1])}}},
            {{{}, {{Say(nobet[0])}, {Hush(6)}, {Say(nobet[0])}, {Briskly(Hush(1))}}}});

    const TBeat shake{TGesture::Shake, seat, ""};
    AddList(skits, "kcs" + v, {Briskly(shake)},
            {{"", 5, Chatty({No(ShakeUpTo11)}), {shake, Say("Come on, let 'em go!")}},
             {"",
              5,
              Chatty({Yes(FirstShake), Yes(Speed3), Yes(Chance20)}),
              {shake, Say("Shake 'em up, shooter.")}}},
            {{{}, Plain({shake}, {Briskly(shake)})}});

    const TBeat toss{TGesture::Throw, seat, ""};
    AddList(skits, "kct" + v, {Briskly(toss)},
            {{"", 5, Chatty({Yes(Speed3), Yes(Chance20)}), {toss, Say("Here they come!")}}},
            {{{}, Plain({toss}, {Briskly(toss)})}});
}

} // namespace

void AddShooterSkits(std::vector<TSkitPlan>& skits) {
    using namespace cond;
    for (int variant = 0; variant < 3; ++variant)
        AddSeat(skits, variant);
    // The landings follow the program's random choice of place, not the seat.
    for (int place = 0; place < 3; ++place) {
        const TBeat land{TGesture::Land, place, ""};
        std::vector<TSkitPlan> particular;
        if (place == 2)
            particular.push_back({"", 4, Chatty(), {land, Say("Off the back wall!")}});
        else
            particular.push_back({"",
                                  6,
                                  Chatty({Yes(Busy), Yes(Speed3), Yes(Chance20)}),
                                  {land, Say("Dice are down!")}});
        AddList(skits, "kcd" + std::to_string(place + 1), {Briskly(land)}, particular,
                {{{}, Plain({land}, {Briskly(land)})}});
    }
}

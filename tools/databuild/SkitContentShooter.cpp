// The shooter's lists, one per seat: the dice handed over, stalls, the shake, the throw and the
// landing, and the refusal to roll without a bet.
#include "tools/databuild/DealerLines.h"
#include "tools/databuild/SkitContent.h"

namespace {

// Lists A, B and C belong to the shooter of seats 1, 0 and 2.
constexpr int SeatOfVariant[3] = {1, 0, 2};

void AddSeat(std::vector<TSkitPlan>& skits, int variant) {
    using namespace cond;
    const int seat = SeatOfVariant[variant];
    const std::string v(1, static_cast<char>('a' + variant));

    const std::vector<std::string>& give = Chatter(TChatter::GiveDice);
    const std::string giveList = "kcg" + v;
    skits.push_back({giveList, 9, {}, {{TGesture::PushDice, seat, ""}}});
    skits.push_back({giveList, 8, Spoken({No(NewShooter)}), {{TGesture::PushDice, seat, give[0]}}});
    skits.push_back(
        {giveList, 8, Spoken({Yes(NewShooter)}), {{TGesture::PushDice, seat, give[1]}}});
    skits.push_back({giveList, 8, Silent(), {{TGesture::PushDice, seat, ""}}});
    skits.push_back({giveList, 4, Chatty({Yes(Speed3)}), {{TGesture::PushDice, seat, give[2]}}});

    // Stalls grow impatient with each one; a fast game or a quiet dealer only glances.
    const std::vector<std::string>& stall = Chatter(TChatter::Stall);
    const std::string stallList = "kcl" + v;
    skits.push_back({stallList, 9, {}, {Say("", 4)}});
    for (int n = 0; n < 5; ++n)
        skits.push_back({stallList,
                         8,
                         Chatty({Yes(Stalls(n)), Yes(Speed1)}),
                         {Say(stall[static_cast<size_t>(n)])}});

    const std::vector<std::string>& nobet = Chatter(TChatter::NoBet);
    const std::string noBetList = "kcb" + v;
    skits.push_back({noBetList, 9, {}, {Say(nobet[0])}});
    skits.push_back({noBetList, 6, Spoken(), {Say(nobet[1])}});
    skits.push_back({noBetList, 6, Silent(), {Say("")}});

    const std::string shakeList = "kcs" + v;
    skits.push_back({shakeList, 9, {}, {{TGesture::Shake, seat, ""}}});
    skits.push_back({shakeList,
                     5,
                     Chatty({No(ShakeUpTo11)}),
                     {{TGesture::Shake, seat, ""}, Say("Come on, let 'em go!")}});
    skits.push_back({shakeList,
                     5,
                     Chatty({Yes(FirstShake), Yes(Speed3), Yes(Chance20)}),
                     {{TGesture::Shake, seat, ""}, Say("Shake 'em up, shooter.")}});

    const std::string throwList = "kct" + v;
    skits.push_back({throwList, 9, {}, {{TGesture::Throw, seat, ""}}});
    skits.push_back({throwList,
                     5,
                     Chatty({Yes(Speed3), Yes(Chance20)}),
                     {{TGesture::Throw, seat, ""}, Say("Here they come!")}});
}

} // namespace

void AddShooterSkits(std::vector<TSkitPlan>& skits) {
    using namespace cond;
    for (int variant = 0; variant < 3; ++variant)
        AddSeat(skits, variant);
    // The landings follow the program's random choice of place, not the seat.
    for (int place = 0; place < 3; ++place) {
        const std::string list = "kcd" + std::to_string(place + 1);
        skits.push_back({list, 9, {}, {{TGesture::Land, place, ""}}});
    }
    skits.push_back({"kcd3", 4, Chatty(), {{TGesture::Land, 2, ""}, Say("Off the back wall!")}});
    skits.push_back({"kcd1",
                     6,
                     Chatty({Yes(Busy), Yes(Speed3), Yes(Chance20)}),
                     {{TGesture::Land, 0, ""}, Say("Dice are down!")}});
    skits.push_back({"kcd2",
                     6,
                     Chatty({Yes(Busy), Yes(Speed3), Yes(Chance20)}),
                     {{TGesture::Land, 1, ""}, Say("Dice are down!")}});
}

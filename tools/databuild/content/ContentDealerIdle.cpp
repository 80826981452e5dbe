// The dealer at rest: the idle alternatives of sprite set 1 (breathing, looking down the table,
// tapping the stick), and the lord list's two sets.
#include "tools/databuild/content/Content.h"
#include "tools/databuild/content/ContentDealer.h"

#include <cmath>

namespace {

constexpr i16 IdleZ = 60;

std::vector<TDealerPose> Breathing() {
    std::vector<TDealerPose> poses;
    for (int f = 0; f < 12; ++f) {
        TDealerPose p = RestPose();
        const double s = std::sin(f * 3.14159 / 6);
        p.Lean = s * 0.8;
        p.HandY[0] += s * 1.5;
        p.HandY[1] += s * 1.0;
        poses.push_back(p);
    }
    return poses;
}

std::vector<TDealerPose> Looking() {
    static const double Look[14] = {0, -0.4, -0.8, -1, -1, -1, -0.6, 0, 0.6, 1, 1, 1, 0.5, 0};
    std::vector<TDealerPose> poses;
    for (double look : Look) {
        TDealerPose p = RestPose();
        p.Look = look;
        p.Lean = look * 2;
        poses.push_back(p);
    }
    return poses;
}

std::vector<TDealerPose> Tapping() {
    static const double Down[10] = {0, 3, 6, 2, 6, 2, 6, 3, 1, 0};
    std::vector<TDealerPose> poses;
    for (double down : Down) {
        TDealerPose p = RestPose();
        p.TipY += down;
        p.HandY[1] += down * 0.5;
        poses.push_back(p);
    }
    return poses;
}

} // namespace

void AddDealer(TDataSet& set) {
    TSpriteListModel& list = TableSprites(set);
    TFigureArtist& artist = FigureArtist(set);
    const std::vector<std::vector<TDealerPose>> idles = {Breathing(), Looking(), Tapping()};
    std::vector<std::string> names;
    for (size_t i = 0; i < idles.size(); ++i) {
        const std::string stem = "dlidle" + std::to_string(i);
        const u32 length = static_cast<u32>(idles[i].size());
        TSpriteModel idle(TableFile("f1" + stem + ".sp"), 0, DEALER_SET);
        AddMember(set, idle, stem + ".anm", IdleZ, length, PLAY_FORWARD,
                  [&] { return artist.Dealer(idles[i]); });
        AddMember(set, idle, "dltorso.anm", IdleZ - 1, length, PLAY_HOLD,
                  [&] { return artist.Torso(); });
        names.push_back(idle.GetName());
        list.Add(std::move(idle));
    }
    // Set 1: the dealer, idling in state 0 whenever none of his gestures plays. Set 2: the
    // dice, so that one flight never starts over another.
    list.Sets = {{"dealer", {names}}, {"dice", {}}};
}

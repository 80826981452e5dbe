// The soak played through the program's windows: three gamblers with seeded random strategies
// click chips and spots, take bets down, change options, leave and come back, and one who runs
// low is deleted and made again; after every roll the bankrolls, the stakes and odds on the
// table and the house's result add up to the cents that came in. OTCRAPS_SOAK_ROLLS sets the
// length (scripts/soak plays 100,000, and then the peak memory must stay flat after the first
// 10,000); the suite plays a short one, shorter still under the sanitizers.
#include "PlayedSession.h"
#include "SoakSupport.h"

#include <chrono>
#include <iostream>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int PlayedSoakRolls = 20;
#else
constexpr int PlayedSoakRolls = 300;
#endif

using namespace table_spot;

class PlayedSoak : public PlayedSession {
protected:
    PlayedSoak() {
        Build();
        Dir.WriteHostFile("otcraps.ini", "[Craps]\nDetail Level=0\n");
        Dice.Seed(9001);
        R.Seed(424242);
        Plan = [this] { return PlanMore(); };
    }

    bool PlanMore() {
        if (!Opened) {
            Opened = true;
            TSteps s = Opening();
            s.push_back(Do([this] { Log->Keep = false; }));
            Then(std::move(s));
            return true;
        }
        if (Roll == 10'000) {
            HwmAt10k = StatusKb("VmHWM");
            RssAt10k = StatusKb("VmRSS");
        }
        if (Roll == Rolls) {
            Done = true;
            return false;
        }
        TSteps s = Between();
        // A table left bare gets a dollar on the field, so that the dice can go.
        s.push_back(Round([this] { return Turn(); }, Do([this] {
                              if (!Lord()->TableHasAnyBet()) {
                                  TSteps bet = Chip(One);
                                  Append(bet, ClickSpot(Field));
                                  Then(std::move(bet));
                              }
                          })));
        Then(std::move(s));
        return true;
    }

    // Between rolls: a strategy changed, options changed, a gambler away or back, and a
    // gambler who runs low made again.
    TSteps Between() {
        TSteps s;
        if (R.Next() % 50 == 0)
            Strategies[R.Next() % 3] = static_cast<EStrategy>(R.Next() % int(EStrategy::Count));
        if (R.Next() % 40 == 0) {
            TOptionPage page{};
            for (u8& option : page)
                option = static_cast<u8>(R.Next() % 2);
            Append(s, Options(page));
        }
        if (R.Next() % 60 == 0) {
            if (Away < 0) {
                Away = static_cast<i16>(1 + R.Next() % 3);
                Append(s, StandOrSit(Away, false));
            } else {
                Append(s, StandOrSit(Away, true));
                Away = -1;
            }
        }
        s.push_back(Do([this] {
            for (i16 record = 1; record < Records; ++record)
                if (Mgr().IsActive(record) && Bankroll(record) < TMoney(LowBankroll)) {
                    ++Remade;
                    Then(Replace(record, Names[static_cast<size_t>(record - 1)]));
                    return;
                }
        }));
        return s;
    }

    TSteps Chips() {
        TSteps s;
        const int presses = 1 + static_cast<int>(R.Next() % 3);
        for (int i = 0; i < presses; ++i)
            Append(s, Chip(static_cast<int>(R.Next() % 3)));
        if (R.Next() % 10 == 0)
            Append(s, Chip(static_cast<int>(R.Next() % 2), TMouseButton::Right));
        return s;
    }
    void Bet(TSteps& s, i16 spot) {
        Append(s, Chips());
        Append(s, ClickSpot(spot));
    }

    // One gambler's turn by his seat's strategy, planned as it starts.
    TSteps Turn() {
        const i16 seat = Seat();
        const EStrategy strategy = Strategies[seat >= 0 ? seat : 0];
        const bool comeOut = Lord()->GetComeOutFlag() == 1;
        TSteps s;
        if (Lord()->GetBetInHand() > TMoney())
            Append(s, PressButton(table_button::Clear));
        switch (strategy) {
        case EStrategy::Right:
        case EStrategy::Dark: {
            const bool dark = strategy == EStrategy::Dark;
            Bet(s, comeOut ? (dark ? DontPass : PassLine) : (dark ? DontCome : Come));
            if (!comeOut) {
                Bet(s, dark ? DontPass : PassLine);
                Bet(s, static_cast<i16>((dark ? FirstDontComeNumber : FirstComeNumber) +
                                        R.Next() % 6));
            }
            break;
        }
        case EStrategy::Numbers:
            for (int i = 0; i < 2; ++i)
                Bet(s, static_cast<i16>((R.Next() % 2 == 0 ? FirstBuy : FirstLay) + R.Next() % 6));
            break;
        case EStrategy::Props:
            Bet(s, static_cast<i16>(Field + R.Next() % 13));
            Bet(s, static_cast<i16>(CrapsEleven + R.Next() % 2));
            break;
        default:
            for (int i = 0; i < 3; ++i)
                Bet(s, static_cast<i16>(R.Next() % 43));
            break;
        }
        if (R.Next() % 9 == 0) {
            const auto spot = static_cast<i16>(R.Next() % 43);
            s.push_back(Do([this, seat, spot] {
                if (Spot(spot).HasAmount(seat))
                    Then(TakeDown(seat, spot));
            }));
        }
        return s;
    }

    static constexpr double LowBankroll = 500.0;
    const int Rolls = SoakRolls(PlayedSoakRolls);
    TLcgRandom Dice;
    TLcgRandom R;
    EStrategy Strategies[3] = {EStrategy::Right, EStrategy::Dark, EStrategy::Anything};
    bool Opened = false;
    bool Done = false;
    i16 Away = -1;
    int Remade = 0;
    long HwmAt10k = 0;
    long RssAt10k = 0;
};

TEST_F(PlayedSoak, EveryRollKeepsEveryCentThroughTheWindows) {
    TScopedRandomSource installed(Dice);
    const auto began = std::chrono::steady_clock::now();
    EXPECT_EQ(Play(static_cast<u64>(Rolls) * 600'000ULL), 0);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    ASSERT_TRUE(Done) << "stopped at roll " << Roll;
    EXPECT_EQ(Roll, Rolls);
    ASSERT_NE(Log, nullptr);
    EXPECT_GT(Log->Events, static_cast<long>(Rolls));
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
    std::cout << "played soak: " << Rolls << " rolls in " << seconds << " s, "
              << static_cast<long>(Rolls / (seconds > 0 ? seconds : 1)) << " rolls/s, "
              << Log->Events << " money events, " << Remade << " gamblers made again\n";
    if (Rolls >= 100'000) {
        const long hwm = StatusKb("VmHWM");
        std::cout << "played soak: VmHWM " << HwmAt10k << " kB at roll 10000, " << hwm
                  << " kB at roll " << Rolls << "; VmRSS " << RssAt10k << " kB, then "
                  << StatusKb("VmRSS") << " kB\n";
        ASSERT_GT(HwmAt10k, 0);
        EXPECT_LE(hwm * 100, HwmAt10k * 105) << "peak memory grew past 5% after roll 10,000";
    }
}

} // namespace

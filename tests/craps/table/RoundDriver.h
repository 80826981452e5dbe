// Test support: a craps lord at a table of three seat players and 43 real bet spots, and a
// driver that plays its rounds: seeded bets, then the roll settled in the table's own order.
#pragma once

#include "../../casino/RecordsFixture.h"
#include "../bets/spots/OddsSpotSupport.h"
#include "InnermostState.h"
#include "casino/GamblerRecord.h"

#include "craps/bets/BetBook.h"
#include "craps/bets/spots/BoxNumberSpots.h"
#include "craps/bets/spots/ComeSpots.h"
#include "craps/bets/spots/LineSpots.h"
#include "craps/bets/spots/NumberSpots.h"
#include "craps/bets/spots/OneRollSpots.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/CrapsPlayer.h"
#include "craps/table/MoneyLedger.h"
#include "platform/host/RuntimeRandom.h"

#include <functional>
#include <memory>
#include <vector>

// The lord with its round fields open to the driver, as the round states see them.
class TDrivenLord : public TC1GameLord {
public:
    using TC1GameLord::TC1GameLord;
    using TCasinoCGameLord::BetInHand;
    using TCasinoCGameLord::BetSpots;
    using TCasinoCGameLord::BettingOpen;
    using TCasinoCGameLord::ButtonBusy;
    using TCasinoCGameLord::ButtonFlags;
    using TCasinoCGameLord::Buttons;
    using TCasinoCGameLord::ComeOutFlag;
    using TCasinoCGameLord::CurrentSeat;
    using TCasinoCGameLord::Die1;
    using TCasinoCGameLord::Die2;
    using TCasinoCGameLord::FirstRollPending;
    using TCasinoCGameLord::HeldClicks;
    using TCasinoCGameLord::LastButtonCode;
    using TCasinoCGameLord::LastRoll;
    using TCasinoCGameLord::NewShooter;
    using TCasinoCGameLord::PlacingBets;
    using TCasinoCGameLord::PlayersChangeable;
    using TCasinoCGameLord::Point;
    using TCasinoCGameLord::RollCount;
    using TCasinoCGameLord::SessionCloseMode;
    using TCasinoCGameLord::ShakeCount;
    using TCasinoCGameLord::ShooterSeat;
    using TCasinoCGameLord::WinningSpot;
};

// The 43 spots in table order, as the factory makes them, from two sprite files.
inline std::vector<std::unique_ptr<TCBetSpot>> MakeTableSpots(TJorpOwner* owner) {
    using spottest::TPileSpots;
    constexpr TPileSpots Piles = {TGrPoint{40, 90, 10}, TGrPoint{80, 90, 10},
                                  TGrPoint{120, 90, 10}};
    constexpr TPileSpots Odds = {TGrPoint{50, 90, 40}, TGrPoint{90, 90, 40}, TGrPoint{130, 90, 40}};
    spottest::WriteSpotFile(owner, "plain", Piles);
    spottest::WriteOddsSpotFile(owner, "odds", Piles, Odds);
    const TFileMode plain("plain", 0, FM_LEVEL_NOW);
    const TFileMode odds("odds", 0, FM_LEVEL_NOW);
    constexpr i16 Box[6] = {2, 3, 4, 6, 7, 8};
    std::vector<std::unique_ptr<TCBetSpot>> s(43);
    s[0] = TCBetSpot::Make<TBetPass>(owner, odds, i16{52});
    s[1] = TCBetSpot::Make<TBetDoNotPass>(owner, odds, i16{53});
    s[2] = TCBetSpot::Make<TBetCome>(owner, plain, i16{54});
    s[3] = TCBetSpot::Make<TBetDoNotCome>(owner, plain, i16{55});
    s[4] = TCBetSpot::Make<TBetField>(owner, plain, i16{62});
    s[5] = TCBetSpot::Make<TBetBig>(owner, plain, i16{4}, i16{60});
    s[6] = TCBetSpot::Make<TBetBig>(owner, plain, i16{6}, i16{61});
    s[7] = TCBetSpot::Make<TBetAnyCraps>(owner, plain, i16{86});
    const i16 oneRoll[5][2] = {{5, 85}, {0, 87}, {1, 88}, {9, 89}, {10, 90}};
    for (int i = 0; i < 5; ++i)
        s[8 + i] = TCBetSpot::Make<TBet1Roll>(owner, plain, oneRoll[i][0], oneRoll[i][1]);
    for (i16 k = 0; k < 4; ++k)
        s[13 + k] = TCBetSpot::Make<TBetHard>(owner, plain, static_cast<i16>(2 + 2 * k),
                                              static_cast<i16>(81 + k));
    for (i16 k = 0; k < 6; ++k) {
        s[17 + k] = TCBetSpot::Make<TBetBuy>(owner, plain, Box[k], static_cast<i16>(63 + k));
        s[29 + k] = TCBetSpot::Make<TBetLay>(owner, plain, Box[k], static_cast<i16>(75 + k));
        s[23 + k] = TCBetSpot::Make<TBetComeNum>(owner, odds, Box[k], i16{54});
        s[35 + k] = TCBetSpot::Make<TBetDoNotComeNum>(owner, odds, Box[k], i16{55});
    }
    s[41] = TCBetSpot::Make<TBetCraps11>(owner, plain, i16{92}, u8{0});
    s[42] = TCBetSpot::Make<TBetCraps11>(owner, plain, i16{91}, u8{1});
    return s;
}

// One roll settled as the resolution state runs it, without skits: the point, the odds off,
// the losers, the winners seat 2, 1, 0 in table order (each spot tested for the seat before
// it is paid), the end of the point, and come bets travelling. `decided` is called once the
// roll's point is known, `after` after each lord operation.
inline void SettleRoll(TDrivenLord& lord, const std::function<void()>& decided,
                       const std::function<void()>& after) {
    const bool comeOut = lord.ComeOutFlag == 1;
    lord.RecordRollStatistics();
    if (comeOut)
        lord.SetPoint();
    decided();
    while (lord.ReturnOffOdds())
        after();
    after();
    lord.TestLosingSpots();
    after();
    lord.TestWinningSpots();
    for (i16 seat = 2; seat >= 0; --seat)
        for (i16 spot = 0; spot < 43; ++spot) {
            TCBetSpot* s = lord.GetBetSpot(spot);
            if (s->HasAmount(seat) && s->TestWin(lord.Die1, lord.Die2, lord.Point, lord.ComeOutFlag,
                                                 lord.CopyBettingOptions(seat))) {
                lord.PayOutSpot(spot);
                after();
            }
        }
    if (!comeOut) {
        if (lord.IsPointOrSeven())
            lord.Point = -1;
    } else if (lord.SetPoint()) {
        lord.ComeOutFlag = 0;
    } else {
        lord.Point = -1;
    }
    lord.MoveComeBets();
    lord.FirstRollPending = 0;
    after();
}

// Bets of the current seat: chips (cents among them) picked up and put down, the hand
// repeated, odds on the line and come numbers, now and then a take-down or a cleared hand.
// `after` is called after each operation that may move money, with its name.
template <class After> void PlaceSeededBets(TDrivenLord& lord, TLcgRandom& r, After&& after) {
    if (lord.CurrentSeat == -1)
        return;
    const double chips[] = {1, 5, 25, 100, 1000, 10000, 0.25, 0.5, 2.75};
    const int bets = r.Next() % 4;
    for (int b = 0; b < bets; ++b) {
        const int picks = r.Next() % 3;
        for (int p = 0; p < picks; ++p)
            lord.AddToBetInHand(TMoney(chips[r.Next() % 9]));
        after("chips");
        if (r.Next() % 10 == 0)
            lord.TakeFromBetInHand(TMoney(chips[r.Next() % 9]));
        if (r.Next() % 25 == 0)
            lord.ClearBetInHand();
        lord.PlaceBet(static_cast<i16>(r.Next() % 43));
        after("place");
    }
    if (r.Next() % 6 == 0) {
        lord.TakeDownBet(static_cast<i16>(r.Next() % 43));
        after("take down");
    }
}

// The craps table of a test: Joe, Ann and Bob seated through the gambler manager, the lord
// and its seat players made from files, the 43 spots bound into the lord.
class CrapsTable : public CasinoRecords {
protected:
    class TCrapsWin : public TCasinoModeWin {
    public:
        explicit TCrapsWin(TPalFace* palette)
            : TCasinoModeWin(nullptr, nullptr, "t", palette, "T") {}
        TGameObject* CreateGameObject(const TFileMode& file, i16, u32) override {
            const std::string name = file.Name.GetName();
            if (name == "lord") {
                auto lord = TJorpBase::CreateAttached<TDrivenLord>(file, true, false, this);
                SetMainGameObject(lord.get());
                return lord.release();
            }
            const auto seat = static_cast<size_t>(name[4] - '0');
            return ObjectTable[seat] = TJorpBase::CreateAttached<TCasinoCPlayer>(
                                           file, true, false, this, static_cast<i16>(seat))
                                           .release();
        }
        TPlayerMgr* GetPlayerMgr() const override { return Players; }
        // A fake frame clock that the round tests advance; 0 for the others, as without a timer.
        const u32* GetFrameCounter() const override { return &Tick; }
        TPlayerMgr* Players = nullptr;
        u32 Tick = 0;
    };

    void TearDown() override {
        CrapsMode.reset();
        CrapsWindow.reset();
        Spots.clear();
        CasinoRecords::TearDown();
    }

    // Bankrolls of Joe (record 0), Ann and Bob; all three seated in seats 0, 1, 2.
    void MakeCrapsTable(double joe, double ann, double bob) {
        Make();
        ASSERT_TRUE(Mgr->CreatePlayer("Ann", 0, ann) && Mgr->CreatePlayer("Bob", 1, bob));
        const std::string name = "craps";
        TGObjList written(nullptr, nullptr, TFileMode(TJorpFileName(name + ".gol"), 0, 0));
        for (const char* member : {"lord", "seat0", "seat1", "seat2"}) {
            auto object = std::make_unique<TGameObject>(nullptr);
            object->SetObjectFileName(TJorpFileName(member));
            ASSERT_TRUE(written.AddMember(object.release()));
        }
        ASSERT_TRUE(written.Save(nullptr));
        Cd.WriteHostFile(name + ".m",
                         Header("MODE", 2, 1) + Le16(3) + Str("") + Str(name + ".gol"));
        CrapsWindow = std::make_unique<TCrapsWin>(&GamePalette);
        CrapsWindow->Players = Mgr.get();
        CrapsMode = std::make_unique<TJorpMode>(CrapsWindow.get(), name + ".m", false, 0);
        Frame.Window = CrapsWindow.get();
        Spots = MakeTableSpots(&Owner);
        for (size_t i = 0; i < Spots.size(); ++i)
            Lord().BetSpots[i] = Spots[i].get();
        TGamblerRecord(std::span(Mgr->GetDataBlock(0), TCasinoPlayerData::EncodedSize))
            .SetBankroll(joe);
        for (i16 record = 1; record < 3; ++record)
            ASSERT_TRUE(Mgr->ActivatePlayer(record, 0));
    }
    TDrivenLord& Lord() { return *dynamic_cast<TDrivenLord*>(CrapsWindow->GetMainGameObject()); }
    // One frame of the round states on the window's frame clock, the spots' owner keeping
    // time with it.
    void Step() {
        const u32 tick = ++CrapsWindow->Tick;
        Owner.Tick = tick;
        Lord().RunState();
        Lord().StateUpdate(tick);
    }
    TState* Innermost() { return InnermostState(&Lord()); }
    template <class T> T* Running() { return dynamic_cast<T*>(Innermost()); }
    // Frames until the condition holds, at most the limit.
    template <class Pred> bool RunUntil(Pred done, int limit = 400) {
        for (int i = 0; i < limit && !done(); ++i)
            Step();
        return done();
    }
    TCasinoCPlayer& Seat(i16 seat) { return *Lord().GetCrapsPlayer(seat); }
    TCBetSpot& Spot(i16 index) { return *Spots[static_cast<size_t>(index)]; }
    void SetOptions(i16 seat, const TCrapsBetOptions& options) {
        u8* record = Lord().GetSeatPlayerData(seat);
        for (size_t i = 0; i < options.size(); ++i)
            record[TCasinoPlayerData::OptionsAt + i] = options[i];
    }

    TTickOwner Owner;
    std::unique_ptr<TCrapsWin> CrapsWindow;
    std::unique_ptr<TJorpMode> CrapsMode;
    std::vector<std::unique_ptr<TCBetSpot>> Spots;
};

// A table fixture made outside a test of its own (a second run beside the first, a benchmark):
// set up when made, torn down when destroyed, each in a folder of its own. One at a time: each
// maps the program's drive to its folder.
template <class Fixture> class TStandalone : public Fixture {
public:
    TStandalone() { this->SetUp(); }
    ~TStandalone() override { this->TearDown(); }
    void TestBody() override {}
};

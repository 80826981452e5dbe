// Odds piles above the stakes of the line and come-number spots, and their sprite entries.
#include "OddsSpotSupport.h"

#include "craps/bets/spots/ComeSpots.h"
#include "craps/bets/spots/LineSpots.h"
#include "engine/media/Anm.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

using namespace spottest;

// Seats 0 and 1 share a stake pile; every seat's odds stand at their own place and depth.
constexpr TPileSpots Stakes = {TGrPoint{40, 90, 10}, TGrPoint{40, 50, 20}, TGrPoint{120, 80, 30}};
constexpr TPileSpots Odds = {TGrPoint{60, 70, 50}, TGrPoint{60, 40, 60}, TGrPoint{140, 20, 70}};

constexpr i16 Four = 2, Six = 4, Seven = 5;

// Which frame a stack shows and where, relative to a pile's start.
struct TStack {
    i16 Frame;
    i16 Dy;
    i16 Dz;
    bool operator==(const TStack&) const = default;
};
using TPile = std::map<int, TStack>;

class OddsSpotLayout : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        WriteChipArt(Cd);
        WriteOddsSpotFile(&Owner, "spot", Stakes, Odds);
    }
    TFileMode Named(const std::string& name = "spot") const {
        return TFileMode(name, 0, FM_LEVEL_NOW);
    }
    // The shown stacks of one pile; x must be where the file put it.
    static TPile Shown(const std::function<const TAnm*(i16)>& stack, TGrPoint start) {
        TPile shown;
        for (i16 d = 0; d < 6; ++d) {
            const TAnm& anm = *stack(d);
            if (!anm.IsShown())
                continue;
            const TGrPoint at = anm.GetCurrentData().Position;
            EXPECT_EQ(at.x, start.x) << "stack " << d << " moved sideways";
            shown[d] = {static_cast<i16>(anm.GetCurrentData().CurrentFrame),
                        static_cast<i16>(at.y - start.y), static_cast<i16>(at.z - start.z)};
        }
        return shown;
    }
    static TPile StakePile(const TCBetOddsSpot& spot, i16 seat, TGrPoint start) {
        return Shown([&](i16 d) { return spot.GetChipStack(seat, d); }, start);
    }
    static TPile OddsPile(const TCBetOddsSpot& spot, i16 seat, TGrPoint start) {
        return Shown([&](i16 d) { return spot.GetFreeChipStack(seat, d); }, start);
    }

    TTickOwner Owner;
};

TEST_F(OddsSpotLayout, OddsContinueFromTheStakesHeightAtTheirOwnPlaceAndDepth) {
    // The odds pile's y is relative to the stake pile's start, its z to the odds' home depth.
    const struct {
        const char* Case;
        i16 Number;
        double Stake, Odds;
        TPile StakeStacks, OddsStacks;
        i16 TopDy, TopDz;
    } cases[] = {
        {"$10 with $25 on the six: the odds chip 4 px up",
         Six,
         10,
         25,
         {{1, {1, 0, 0}}},
         {{2, {0, -4, 0}}},
         -6,
         1},
        {"$1000 with $1263 on the four",
         Four,
         1000,
         1263,
         {{4, {0, 0, 0}}},
         {{4, {0, -2, 0}}, {3, {1, -4, 1}}, {2, {1, -8, 3}}, {1, {1, -12, 5}}, {0, {2, -16, 7}}},
         -22,
         10},
        {"odds of $100,000 draw nothing, a stake of $100,000 ten chips",
         Four,
         100000,
         100000,
         {{5, {9, 0, 0}}},
         {},
         -20,
         0},
        {"odds under a dollar draw nothing", Six, 10, 0.5, {{1, {1, 0, 0}}}, {}, -4, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        auto spot = TCBetSpot::Make<TBetComeNum>(&Owner, Named(), c.Number, i16{54});
        spot->SetAmount(0, TMoney(c.Stake));
        spot->SetFlags(JOF_TIMED_ON);
        ASSERT_EQ(spot->AddChips(0, TMoney(c.Odds), 0, Seven), TMoney());
        EXPECT_EQ(StakePile(*spot, 0, Stakes[0]), c.StakeStacks);
        EXPECT_EQ(OddsPile(*spot, 0, {Odds[0].x, Stakes[0].y, Odds[0].z}), c.OddsStacks);
        EXPECT_EQ(spot->GetTopY(0), Stakes[0].y + c.TopDy);
        EXPECT_EQ(spot->GetTopZ(0), Odds[0].z + c.TopDz);
        EXPECT_FALSE(spot->HasFlags(JOF_TIMED_ON));
    }
}

TEST_F(OddsSpotLayout, ASharedStakePileIgnoresTheOddsAndTheChitSitsOnTopOfThem) {
    auto spot = TCBetSpot::Make<TBetPass>(&Owner, Named(), i16{52});
    spot->AddChips(0, TMoney(6), 1, 0);
    spot->AddChips(1, TMoney(25), 1, 0);
    ASSERT_EQ(spot->AddChips(0, TMoney(20), 0, Four), TMoney(8));
    ASSERT_EQ(spot->AddChips(1, TMoney(50), 0, Four), TMoney());

    // Seat 1's stake goes on seat 0's stake, one z higher; the odds piles start at the height
    // each seat's own stake ended.
    const TGrPoint start = Stakes[0];
    EXPECT_EQ(StakePile(*spot, 0, start), (TPile{{1, {0, 0, 0}}, {0, {0, -2, 1}}}));
    EXPECT_EQ(StakePile(*spot, 1, start), (TPile{{2, {0, -4, 3}}}));
    EXPECT_EQ(OddsPile(*spot, 0, {Odds[0].x, start.y, Odds[0].z}),
              (TPile{{1, {1, -4, 0}}, {0, {1, -8, 2}}}));
    EXPECT_EQ(OddsPile(*spot, 1, {Odds[1].x, start.y, Odds[1].z}), (TPile{{2, {1, -6, 0}}}));
    EXPECT_EQ(spot->GetSpotId(0), 152);

    spot->ShowChitOnTopStack();
    const TAnmData& chit = spot->GetMarkerChit()->GetCurrentData();
    EXPECT_EQ(chit.CurrentFrame, 1);
    EXPECT_EQ(chit.Position,
              (TGrPoint{start.x, static_cast<i16>(start.y - 10), static_cast<i16>(Odds[1].z + 2)}));

    // Odds taken down leave the line, which no longer lifts anything of seat 1.
    EXPECT_EQ(spot->TakeDown(0, 0), TMoney(12));
    EXPECT_EQ(OddsPile(*spot, 0, Odds[0]), TPile{});
    EXPECT_EQ(StakePile(*spot, 0, start), (TPile{{1, {0, 0, 0}}, {0, {0, -2, 1}}}));
    EXPECT_EQ(spot->GetSpotId(0), 52);
    EXPECT_EQ(spot->GetTopY(0), start.y - 4);
}

TEST_F(OddsSpotLayout, BothFormsOfEveryKindBindAndPinTheOddsStacks) {
    const std::string image = Cd.ReadHostFile("spot.sp");
    const TEmbeddedAddress address{reinterpret_cast<const u8*>(image.data()),
                                   static_cast<u32>(image.size())};
    const TFileMode embedded("spot", 0, 0);
    const struct {
        i32 Kind;
        i16 SpotId;
        std::unique_ptr<TCBetOddsSpot> Named, Embedded;
    } cases[] = {
        {1, 52, TCBetSpot::Make<TBetPass>(&Owner, Named(), i16{52}),
         TCBetSpot::Make<TBetPass>(&Owner, embedded, address, i16{52})},
        {2, 53, TCBetSpot::Make<TBetDoNotPass>(&Owner, Named(), i16{53}),
         TCBetSpot::Make<TBetDoNotPass>(&Owner, embedded, address, i16{53})},
        {5, 54, TCBetSpot::Make<TBetComeNum>(&Owner, Named(), i16{8}, i16{54}),
         TCBetSpot::Make<TBetComeNum>(&Owner, embedded, address, i16{8}, i16{54})},
        {6, 55, TCBetSpot::Make<TBetDoNotComeNum>(&Owner, Named(), i16{3}, i16{55}),
         TCBetSpot::Make<TBetDoNotComeNum>(&Owner, embedded, address, i16{3}, i16{55})},
    };
    for (const auto& c : cases)
        for (const TCBetOddsSpot* spot : {c.Named.get(), c.Embedded.get()}) {
            SCOPED_TRACE(c.Kind);
            EXPECT_EQ(spot->GetBetKind(), c.Kind);
            EXPECT_EQ(spot->GetSpotId(2), c.SpotId);
            EXPECT_FALSE(spot->IsShown());
            for (i16 seat = 0; seat < 3; ++seat)
                for (i16 stack = 0; stack < 6; ++stack) {
                    const TAnm* anm = spot->GetFreeChipStack(seat, stack);
                    ASSERT_EQ(anm, spot->GetAnm(static_cast<i16>(22 + 6 * seat + stack)));
                    EXPECT_EQ(anm->GetCurrentData().Direction, ANM_HOLD);
                    EXPECT_FALSE(anm->GetCurrentData().Has(ANMD_RESET_RANGE));
                    EXPECT_FALSE(anm->GetCurrentData().Has(ANMD_LEAVE_WHEN_STOPPED));
                }
        }
    auto eight = TCBetSpot::Make<TBetComeNum>(&Owner, Named(), i16{6}, i16{54});
    EXPECT_EQ(eight->GetNumber(), 6);
    EXPECT_EQ(eight->GetFreeChipStack(3, 0), nullptr);
    EXPECT_EQ(eight->GetFreeChipStack(0, 6), nullptr);
}

TEST_F(OddsSpotLayout, ASpriteShortOfAnOddsStackEndsTheProgramNamingTheEntry) {
    const std::function<void(const TFileMode&)> makers[] = {
        [&](const TFileMode& n) { TCBetSpot::Make<TBetPass>(&Owner, n, i16{52}); },
        [&](const TFileMode& n) { TCBetSpot::Make<TBetDoNotPass>(&Owner, n, i16{53}); },
        [&](const TFileMode& n) { TCBetSpot::Make<TBetComeNum>(&Owner, n, i16{4}, i16{54}); },
        [&](const TFileMode& n) { TCBetSpot::Make<TBetDoNotComeNum>(&Owner, n, i16{4}, i16{55}); },
    };
    for (const int entries : {39, 30, 22}) {
        const std::string name = "short" + std::to_string(entries);
        WriteOddsSpotFile(&Owner, name, Stakes, Odds, entries);
        for (const auto& make : makers) {
            SCOPED_TRACE(entries);
            TMessageBoxRecorder boxes;
            TExitTrap trap;
            EXPECT_THROW(make(Named(name)), TProcessExit);
            ASSERT_EQ(boxes.Boxes.size(), 1U);
            EXPECT_EQ(boxes.Boxes[0].Caption, "Fatal Error - Anm Setup");
            EXPECT_NE(boxes.Boxes[0].Text.find("Sprite name: CBetSpot"), std::string::npos);
            EXPECT_NE(boxes.Boxes[0].Text.find("Description: \nFreeChips\n Num: " +
                                               std::to_string(entries) + "\n Exiting Program"),
                      std::string::npos)
                << boxes.Boxes[0].Text;
        }
    }
    // The come spots hold no odds and read from the base entries alone.
    WriteSpotFile(&Owner, "base", Stakes);
    EXPECT_EQ(TCBetSpot::Make<TBetCome>(&Owner, Named("base"), i16{54})->GetBetKind(), 3);
    EXPECT_EQ(TCBetSpot::Make<TBetDoNotCome>(&Owner, Named("base"), i16{55})->GetBetKind(), 4);
}

} // namespace

// The built table against what the craps program binds and where it hit-tests: every coded object
// with its members and frames, and each picture where it belongs.
#include "BuiltData.h"

#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/SkitLists.h"
#include "tools/databuild/model/TableDrawing.h"
#include "tools/databuild/model/TableLayout.h"
#include "tools/databuild/model/TableObjects.h"

namespace {

bool Overlaps(const TRect16& r, const TBox& b) {
    return r.left < b.R && b.L < r.right && r.top < b.B && b.T < r.bottom;
}

class TableContract : public BuiltDataFixture {
protected:
    void SetUp() override {
        BuiltDataFixture::SetUp();
        Build();
        List = LoadSpriteList("\\f1glrd00\\f1glrd00.spl");
        ASSERT_TRUE(List->HasFlags(JOF_LOADED));
    }
    // The sprites let their files go while the manager still holds them.
    void TearDown() override {
        List.reset();
        BuiltDataFixture::TearDown();
    }
    TSprite* Named(const std::string& name) { return List->GetSprite(List->IndexOf(name)); }
    TSprite* Coded(u16 code) { return Named(ProgramString(TableObjectString(code))); }
    TRect16 Rect(u16 code, i16 member, u16 frame) {
        TAnm* anm = Coded(code)->GetAnm(member);
        return anm != nullptr ? ShowFrame(*anm, frame) : TRect16{};
    }

    std::unique_ptr<TSpriteList> List;
};

TEST_F(TableContract, EveryObjectTheProgramBindsIsThereWithItsCodeMembersAndFrames) {
    ASSERT_EQ(TableObjects().size(), 76U);
    for (const TTableObject& object : TableObjects()) {
        const std::string name = ProgramString(object.StringId);
        TSprite* sprite = Named(name);
        ASSERT_NE(sprite, nullptr) << name;
        EXPECT_EQ(sprite->GetObjectType(), object.Code) << name;
        // Set 0 takes any number of overlapping table objects.
        EXPECT_EQ(sprite->GetId(), 0) << name;
        const TBindingNeeds needs = NeedsOf(object.Code);
        ASSERT_GE(sprite->GetAnmList()->GetCount(), needs.Anms) << name;
        EXPECT_GE(sprite->GetWavList()->GetCount(), needs.Waves) << name;
        for (size_t i = 0; i < needs.MinFrames.size(); ++i) {
            TAnm* anm = sprite->GetAnm(static_cast<i16>(i));
            ShowFrame(*anm, 0);
            EXPECT_GE(anm->GetFrameCount(), needs.MinFrames[i]) << name << " member " << i;
        }
    }
    // The shooter's six pick-ups must be there; the odds return may be.
    for (u32 id = STR_PICK_FIRST; id <= STR_ODDS; ++id) {
        TSprite* sprite = Named(ProgramString(id));
        ASSERT_NE(sprite, nullptr) << id;
        EXPECT_EQ(sprite->GetObjectType(), 0);
        EXPECT_GT(sprite->Duration, 1U) << id;
        ASSERT_GE(sprite->GetAnmList()->GetCount(), 1);
    }
    // Beside them only the dealer's sprites.
    i16 dealer = 0;
    for (i16 i = 0; i < List->GetCount(); ++i)
        dealer += List->GetSprite(i)->GetFileMode().Name.GetText().rfind("\\f1glrd00\\f1dl", 0) == 0
                      ? 1
                      : 0;
    EXPECT_EQ(List->GetCount(), static_cast<i16>(76 + 7 + dealer));
}

TEST_F(TableContract, ButtonFacesCoverTheirRectanglesExactlyInEveryFrame) {
    for (const TTableButton& button : TableButtons()) {
        TAnm* face = Coded(button.Code)->GetAnm(0);
        ShowFrame(*face, 0);
        for (u16 f = 0; f < face->GetFrameCount(); ++f) {
            const TRect16 r = ShowFrame(*face, f);
            EXPECT_EQ(r.left, button.Box.L) << button.Number << " frame " << f;
            EXPECT_EQ(r.top, button.Box.T) << button.Number << " frame " << f;
            EXPECT_EQ(r.right, button.Box.R) << button.Number << " frame " << f;
            EXPECT_EQ(r.bottom, button.Box.B) << button.Number << " frame " << f;
        }
    }
}

TEST_F(TableContract, ChipPilesStandOnTheirSpotsAndASeatsSixStacksShareOnePlace) {
    for (int spot = 0; spot < SPOT_COUNT; ++spot) {
        TSprite* sprite = Coded(static_cast<u16>(TO_SPOT_FIRST + spot));
        const int groups = IsOddsSpot(spot) ? 6 : 3;
        for (int group = 0; group < groups; ++group) {
            const i16 first = static_cast<i16>(group < 3 ? group * 6 : 22 + (group - 3) * 6);
            TAnm* base = sprite->GetAnm(first);
            ShowFrame(*base, 0);
            const TGrPoint foot = base->GetCurrentData().Position;
            // On the spot as drawn: a click at the pile's foot lands on the spot.
            EXPECT_TRUE(AnswersFor(static_cast<i16>(spot), foot.x, foot.y))
                << "spot " << spot << " group " << group;
            for (i16 d = 1; d < 6; ++d) {
                TAnm* stack = sprite->GetAnm(static_cast<i16>(first + d));
                ShowFrame(*stack, 0);
                const TGrPoint at = stack->GetCurrentData().Position;
                EXPECT_TRUE(at.x == foot.x && at.y == foot.y && at.z == foot.z)
                    << "spot " << spot << " group " << group << " stack " << d;
            }
        }
    }
    // Chips rest on their foot: frame k is k + 1 chips, each 2 pixels above the last.
    TAnm* stack = Coded(TO_SPOT_FIRST)->GetAnm(0);
    const TRect16 one = ShowFrame(*stack, 0);
    const TRect16 ten = ShowFrame(*stack, 9);
    EXPECT_EQ(one.bottom, ten.bottom);
    EXPECT_EQ(one.top - ten.top, 18);
}

TEST_F(TableContract, DisplaysDiceAndPuckSitInTheirPlacesAndKeepOffTheSpots) {
    // The board's places run at an 8-pixel pitch to the units place; the message and icon
    // stay inside its panel.
    for (i16 part = 0; part < 14; ++part) {
        const TRect16 r = Rect(TO_BOARD, part, 0);
        EXPECT_EQ(r.left, BOARD_UNITS_X - 8 * (13 - part)) << part;
        EXPECT_TRUE(BOARD_PANEL.Contains(r.left, r.top) &&
                    BOARD_PANEL.Contains(r.right - 1, r.bottom - 1));
        EXPECT_TRUE(BANK_PANEL.Contains(Rect(TO_BANK, part, 0).left, Rect(TO_BANK, part, 0).top));
        const TRect16 hand = Rect(TO_HAND, part, 0);
        EXPECT_TRUE(HAND_PANEL.Contains(hand.left, hand.top) &&
                    HAND_PANEL.Contains(hand.right - 1, hand.bottom - 1))
            << part;
    }
    for (i16 member : {14, 15}) {
        const TRect16 r = Rect(TO_BOARD, member, 0);
        EXPECT_TRUE(BOARD_PANEL.Contains(r.left, r.top) &&
                    BOARD_PANEL.Contains(r.right - 1, r.bottom - 1))
            << member;
    }
    EXPECT_EQ(Rect(TO_BOARD, 15, 0).left, BOARD_UNITS_X - 169);
    for (u16 plate = TO_PLATE_FIRST; plate < TO_PLATE_FIRST + 3; ++plate)
        for (i16 member = 0; member < 13; ++member) {
            const TRect16 r = Rect(plate, member, 0);
            EXPECT_TRUE(PLATE_STRIP.Contains(r.left, r.top) &&
                        PLATE_STRIP.Contains(r.right - 1, r.bottom - 1))
                << member;
        }
    // The puck lies in the don't-come box when off, on the point's number when on.
    const TRect16 off = Rect(TO_PUCK, 0, 0);
    EXPECT_EQ((off.left + off.right) / 2, DontComeBox().CentreX());
    for (int n = 0; n < 6; ++n) {
        const TRect16 on = Rect(TO_PUCK, 0, static_cast<u16>(n + 1));
        EXPECT_EQ((on.left + on.right) / 2, NumberBox(n).CentreX()) << n;
        EXPECT_EQ((on.top + on.bottom) / 2, NumberBox(n).CentreY()) << n;
    }
    // Landed dice must not hide a bet; the shooter's dice stand on the seat line.
    for (u16 die = TO_BIG_DIE_FIRST; die < TO_BIG_DIE_FIRST + 6; ++die)
        for (u16 face = 0; face < 6; ++face)
            for (const TClickRegion& region : ClickRegions())
                if (region.Spot >= 0) {
                    EXPECT_FALSE(Overlaps(Rect(die, 0, face), region.Box))
                        << die << " over " << region.Id;
                }
    for (u16 dice = TO_DICE_FIRST; dice < TO_DICE_FIRST + 3; ++dice)
        EXPECT_EQ(Rect(dice, 0, 0).bottom, SEAT_LINE_Y) << dice;
    // They lie on the pass line's lower half, beside every seat's pile there, however tall.
    for (u16 dice = TO_DICE_FIRST; dice < TO_DICE_FIRST + 3; ++dice) {
        const TRect16 pair = Rect(dice, 0, 0);
        for (i16 member = 0; member < 18; ++member)
            for (u16 frame : {u16{0}, u16{9}}) {
                const TRect16 pile = Rect(TO_SPOT_FIRST, member, frame);
                EXPECT_FALSE(Overlaps(pair, {pile.left, pile.top, pile.right, pile.bottom}))
                    << dice << " over pass line member " << member;
            }
    }
}

} // namespace

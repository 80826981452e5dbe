// Pictures of the built data drawn by the engine: the table's background, the table objects in
// their places over it, and the intro's title card.
#include "BuiltData.h"

#include "engine/media/Bmp.h"
#include "support/Golden.h"
#include "tools/databuild/model/TableObjects.h"

#include <map>

namespace {

class DataPicture : public BuiltDataFixture {
protected:
    void SetUp() override {
        BuiltDataFixture::SetUp();
        Build();
        Palette =
            std::make_unique<TPal>(nullptr, TFileMode("casino.pal", 0, FM_LEVEL_NOW), true, false);
        ASSERT_NE(Palette->GetColourTable(), nullptr);
    }
    void TearDown() override {
        Palette.reset();
        BuiltDataFixture::TearDown();
    }

    void DrawBackground() {
        TBmp background(nullptr, TFileMode("\\f1glrd00\\f1craps.bmp", 0, FM_LEVEL_NOW), true, true);
        ASSERT_TRUE(Picture.DrawBitmap(background));
    }

    TScreenSurface Shown() const { return Picture.Surface(*Palette->GetColourTable()); }

    std::unique_ptr<TPal> Palette;
    TTablePicture Picture;
};

TEST_F(DataPicture, TheTableBackground) {
    DrawBackground();
    EXPECT_TRUE(MatchesGolden(Shown(), "databuild_background"));
}

// A table in play: piles on the spots, amounts on the displays, the puck on the six, a landed
// pair, the rack, a name plate and the talk button; every member where the engine puts it.
TEST_F(DataPicture, TheTableObjectsInTheirPlaces) {
    DrawBackground();
    auto list = LoadSpriteList("\\f1glrd00\\f1glrd00.spl");
    i16 dealer = 0;
    for (i16 i = 0; i < list->GetCount(); ++i)
        dealer += list->GetSprite(i)->GetFileMode().Name.GetText().rfind("\\f1glrd00\\f1dl", 0) == 0
                      ? 1
                      : 0;
    ASSERT_EQ(list->GetCount(), static_cast<i16>(TableObjects().size() + 7 + dealer));
    // Each object's members and the frames they show, in drawing order (lowest z first).
    std::multimap<i32, std::pair<TAnm*, u16>> draws;
    auto show = [&](TSprite* sprite, i16 member, u16 frame) {
        ASSERT_NE(sprite, nullptr);
        TAnm* anm = sprite->GetAnm(member);
        ASSERT_NE(anm, nullptr) << member;
        draws.insert({anm->GetCurrentData().Position.z, {anm, frame}});
    };
    auto byCode = [&](u16 code) {
        return list->GetSprite(list->IndexOf(ProgramString(TableObjectString(code))));
    };
    for (int spot = 0; spot < SPOT_COUNT; ++spot) {
        TSprite* sprite = byCode(static_cast<u16>(TO_SPOT_FIRST + spot));
        for (int seat = 0; seat < 3; ++seat)
            show(sprite, static_cast<i16>(seat * 6 + 1), static_cast<u16>(2 * seat + 1));
        if (IsOddsSpot(spot))
            show(sprite, 22 + 2, 2);
    }
    // Amounts from the units place leftwards: a digit place shows "$" (frame 0) or a digit, a
    // separator its one frame.
    auto showAmount = [&](TSprite* sprite, const std::string& text) {
        int part = 13;
        for (auto c = text.rbegin(); c != text.rend(); ++c, --part)
            show(sprite, static_cast<i16>(part),
                 static_cast<u16>(*c == '$' || *c == ',' ? 0 : *c - '0' + 1));
    };
    showAmount(byCode(TO_BOARD), "$12,345");
    show(byCode(TO_BOARD), 14, 52);
    show(byCode(TO_BOARD), 15, 0);
    showAmount(byCode(TO_BANK), "1,500");
    showAmount(byCode(TO_HAND), "$25");
    TSprite* plate = byCode(TO_PLATE_FIRST);
    show(plate, 0, 0);
    const std::string name = "JOE GAMBLER";
    for (size_t i = 0; i < name.size(); ++i)
        if (name[i] != ' ')
            show(plate, static_cast<i16>(1 + (12 - name.size()) / 2 + i),
                 static_cast<u16>(name[i] - 'A'));
    show(byCode(TO_PUCK), 0, 3);
    show(byCode(TO_DICE_FIRST + 1), 0, 0);
    show(byCode(TO_BIG_DIE_FIRST + 2), 0, 2);
    show(byCode(TO_BIG_DIE_FIRST + 3), 0, 4);
    const u16 rack[6] = {9, 5, 3, 2, 1, 0};
    for (i16 d = 0; d < 6; ++d)
        show(byCode(TO_RACK), d, rack[d]);
    show(byCode(TO_BUTTON_FIRST + 13), 0, 11);
    show(byCode(TO_BUTTON_FIRST + 0), 0, 2);
    show(byCode(TO_BUTTON_FIRST + 12), 0, 0);
    show(byCode(TO_PAYOUT), 6 + 3, 4);
    for (auto& [z, draw] : draws)
        EXPECT_TRUE(Picture.DrawFrame(*draw.first, draw.second))
            << draw.first->GetFileMode().Name.GetText();
    EXPECT_TRUE(MatchesGolden(Shown(), "databuild_table_objects"));
}

// The dealer at rest above the layout (torso and moving parts), the odds-return note, and the
// three shooters' hands at the two middle frames of their pick-ups.
TEST_F(DataPicture, TheDealersStandIns) {
    DrawBackground();
    auto list = LoadSpriteList("\\f1glrd00\\f1glrd00.spl");
    auto draw = [&](const std::string& name, u16 frame) {
        TSprite* sprite = list->GetSprite(list->IndexOf(name));
        ASSERT_NE(sprite, nullptr) << name;
        EXPECT_TRUE(Picture.DrawFrame(*sprite->GetAnm(0), frame)) << name;
    };
    TSprite* dealer = list->GetSprite(list->IndexOf("\\f1glrd00\\f1dlidle0.sp"));
    ASSERT_NE(dealer, nullptr);
    for (i16 member = 1; member >= 0; --member)
        EXPECT_TRUE(Picture.DrawFrame(*dealer->GetAnm(member), 0)) << member;
    draw(ProgramString(STR_ODDS), 0);
    draw(ProgramString(STR_PICK_FIRST), 1);
    draw(ProgramString(STR_PICK_FIRST + 2), 2);
    draw(ProgramString(STR_PICK_FIRST + 4), 3);
    EXPECT_TRUE(MatchesGolden(Shown(), "databuild_dealer_stand_ins"));
}

TEST_F(DataPicture, TheIntroTitleCardDrawnThroughItsAnimation) {
    auto list = LoadSpriteList("\\s4glrd00\\s4glrd00.spl");
    ASSERT_EQ(list->GetCount(), 1);
    TAnm* card = list->GetSprite(0)->GetAnm(0);
    ASSERT_NE(card, nullptr);
    ASSERT_TRUE(Picture.DrawFrame(*card, 0));
    EXPECT_TRUE(MatchesGolden(Shown(), "databuild_title_card"));
}

} // namespace

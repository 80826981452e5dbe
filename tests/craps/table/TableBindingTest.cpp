// Table 1's lord on the built data set: every object name to its class and reference, the
// objects put on the table, the plain sprites, and the reports of a table missing a piece.
#include "TableBindingSupport.h"
#include "TableSpriteArt.h"

#include "casino/CasButton.h"
#include "casino/CasCashDisplay.h"
#include "casino/CasChips.h"
#include "casino/CasMessageDisplay.h"
#include "casino/CasNamePlate.h"
#include "craps/bets/spots/BoxNumberSpots.h"
#include "craps/bets/spots/ComeSpots.h"
#include "craps/bets/spots/LineSpots.h"
#include "craps/bets/spots/NumberSpots.h"
#include "craps/bets/spots/OneRollSpots.h"
#include "craps/table/BetPayOff.h"
#include "craps/table/Dice.h"
#include "craps/table/Puck.h"
#include "craps/table/TableObjectType.h"
#include "craps/table/TableSound.h"
#include "engine/framework/Responder.h"

#include <typeindex>

namespace {

using Table = TableBindingFixture;

TEST_F(Table, EveryObjectNameMakesItsClassKeptInItsReferenceAndOnTheTable) {
    BuildWithout();
    LoadLord();
    const TBoundLord& l = *Lord;
    // By place among the names: the class, the reference, and for a spot its id.
    struct TRow {
        std::type_index Class;
        const TSprite* Reference;
        i16 Id = 0;
    };
    std::vector<TRow> rows = {{typeid(TRSound), l.SoundSprite}};
    for (auto* plate : l.NamePlates)
        rows.push_back({typeid(TCasNamePlate), plate});
    rows.push_back({typeid(TCasMessageDisplay), l.MessageDisplay});
    rows.push_back({typeid(TCasCashDisplay), l.BankCashDisplay});
    rows.push_back({typeid(TCasCashDisplay), l.BetAmountDisplay});
    for (auto* button : l.Buttons)
        rows.push_back({typeid(TCasButton), button});
    rows.push_back({typeid(TCBetPayOff), l.PayOffSprite});
    rows.push_back({typeid(TCPuck), l.PuckSprite});
    for (auto* die : l.DiceSprites)
        rows.push_back({typeid(TCDice), die});
    for (auto* die : l.BigDiceSprites)
        rows.push_back({typeid(TCBigDice), die});
    rows.push_back({typeid(TCasChips), l.ChipStacks});
    auto spots = [&](std::type_index kind, std::initializer_list<i16> ids) {
        for (i16 id : ids)
            rows.push_back({kind, l.BetSpots[rows.size() - 33], id});
    };
    spots(typeid(TBetPass), {52});
    spots(typeid(TBetDoNotPass), {53});
    spots(typeid(TBetCome), {54});
    spots(typeid(TBetDoNotCome), {55});
    spots(typeid(TBetField), {62});
    spots(typeid(TBetBig), {60, 61});
    spots(typeid(TBetAnyCraps), {86});
    spots(typeid(TBet1Roll), {85, 87, 88, 89, 90});
    spots(typeid(TBetHard), {81, 82, 83, 84});
    spots(typeid(TBetBuy), {63, 64, 65, 66, 67, 68});
    spots(typeid(TBetComeNum), {54, 54, 54, 54, 54, 54});
    spots(typeid(TBetLay), {75, 76, 77, 78, 79, 80});
    spots(typeid(TBetDoNotComeNum), {55, 55, 55, 55, 55, 55});
    spots(typeid(TBetCraps11), {92, 91});
    ASSERT_EQ(rows.size(), 76U);
    for (i16 place = 0; place < 76; ++place) {
        const std::string& name = Lord->GetObjectName(place);
        SCOPED_TRACE(name);
        const TRow& row = rows[static_cast<size_t>(place)];
        EXPECT_EQ(Lord->ObjectTypeFromName(name), table_object::CodeOfNamePlace(place));
        TJorpBase* sprite = Lord->GetSprite(name);
        ASSERT_NE(sprite, nullptr);
        EXPECT_EQ(std::type_index(typeid(*sprite)), row.Class);
        EXPECT_EQ(dynamic_cast<const TSprite*>(sprite), row.Reference);
        if (place >= 33) {
            EXPECT_EQ(dynamic_cast<TCBetSpot&>(*sprite).GetSpotId(-1), row.Id);
        }
        // On the table from the start, except the sound, which the round plays.
        EXPECT_EQ(Lord->IsSpriteInUse(Lord->IndexOfSprite(sprite)), place != 0);
        // Read from the list's image, in the lord's data location, owned as the lord is.
        EXPECT_EQ(sprite->GetFileMode().RamLevel, 0);
        EXPECT_EQ(sprite->GetFileMode().DataLocation, Lord->GetFileMode().DataLocation);
        EXPECT_EQ(sprite->GetOwner(), Lord->GetOwner());
    }
    // The two is won by snake eyes and the twelve by boxcars, not the other way round.
    EXPECT_TRUE(l.BetSpots[9]->IsWin(0, 0, -1, 1) && !l.BetSpots[9]->IsWin(5, 5, -1, 1));
    EXPECT_TRUE(l.BetSpots[12]->IsWin(5, 5, -1, 1) && !l.BetSpots[12]->IsWin(0, 0, -1, 1));
    const TResponder& roll = *l.Buttons[12]->GetResponder();
    const TResponder& talk = *l.Buttons[13]->GetResponder();
    EXPECT_TRUE(roll.GetRect() == (TRect{587, 432, 639, 460}) && roll.MatchesKey('\r'));
    EXPECT_TRUE(talk.MatchesKey('p') && talk.GetPriority() == 125 && talk.GetCode() == 13);
}

TEST_F(Table, TheRoundStartsThePicksAndEveryDealerListIsFound) {
    BuildWithout();
    LoadLord();
    for (i16 n = 0; n <= TCasinoCGameLord::PickCount; ++n) {
        ASSERT_NE(Lord->GetPickSprite(n), TCasinoCGameLord::NoIndex) << n;
        EXPECT_FALSE(Lord->IsSpriteInUse(static_cast<i16>(Lord->GetPickSprite(n)))) << n;
    }
    for (i16 list = 0; list < table_skit::Count; ++list)
        EXPECT_NE(Lord->GetSkitList(list), TCasinoCGameLord::NoIndex) << list;
    // Result 12 and PreSpinCom share a file, so they share the index.
    const i16 twelfth = table_skit::FirstResult + 11;
    EXPECT_EQ(Lord->GetSkitList(table_skit::PreSpinCom), Lord->GetSkitList(twelfth));
    EXPECT_NE(Lord->GetSkitList(twelfth - 1), Lord->GetSkitList(twelfth));
}

TEST_F(Table, OnlyExactNamesAndCodesWithObjectsMakeTableObjects) {
    TBoundLord lord(&Window);
    // Before the names are read every one is empty, and the first code answers an empty name.
    EXPECT_EQ(lord.ObjectTypeFromName(""), 1);
    EXPECT_EQ(lord.ObjectTypeFromName("\\f1glrd00\\f100bs09.sp"), 0);
    lord.PrepareObjects();
    const std::pair<const char*, u16> names[] = {{"", 0},
                                                 {"\\f1glrd00\\f100bs09.sp", 45},
                                                 {"\\f1glrd00\\f100bs0c.sp", 48},
                                                 {"\\f1glrd00\\f100bs10.sp", 72},
                                                 {"\\f1glrd00\\f100bj00.sp", 22},
                                                 {"\\F1GLRD00\\F100BS09.SP", 0},
                                                 {"\\f1glrd00\\f100bs09.sp ", 0},
                                                 {"f1glrd00\\f100bs09.sp", 0},
                                                 {"\\f1glrd00\\f100odds.sp", 0}};
    for (const auto& [name, code] : names)
        EXPECT_EQ(lord.ObjectTypeFromName(name), code) << name;

    // From its own file: read now, with the lord's owner; only a code with an object is kept.
    tableart::WriteTableArt(Cd);
    tableart::WriteSpriteFile(&Window, "puck", {"puck.anm"});
    auto made = [&](u16 code) {
        return std::unique_ptr<TJorpBase>(lord.CreateObject("puck", code, TEmbeddedAddress{}));
    };
    for (u16 code : {0, 2, 28, 79, 0xFFFF}) {
        const auto plain = made(code);
        EXPECT_EQ(std::type_index(typeid(*plain)), std::type_index(typeid(TSprite))) << code;
        EXPECT_TRUE(plain->GetFileMode().RamLevel == FM_LEVEL_NOW && plain->GetBytesRead() > 0);
        EXPECT_EQ(plain->GetOwner(), static_cast<TJorpOwner*>(&Window));
    }
    EXPECT_EQ(lord.PuckSprite, nullptr);
    const auto first = made(24);
    const auto second = made(24);
    EXPECT_NE(dynamic_cast<TCPuck*>(first.get()), nullptr);
    EXPECT_EQ(lord.PuckSprite, second.get());
}

TEST_F(Table, AMissingPieceEndsTheProgramNamingTheFirstOneMissing) {
    const std::pair<std::string, std::string> cases[] = {{"\\f1glrd00\\f100bs0h.sp", "Bet Spot 17"},
                                                         {"\\f1glrd00\\f100kcpm.skl", "placemark"},
                                                         {"\\f1glrd00\\f100kcrg.skl", "result"},
                                                         {"\\f1glrd00\\f100hb02.sp", "pick3"},
                                                         {"\\f1glrd00\\f100odds.sp", ""}};
    for (const auto& [removed, label] : cases) {
        SCOPED_TRACE(removed);
        // A later piece missing too: only the first is reported.
        BuildWithout({removed, "\\f1glrd00\\f100kccl.skl"});
        TMessageBoxRecorder boxes;
        ASSERT_EQ(TrappedLoad(), 1);
        ASSERT_EQ(boxes.Boxes.size(), 1U);
        EXPECT_EQ(boxes.Boxes[0].Caption, "Sprite Setup");
        // Without the odds animation the table binds and only the later skit list is missing.
        const std::string file = label.empty() ? "\\f1glrd00\\f100kccl.skl" : removed;
        EXPECT_EQ(boxes.Boxes[0].Text, "Error setting up " + file +
                                           "\n Sprite Name: " + (label.empty() ? "Loser" : label) +
                                           "\n Exiting program");
        if (label.empty()) {
            EXPECT_EQ(Lord->GetPickSprite(TCasinoCGameLord::PickCount), TCasinoCGameLord::NoIndex);
        }
    }
}

TEST_F(Table, ACutShortSpriteListEndsInAReportOrATableWithoutItsLaterSprites) {
    BuildWithout({}, true);
    const std::filesystem::path list = Dir.Host("data/f1glrd00/f1glrd00.spl");
    const std::string whole = HostFileBytes(list);
    LoadLord();
    const i16 allSprites = Lord->LastSpriteIndex();
    int reports = 0;
    for (size_t cut : {size_t{20}, whole.size() / 7, whole.size() / 2, whole.size() - 5}) {
        SCOPED_TRACE(cut);
        Lord.reset();
        DeleteManager();
        std::ofstream(list, std::ios::binary | std::ios::trunc) << whole.substr(0, cut);
        MakeManager();
        ASSERT_TRUE(Manager->OpenDet("otcraps"));
        TMessageBoxRecorder boxes;
        if (TrappedLoad() == 0) {
            // Everything the game needs came before the cut; the list's read still failed.
            EXPECT_LT(Lord->LastSpriteIndex(), allSprites);
            continue;
        }
        ++reports;
        ASSERT_EQ(boxes.Boxes.size(), 1U);
        EXPECT_TRUE(boxes.Boxes[0].Caption == "Sprite Setup" ||
                    boxes.Boxes[0].Caption == "Fatal Error - Anm Setup");
    }
    EXPECT_EQ(reports, 3);
}

} // namespace

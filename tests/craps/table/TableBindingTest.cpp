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

// The classes of the 43 spots, in table order, and the spot id each carries.
struct TSpotClass {
    std::type_index Class;
    i16 Id;
};
const std::vector<TSpotClass>& SpotClasses() {
    static const std::vector<TSpotClass> spots = [] {
        std::vector<TSpotClass> s = {
            {typeid(TBetPass), 52},      {typeid(TBetDoNotPass), 53}, {typeid(TBetCome), 54},
            {typeid(TBetDoNotCome), 55}, {typeid(TBetField), 62},     {typeid(TBetBig), 60},
            {typeid(TBetBig), 61},       {typeid(TBetAnyCraps), 86},  {typeid(TBet1Roll), 85},
            {typeid(TBet1Roll), 87},     {typeid(TBet1Roll), 88},     {typeid(TBet1Roll), 89},
            {typeid(TBet1Roll), 90}};
        for (i16 k = 0; k < 4; ++k)
            s.push_back({typeid(TBetHard), static_cast<i16>(81 + k)});
        for (i16 k = 0; k < 6; ++k)
            s.push_back({typeid(TBetBuy), static_cast<i16>(63 + k)});
        for (i16 k = 0; k < 6; ++k)
            s.push_back({typeid(TBetComeNum), 54});
        for (i16 k = 0; k < 6; ++k)
            s.push_back({typeid(TBetLay), static_cast<i16>(75 + k)});
        for (i16 k = 0; k < 6; ++k)
            s.push_back({typeid(TBetDoNotComeNum), 55});
        s.push_back({typeid(TBetCraps11), 92});
        s.push_back({typeid(TBetCraps11), 91});
        return s;
    }();
    return spots;
}

TEST_F(Table, EveryObjectNameMakesItsClassKeptInItsReference) {
    BuildData();
    TMessageBoxRecorder boxes;
    LoadLord();
    ASSERT_TRUE(boxes.Boxes.empty());
    const TBoundLord& l = *Lord;
    // Places among the object names: the class and the reference each must fill.
    struct TRow {
        i16 Place;
        std::type_index Class;
        const void* Reference;
    };
    std::vector<TRow> rows = {{0, typeid(TRSound), l.SoundSprite},
                              {4, typeid(TCasMessageDisplay), l.MessageDisplay},
                              {5, typeid(TCasCashDisplay), l.BankCashDisplay},
                              {6, typeid(TCasCashDisplay), l.BetAmountDisplay},
                              {21, typeid(TCBetPayOff), l.PayOffSprite},
                              {22, typeid(TCPuck), l.PuckSprite},
                              {32, typeid(TCasChips), l.ChipStacks}};
    for (size_t i = 0; i < 3; ++i) {
        rows.push_back({static_cast<i16>(1 + i), typeid(TCasNamePlate), l.NamePlates[i]});
        rows.push_back({static_cast<i16>(23 + i), typeid(TCDice), l.DiceSprites[i]});
    }
    for (size_t i = 0; i < 14; ++i)
        rows.push_back({static_cast<i16>(7 + i), typeid(TCasButton), l.Buttons[i]});
    for (size_t i = 0; i < 6; ++i)
        rows.push_back({static_cast<i16>(26 + i), typeid(TCBigDice), l.BigDiceSprites[i]});
    for (size_t i = 0; i < 43; ++i)
        rows.push_back({static_cast<i16>(33 + i), SpotClasses()[i].Class, l.BetSpots[i]});
    ASSERT_EQ(rows.size(), 76U);
    for (const TRow& row : rows) {
        const std::string& name = Lord->GetObjectName(row.Place);
        SCOPED_TRACE(name);
        EXPECT_EQ(Lord->ObjectTypeFromName(name), table_object::CodeOfNamePlace(row.Place));
        TJorpBase* sprite = Lord->GetSprite(name);
        ASSERT_NE(sprite, nullptr);
        EXPECT_EQ(std::type_index(typeid(*sprite)), row.Class);
        EXPECT_EQ(static_cast<const void*>(dynamic_cast<TSprite*>(sprite)), row.Reference);
        // Read from the list's image, in the lord's data location, owned as the lord is.
        EXPECT_EQ(sprite->GetFileMode().RamLevel, 0);
        EXPECT_EQ(sprite->GetFileMode().DataLocation, Lord->GetFileMode().DataLocation);
        EXPECT_EQ(sprite->GetOwner(), Lord->GetOwner());
    }
    for (i16 spot = 0; spot < 43; ++spot)
        EXPECT_EQ(l.BetSpots[spot]->GetSpotId(-1), SpotClasses()[spot].Id) << spot;
    // The two is won by snake eyes and the twelve by boxcars, not the other way round.
    EXPECT_TRUE(l.BetSpots[9]->IsWin(0, 0, -1, 1) && !l.BetSpots[9]->IsWin(5, 5, -1, 1));
    EXPECT_TRUE(l.BetSpots[12]->IsWin(5, 5, -1, 1) && !l.BetSpots[12]->IsWin(0, 0, -1, 1));
    const TResponder& roll = *l.Buttons[12]->GetResponder();
    const TResponder& talk = *l.Buttons[13]->GetResponder();
    EXPECT_EQ(roll.GetRect(), (TRect{587, 432, 639, 460}));
    EXPECT_TRUE(roll.MatchesKey('\r') && roll.GetPriority() == 100);
    EXPECT_TRUE(talk.MatchesKey('p') && talk.GetPriority() == 125 && talk.GetCode() == 13);
}

TEST_F(Table, TheFixedObjectsArePutOnTheTableAndEveryDealerListIsFound) {
    BuildData();
    LoadLord();
    const TBoundLord& l = *Lord;
    std::vector<const TJorpBase*> used = {l.PuckSprite,     l.PayOffSprite,    l.ChipStacks,
                                          l.MessageDisplay, l.BankCashDisplay, l.BetAmountDisplay};
    used.insert(used.end(), l.DiceSprites.begin(), l.DiceSprites.end());
    used.insert(used.end(), l.BetSpots.begin(), l.BetSpots.end());
    used.insert(used.end(), l.BigDiceSprites.begin(), l.BigDiceSprites.end());
    used.insert(used.end(), l.Buttons.begin(), l.Buttons.end());
    used.insert(used.end(), l.NamePlates.begin(), l.NamePlates.end());
    for (const TJorpBase* object : used)
        EXPECT_TRUE(Lord->IsSpriteInUse(Lord->IndexOfSprite(object)))
            << object->GetFileMode().Name.GetText();
    // The sound, the picks and the odds animation wait for the round to start them.
    EXPECT_FALSE(Lord->IsSpriteInUse(Lord->IndexOfSprite(l.SoundSprite)));
    for (i16 n = 0; n <= TCasinoCGameLord::PickCount; ++n) {
        const u16 index = Lord->GetPickSprite(n);
        ASSERT_NE(index, TCasinoCGameLord::NoIndex) << n;
        EXPECT_FALSE(Lord->IsSpriteInUse(static_cast<i16>(index))) << n;
    }
    for (i16 list = 0; list < table_skit::Count; ++list)
        EXPECT_NE(Lord->GetSkitList(list), TCasinoCGameLord::NoIndex) << list;
    // Result 12 and PreSpinCom share a file, so they share the index.
    EXPECT_EQ(Lord->GetSkitList(table_skit::PreSpinCom),
              Lord->GetSkitList(table_skit::FirstResult + 11));
    EXPECT_NE(Lord->GetSkitList(table_skit::FirstResult + 10),
              Lord->GetSkitList(table_skit::FirstResult + 11));
}

TEST_F(Table, NamesMatchOnlyWhenExactlyEqual) {
    TBoundLord lord(&Window);
    // Before the names are read every one is empty, and the first code answers an empty name.
    EXPECT_EQ(lord.ObjectTypeFromName(""), 1);
    EXPECT_EQ(lord.ObjectTypeFromName("\\f1glrd00\\f100bs09.sp"), 0);
    lord.PrepareObjects();
    const std::pair<const char*, u16> cases[] = {
        {"", 0},
        {"\\f1glrd00\\f100bs09.sp", 45},
        {"\\f1glrd00\\f100bs0c.sp", 48},
        {"\\f1glrd00\\f100bs0h.sp", 53},
        {"\\f1glrd00\\f100bs10.sp", 72},
        {"\\f1glrd00\\f100sond.sp", 1},
        {"\\f1glrd00\\f100bj00.sp", 22},
        {"\\f1glrd00\\f100di0i.sp", 27},
        {"\\F1GLRD00\\F100BS09.SP", 0},
        {"\\f1glrd00\\f100bs09.sp ", 0},
        {"f1glrd00\\f100bs09.sp", 0},
        {"\\f1glrd00\\f100bs09", 0},
        {"\\f1glrd00\\f100odds.sp", 0},
        {"\\f1glrd00\\f100ha04.sp", 0},
    };
    for (const auto& [name, code] : cases)
        EXPECT_EQ(lord.ObjectTypeFromName(name), code) << name;
}

TEST_F(Table, CodesWithoutAnObjectMakePlainSpritesAndALaterCodeReplacesTheReference) {
    tableart::WriteTableArt(Cd);
    tableart::WriteSpriteFile(&Window, "puck", {"puck.anm"});
    TBoundLord lord(&Window);
    auto made = [&](u16 code) {
        return std::unique_ptr<TJorpBase>(lord.CreateObject("puck", code, TEmbeddedAddress{}));
    };
    for (u16 code : {u16{0}, u16{2}, u16{28}, u16{79}, u16{0xFFFF}}) {
        const auto plain = made(code);
        EXPECT_EQ(std::type_index(typeid(*plain)), std::type_index(typeid(TSprite))) << code;
        // Read from its own file now, with the lord's owner.
        EXPECT_EQ(plain->GetFileMode().RamLevel, FM_LEVEL_NOW);
        EXPECT_EQ(plain->GetOwner(), static_cast<TJorpOwner*>(&Window));
        EXPECT_GE(plain->GetBytesRead(), 0);
    }
    EXPECT_EQ(lord.PuckSprite, nullptr);
    const auto first = made(24);
    const auto second = made(24);
    EXPECT_NE(dynamic_cast<TCPuck*>(first.get()), nullptr);
    EXPECT_EQ(lord.PuckSprite, second.get());
}

TEST_F(Table, AMissingPieceEndsTheProgramNamingTheFirstOneMissing) {
    struct TCase {
        const char* Removed;
        bool SkitList;
        const char* File;
        const char* Label;
    } const cases[] = {
        {"\\f1glrd00\\f100bs0h.sp", false, "\\f1glrd00\\f100bs0h.sp", "Bet Spot 17"},
        {"\\f1glrd00\\f100kcpm.skl", true, "\\f1glrd00\\f100kcpm.skl", "placemark"},
        {"\\f1glrd00\\f100kcrg.skl", true, "\\f1glrd00\\f100kcrg.skl", "result"},
        {"\\f1glrd00\\f100hb02.sp", false, "\\f1glrd00\\f100hb02.sp", "pick3"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Label);
        Lord.reset();
        DeleteManager();
        MakeManager();
        BuildData([&](TDataSet& set) {
            if (c.SkitList)
                RemoveSkitList(set, c.Removed);
            else
                RemoveSprite(set, c.Removed);
            // A later piece missing too: only the first is reported.
            RemoveSkitList(set, "\\f1glrd00\\f100kccl.skl");
        });
        const TMessageBoxRequest box = FatalLoad();
        EXPECT_EQ(box.Caption, "Sprite Setup");
        EXPECT_EQ(box.Text, std::string("Error setting up ") + c.File +
                                "\n Sprite Name: " + c.Label + "\n Exiting program");
    }
}

TEST_F(Table, WithoutTheOddsAnimationTheTableStillLoadsAndALaterSpotOfACodeIsTheOnePlayed) {
    const std::string pass = "\\f1glrd00\\f100bs00.sp";
    const std::string later = "\\f1glrd00\\f100bs00x.sp";
    BuildData([&](TDataSet& set) {
        RemoveSprite(set, "\\f1glrd00\\f100odds.sp");
        for (TSpriteListModel& list : set.SpriteLists)
            if (const TSpriteModel* line = list.Find(pass)) {
                TSpriteModel copy(later, line->GetType(), line->GetSet());
                copy.GetCells() = line->GetCells();
                copy.Needs = line->Needs;
                list.Add(std::move(copy));
                list.Sort();
                break;
            }
    });
    TMessageBoxRecorder boxes;
    LoadLord();
    EXPECT_TRUE(boxes.Boxes.empty());
    EXPECT_EQ(Lord->GetPickSprite(TCasinoCGameLord::PickCount), TCasinoCGameLord::NoIndex);
    EXPECT_EQ(Lord->BetSpots[0], Lord->GetSprite(later));
    EXPECT_TRUE(Lord->IsSpriteInUse(Lord->FindSpriteIndex(later)));
    EXPECT_FALSE(Lord->IsSpriteInUse(Lord->FindSpriteIndex(pass)));
}

TEST_F(Table, ACutShortSpriteListEndsInAReportOrATableWithoutItsLaterSprites) {
    BuildData({}, true);
    const std::filesystem::path list = Dir.Host("data/f1glrd00/f1glrd00.spl");
    const std::string whole = HostFileBytes(list);
    LoadLord();
    const i16 allSprites = Lord->LastSpriteIndex();
    int reports = 0;
    for (size_t cut :
         {size_t{20}, whole.size() / 7, whole.size() / 3, whole.size() / 2, whole.size() - 5}) {
        SCOPED_TRACE(cut);
        Lord.reset();
        DeleteManager();
        std::ofstream(list, std::ios::binary | std::ios::trunc) << whole.substr(0, cut);
        MakeManager();
        ASSERT_TRUE(Manager->OpenDet("otcraps"));
        TMessageBoxRecorder boxes;
        TExitTrap trap;
        try {
            LoadLord();
            // Everything the game needs came before the cut; the list's read still failed.
            EXPECT_LT(Lord->LastSpriteIndex(), allSprites);
        } catch (const TProcessExit& e) {
            ++reports;
            EXPECT_EQ(e.Code, 1);
            ASSERT_EQ(boxes.Boxes.size(), 1U);
            EXPECT_TRUE(boxes.Boxes[0].Caption == "Sprite Setup" ||
                        boxes.Boxes[0].Caption == "Fatal Error - Anm Setup")
                << boxes.Boxes[0].Caption;
        }
    }
    // The first cuts leave table objects out.
    EXPECT_GE(reports, 2);
}

} // namespace

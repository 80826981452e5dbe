// Dice and puck: the dice at each shooter's place, the landed big dice, the puck on and off, the
// shooter's pick-up animations and the odds-return animation.
#include "tools/databuild/art/ChipArt.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/TableLayout.h"
#include "tools/databuild/model/TableObjects.h"

namespace {

constexpr i16 DiceZ = 45;
constexpr u32 PickFrameCount = 4;
constexpr u32 OddsFrameCount = 6;

void AddPuck(TDataSet& set, TSpriteListModel& list) {
    // One cell at the off place; each frame's hotspot moves the puck to its place.
    const TBox& off = DontComeBox();
    const i32 baseX = off.CentreX();
    const i32 baseY = off.CentreY();
    std::vector<TAnmFrameSource> frames;
    for (int f = 0; f < 7; ++f) {
        const bool on = f > 0;
        TAnmFrameSource frame = PuckFrame(on);
        // Each frame's hotspot puts the puck's middle on its place.
        const i32 cx = on ? NumberBox(f - 1).CentreX() : baseX;
        const i32 cy = on ? NumberBox(f - 1).CentreY() : baseY;
        frame.HotX = static_cast<i16>(baseX - (cx - frame.Width / 2));
        frame.HotY = static_cast<i16>(baseY - (cy - frame.Height / 2));
        frames.push_back(std::move(frame));
    }
    set.AddAnm(TableFile("f1puck.anm"), frames);
    TSpriteModel puck(ProgramString(TableObjectString(TO_PUCK)), TO_PUCK);
    puck.AddAnm(TableFile("f1puck.anm"), baseX, baseY, DiceZ);
    puck.Needs = NeedsOf(TO_PUCK);
    list.Add(std::move(puck));
}

void AddDice(TDataSet& set, TSpriteListModel& list) {
    set.AddAnm(TableFile("f1dice.anm"), {ShooterDiceFrame()});
    // Codes 25, 26 and 27 are the dice of seats 1, 0 and 2.
    const int seats[3] = {1, 0, 2};
    for (int i = 0; i < 3; ++i) {
        const u16 code = static_cast<u16>(TO_DICE_FIRST + i);
        TSpriteModel dice(ProgramString(TableObjectString(code)), code);
        dice.AddAnm(TableFile("f1dice.anm"), SeatX(seats[i]), SEAT_LINE_Y, DiceZ);
        dice.Needs = NeedsOf(code);
        list.Add(std::move(dice));
    }

    set.AddAnm(TableFile("f1bigdie.anm"), BigDieFrames());
    // Codes 29-34 are the pairs of landings A, B and C, die 1 first.
    for (int i = 0; i < 6; ++i) {
        const u16 code = static_cast<u16>(TO_BIG_DIE_FIRST + i);
        const TBox box = BigDieBox(i / 2, i % 2);
        TSpriteModel die(ProgramString(TableObjectString(code)), code);
        die.AddAnm(TableFile("f1bigdie.anm"), box.L, box.T, DiceZ);
        die.Needs = NeedsOf(code);
        list.Add(std::move(die));
    }
}

void AddPicks(TDataSet& set, TSpriteListModel& list) {
    // Odd picks are a man's hand, even ones a woman's.
    set.AddAnm(TableFile("f1pickm.anm"), PickFrames(false));
    set.AddAnm(TableFile("f1pickw.anm"), PickFrames(true));
    // Picks 1 and 2 are seat 1's, 3 and 4 seat 0's, 5 and 6 seat 2's.
    const int seats[3] = {1, 0, 2};
    for (int pick = 1; pick <= 6; ++pick) {
        TSpriteModel sprite(ProgramString(STR_PICK_FIRST + static_cast<u32>(pick - 1)), 0);
        sprite.AddAnm(TableFile(pick % 2 == 1 ? "f1pickm.anm" : "f1pickw.anm"),
                      SeatX(seats[(pick - 1) / 2]), SEAT_LINE_Y, DiceZ + 1, PickFrameCount,
                      PLAY_FORWARD);
        sprite.Needs = PickNeeds(pick);
        list.Add(std::move(sprite));
    }
}

void AddOddsReturn(TDataSet& set, TSpriteListModel& list) {
    set.AddAnm(TableFile("f1odds.anm"), OddsReturnFrames());
    TSpriteModel odds(ProgramString(STR_ODDS), 0);
    // Down the pass line to the middle seat's place.
    odds.AddAnm(TableFile("f1odds.anm"), SeatX(0), SEAT_LINE_Y, DiceZ + 2, OddsFrameCount,
                PLAY_FORWARD);
    list.Add(std::move(odds));
}

} // namespace

TBox PuckOffReach() {
    const TAnmFrameSource frame = PuckFrame(false);
    const TBox& off = DontComeBox();
    const i32 left = off.CentreX() - frame.Width / 2;
    const i32 top = off.CentreY() - frame.Height / 2;
    return {left, top, left + frame.Width, top + frame.Height};
}

void AddDiceAndPuck(TDataSet& set) {
    TSpriteListModel& list = TableSprites(set);
    AddPuck(set, list);
    AddDice(set, list);
    AddPicks(set, list);
    AddOddsReturn(set, list);
}

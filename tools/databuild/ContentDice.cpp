// Dice and puck: the dice at each shooter's place, the landed big dice, the puck on and off, the
// shooter's pick-up animations and the odds-return animation.
#include "tools/databuild/Canvas.h"
#include "tools/databuild/Colours.h"
#include "tools/databuild/Content.h"
#include "tools/databuild/TableLayout.h"
#include "tools/databuild/TableObjects.h"

namespace {

constexpr i16 DiceZ = 45;
constexpr i32 PuckRadius = 7;
constexpr i32 PickFrames = 4;

// A die face of the given size showing 1 to 6 pips.
void DrawDie(TCanvas& canvas, i32 left, i32 top, i32 size, int pips) {
    canvas.FillRect(left, top, left + size, top + size, CL_IVORY);
    canvas.FrameRect(left, top, left + size, top + size, CL_GREY);
    const i32 a = left + size / 4;
    const i32 m = left + size / 2;
    const i32 b = left + size - 1 - size / 4;
    const i32 ta = top + size / 4;
    const i32 tm = top + size / 2;
    const i32 tb = top + size - 1 - size / 4;
    const i32 r = size >= 12 ? 1 : 0;
    auto pip = [&](i32 x, i32 y) { canvas.Disc(x, y, r, CL_PIP); };
    if (pips % 2 == 1)
        pip(m, tm);
    if (pips >= 2) {
        pip(a, ta);
        pip(b, tb);
    }
    if (pips >= 4) {
        pip(b, ta);
        pip(a, tb);
    }
    if (pips == 6) {
        pip(a, tm);
        pip(b, tm);
    }
}

void AddPuck(TDataSet& set, TSpriteListModel& list) {
    // One cell at the off place; each frame's hotspot moves the puck to its place.
    const TBox& off = DontComeBox();
    const i32 baseX = off.CentreX();
    const i32 baseY = off.CentreY();
    const i32 size = 2 * PuckRadius + 1;
    std::vector<TAnmFrameSource> frames;
    for (int f = 0; f < 7; ++f) {
        TCanvas puck(size, size);
        const bool on = f > 0;
        puck.Disc(PuckRadius, PuckRadius, PuckRadius, on ? CL_BLACK : CL_WHITE);
        puck.Disc(PuckRadius, PuckRadius, PuckRadius - 1, on ? CL_WHITE : CL_BLACK);
        puck.TextIn(0, 0, size, size, on ? "ON" : "OFF", TTextStyle{7, true, false},
                    on ? CL_BLACK : CL_WHITE);
        const i32 cx = on ? NumberBox(f - 1).CentreX() : baseX;
        const i32 cy = on ? NumberBox(f - 1).CentreY() : baseY;
        frames.push_back(puck.Frame(static_cast<i16>(baseX - (cx - PuckRadius)),
                                    static_cast<i16>(baseY - (cy - PuckRadius))));
    }
    set.AddAnm(TableFile("f1puck.anm"), frames);
    TSpriteModel puck(ProgramString(TableObjectString(TO_PUCK)), TO_PUCK);
    puck.AddAnm(TableFile("f1puck.anm"), baseX, baseY, DiceZ);
    puck.Needs = NeedsOf(TO_PUCK);
    list.Add(std::move(puck));
}

void AddDice(TDataSet& set, TSpriteListModel& list) {
    TCanvas pair(18, 8);
    DrawDie(pair, 0, 0, 8, 5);
    DrawDie(pair, 10, 0, 8, 2);
    set.AddAnm(TableFile("f1dice.anm"), {pair.Frame(9, 8)});
    // Codes 25, 26 and 27 are the dice of seats 1, 0 and 2.
    const int seats[3] = {1, 0, 2};
    for (int i = 0; i < 3; ++i) {
        const u16 code = static_cast<u16>(TO_DICE_FIRST + i);
        TSpriteModel dice(ProgramString(TableObjectString(code)), code);
        dice.AddAnm(TableFile("f1dice.anm"), SeatX(seats[i]), SEAT_LINE_Y, DiceZ);
        dice.Needs = NeedsOf(code);
        list.Add(std::move(dice));
    }

    std::vector<TAnmFrameSource> faces;
    for (int pips = 1; pips <= 6; ++pips) {
        TCanvas face(16, 16);
        DrawDie(face, 0, 0, 16, pips);
        faces.push_back(face.Frame(0, 0));
    }
    set.AddAnm(TableFile("f1bigdie.anm"), faces);
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
    // A hand coming down to the dice and lifting them.
    std::vector<TAnmFrameSource> frames;
    const i32 lift[PickFrames] = {10, 4, 4, 10};
    for (int f = 0; f < PickFrames; ++f) {
        TCanvas hand(20, 24);
        const i32 y = lift[f];
        hand.FillEllipse(3, y, 17, y + 10, CL_SKIN);
        hand.FillRect(6, 0, 14, y + 2, CL_SKIN);
        if (f >= 2)
            hand.TextIn(0, y, 20, y + 10, "::", TTextStyle{8, true, false}, CL_PIP);
        frames.push_back(hand.Frame(10, 24));
    }
    set.AddAnm(TableFile("f1pick.anm"), frames);
    // Picks 1 and 2 are seat 1's, 3 and 4 seat 0's, 5 and 6 seat 2's.
    const int seats[3] = {1, 0, 2};
    for (int pick = 1; pick <= 6; ++pick) {
        TSpriteModel sprite(ProgramString(STR_PICK_FIRST + static_cast<u32>(pick - 1)), 0);
        sprite.AddAnm(TableFile("f1pick.anm"), SeatX(seats[(pick - 1) / 2]), SEAT_LINE_Y, DiceZ + 1,
                      PickFrames, PLAY_FORWARD);
        sprite.Needs = PickNeeds(pick);
        list.Add(std::move(sprite));
    }
}

void AddOddsReturn(TDataSet& set, TSpriteListModel& list) {
    TCanvas note(96, 14);
    note.Bevel(0, 0, 96, 14, CL_CAPTION, CL_WHITE, CL_GREY);
    note.TextIn(0, 0, 96, 14, "ODDS RETURNED", TTextStyle{9, true, false}, CL_CAPTION_TEXT);
    set.AddAnm(TableFile("f1odds.anm"), {note.Frame(48, 14)});
    TSpriteModel odds(ProgramString(STR_ODDS), 0);
    odds.AddAnm(TableFile("f1odds.anm"), 110, 240, DiceZ + 2, 6, PLAY_HOLD);
    list.Add(std::move(odds));
}

} // namespace

void AddDiceAndPuck(TDataSet& set) {
    TSpriteListModel& list = TableSprites(set);
    AddPuck(set, list);
    AddDice(set, list);
    AddPicks(set, list);
    AddOddsReturn(set, list);
}

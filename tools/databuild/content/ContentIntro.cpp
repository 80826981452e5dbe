// The intro: a title card on the felt, a pair of dice tumbling across it to a seven, the jingle
// and an invitation to go on, about ten seconds on the intro's black screen.
#include "tools/databuild/content/ContentIntro.h"
#include "resources/images/ResourceImagesCanvas.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/TableLayout.h"
#include "tools/databuild/sound/Effects.h"

#include <cmath>
#include <numbers>

namespace {

TRgb PaletteRgb(u8 index) {
    const std::array<u8, 3> rgb = RgbOf(index);
    return TRgb{rgb[0], rgb[1], rgb[2]};
}

// A game-palette frame of a true-colour drawing: each pixel takes the entry nearest to it, a
// partly covered one blended first with the colour it will lie on.
TAnmFrameSource PaletteFrame(const TRgbCanvas& canvas, TRgb matte) {
    const std::vector<u32> argb = canvas.Argb();
    TAnmFrameSource frame;
    frame.Width = static_cast<i16>(canvas.Width());
    frame.Height = static_cast<i16>(canvas.Height());
    frame.Pixels.resize(argb.size(), 0);
    frame.Opaque.resize(argb.size(), 0);
    for (size_t i = 0; i < argb.size(); ++i) {
        const u32 alpha = argb[i] >> 24;
        if (alpha == 0)
            continue;
        const TRgb colour = Blend(matte,
                                  TRgb{static_cast<u8>(argb[i] >> 16),
                                       static_cast<u8>(argb[i] >> 8), static_cast<u8>(argb[i])},
                                  alpha / 255.0);
        frame.Pixels[i] = Nearest(colour.R, colour.G, colour.B);
        frame.Opaque[i] = 1;
    }
    return frame;
}

constexpr i32 CardLeft = (TABLE_WIDTH - INTRO_CARD_WIDTH) / 2;
constexpr i32 CardTop = (TABLE_HEIGHT - INTRO_CARD_HEIGHT) / 2;
// The lane the dice cross, inside the card.
constexpr i32 LaneLeft = 24;
constexpr i32 LaneTop = 124;
constexpr i32 LaneWidth = INTRO_CARD_WIDTH - 2 * LaneLeft;
constexpr i32 LaneHeight = 170;
constexpr double DieSide = 42;

TAnmFrameSource TitleCard() {
    const TRgb felt = PaletteRgb(CL_FELT);
    TRgbCanvas card(INTRO_CARD_WIDTH, INTRO_CARD_HEIGHT);
    card.FillRoundRect(0, 0, INTRO_CARD_WIDTH, INTRO_CARD_HEIGHT, 18, PaletteRgb(CL_RAIL_DARK));
    card.FillRoundRect(3, 3, INTRO_CARD_WIDTH - 3, INTRO_CARD_HEIGHT - 3, 15, PaletteRgb(CL_RAIL));
    card.FillRoundRect(12, 12, INTRO_CARD_WIDTH - 12, INTRO_CARD_HEIGHT - 12, 8,
                       PaletteRgb(CL_GOLD));
    card.FillRoundRect(15, 15, INTRO_CARD_WIDTH - 15, INTRO_CARD_HEIGHT - 15, 6, felt);
    const double mid = INTRO_CARD_WIDTH / 2.0;
    const TRgb shadow = PaletteRgb(CL_TITLE_SHADOW);
    card.TextCentred(mid + 2, 34, "Olbin Tevrani's", 30, true, shadow);
    card.TextCentred(mid, 32, "Olbin Tevrani's", 30, true, PaletteRgb(CL_CREAM));
    card.TextCentred(mid + 2, 76, "Craps Pendrel 2001", 38, true, shadow);
    card.TextCentred(mid, 74, "Craps Pendrel 2001", 38, true, PaletteRgb(CL_TITLE));
    return PaletteFrame(card, PaletteRgb(CL_BLACK));
}

TAnmFrameSource Prompt() {
    const std::string text = "Click or press any key";
    TRgbCanvas line(static_cast<i32>(TRgbCanvas::TextWidth(text, 15, false)) + 4, 22);
    line.Text(2, 2, text, 15, false, PaletteRgb(CL_CREAM));
    return PaletteFrame(line, PaletteRgb(CL_FELT));
}

// Where a die is at a time along its throw (0..1): across the lane, bouncing lower each time,
// turning slower, its face changing on every bounce until the last.
struct TDiePose {
    double X;
    double Y;
    double Angle;
    i32 Face;
};

// The ground line of each die: the first rolls nearer the viewer than the second.
double GroundOf(i32 die) {
    return die == 0 ? LaneHeight - DieSide * 0.95 : LaneHeight - DieSide * 0.95 - 40;
}

TDiePose PoseAt(double t, i32 die) {
    const double start = die == 0 ? 48.0 : 6.0;
    const double rest = die == 0 ? LaneWidth * 0.43 : LaneWidth * 0.57;
    // Rolling slows towards the end of the throw.
    const double eased = 1 - (1 - t) * (1 - t);
    const double x = start + (rest - start) * eased;
    const double bounces = 3.5;
    const double fade = std::pow(1 - t, 1.6);
    const double phase = die == 0 ? 0.0 : 0.5;
    const double hop = std::abs(std::sin(t * bounces * std::numbers::pi + phase)) * 58 * fade;
    const double angle =
        (die == 0 ? 7.5 : -6.2) * eased * std::numbers::pi + (die == 0 ? -0.22 : 0.3);
    // The faces a tumbling die shows, then its last one: a five and a two come out seven.
    static const i32 Tumble[2][6] = {{3, 6, 2, 4, 1, 5}, {4, 1, 5, 3, 6, 2}};
    const i32 bounce = std::min(5, static_cast<i32>(t * 6));
    return TDiePose{x, GroundOf(die) - hop, angle, Tumble[die][bounce]};
}

TAnmFrameSource DiceFrame(double t) {
    const TRgb felt = PaletteRgb(CL_FELT);
    const TDieLook look{PaletteRgb(CL_CRAPS_RED), PaletteRgb(CL_WHITE), PaletteRgb(CL_DARK_RED)};
    TRgbCanvas lane(LaneWidth, LaneHeight);
    const TDiePose poses[2] = {PoseAt(t, 0), PoseAt(t, 1)};
    // Shadows first, on the felt below each die; they shrink as the die rises.
    for (i32 die = 0; die < 2; ++die) {
        const double ground = GroundOf(die);
        const double lift = std::clamp((ground - poses[die].Y) / 58, 0.0, 1.0);
        lane.FillEllipse(poses[die].X + 4, ground + DieSide * 0.55, DieSide * (0.75 - 0.25 * lift),
                         DieSide * 0.18, PaletteRgb(CL_FELT_DARK));
    }
    for (i32 die = 1; die >= 0; --die)
        DrawDie(lane, poses[die].X, poses[die].Y, DieSide, poses[die].Angle, poses[die].Face, look);
    return PaletteFrame(lane, felt);
}

} // namespace

void AddIntro(TDataSet& set) {
    const std::string dir = INTRO_DIR;
    set.AddAnm(dir + "s4title.anm", {TitleCard()});
    set.AddAnm(dir + "s4press.anm", {Prompt()});
    std::vector<TAnmFrameSource> throwFrames;
    for (u32 f = 0; f < INTRO_THROW_FRAMES; ++f)
        throwFrames.push_back(DiceFrame(static_cast<double>(f) / (INTRO_THROW_FRAMES - 1)));
    set.AddAnm(dir + "s4dice.anm", throwFrames);
    const TSamples jingle = IntroJingle();
    set.AddWave(dir + INTRO_TUNE, jingle);

    TSpriteListModel& list = set.SpriteLists.emplace_back(dir + "s4glrd00.spl");
    // The intro plays sprite 0 of its list and ends when the frame tick reaches its duration;
    // the card's first member spans the whole intro, so the sprite lasts INTRO_TICKS.
    TSpriteModel intro(dir + "s4title.sp", 0);
    intro.AddAnm(dir + "s4title.anm", CardLeft, CardTop, 0, INTRO_TICKS, PLAY_HOLD);
    intro.AddWave(dir + INTRO_TUNE, TicksOf(jingle));
    const i32 laneX = CardLeft + LaneLeft;
    const i32 laneY = CardTop + LaneTop;
    intro.AddAnmAt(INTRO_THROW_START, dir + "s4dice.anm", laneX, laneY, 1, INTRO_THROW_FRAMES,
                   PLAY_FORWARD);
    // The dice at rest: the throw's last frame held to the end.
    const u16 restRow = INTRO_THROW_START + INTRO_THROW_FRAMES;
    intro.AddAnmAt(restRow, dir + "s4dice.anm", laneX, laneY, 1, INTRO_TICKS - restRow, PLAY_HOLD)
        .FirstFrame = static_cast<i16>(INTRO_THROW_FRAMES - 1);
    const TAnmFrameSource prompt = Prompt();
    intro.AddAnmAt(INTRO_PROMPT_START, dir + "s4press.anm", (TABLE_WIDTH - prompt.Width) / 2,
                   CardTop + INTRO_CARD_HEIGHT - 50, 1, INTRO_TICKS - INTRO_PROMPT_START,
                   PLAY_HOLD);
    list.Add(std::move(intro));
}

// The dealer's gestures frame by frame, and each beat of a skit made into a sprite: the gesture's
// animation, the spoken line and the sounds of what he handles, timed to the program's own
// events (puck set or lifted, losers taken, dice shown).
#include "tools/databuild/content/Content.h"
#include "tools/databuild/content/ContentDealer.h"
#include "tools/databuild/content/DealerSounds.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/model/TableLayout.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <tuple>

namespace {

constexpr i16 DealerZ = 60;
constexpr i16 DiceTrackZ = 55;
// Where the dice wait for the stick, in front of the dealer.
constexpr double DiceHomeX = 334;
constexpr double DiceHomeY = 232;
// Where thrown dice hit the back wall.
constexpr double WallY = 214;

double Ease(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double Lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

TDealerPose Between(const TDealerPose& a, const TDealerPose& b, double t) {
    const double e = Ease(t);
    TDealerPose p = a;
    for (int i = 0; i < 2; ++i) {
        p.HandX[static_cast<size_t>(i)] =
            Lerp(a.HandX[static_cast<size_t>(i)], b.HandX[static_cast<size_t>(i)], e);
        p.HandY[static_cast<size_t>(i)] =
            Lerp(a.HandY[static_cast<size_t>(i)], b.HandY[static_cast<size_t>(i)], e);
    }
    p.TipX = Lerp(a.TipX, b.TipX, e);
    p.TipY = Lerp(a.TipY, b.TipY, e);
    p.Lean = Lerp(a.Lean, b.Lean, e);
    p.Look = Lerp(a.Look, b.Look, e);
    return p;
}

// The stick's tip on a point of the layout, the stick hand forward on the rail.
TDealerPose Reach(double x, double y) {
    TDealerPose p = RestPose();
    p.TipX = x;
    p.TipY = y;
    p.HandX[1] = std::clamp(336 + (x - 320) * 0.12, 300.0, 372.0);
    p.HandY[1] = 196;
    p.Lean = std::clamp((x - 320) * 0.025, -4.0, 4.0);
    p.Look = std::clamp((x - 320) / 120.0, -1.0, 1.0);
    return p;
}

double BoxX(const TBox& box) {
    return (box.L + box.R) / 2.0;
}
double BoxY(const TBox& box) {
    return (box.T + box.B) / 2.0;
}

// The free hand and the mouth while the line lasts.
void Speak(TDealerPose& p, u32 frame, u32 talkTicks) {
    if (frame >= talkTicks)
        return;
    p.MouthOpen = frame % 3 != 2;
    const double swing = std::sin(frame * 1.1);
    p.HandX[0] += -4 * swing;
    p.HandY[0] -= 8 + 6 * std::abs(swing);
}

u32 NaturalLength(const TBeat& beat) {
    switch (beat.Gesture) {
    case TGesture::Talk:
        return beat.Arg > 0 ? static_cast<u32>(beat.Arg) : 6;
    case TGesture::PushDice:
        return 9;
    case TGesture::MarkPuck:
        return std::max<u32>(PuckTick(beat.Arg) + 3, 11);
    case TGesture::LiftPuck:
        return 8;
    case TGesture::Sweep:
        return 8;
    case TGesture::Pay:
        return 7;
    case TGesture::Shake:
        return 6;
    case TGesture::Throw:
        return 6;
    case TGesture::Land:
        return 8;
    }
    return 6;
}

// A brisk gesture's frames, each the natural gesture's frame it shows; empty where the gesture
// keeps its natural frames. Each keeps the program's moments: the dice arrive (and land) on the
// last frame, the stick is out over the layout until the losers leave it at frame 4.
std::vector<u32> BriskFrames(const TBeat& beat) {
    if (!beat.Brisk)
        return {};
    switch (beat.Gesture) {
    case TGesture::PushDice:
        return {3, 5, 7};
    case TGesture::Sweep:
        return {1, 2, 3, 3, 5};
    case TGesture::Pay:
        return {1, 5};
    case TGesture::Shake:
        return {1, 3};
    case TGesture::Throw:
        return {2, 4};
    case TGesture::Land:
        return {3, 6};
    case TGesture::Talk:
    case TGesture::MarkPuck:
    case TGesture::LiftPuck:
        break;
    }
    return {};
}

// How long the gesture itself lasts, before any line lengthens it.
u32 GestureLength(const TBeat& beat) {
    if (!beat.Brisk)
        return NaturalLength(beat);
    const std::vector<u32> frames = BriskFrames(beat);
    if (!frames.empty())
        return static_cast<u32>(frames.size());
    switch (beat.Gesture) {
    case TGesture::Talk:
        return beat.Arg > 0 ? static_cast<u32>(beat.Arg) : 1;
    case TGesture::MarkPuck:
        // Let go of when the program shows its puck; the place-mark list is never shorter.
        return std::max<u32>(PuckTick(beat.Arg) + 1, 11);
    case TGesture::LiftPuck:
        // Lifted at tick 3, carried two ticks, laid off two ticks before the end.
        return 7;
    default:
        return NaturalLength(beat);
    }
}

// The natural frame a frame of the beat shows: the brisk table's, and past it onward.
u32 NaturalFrame(const TBeat& beat, u32 f) {
    const std::vector<u32> frames = BriskFrames(beat);
    if (frames.empty())
        return f;
    return f < frames.size() ? frames[f]
                             : frames.back() + (f - static_cast<u32>(frames.size()) + 1);
}

// Where the puck goes when the point is not known: the middle of the numbers.
double MiddleX() {
    return (BoxX(NumberBox(2)) + BoxX(NumberBox(3))) / 2;
}

// The dealer's pose at a frame of a beat `length` ticks long.
TDealerPose DealerPose(const TBeat& beat, u32 f, u32 length) {
    const TDealerPose rest = RestPose();
    TDealerPose p = rest;
    switch (beat.Gesture) {
    case TGesture::Talk:
        p.Lean = std::sin(f * 0.7) * 1.5;
        break;
    case TGesture::PushDice: {
        const double tx = SeatX(beat.Arg);
        const double ty = SEAT_LINE_Y - 24;
        const TDealerPose start = Reach(DiceHomeX, DiceHomeY - 9);
        const TDealerPose end = Reach(tx, ty - 9);
        p = f < 3 ? Between(rest, start, f / 2.0) : Between(start, end, (f - 3) / 4.0);
        if (f >= 8)
            p = Between(end, rest, (f - 7) / 3.0);
        p.Carried = TCarried::Dice;
        const double t = Ease((static_cast<double>(f) - 3) / 4.0);
        p.CarriedX = f < 3 ? DiceHomeX : Lerp(DiceHomeX, tx, t);
        p.CarriedY = f < 3 ? DiceHomeY : Lerp(DiceHomeY, ty, t);
        p.Faces = {static_cast<int>(f % 6) + 1, static_cast<int>((f + 3) % 6) + 1};
        if (f >= 7)
            p.Faces = {5, 2};
        break;
    }
    case TGesture::MarkPuck: {
        const u32 at = PuckTick(beat.Arg);
        const TBox box = NumberBox(std::clamp(beat.Arg, 0, 5));
        const double fromX = BoxX(DontComeBox()), fromY = BoxY(DontComeBox());
        const double toX = beat.Arg >= 0 ? BoxX(box) : MiddleX(), toY = BoxY(box);
        const TDealerPose pick = Reach(fromX, fromY - 9);
        const TDealerPose set = Reach(toX, toY - 9);
        if (f < 2)
            p = Between(rest, pick, (f + 1) / 2.0);
        else if (f < at)
            p = Between(pick, set, (f - 1.0) / (at - 2.0));
        else
            p = Between(set, rest, (f - at + 1.0) / 3.0);
        if (f < at) {
            const double t = f < 2 ? 0 : Ease((f - 1.0) / (at - 2.0));
            p.Carried = f + 1 >= at ? TCarried::PuckOn : TCarried::PuckOff;
            p.CarriedX = Lerp(fromX, toX, t);
            p.CarriedY = Lerp(fromY, toY, t);
        }
        break;
    }
    case TGesture::LiftPuck: {
        const bool known = beat.Arg >= 0;
        const TBox box = NumberBox(known ? std::min(beat.Arg, 5) : 2);
        const double fromX = known ? BoxX(box) : MiddleX(), fromY = BoxY(box);
        const double toX = BoxX(DontComeBox()), toY = BoxY(DontComeBox());
        const TDealerPose take = Reach(fromX, fromY - 9);
        const TDealerPose drop = Reach(toX, toY - 9);
        // Lifted at tick 3, laid off at length - 2.
        const u32 off = length - 2;
        if (f < 3)
            p = Between(rest, take, (f + 1) / 3.0);
        else if (f < off)
            p = Between(take, drop, (f - 3.0) / std::max(1.0, off - 4.0));
        else
            p = Between(drop, rest, (f - off + 1.0) / 2.0);
        if (f >= 3 && f < off) {
            // Taken up where it lay, set down in the box on the last tick before the program's.
            const double t = Ease((f - 3.0) / std::max(1.0, off - 4.0));
            p.Carried = f + 1 >= off ? TCarried::PuckOff : TCarried::PuckOn;
            p.CarriedX = Lerp(fromX, toX, t);
            p.CarriedY = Lerp(fromY, toY, t);
        }
        break;
    }
    case TGesture::Sweep: {
        const TDealerPose out = Reach(410, 352);
        const TDealerPose in = Reach(DiceHomeX + 6, DiceHomeY - 4);
        if (f < 4)
            p = Between(rest, out, (f + 1) / 4.0);
        else if (f < 7)
            p = Between(out, in, (f - 3) / 3.0);
        else
            p = Between(in, rest, (f - 6) / 2.0);
        if (f >= 4 && f < 7) {
            p.Carried = TCarried::Chips;
            p.CarriedX = p.TipX;
            p.CarriedY = p.TipY + 9;
        }
        break;
    }
    case TGesture::Pay: {
        const double tx = beat.Arg < 0 ? 400 : SeatX(beat.Arg);
        const double ty = SEAT_LINE_Y - 50;
        const TDealerPose behind = Reach(DiceHomeX, DiceHomeY - 10);
        const TDealerPose pushed = Reach(tx, ty - 10);
        p = f < 2 ? Between(rest, behind, (f + 1) / 2.0) : Between(behind, pushed, (f - 1) / 4.0);
        const double t = f < 2 ? 0 : Ease((f - 1) / 4.0);
        p.Carried = TCarried::Chips;
        p.CarriedX = Lerp(DiceHomeX, tx, t);
        p.CarriedY = Lerp(DiceHomeY, ty, t);
        break;
    }
    case TGesture::Shake:
    case TGesture::Throw:
    case TGesture::Land:
        break;
    }
    return p;
}

// The dice (or the fist holding them) at a frame of a dice-track beat.
TDealerPose DicePose(const TBeat& beat, u32 f) {
    TDealerPose p;
    p.Stick = false;
    switch (beat.Gesture) {
    case TGesture::Shake: {
        static const double Jx[6] = {0, 3, -2, 3, -3, 1};
        static const double Jy[6] = {0, -3, 1, -4, 0, -2};
        p.CarriedX = SeatX(beat.Arg) - 22 + Jx[f % 6];
        p.CarriedY = SEAT_LINE_Y - 30 + Jy[f % 6];
        break;
    }
    case TGesture::Throw: {
        const double fromX = SeatX(beat.Arg) - 22, fromY = SEAT_LINE_Y - 30;
        const double toX = 330 + (SeatX(beat.Arg) - 420) * 0.3, toY = WallY;
        const double t = f / 5.0;
        p.Carried = TCarried::Dice;
        p.CarriedX = Lerp(fromX, toX, t);
        p.CarriedY = Lerp(fromY, toY, t) - std::sin(t * 3.14159) * 28;
        p.Faces = {static_cast<int>(f * 5 % 6) + 1, static_cast<int>(f * 2 % 6) + 1};
        break;
    }
    case TGesture::Land: {
        const int v = std::clamp(beat.Arg, 0, 2);
        const double restX = (BoxX(BigDieBox(v, 0)) + BoxX(BigDieBox(v, 1))) / 2;
        const double restY = BoxY(BigDieBox(v, 0));
        // Off the wall, one hop and a roll to rest.
        static const double Hop[8] = {0, 14, 6, 0, 5, 0, 1, 0};
        const double t = Ease(f / 6.0);
        p.Carried = TCarried::Dice;
        p.CarriedX = Lerp(340, restX, t);
        p.CarriedY = Lerp(WallY + 2, restY, t) - Hop[std::min<u32>(f, 7)];
        p.Faces = f >= 6 ? std::array<int, 2>{6, 1}
                         : std::array<int, 2>{static_cast<int>(f * 4 % 6) + 1,
                                              static_cast<int>(f * 5 % 6) + 1};
        break;
    }
    default:
        break;
    }
    return p;
}

char GestureLetter(TGesture g) {
    static const char Letters[] = "tpmlsykwd";
    return Letters[static_cast<size_t>(g)];
}

std::string Base36(u32 v, size_t width) {
    const char* digits = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string out(width, '0');
    for (size_t i = width; i-- > 0; v /= 36)
        out[i] = digits[v % 36];
    return out;
}

u32 Fnv(const std::string& text) {
    u32 h = 2166136261u;
    for (unsigned char c : text)
        h = (h ^ c) * 16777619u;
    return h;
}

// The line's wave, one file per distinct line; its length in ticks.
std::pair<std::string, u32> LineWave(TDataSet& set, const std::string& line) {
    static std::map<std::string, std::string> texts;
    const std::string key = Base36(Fnv(line), 6);
    const auto known = texts.emplace(key, line);
    if (known.first->second != line)
        throw TBuildError(line, "shares its wave's name with \"" + known.first->second + "\"");
    const std::string name = TableFile("dv" + key + ".wav");
    const TRawFile* file = set.FindRaw(name);
    if (file == nullptr) {
        const TSamples samples = DealerSpeech(line);
        set.AddWave(name, samples);
        file = set.FindRaw(name);
    }
    return {name, WaveTicks(*file)};
}

// The longest line a talking head covers.
constexpr u32 TalkFrames = 60;

std::vector<TDealerPose> TalkingHead() {
    std::vector<TDealerPose> poses;
    for (u32 f = 0; f < TalkFrames; ++f) {
        TDealerPose p = RestPose();
        p.Lean = std::sin(f * 0.7) * 1.5;
        Speak(p, f, TalkFrames);
        poses.push_back(p);
    }
    return poses;
}

} // namespace

void AddMember(TDataSet& set, TSpriteModel& sprite, const std::string& file, i16 z, u32 length,
               i16 direction, const std::function<TFigureFrames()>& make, u16 row) {
    static std::map<std::string, std::pair<i32, i32>> corners;
    const std::string name = TableFile(file);
    if (set.FindRaw(name) == nullptr) {
        const TFigureFrames frames = make();
        set.AddAnm(name, frames.Frames);
        corners[name] = {frames.Left, frames.Top};
    }
    if (direction == PLAY_FORWARD && set.FindRaw(name)->Frames < length)
        throw TBuildError(name, "has fewer frames than " + sprite.GetName() + " plays");
    const auto [left, top] = corners.at(name);
    sprite.AddAnmAt(row, name, left, top, z, length, direction);
}

namespace {

std::string ArgText(i32 arg) {
    return arg < 0 ? std::string("x") : std::to_string(arg);
}

} // namespace

u32 PuckTick(int box) {
    static const u32 Ticks[6] = {7, 8, 8, 9, 9, 10};
    return Ticks[std::clamp(box, 0, 5)];
}

std::string GestureSpriteStart(TGesture gesture) {
    return TableFile(std::string("f1dl") + GestureLetter(gesture));
}

bool OnDiceTrack(TGesture gesture) {
    return gesture == TGesture::Shake || gesture == TGesture::Throw || gesture == TGesture::Land;
}

TBeatSprite BeatSprite(TDataSet& set, const TBeat& beat, u32 minTicks) {
    const bool dice = OnDiceTrack(beat.Gesture);
    std::string spoken;
    u32 talk = 0;
    if (!beat.Line.empty())
        std::tie(spoken, talk) = LineWave(set, beat.Line);
    // A brisk beat that talks lasts its line; otherwise the mouth closes a tick before the end.
    const u32 length = std::max({GestureLength(beat), beat.Brisk ? talk : talk + 1, minTicks});
    // Brisk frames differ from the natural ones where the gesture is redrawn for the pace.
    const bool redrawn =
        beat.Brisk && (!BriskFrames(beat).empty() || beat.Gesture == TGesture::LiftPuck);
    const std::string gesture =
        std::string(1, GestureLetter(beat.Gesture)) + ArgText(beat.Arg) + (redrawn ? "q" : "");
    const std::string stem = gesture + "_" + std::to_string(length);
    const std::string name = TableFile(
        "f1dl" + stem + "_" +
        (spoken.empty() ? std::string("q") : spoken.substr(spoken.size() - 10, 6)) + ".sp");
    TSpriteListModel& list = TableSprites(set);
    if (const TSpriteModel* made = list.Find(name))
        return {name, made->Duration(), made->GetSet(), made->WaveCount()};

    // The gesture's own poses, and the same with the line spoken over them.
    std::vector<TDealerPose> moving;
    std::vector<TDealerPose> poses;
    for (u32 f = 0; f < length; ++f) {
        const u32 natural = NaturalFrame(beat, f);
        if (dice) {
            poses.push_back(DicePose(beat, std::min(natural, NaturalLength(beat) - 1)));
        } else {
            TDealerPose p = DealerPose(beat, natural, length);
            moving.push_back(p);
            Speak(p, f, talk);
            poses.push_back(p);
        }
    }
    TFigureArtist& artist = FigureArtist(set);
    const std::string anm = "da" + stem + "_" + std::to_string(dice ? 0 : talk);
    TSpriteModel sprite(name, 0, dice ? DICE_SET : DEALER_SET);
    if (dice) {
        const bool fist = beat.Gesture == TGesture::Shake;
        AddMember(set, sprite, anm + ".anm", DiceTrackZ, length, PLAY_FORWARD,
                  [&] { return artist.Dice(poses, fist); });
    } else if (beat.Gesture == TGesture::Talk) {
        // Standing and talking: the arms hold still, the head talks (or rests) on its own.
        AddMember(set, sprite, "dlbody.anm", DealerZ, length, PLAY_HOLD,
                  [&] { return artist.Body({RestPose()}); });
        if (talk == 0)
            AddMember(set, sprite, "dlhead.anm", DealerZ, length, PLAY_HOLD,
                      [&] { return artist.Head({RestPose()}); });
        else
            AddMember(set, sprite, "dltalk.anm", DealerZ, length, PLAY_FORWARD,
                      [&] { return artist.Head(TalkingHead()); });
    } else if (beat.Gesture == TGesture::LiftPuck) {
        // The puck is carried until two ticks before the end, however long the line.
        AddMember(set, sprite, anm + "b.anm", DealerZ, length, PLAY_FORWARD,
                  [&] { return artist.Body(poses); });
        AddMember(set, sprite, anm + "h.anm", DealerZ, length, PLAY_FORWARD,
                  [&] { return artist.Head(poses); });
    } else {
        // The gesture once, then the arms at rest (and what was pushed, where it stopped)
        // while the line lasts.
        const u32 moved = std::min(GestureLength(beat), length);
        const std::vector<TDealerPose> moves(moving.begin(), moving.begin() + moved);
        AddMember(set, sprite, "da" + gesture + "_" + std::to_string(moved) + "b.anm", DealerZ,
                  moved, PLAY_FORWARD, [&] { return artist.Body(moves); });
        if (moved < length) {
            const u16 rest = static_cast<u16>(moved);
            AddMember(
                set, sprite, "dlbody.anm", DealerZ, length - moved, PLAY_HOLD,
                [&] { return artist.Body({RestPose()}); }, rest);
            const TDealerPose left = moving.back();
            if (left.Carried != TCarried::Nothing)
                AddMember(
                    set, sprite, "da" + gesture + "_" + std::to_string(moved) + "t.anm", DealerZ,
                    length - moved, PLAY_HOLD, [&] { return artist.Dice({left}, false); }, rest);
        }
        AddMember(set, sprite, anm + "h.anm", DealerZ, length, PLAY_FORWARD,
                  [&] { return artist.Head(poses); });
    }
    if (!dice)
        AddMember(set, sprite, "dltorso.anm", DealerZ - 1, length, PLAY_HOLD,
                  [&] { return artist.Torso(); });
    for (const TEffectCue& cue : GestureEffects(set, beat, length))
        sprite.AddWaveAt(static_cast<u16>(cue.Row), cue.File, cue.Ticks);
    if (!spoken.empty())
        sprite.AddWaveAt(0, spoken, talk);
    const TBeatSprite made{name, sprite.Duration(), sprite.GetSet(), sprite.WaveCount()};
    list.Add(std::move(sprite));
    return made;
}

// Effects made of struck modes, filtered noise and envelopes; notes for the tune made the same way.
#include "tools/databuild/sound/Effects.h"

#include <algorithm>
#include <cmath>

namespace {

double NoteHz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Modes of a struck object: (frequency, time constant in ms, level).
struct TMode {
    double Hz, TauMs, Level;
};

TSignal Strike(const std::vector<TMode>& modes, double pitch, double ms) {
    TSignal out(SamplesIn(ms), 0.0);
    for (const TMode& m : modes)
        AddAt(out, Ring(m.Hz * pitch, ms, m.TauMs), 0, m.Level);
    return out;
}

// The contact itself: a burst of bright noise a couple of milliseconds long.
TSignal Tick(u32 seed, double ms, double brightHz) {
    TSignal burst = HighPass(WhiteNoise(seed, ms * 4), brightHz);
    ShapeStrike(burst, 0.1, ms);
    return burst;
}

// One clay chip striking another: a hard click with a short woody ring.
TSignal Clack(TSynthRandom& random, double level) {
    const double pitch = random.Between(0.92, 1.08);
    TSignal out =
        Strike({{2150, 9, 1.0}, {3480, 6, 0.7}, {5120, 4, 0.45}, {900, 5, 0.3}}, pitch, 45);
    AddAt(out, Tick(static_cast<u32>(random.Next() * 1e6), 2.5, 2000), 0, 0.8);
    for (double& v : out)
        v *= level;
    return out;
}

// A die striking something hard: higher and drier than a chip.
TSignal DieClick(TSynthRandom& random, double level) {
    const double pitch = random.Between(0.85, 1.15);
    TSignal out = Strike({{3100, 5, 1.0}, {5200, 3, 0.6}, {7600, 2, 0.4}}, pitch, 30);
    AddAt(out, Tick(static_cast<u32>(random.Next() * 1e6), 1.5, 3000), 0, 0.7);
    for (double& v : out)
        v *= level;
    return out;
}

// A die landing on felt: mostly a muffled thump.
TSignal FeltThud(TSynthRandom& random, double level) {
    TSignal out = LowPass(LowPass(WhiteNoise(static_cast<u32>(random.Next() * 1e6), 60), 600), 600);
    ShapeStrike(out, 1, 9);
    AddAt(out, Ring(random.Between(170, 230), 70, 14), 0, 0.25);
    AddAt(out, DieClick(random, 0.18), 0);
    for (double& v : out)
        v *= level;
    return out;
}

// An effect finished at its share of the effects' limit (EFFECT_PEAK); the loudest reach it.
TSamples Effect(const TSignal& s, double share) {
    return Finish(s, std::min(share, 1.0) * EFFECT_PEAK);
}

// A bell or chime note: inharmonic partials, the higher dying sooner.
TSignal Bell(double hz, double ms, double tauMs) {
    return Strike({{hz, tauMs, 1.0},
                   {hz * 2.0, tauMs * 0.6, 0.45},
                   {hz * 2.76, tauMs * 0.45, 0.25},
                   {hz * 5.4, tauMs * 0.25, 0.12}},
                  1.0, ms);
}

// A square-ish buzz of odd harmonics, for signals that say no.
TSignal Buzz(double hz, double ms) {
    TSignal out(SamplesIn(ms), 0.0);
    for (int k = 1; k <= 7; k += 2)
        AddAt(out, Ring(hz * k, ms, 1e9), 0, 1.0 / k);
    ShapeLevel(out, {{0, 0}, {4, 1}, {ms * 0.6, 0.8}, {ms, 0}});
    return out;
}

} // namespace

TSamples ChipClicks(int count, u32 seed) {
    count = std::clamp(count, 1, 12);
    TSynthRandom random(seed + 100U * static_cast<u32>(count));
    // Uneven gaps, but a pile always takes longer to set down than a smaller one: the gaps are
    // scaled to a span that grows with the count, more slowly than the count.
    std::vector<double> gaps(static_cast<size_t>(count - 1));
    double sum = 0;
    for (double& gap : gaps)
        sum += gap = random.Between(0.6, 1.4);
    const double span = 40.0 * std::pow(count - 1, 0.8);
    TSignal out;
    double at = 0;
    for (int i = 0; i < count; ++i) {
        // The last ones land softer.
        const double level = random.Between(0.7, 1.0) * (1.0 - 0.3 * i / count);
        AddAt(out, Clack(random, level), at);
        if (i + 1 < count)
            at += gaps[static_cast<size_t>(i)] * span / sum;
    }
    return Effect(out, 0.95);
}

TSamples PayoutClink() {
    TSynthRandom random(7);
    // The slide: chips pushed over the felt.
    TSignal slide = LowPass(Resonate(WhiteNoise(70, 220), 1600, 0.8), 4000);
    ShapeLevel(slide, {{0, 0}, {60, 0.35}, {180, 0.25}, {220, 0}});
    TSignal out = slide;
    double at = 150;
    for (int i = 0; i < 7; ++i) {
        AddAt(out, Clack(random, random.Between(0.6, 1.0)), at);
        at += random.Between(30, 55);
    }
    return Effect(out, 0.95);
}

TSamples AllInChime() {
    TSignal out;
    const int notes[4] = {79, 84, 88, 91}; // G5 C6 E6 G6
    for (int i = 0; i < 4; ++i)
        AddAt(out, Bell(NoteHz(notes[i]), i == 3 ? 700 : 400, i == 3 ? 220 : 120), i * 90.0,
              i == 3 ? 1.0 : 0.8);
    return Effect(out, 0.8);
}

TSamples RefusalBlip() {
    TSignal out = LowPass(Buzz(196, 90), 2500);
    AddAt(out, LowPass(Buzz(147, 120), 2500), 120);
    return Effect(out, 0.55);
}

TSamples SpareTick(int index) {
    TSynthRandom random(900U + static_cast<u32>(index));
    return Effect(Clack(random, 1.0), 0.35);
}

TSamples DiceRattle(u32 seed, int shakes) {
    TSynthRandom random(seed * 31U + 5U);
    TSignal out;
    shakes = std::clamp(shakes, 1, 3);
    // In each shake the dice knock each other and the palm a few times.
    for (int shake = 0; shake < shakes; ++shake) {
        const double start = 40 + shake * random.Between(190, 230);
        const int knocks = 6 + static_cast<int>(random.Next() * 4);
        for (int k = 0; k < knocks; ++k) {
            const double at = start + random.Between(0, 120);
            if (random.Next() < 0.6)
                AddAt(out, DieClick(random, random.Between(0.4, 1.0)), at);
            else
                AddAt(out, LowPass(DieClick(random, random.Between(0.5, 0.9)), 1800), at);
        }
    }
    // The hand moving.
    const double handMs = shakes == 3 ? 720 : 40 + 240.0 * shakes;
    TSignal hand = LowPass(WhiteNoise(seed + 17U, handMs), 900);
    ShapeLevel(hand, {{0, 0}, {100, 0.08}, {handMs - 120, 0.06}, {handMs, 0}});
    AddAt(out, hand, 0);
    return Effect(out, 0.9);
}

TSamples DiceThrow(u32 seed, double ms) {
    ms = std::clamp(ms, 100.0, 380.0);
    TSignal whoosh = ResonateGlide(WhiteNoise(seed * 13U + 3U, ms), 450, 1500, 1.6);
    AddAt(whoosh, ResonateGlide(WhiteNoise(seed * 13U + 4U, ms), 900, 2800, 2.5), 0, 0.5);
    whoosh = LowPass(whoosh, 3000);
    const double k = ms / 380;
    ShapeLevel(whoosh, {{0, 0}, {150 * k, 1.0}, {260 * k, 0.5}, {ms, 0}});
    // The dice click once as they leave the hand.
    TSynthRandom random(seed);
    AddAt(whoosh, DieClick(random, 0.25), 20);
    return Effect(whoosh, 0.7);
}

TSamples DiceBounce(u32 seed) {
    TSynthRandom random(seed * 7U + 1U);
    TSignal out = FeltThud(random, 1.0);
    AddAt(out, FeltThud(random, random.Between(0.6, 0.9)), random.Between(15, 35));
    // A small hop each.
    AddAt(out, FeltThud(random, 0.35), random.Between(110, 140));
    AddAt(out, FeltThud(random, 0.25), random.Between(150, 190));
    return Effect(out, 0.95);
}

TSamples DiceWallHit(u32 seed) {
    TSynthRandom random(seed * 11U + 2U);
    // The wall: a padded wooden rail, a knock with a low body.
    TSignal knock = Strike({{330, 22, 1.0}, {870, 12, 0.5}, {1650, 6, 0.25}}, 1.0, 120);
    ShapeStrike(knock, 0.5, 40);
    TSignal out;
    AddAt(out, knock, 0, 0.9);
    AddAt(out, DieClick(random, 0.8), 0);
    AddAt(out, knock, random.Between(10, 25), 0.6);
    AddAt(out, DieClick(random, 0.6), random.Between(10, 25));
    return Effect(out, 1.0);
}

TSamples DiceSettle(u32 seed) {
    TSynthRandom random(seed * 17U + 9U);
    TSignal out;
    // A die rocking to rest: ever quicker, ever softer.
    double at = 0, gap = 70, level = 0.8;
    for (int i = 0; i < 7; ++i) {
        AddAt(out, FeltThud(random, level), at);
        at += gap * random.Between(0.85, 1.1);
        gap *= 0.72;
        level *= 0.72;
    }
    return Effect(out, 0.65);
}

TSamples DiceQuickLanding(u32 seed) {
    TSynthRandom random(seed * 19U + 3U);
    // Off the wall and straight down: the knock, then three quick thuds to rest.
    TSignal knock = Strike({{330, 22, 1.0}, {870, 12, 0.5}, {1650, 6, 0.25}}, 1.0, 100);
    ShapeStrike(knock, 0.5, 35);
    TSignal out;
    AddAt(out, knock, 0, 0.9);
    AddAt(out, DieClick(random, 0.8), 0);
    double level = 0.6;
    for (double at : {110.0, 170.0, 210.0}) {
        AddAt(out, FeltThud(random, level), at);
        level *= 0.7;
    }
    return Effect(out, 1.0);
}

TSamples ChipSweep(u32 seed) {
    TSynthRandom random(seed * 19U + 4U);
    TSignal out = LowPass(Resonate(WhiteNoise(seed + 300U, 320), 1400, 0.7), 3500);
    ShapeLevel(out, {{0, 0}, {40, 0.5}, {250, 0.35}, {320, 0}});
    // The chips knock together as they go.
    for (int i = 0; i < 4; ++i)
        AddAt(out, Clack(random, random.Between(0.25, 0.45)), random.Between(30, 280));
    return Effect(out, 0.7);
}

TSamples StickSweep(u32 seed) {
    // A long soft stroke of wood over felt, and the dice knocking once as they are drawn in.
    TSignal out = LowPass(LowPass(Resonate(WhiteNoise(seed + 400U, 450), 700, 0.6), 2000), 2000);
    ShapeLevel(out, {{0, 0}, {80, 0.6}, {380, 0.4}, {450, 0}});
    TSynthRandom random(seed * 23U + 6U);
    AddAt(out, DieClick(random, 0.2), random.Between(150, 300));
    return Effect(out, 0.6);
}

TSamples PuckPlace() {
    // A heavy plastic disc set down flat: a low knock, a short bright edge.
    TSignal out = Strike({{260, 14, 1.0}, {720, 8, 0.5}, {1900, 4, 0.3}}, 1.0, 100);
    TSynthRandom random(77);
    AddAt(out, FeltThud(random, 0.6), 0);
    AddAt(out, Tick(78, 1.5, 2500), 0, 0.3);
    return Effect(out, 0.8);
}

TSamples ButtonPress() {
    TSignal out = Strike({{1800, 4, 1.0}, {4100, 2, 0.5}}, 1.0, 30);
    AddAt(out, Tick(31, 1.5, 2500), 0, 0.6);
    return Effect(out, 0.55);
}

TSamples ButtonRelease() {
    TSignal out = Strike({{2600, 3, 1.0}, {5200, 1.5, 0.4}}, 1.0, 25);
    AddAt(out, Tick(37, 1.0, 3500), 0, 0.5);
    return Effect(out, 0.4);
}

TSamples SignalChime() {
    TSignal out = Bell(NoteHz(88), 450, 180);    // E6
    AddAt(out, Bell(NoteHz(84), 650, 260), 220); // C6
    return Effect(out, 0.7);
}

namespace {

// An electric-piano voice for the tune's melody and chords.
TSignal Keys(int midi, double ms) {
    const double hz = NoteHz(midi);
    TSignal out =
        Strike({{hz, 380, 1.0}, {hz * 2, 160, 0.35}, {hz * 3, 90, 0.18}, {hz * 4.01, 40, 0.1}}, 1.0,
               ms + 120);
    ShapeLevel(out, {{0, 0}, {3, 1}, {ms, 0.8}, {ms + 120, 0}});
    return out;
}

// A plucked string (a delay line fed back through an average), for the bass.
TSignal Pluck(int midi, double ms, u32 seed) {
    const size_t period = static_cast<size_t>(std::lround(WAVE_RATE / NoteHz(midi)));
    TSignal line =
        LowPass(WhiteNoise(seed, 1000.0 * static_cast<double>(period) / WAVE_RATE), 2500);
    TSignal out(SamplesIn(ms));
    for (size_t i = 0; i < out.size(); ++i) {
        const size_t k = i % period;
        out[i] = line[k];
        line[k] = 0.996 * 0.5 * (line[k] + line[(k + 1) % period]);
    }
    ShapeLevel(out, {{0, 1}, {ms - 30, 1}, {ms, 0}});
    return out;
}

} // namespace

TSamples IntroJingle() {
    constexpr double Eighth = 165; // ms: a brisk swing-free tempo
    struct TNote {
        double At, Length;
        int Midi;
    };
    // A rising call, an answer that turns back, and the home chord.
    const TNote melody[] = {
        {0, 1, 67},  {1, 1, 72},  {2, 1, 76},  {3, 2, 79},  {5, 1, 76},
        {6, 1, 79},  {7, 3, 84},  {10, 1, 81}, {11, 1, 79}, {12, 1, 76},
        {13, 1, 77}, {14, 1, 74}, {15, 2, 79}, {17, 1, 83}, {18, 6, 84},
    };
    const TNote bass[] = {
        {0, 2, 48},  {2, 2, 52},  {4, 2, 55},  {6, 2, 52},  {8, 2, 45},
        {10, 2, 48}, {12, 2, 41}, {14, 2, 43}, {16, 2, 43}, {18, 6, 36},
    };
    struct TChord {
        double At, Length;
        std::vector<int> Notes;
    };
    const TChord stabs[] = {
        {0, 1, {60, 64, 67}},      {4, 1, {60, 64, 67}},      {8, 1, {57, 60, 64}},
        {10, 1, {57, 60, 64}},     {12, 1, {53, 57, 60}},     {14, 1, {55, 59, 62, 65}},
        {16, 1, {55, 59, 62, 65}}, {18, 6, {60, 64, 67, 72}},
    };
    TSignal out;
    for (const TNote& n : melody)
        AddAt(out, Keys(n.Midi, n.Length * Eighth), n.At * Eighth, 0.8);
    for (const TNote& n : bass)
        AddAt(out, Pluck(n.Midi, n.Length * Eighth, static_cast<u32>(n.At) + 5U), n.At * Eighth,
              0.7);
    for (const TChord& c : stabs)
        for (int note : c.Notes)
            AddAt(out, Keys(note, c.Length * Eighth * 0.6), c.At * Eighth, 0.22);
    // Chips shaken for a beat, and a last clink on the final chord.
    TSynthRandom random(2001);
    for (int i = 0; i < 18; ++i)
        if (i % 2 == 1)
            AddAt(out, Clack(random, 0.18), i * Eighth);
    AddAt(out, Clack(random, 0.35), 18 * Eighth);
    return Finish(out, VOICE_PEAK);
}

// The table's voice and effects: every sound reads back as the mixer's format, is heard, never
// touches full scale, lasts what its moment allows, and builds the same every time.
#include "platform/audio/WaveFile.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/model/TableLayout.h"
#include "tools/databuild/model/TableObjects.h"
#include "tools/databuild/sound/Effects.h"
#include "tools/databuild/sound/Speech.h"
#include "tools/databuild/sound/Wave.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

namespace {

struct TLevels {
    i32 Peak = 0;
    double Rms = 0;
};

TLevels LevelsOf(const TSamples& s) {
    TLevels l;
    double sum = 0;
    for (i16 v : s) {
        l.Peak = std::max(l.Peak, std::abs(static_cast<i32>(v)));
        sum += static_cast<double>(v) * v;
    }
    l.Rms = s.empty() ? 0 : std::sqrt(sum / static_cast<double>(s.size()));
    return l;
}

u32 Milliseconds(const TSamples& s) {
    return static_cast<u32>(s.size() * 1000 / WAVE_RATE);
}

// The checks every finished sound passes, as the mixer will read it: heard, and no louder than
// the limit of what it is (a voice's or an effect's).
void ExpectPlayable(const std::string& name, const TSamples& s, u32 minMs, u32 maxMs, i32 limit) {
    SCOPED_TRACE(name);
    const std::vector<u8> bytes = EncodeWave(s);
    TWaveFile wave;
    ASSERT_EQ(ParseWaveFile(bytes.data(), bytes.size(), wave), 0U);
    EXPECT_EQ(wave.Channels, 1);
    EXPECT_EQ(wave.Bits, 16);
    EXPECT_EQ(wave.Rate, 22050U);
    EXPECT_EQ(wave.Frames(), s.size());
    const TLevels l = LevelsOf(s);
    EXPECT_LE(l.Peak, limit) << "louder than its limit";
    EXPECT_GT(l.Peak, limit / 4) << "barely heard";
    EXPECT_GT(l.Rms, limit / 100.0) << "barely heard";
    EXPECT_GE(Milliseconds(s), minMs);
    EXPECT_LE(Milliseconds(s), maxMs);
    // The mixer counts a wave cell's length in frames, in a signed 16-bit field.
    EXPECT_LT(TicksOf(s), 32768U);
}

TEST(SpeechTest, LinesAreSpokenAtTheTablesRateTrimmedAndBelowFullScale) {
    struct Case {
        const char* Text;
        TVoice Voice;
        u32 MinMs, MaxMs;
    } cases[] = {
        {"Seven out!", {}, 400, 1800},
        {"Coming out, place your bets.", {}, 900, 3000},
        {"Yo eleven!", {"m1", 60, 60, 220}, 300, 1800},
        {"Winner, winner. Pay the line.", {"m7", 35, 40, 160}, 1000, 3500},
    };
    for (const Case& c : cases) {
        const TSamples line = SpeakLine(c.Text, c.Voice);
        ExpectPlayable(c.Text, line, c.MinMs, c.MaxMs, VOICE_LIMIT);
        // Trimmed: the line starts and ends within a few ms of sound, not a long hush.
        const size_t edge = WAVE_RATE / 20;
        ASSERT_GT(line.size(), 2 * edge);
        EXPECT_GT(LevelsOf(TSamples(line.begin(), line.begin() + edge)).Peak, 200) << c.Text;
        EXPECT_GT(LevelsOf(TSamples(line.end() - edge, line.end())).Peak, 200) << c.Text;
    }
}

TEST(SpeechTest, TheSameLineGivesTheSameSamplesAndTheVoiceMatters) {
    const TSamples first = SpeakLine("Hard eight, pays nine to one.");
    // Whatever was said before it.
    SpeakLine("Seven out, line away.", {"m1", 70, 80, 250});
    const TSamples again = SpeakLine("Hard eight, pays nine to one.");
    EXPECT_EQ(first, again);
    const TSamples faster = SpeakLine("Hard eight, pays nine to one.", {"m3", 42, 55, 300});
    EXPECT_LT(faster.size(), first.size());
}

TEST(SpeechTest, SeveralThreadsSpeakAtOnceAndEachGetsItsOwnLine) {
    const std::string texts[4] = {"Snake eyes.", "Box cars.", "Ace deuce.", "Easy four."};
    TSamples alone[4];
    for (int i = 0; i < 4; ++i)
        alone[i] = SpeakLine(texts[i]);
    TSamples together[4];
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
        threads.emplace_back([&, i] { together[i] = SpeakLine(texts[i]); });
    for (std::thread& t : threads)
        t.join();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(together[i], alone[i]) << texts[i];
}

TEST(SpeechTest, WhatCannotBeSpokenIsABuildErrorAndTheNextLineIsStillSpoken) {
    for (const char* text : {"", "   ", "..."})
        EXPECT_THROW(SpeakLine(text), TBuildError) << '"' << text << '"';
    for (const char* variant : {"no-such-variant", "../!v/m3", "/etc/passwd"})
        EXPECT_THROW(SpeakLine("Seven out.", {variant}), TBuildError) << variant;
    EXPECT_THROW(SpeakLine(std::string(70000, 'a')), TBuildError);
    EXPECT_THROW(SpeakLine("Seven out.", {std::string(70000, 'm')}), TBuildError);
    EXPECT_EQ(SpeakLine("Seven out."), SpeakLine("Seven out."));
    EXPECT_GT(SpeakLine("Seven out.").size(), WAVE_RATE / 4);
}

TEST(EffectsTest, EveryEffectIsPlayableAndLastsWhatItsMomentAllows) {
    struct Case {
        const char* Name;
        std::function<TSamples()> Make;
        u32 MinMs, MaxMs;
    } cases[] = {
        {"one chip", [] { return ChipClicks(1); }, 20, 120},
        {"three chips", [] { return ChipClicks(3); }, 80, 300},
        {"a pile", [] { return ChipClicks(8); }, 150, 500},
        {"payout", PayoutClink, 200, 800},
        {"all in", AllInChime, 400, 1500},
        {"refusal", RefusalBlip, 100, 400},
        {"spare", [] { return SpareTick(6); }, 20, 200},
        {"rattle", [] { return DiceRattle(); }, 400, 1200},
        {"throw", [] { return DiceThrow(); }, 200, 600},
        {"bounce", [] { return DiceBounce(); }, 100, 500},
        {"wall", [] { return DiceWallHit(); }, 60, 400},
        {"settle", [] { return DiceSettle(); }, 150, 600},
        {"chip sweep", [] { return ChipSweep(); }, 200, 600},
        {"stick sweep", [] { return StickSweep(); }, 250, 700},
        {"puck", PuckPlace, 40, 250},
        {"press", ButtonPress, 10, 80},
        {"release", ButtonRelease, 10, 80},
        {"signal", SignalChime, 300, 1200},
        {"jingle", IntroJingle, 2500, 6000},
    };
    for (const Case& c : cases) {
        const TSamples first = c.Make();
        ExpectPlayable(c.Name, first, c.MinMs, c.MaxMs,
                       std::string(c.Name) == "jingle" ? VOICE_LIMIT : EFFECT_LIMIT);
        EXPECT_EQ(c.Make(), first) << c.Name << " differs from one build to the next";
    }
}

TEST(EffectsTest, MoreChipsSoundLongerAndSeedsVaryThem) {
    u32 last = 0;
    for (int count : {1, 2, 4, 6, 12}) {
        const u32 ms = Milliseconds(ChipClicks(count));
        EXPECT_GT(ms, last) << count;
        last = ms;
    }
    EXPECT_EQ(ChipClicks(40), ChipClicks(12));
    EXPECT_EQ(ChipClicks(0), ChipClicks(1));
    EXPECT_NE(ChipClicks(3, 1), ChipClicks(3, 2));
    EXPECT_NE(DiceBounce(1), DiceBounce(2));
}

TEST(TableSoundsTest, TheSpritesBindTheirWavesAndEveryBoundWaveIsInTheSet) {
    TDataSet set = MakeDataSet();
    TSpriteListModel& table = TableSprites(set);
    struct Case {
        u16 Code;
        u16 Waves;
    } cases[] = {{TO_SOUND, 11}, {TO_RACK, 3}};
    std::vector<Case> all(std::begin(cases), std::end(cases));
    for (const TTableButton& button : TableButtons())
        // Only the Expert button sounds its signal.
        all.push_back({button.Code, static_cast<u16>(button.Number == 0 ? 3 : 2)});
    for (const Case& c : all) {
        const TSpriteModel* sprite = table.Find(ProgramString(TableObjectString(c.Code)));
        ASSERT_NE(sprite, nullptr) << c.Code;
        ASSERT_EQ(sprite->WaveCount(), c.Waves) << sprite->GetName();
        for (u16 w = 0; w < c.Waves; ++w) {
            const TRawFile* file = set.FindRaw(sprite->Wave(w)->File);
            ASSERT_NE(file, nullptr) << sprite->GetName() << " wave " << w;
            TWaveFile wave;
            ASSERT_EQ(ParseWaveFile(file->Bytes.data(), file->Bytes.size(), wave), 0U)
                << file->Name;
            EXPECT_EQ(wave.Rate, 22050U) << file->Name;
            EXPECT_EQ(wave.Channels, 1) << file->Name;
            EXPECT_EQ(wave.Bits, 16) << file->Name;
            EXPECT_GT(wave.Frames(), 0U) << file->Name;
        }
    }
    // The rack's clicks grow with the chips that come onto it.
    const TSpriteModel* rack = table.Find(ProgramString(TableObjectString(TO_RACK)));
    size_t last = 0;
    for (u16 w = 0; w < 3; ++w) {
        const size_t bytes = set.FindRaw(rack->Wave(w)->File)->Bytes.size();
        EXPECT_GT(bytes, last) << w;
        last = bytes;
    }
}

TEST(WaveKitTest, ResampleTrimAndNormaliseKeepTheSoundAndItsLength) {
    const TSamples tone = Tone(440, 500, 0.5);
    const TSamples doubled = Resample(tone, WAVE_RATE * 2);
    EXPECT_NEAR(static_cast<double>(doubled.size()), tone.size() / 2.0, 1.0);
    EXPECT_EQ(Resample(tone, WAVE_RATE), tone);

    const TSamples padded = Then(Then(Silence(300), tone), Silence(300));
    const TSamples trimmed = Trim(padded, 100);
    EXPECT_LT(trimmed.size(), tone.size() + WAVE_RATE / 40);
    EXPECT_GT(trimmed.size(), tone.size() - WAVE_RATE / 40);
    EXPECT_TRUE(Trim(Silence(200), 100).empty());

    EXPECT_EQ(LevelsOf(Normalise(tone, 0.8)).Peak, static_cast<i32>(std::lround(0.8 * 32767)));
    EXPECT_EQ(Normalise(Silence(50), 0.8), Silence(50));
}

TEST(WaveKitTest, ResonatorsPassTheirBandAndFiltersTheirSide) {
    // Energy of a sine through each filter, as a fraction of what went in.
    const auto gain = [](double hz, const std::function<TSignal(const TSignal&)>& filter) {
        TSignal in = Ring(hz, 400, 1e9);
        const TSignal out = filter(in);
        double a = 0, b = 0;
        for (size_t i = in.size() / 2; i < in.size(); ++i) {
            a += in[i] * in[i];
            b += out[i] * out[i];
        }
        return std::sqrt(b / a);
    };
    const auto band = [](const TSignal& s) { return Resonate(s, 1000, 5); };
    EXPECT_NEAR(gain(1000, band), 1.0, 0.05);
    EXPECT_LT(gain(250, band), 0.1);
    EXPECT_LT(gain(4000, band), 0.1);
    const auto low = [](const TSignal& s) { return LowPass(s, 500); };
    const auto high = [](const TSignal& s) { return HighPass(s, 500); };
    EXPECT_GT(gain(100, low), 0.9);
    EXPECT_LT(gain(5000, low), 0.15);
    EXPECT_LT(gain(50, high), 0.15);
    EXPECT_GT(gain(5000, high), 0.9);
}

TEST(WaveKitTest, EnvelopesAndPlacementShapeTheLevel) {
    TSignal flat(SamplesIn(100), 1.0);
    ShapeLevel(flat, {{0, 0}, {50, 1}, {100, 0}});
    EXPECT_NEAR(flat[SamplesIn(25)], 0.5, 0.01);
    EXPECT_NEAR(flat[SamplesIn(50)], 1.0, 0.01);
    EXPECT_NEAR(flat[SamplesIn(75)], 0.5, 0.01);

    TSignal strike(SamplesIn(100), 1.0);
    ShapeStrike(strike, 0, 20);
    EXPECT_NEAR(strike[SamplesIn(20)], std::exp(-1.0), 0.01);

    TSignal into;
    AddAt(into, TSignal(SamplesIn(10), 0.5), 20, 2.0);
    EXPECT_EQ(into.size(), SamplesIn(30));
    EXPECT_EQ(into[SamplesIn(10)], 0.0);
    EXPECT_EQ(into[SamplesIn(25)], 1.0);

    // Finished: at the asked peak, whatever the signal's own level, and silent at the very end.
    for (double level : {0.01, 3.0}) {
        TSignal tone = Ring(440, 200, 1e9);
        for (double& v : tone)
            v *= level;
        const TSamples done = Finish(tone, 0.5);
        EXPECT_NEAR(LevelsOf(done).Peak, 0.5 * 32767, 40) << level;
        EXPECT_LT(std::abs(done.back()), 200) << level;
    }
    EXPECT_EQ(LevelsOf(Finish(TSignal(100, 0.0))).Peak, 0);
}

} // namespace

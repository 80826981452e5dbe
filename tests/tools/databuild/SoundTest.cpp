// The table's voice and effects: every sound reads back as the mixer's format, is heard, never
// touches full scale, lasts what its moment allows, and builds the same every time.
#include "platform/audio/WaveFile.h"
#include "tools/databuild/BuildError.h"
#include "tools/databuild/Speech.h"
#include "tools/databuild/Wave.h"

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

// The checks every finished sound passes, as the mixer will read it.
void ExpectPlayable(const std::string& name, const TSamples& s, u32 minMs, u32 maxMs) {
    SCOPED_TRACE(name);
    const std::vector<u8> bytes = EncodeWave(s);
    TWaveFile wave;
    ASSERT_EQ(ParseWaveFile(bytes.data(), bytes.size(), wave), 0U);
    EXPECT_EQ(wave.Channels, 1);
    EXPECT_EQ(wave.Bits, 16);
    EXPECT_EQ(wave.Rate, 22050U);
    EXPECT_EQ(wave.Frames(), s.size());
    const TLevels l = LevelsOf(s);
    EXPECT_LT(l.Peak, 32000) << "at or near full scale";
    EXPECT_GT(l.Peak, 3000) << "barely heard";
    EXPECT_GT(l.Rms, 300) << "barely heard";
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
        ExpectPlayable(c.Text, line, c.MinMs, c.MaxMs);
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

TEST(SpeechTest, NothingToSayIsABuildErrorNotAnEmptyWave) {
    for (const char* text : {"", "   ", "..."})
        EXPECT_THROW(SpeakLine(text), TBuildError) << '"' << text << '"';
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

} // namespace

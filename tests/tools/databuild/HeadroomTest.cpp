// The mix's headroom: voices at -6 dBFS, effects below them so that the mixer's eight channels at
// their loudest stay below full scale, and the build refusing a wave louder than its role allows.
#include "TestDataSet.h"

#include "platform/audio/WaveMix.h"
#include "platform/audio/WaveMixSession.h"
#include "support/TempDir.h"
#include "tools/databuild/content/ContentIntro.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/sound/Effects.h"
#include "tools/databuild/sound/Speech.h"
#include "tools/databuild/writer/Build.h"
#include "tools/databuild/writer/WaveLevels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>

namespace {

i32 PeakOf(const TSamples& s) {
    i32 peak = 0;
    for (i16 v : s)
        peak = std::max(peak, std::abs(static_cast<i32>(v)));
    return peak;
}

// The loudest wave of a role in the made set.
const TRawFile& Loudest(TWaveRole role) {
    const TRawFile* loudest = nullptr;
    for (const TRawFile& file : MadeSet().GetRawFiles())
        if (file.Name.ends_with(".wav") && WaveRoleOf(file.Name) == role &&
            (loudest == nullptr || WavePeak(file) > WavePeak(*loudest)))
            loudest = &file;
    if (loudest == nullptr)
        throw std::logic_error("no wave of the role");
    return *loudest;
}

// A wave's samples from its loudest one on, turned so that one is positive: played together,
// such waves add their peaks on the first frame.
std::vector<u8> FromPeak(const TRawFile& wave) {
    TSamples samples;
    for (size_t at = 44; at + 1 < wave.Bytes.size(); at += 2)
        samples.push_back(
            static_cast<i16>(static_cast<u16>(wave.Bytes[at] | wave.Bytes[at + 1] << 8)));
    const auto peak = std::max_element(samples.begin(), samples.end(), [](i16 a, i16 b) {
        return std::abs(static_cast<i32>(a)) < std::abs(static_cast<i32>(b));
    });
    const bool negative = *peak < 0;
    TSamples out;
    for (auto it = peak; it != samples.end(); ++it)
        out.push_back(negative ? static_cast<i16>(std::max(-32767, -static_cast<i32>(*it))) : *it);
    return EncodeWave(out);
}

TEST(Headroom, AVoiceAndSevenEffectsAtTheirLimitsStayBelowFullScale) {
    EXPECT_EQ(WAVEMIX_MAXCHANNELS, 8);
    EXPECT_NEAR(20 * std::log10(VOICE_LIMIT / 32767.0), -6.0, 0.1);
    EXPECT_LT(EFFECT_LIMIT, VOICE_LIMIT);
    EXPECT_LT(VOICE_LIMIT + 7 * EFFECT_LIMIT, 32767);
    // Yet the effects keep as much of the room as the budget leaves them.
    EXPECT_GT(VOICE_LIMIT + 7 * (EFFECT_LIMIT + 1), 32766);
}

TEST(Headroom, LinesAreSpokenAtTheVoicesLevelAndEveryEffectBelowTheEffectsLimit) {
    for (const char* line : {"Seven out! Line away.", "Yo-leven! Winner!", "Craps!"})
        EXPECT_NEAR(PeakOf(SpeakLine(line)), VOICE_LIMIT, 1) << line;
    EXPECT_NEAR(PeakOf(IntroJingle()), VOICE_LIMIT, 1);
    const struct {
        const char* Name;
        std::function<TSamples()> Make;
    } effects[] = {
        {"one chip", [] { return ChipClicks(1); }},
        {"a pile", [] { return ChipClicks(12); }},
        {"payout", PayoutClink},
        {"all in", AllInChime},
        {"refusal", RefusalBlip},
        {"spare", [] { return SpareTick(6); }},
        {"rattle", [] { return DiceRattle(); }},
        {"short rattle", [] { return DiceRattle(7, 1); }},
        {"throw", [] { return DiceThrow(); }},
        {"short throw", [] { return DiceThrow(3, 300); }},
        {"bounce", [] { return DiceBounce(); }},
        {"wall", [] { return DiceWallHit(); }},
        {"settle", [] { return DiceSettle(); }},
        {"quick landing", [] { return DiceQuickLanding(); }},
        {"chip sweep", [] { return ChipSweep(); }},
        {"stick sweep", [] { return StickSweep(); }},
        {"puck", PuckPlace},
        {"press", ButtonPress},
        {"release", ButtonRelease},
        {"signal", SignalChime},
    };
    i32 loudest = 0;
    for (const auto& e : effects) {
        const i32 peak = PeakOf(e.Make());
        EXPECT_LE(peak, EFFECT_LIMIT) << e.Name;
        // Still heard: no effect is left far below the others.
        EXPECT_GT(peak, EFFECT_LIMIT / 4) << e.Name;
        loudest = std::max(loudest, peak);
    }
    EXPECT_GE(loudest, EFFECT_LIMIT - 2);
}

TEST(Headroom, WavesAreVoicesOrEffectsByName) {
    EXPECT_EQ(WaveRoleOf(TableFile("dv0a1b2c.wav")), TWaveRole::Voice);
    EXPECT_EQ(WaveRoleOf(std::string(INTRO_DIR) + INTRO_TUNE), TWaveRole::Voice);
    for (const std::string& effect :
         {TableFile("dxrattle.wav"), TableFile("f1snd00.wav"), TableFile("f1btndn.wav"),
          std::string(INTRO_DIR) + "dv0a1b2c.wav", TableFile(INTRO_TUNE)})
        EXPECT_EQ(WaveRoleOf(effect), TWaveRole::Effect) << effect;
    EXPECT_EQ(WaveLimit(TWaveRole::Voice), VOICE_LIMIT);
    EXPECT_EQ(WaveLimit(TWaveRole::Effect), EFFECT_LIMIT);
    // The dealer's lines and the tune are in the set as voices; so are its effects.
    size_t voices = 0, effects = 0;
    for (const TRawFile& file : MadeSet().GetRawFiles())
        if (file.Name.ends_with(".wav"))
            ++(WaveRoleOf(file.Name) == TWaveRole::Voice ? voices : effects);
    EXPECT_GT(voices, 100U);
    EXPECT_GT(effects, 20U);
    EXPECT_EQ(WavePeak(Loudest(TWaveRole::Voice)), VOICE_LIMIT);
}

// The mixer itself, eight channels at once: the loudest voice and, on the seven others, the
// loudest effect, all starting at their peaks on the same frame.
TEST(Headroom, TheMixersWorstOverlapOfTheBuiltWavesIsBelowFullScale) {
    MIXCONFIG config;
    config.dwFlags = WMIX_CONFIG_CHANNELS | WMIX_CONFIG_SAMPLINGRATE;
    config.wChannels = 1;
    config.wSamplingRate = 22;
    TWaveMixSession* session = WaveMixConfigureInit(&config);
    ASSERT_NE(session, nullptr);
    ASSERT_EQ(WaveMixOpenChannel(session, WAVEMIX_MAXCHANNELS, WMIX_OPENALL), MMSYSERR_NOERROR);
    ASSERT_EQ(WaveMixActivate(session, true), MMSYSERR_NOERROR);
    const TRawFile& voice = Loudest(TWaveRole::Voice);
    const TRawFile& effect = Loudest(TWaveRole::Effect);
    const std::vector<u8> images[2] = {FromPeak(voice), FromPeak(effect)};
    TMixWave* waves[2];
    for (int i = 0; i < 2; ++i) {
        MMIOINFO info;
        info.fccIOProc = FOURCC_MEM;
        info.pchBuffer = images[i].data();
        info.cchBuffer = static_cast<i32>(images[i].size());
        waves[i] = WaveMixOpenWave(session, &info, nullptr, WMIX_MEMORY);
        ASSERT_NE(waves[i], nullptr);
    }
    for (i32 channel = 0; channel < WAVEMIX_MAXCHANNELS; ++channel) {
        MIXPLAYPARAMS play;
        play.hMixSession = session;
        play.iChannel = channel;
        play.lpMixWave = waves[channel == 0 ? 0 : 1];
        // Held until the last, so that all start on one frame.
        play.dwFlags =
            WMIX_CLEARQUEUE | (channel + 1 < WAVEMIX_MAXCHANNELS ? WMIX_WAIT : WMIX_HIPRIORITY);
        ASSERT_EQ(WaveMixPlay(&play), MMSYSERR_NOERROR) << channel;
    }
    std::vector<i16> out(64);
    session->Pull(out.data(), static_cast<u32>(out.size()));
    const i32 worst = WavePeak(voice) + (WAVEMIX_MAXCHANNELS - 1) * WavePeak(effect);
    EXPECT_EQ(out[0], worst) << voice.Name << " and " << effect.Name;
    EXPECT_LT(worst, 32767);
    for (i16 s : out)
        EXPECT_LT(std::abs(static_cast<i32>(s)), 32767);
    WaveMixCloseSession(session);
}

TEST(Headroom, TheBuildRefusesAWaveLouderThanItsRoleNamingIt) {
    const std::string line = [] {
        for (const TRawFile& file : MadeSet().GetRawFiles())
            if (file.Name.ends_with(".wav") && WaveRoleOf(file.Name) == TWaveRole::Voice)
                return file.Name;
        return std::string();
    }();
    const std::string effect = TableFile("f1snd00.wav");
    const struct Case {
        const char* Fault;
        std::string Wave;
        i32 Peak;
        bool Refused;
    } cases[] = {
        {"a line at its limit", line, VOICE_LIMIT, false},
        {"a line a step louder", line, VOICE_LIMIT + 1, true},
        {"a line at full scale", line, 32767, true},
        {"an effect at its limit", effect, EFFECT_LIMIT, false},
        {"an effect a step louder", effect, EFFECT_LIMIT + 1, true},
        {"an effect at a voice's level", effect, VOICE_LIMIT, true},
        {"an effect at the bottom of the range", effect, 32768, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Fault);
        // A short tone, its loudest sample at the peak asked for (negative at the very bottom).
        TSamples tone(200, 0);
        for (size_t i = 0; i < tone.size(); ++i)
            tone[i] = static_cast<i16>(std::lround(0.5 * c.Peak * std::sin(i * 0.3)));
        tone[100] = c.Peak > 32767 ? i16{-32768} : static_cast<i16>(c.Peak);
        const auto louder = [&](TDataSet& set) {
            for (TRawFile& file : set.GetRawFiles())
                if (file.Name == c.Wave)
                    file.Bytes = EncodeWave(tone);
        };
        TDataSet set = MadeSet();
        louder(set);
        if (!c.Refused) {
            EXPECT_NO_THROW(CheckWaveLevels(set));
            continue;
        }
        try {
            CheckWaveLevels(set);
            ADD_FAILURE() << "accepted";
        } catch (const TBuildError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(c.Wave, 0), 0U) << error.what();
            EXPECT_NE(std::string(error.what()).find(std::to_string(std::min(c.Peak, 32768))),
                      std::string::npos)
                << error.what();
        }
    }
    // Through the whole build: the data folder is not written.
    TTempDir dir('e');
    std::string error;
    EXPECT_FALSE(BuildChangedDataSet({dir.Host("data"), false}, error, [&](TDataSet& set) {
        for (TRawFile& file : set.GetRawFiles())
            if (file.Name == line)
                file.Bytes = EncodeWave(TSamples{0, 20000, -20000, 0});
    }));
    EXPECT_EQ(error.rfind(line, 0), 0U) << error;
    EXPECT_FALSE(std::filesystem::exists(dir.Host("data/otcraps.det")));
}

} // namespace

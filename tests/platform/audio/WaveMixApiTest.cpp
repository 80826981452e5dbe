// The entry points' contract: session configuration and refused calls.
#include "WaveMixTestSupport.h"

namespace {

using namespace wave_image;
using TMixApi = TWaveMixFixture;

TEST_F(TMixApi, TheConfigurationRecordChoosesTheFormat) {
    const u32 both = WMIX_CONFIG_CHANNELS | WMIX_CONFIG_SAMPLINGRATE;
    const struct {
        u16 Size;
        u32 Flags;
        u16 Channels, KHz;
        TMixFormat Format; // zero: refused
    } cases[] = {
        // clang-format off
        {10, 0, 0, 0, {22050, 2}},  {10, WMIX_CONFIG_CHANNELS, 1, 0, {22050, 1}},
        {10, WMIX_CONFIG_SAMPLINGRATE, 0, 11, {11025, 2}},  {10, both, 2, 44, {44100, 2}},
        // Values the flags do not name are not read.
        {10, WMIX_CONFIG_SAMPLINGRATE, 7, 44, {44100, 2}},
        {9, both, 1, 22, {}},  {10, 4, 1, 22, {}},  {10, WMIX_CONFIG_CHANNELS, 0, 22, {}},
        {10, WMIX_CONFIG_CHANNELS, 3, 22, {}},  {10, WMIX_CONFIG_SAMPLINGRATE, 2, 48, {}},
        {10, WMIX_CONFIG_SAMPLINGRATE, 2, 0, {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        MIXCONFIG config;
        config.wSize = c.Size;
        config.dwFlags = c.Flags;
        config.wChannels = c.Channels;
        config.wSamplingRate = c.KHz;
        TWaveMixSession* s = WaveMixConfigureInit(&config);
        EXPECT_EQ(s != nullptr ? s->GetFormat() : TMixFormat{}, c.Format)
            << c.Size << " " << c.Flags << " " << c.Channels << " " << c.KHz;
        EXPECT_EQ(s != nullptr ? WaveMixCloseSession(s) : MMSYSERR_NOERROR, MMSYSERR_NOERROR);
    }
    EXPECT_EQ(WaveMixConfigureInit(nullptr), nullptr);
    // The plain set-up is stereo at 22 kHz; a session closes once.
    TWaveMixSession* plain = WaveMixInit();
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->GetFormat(), (TMixFormat{22050, 2}));
    EXPECT_EQ(WaveMixCloseSession(plain), MMSYSERR_NOERROR);
    EXPECT_EQ(WaveMixCloseSession(plain), MMSYSERR_INVALHANDLE);
}

TEST_F(TMixApi, RefusedPlaysSayWhy) {
    TWaveMixSession* s = OpenSession();
    TWaveMixSession* other = OpenSession(1, 22, false);
    TMixWave* x = Open(s, Mono16({1}));
    TMixWave* foreign = Open(other, Mono16({1}));
    ASSERT_EQ(WaveMixCloseChannel(s, 3, 0), MMSYSERR_NOERROR);
    TWaveMixSession* closed = WaveMixInit();
    ASSERT_EQ(WaveMixCloseSession(closed), MMSYSERR_NOERROR);

    const struct {
        const char* Name;
        void (*Change)(MIXPLAYPARAMS&, TWaveMixSession*, TMixWave*);
        u32 Expected;
    } cases[] = {
        {"record of another size", [](MIXPLAYPARAMS& p, auto, auto) { p.wSize = 24; },
         MMSYSERR_INVALPARAM},
        {"closed session", [](MIXPLAYPARAMS& p, auto c, auto) { p.hMixSession = c; },
         MMSYSERR_INVALHANDLE},
        {"unknown flag", [](MIXPLAYPARAMS& p, auto, auto) { p.dwFlags = 2; }, MMSYSERR_INVALFLAG},
        {"channel 8", [](MIXPLAYPARAMS& p, auto, auto) { p.iChannel = 8; }, MMSYSERR_BADDEVICEID},
        {"closed channel", [](MIXPLAYPARAMS& p, auto, auto) { p.iChannel = 3; },
         MMSYSERR_BADDEVICEID},
        {"another session's wave", [](MIXPLAYPARAMS& p, auto, auto f) { p.lpMixWave = f; },
         MMSYSERR_INVALHANDLE},
    };
    for (const auto& c : cases) {
        MIXPLAYPARAMS params;
        params.hMixSession = s;
        params.lpMixWave = x;
        c.Change(params, closed, foreign);
        EXPECT_EQ(WaveMixPlay(&params), c.Expected) << c.Name;
    }
    EXPECT_EQ(WaveMixPlay(nullptr), MMSYSERR_INVALPARAM);
    // None of them left anything to sound.
    EXPECT_EQ(Pull(s, 2), (std::vector<i16>{0, 0}));
}

TEST_F(TMixApi, OpeningAWaveTakesOnlyAMemoryImageOfAPlayableWave) {
    TWaveMixSession* s = OpenSession();
    const std::vector<u8> good = Mono16({1, 2});
    std::vector<u8> bad = good;
    bad[0] = 'X';
    const i32 size = static_cast<i32>(good.size());
    const struct {
        const char* Name;
        u32 Fcc;
        const std::vector<u8>* Image;
        i32 Length;
        u32 Flags;
        u32 Expected;
    } cases[] = {
        {"memory image", FOURCC_MEM, &good, size, WMIX_MEMORY, MMSYSERR_NOERROR},
        {"file name", FOURCC_MEM, &good, size, 0, MMSYSERR_INVALFLAG},
        {"other I/O procedure", mmioFOURCC('D', 'O', 'S', ' '), &good, size, WMIX_MEMORY,
         MMSYSERR_NOTSUPPORTED},
        {"no buffer", FOURCC_MEM, nullptr, size, WMIX_MEMORY, MMSYSERR_INVALPARAM},
        {"negative length", FOURCC_MEM, &good, -1, WMIX_MEMORY, MMSYSERR_INVALPARAM},
        {"length short of the file", FOURCC_MEM, &good, size - 1, WMIX_MEMORY, MMSYSERR_INVALPARAM},
        {"damaged header", FOURCC_MEM, &bad, size, WMIX_MEMORY, MMSYSERR_INVALPARAM},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        MMIOINFO info;
        info.fccIOProc = c.Fcc;
        info.pchBuffer = c.Image != nullptr ? c.Image->data() : nullptr;
        info.cchBuffer = c.Length;
        TMixWave* direct = nullptr;
        EXPECT_EQ(s->OpenWave(&info, c.Flags, &direct), c.Expected);
        EXPECT_EQ(direct != nullptr, c.Expected == MMSYSERR_NOERROR);
        // The entry point reports the same outcome as a handle or null.
        TMixWave* bound = WaveMixOpenWave(s, &info, nullptr, c.Flags);
        EXPECT_EQ(bound != nullptr, c.Expected == MMSYSERR_NOERROR);
    }
    TMixWave* none = nullptr;
    EXPECT_EQ(s->OpenWave(nullptr, WMIX_MEMORY, &none), MMSYSERR_INVALPARAM);
    EXPECT_EQ(WaveMixOpenWave(nullptr, nullptr, nullptr, WMIX_MEMORY), nullptr);
}

} // namespace

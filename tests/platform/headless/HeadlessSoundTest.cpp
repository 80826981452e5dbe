// The headless backend's sound: the wave mix pulled as the virtual clock moves, and its done
// notices posted into the window system.
#include "../audio/WaveImage.h"
#include "platform/audio/WaveMix.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Window.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace {

// Notes the notices it is sent.
class TListener : public TWindow {
public:
    TListener() : TWindow(nullptr, "Listener") { Attr.Style = WS_POPUP; }
    LRESULT EvWaveDone(WPARAM wp, LPARAM lp) {
        Notices.push_back({MM_WOM_DONE, wp, lp});
        return 1;
    }
    struct TNotice {
        u32 Message;
        WPARAM W;
        LPARAM L;
        bool operator==(const TNotice&) const = default;
    };
    std::vector<TNotice> Notices;
    DECLARE_RESPONSE_TABLE(TListener);
};

DEFINE_RESPONSE_TABLE1(TListener, TWindow)
EV_MESSAGE(MM_WOM_DONE, EvWaveDone), END_RESPONSE_TABLE;

class HeadlessSound : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Listener.Create()); }
    void TearDown() override {
        for (TWaveMixSession* s : Sessions)
            WaveMixCloseSession(s);
    }
    TWaveMixSession* Open(TWaveMixSession* session) {
        Sessions.push_back(session);
        EXPECT_EQ(WaveMixOpenChannel(session, 8, WMIX_OPENALL), MMSYSERR_NOERROR);
        EXPECT_EQ(WaveMixActivate(session, true), MMSYSERR_NOERROR);
        return session;
    }
    TMixWave* Play(TWaveMixSession* s, const std::vector<u8>& image) {
        MMIOINFO info;
        info.fccIOProc = FOURCC_MEM;
        info.pchBuffer = image.data();
        info.cchBuffer = static_cast<i32>(image.size());
        TMixWave* wave = WaveMixOpenWave(s, &info, nullptr, WMIX_MEMORY);
        MIXPLAYPARAMS params;
        params.hMixSession = s;
        params.lpMixWave = wave;
        params.hWndNotify = &Listener;
        EXPECT_EQ(WaveMixPlay(&params), MMSYSERR_NOERROR);
        return wave;
    }
    void Pass(u64 ms) {
        Session.Backend().Advance(ms);
        App.PumpWaitingMessages();
    }
    THeadlessAudio& Audio() { return Session.Backend().Audio(); }

    THeadlessSession Session;
    TApplication App{"sound"};
    TListener Listener;
    std::vector<TWaveMixSession*> Sessions;
};

TEST_F(HeadlessSound, TheMixIsPulledAsTheClockMovesAndAnEndedPlayIsPosted) {
    Audio().Keep(true);
    TWaveMixSession* s = Open(WaveMixInit());
    TMixWave* wave = Play(s, wave_image::Mono16(std::vector<i16>(2205, 1234)));
    Pass(50);
    // 50 ms of 22,050 frames a second, in stereo.
    ASSERT_EQ(Audio().GetSamples().size(), 2U * 1102);
    EXPECT_EQ(Audio().GetSamples().front(), 1234);
    EXPECT_EQ(Audio().GetSamples().back(), 1234);
    EXPECT_TRUE(Listener.Notices.empty());
    Pass(60);
    EXPECT_EQ(Audio().GetSamples()[2 * 2204], 1234);
    EXPECT_EQ(Audio().GetSamples()[2 * 2205], 0);
    EXPECT_EQ(Listener.Notices,
              (std::vector<TListener::TNotice>{{MM_WOM_DONE, 0, reinterpret_cast<LPARAM>(wave)}}));
    // Not kept, the mix is still pulled: a later play ends all the same.
    Audio().Keep(false);
    Play(s, wave_image::Mono16(std::vector<i16>(100, 1)));
    Pass(10);
    EXPECT_TRUE(Audio().GetSamples().empty());
    EXPECT_EQ(Listener.Notices.size(), 2U);
    EXPECT_EQ(Audio().GetFramesPulled(), Audio().FrameAt(Session.Backend().Now()));
}

} // namespace

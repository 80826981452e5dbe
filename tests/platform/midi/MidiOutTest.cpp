// The synthesizer output: silence without a usable soundfont, sound with one, pulled buffers.
#include "platform/midi/MidiOut.h"
#include "MidiTestSupport.h"
#include "platform/midi/FluidSynthSink.h"
#include "platform/midi/Mci.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

constexpr TMidiMessage kNoteOn{0x90, 60, 110};

bool AllZero(const std::vector<i16>& samples) {
    return std::all_of(samples.begin(), samples.end(), [](i16 s) { return s == 0; });
}

TEST(FluidSynthSink, WithoutAUsableSoundFontEverythingIsSilence) {
    TTempDir dir;
    dir.WriteHostFile("junk.sf2", std::string(4096, '\x5A'));
    dir.WriteHostFile("riff.sf2", "RIFF\xFF\xFF\xFF\x7Fsfbk" + std::string(64, '\0'));
    const std::string paths[] = {"", "/nonexistent/FluidR3_GM.sf2", dir.Host("junk.sf2").string(),
                                 dir.Host("riff.sf2").string(), dir.Path.string()};
    for (const std::string& path : paths) {
        TFluidSynthSink sink(22050, path);
        EXPECT_FALSE(sink.HasSoundFont()) << path;
        sink.Send(kNoteOn);
        sink.Send({0xC0, 0x05, 0x00});
        for (u16 channels : {1, 2}) {
            std::vector<i16> out(256 * channels, 0x1234);
            sink.Render(out.data(), 256, channels);
            EXPECT_TRUE(AllZero(out)) << path << " " << channels;
        }
        sink.Silence();
    }
}

TEST(FluidSynthSink, TheGeneralMidiSoundFontSounds) {
    const std::string soundFont = FindMidiSoundFont();
    if (soundFont.empty())
        GTEST_SKIP() << "no General MIDI soundfont is installed";
    TFluidSynthSink sink(22050, soundFont);
    ASSERT_TRUE(sink.HasSoundFont());
    std::vector<i16> before(2 * 1024, 0x1234);
    sink.Render(before.data(), 1024, 2);
    EXPECT_TRUE(AllZero(before));

    sink.Send(kNoteOn);
    std::vector<i16> stereo(2 * 4096);
    sink.Render(stereo.data(), 4096, 2);
    EXPECT_FALSE(AllZero(stereo));
    std::vector<i16> mono(4096);
    sink.Render(mono.data(), 4096, 1);
    EXPECT_FALSE(AllZero(mono));

    // After all sounds off only the effects' tail rings on, and it dies away within seconds.
    sink.Silence();
    std::vector<i16> after(2 * 2205);
    int buffersUntilQuiet = 0;
    for (; buffersUntilQuiet < 100; ++buffersUntilQuiet) {
        sink.Render(after.data(), 2205, 2);
        if (AllZero(after))
            break;
    }
    EXPECT_LT(buffersUntilQuiet, 20);
}

class MidiOutput : public ::testing::Test {
protected:
    // Opens and plays the test song from a fresh drive c:, returning the device.
    u32 OpenAndPlay() {
        const TBytes song = TwoVoiceSong();
        Dir.WriteHostFile("song.mid", std::string(song.begin(), song.end()));
        MCI_OPEN_PARMSA open;
        open.lpstrDeviceType = "sequencer";
        open.lpstrElementName = "c:\\song.mid";
        EXPECT_EQ(mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, &open), 0U);
        MCI_PLAY_PARMS play;
        play.dwCallback = reinterpret_cast<TWindow*>(std::uintptr_t{0x1000});
        EXPECT_EQ(mciSendCommandA(open.wDeviceID, MCI_PLAY, MCI_NOTIFY, &play), 0U);
        return open.wDeviceID;
    }

    void TearDown() override {
        SetMidiSoundFontPath("");
        SetMidiOutputRate(22050);
        SetMciPoster(nullptr);
    }

    TTempDir Dir;
    TFakeClock Clock;
    TScopedClockSource ClockScope{Clock};
};

TEST_F(MidiOutput, PullsSilenceForAnotherRateOrBeforeAnythingLoads) {
    SetMidiOutputRate(44100);
    std::vector<i16> out(512, 0x1234);
    PullMidiOutput(out.data(), 256, 44100, 2);
    EXPECT_TRUE(AllZero(out));
    PrepareMidiOutput();
    std::fill(out.begin(), out.end(), i16{0x1234});
    PullMidiOutput(out.data(), 256, 22050, 2);
    EXPECT_TRUE(AllZero(out));
    EXPECT_EQ(GetMidiOutputRate(), 44100U);
}

TEST_F(MidiOutput, ASongPlaysToItsEndSilentlyWithoutTheSoundFont) {
    SetMidiSoundFontPath((Dir.Path / "missing.sf2").string());
    std::vector<u32> codes;
    SetMciPoster([&codes](TWindow*, u32, std::uintptr_t code, std::intptr_t) {
        codes.push_back(static_cast<u32>(code));
    });
    const u32 device = OpenAndPlay();
    EXPECT_FALSE(MidiOutputHasSoundFont());
    std::vector<i16> out(2 * 441, 0x1234);
    for (int step = 0; step < 40; ++step) {
        Clock.Advance(50);
        PumpMciDevices();
        PullMidiOutput(out.data(), 441, GetMidiOutputRate(), 2);
        ASSERT_TRUE(AllZero(out));
    }
    EXPECT_EQ(codes, std::vector<u32>{MCI_NOTIFY_SUCCESSFUL});
    EXPECT_EQ(mciSendCommandA(device, MCI_CLOSE, MCI_WAIT, nullptr), 0U);
}

TEST_F(MidiOutput, ASongSoundsInThePulledOutput) {
    if (FindMidiSoundFont().empty())
        GTEST_SKIP() << "no General MIDI soundfont is installed";
    const u32 device = OpenAndPlay();
    EXPECT_TRUE(MidiOutputHasSoundFont());
    Clock.Advance(10);
    PumpMciDevices();
    std::vector<i16> out(2 * 2205);
    PullMidiOutput(out.data(), 2205, GetMidiOutputRate(), 2);
    EXPECT_FALSE(AllZero(out));
    EXPECT_EQ(mciSendCommandA(device, MCI_CLOSE, MCI_WAIT, nullptr), 0U);
}

TEST_F(MidiOutput, AnAudioThreadPullsWhileTheSynthesizerIsReplaced) {
    // The pulling side must keep a synthesizer alive while the window thread drops it.
    std::atomic<bool> stop{false};
    std::thread audio([&stop] {
        std::vector<i16> out(2 * 256);
        while (!stop.load())
            PullMidiOutput(out.data(), 256, 22050, 2);
    });
    for (int round = 0; round < 20; ++round) {
        SetMidiSoundFontPath(round % 2 == 0 ? std::string() : std::string("/nonexistent.sf2"));
        PrepareMidiOutput();
        GetMidiOutput().Send(kNoteOn);
        GetMidiOutput().Silence();
    }
    stop = true;
    audio.join();
    EXPECT_FALSE(MidiOutputHasSoundFont());
}

} // namespace

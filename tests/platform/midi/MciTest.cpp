// The MCI sequencer device: open, play with notice, status and close, and every refusal.
#include "platform/midi/Mci.h"
#include "MidiTestSupport.h"
#include "platform/midi/MidiOut.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

struct TNotice {
    TWindow* Window = nullptr;
    u32 Message = 0;
    std::uintptr_t Code = 0;
    std::intptr_t Device = 0;

    bool operator==(const TNotice&) const = default;
};

TWindow* const kWindow = reinterpret_cast<TWindow*>(std::uintptr_t{0x1000});
TWindow* const kOtherWindow = reinterpret_cast<TWindow*>(std::uintptr_t{0x2000});

std::string ImageText(const TBytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

class MciTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dir.WriteHostFile("music/song.mid", ImageText(TwoVoiceSong()));
        Dir.WriteHostFile("music/bad.mid", "MThd not really");
        SetMidiSink(&Sink);
        SetMciPoster([this](TWindow* w, u32 m, std::uintptr_t code, std::intptr_t device) {
            Notices.push_back({w, m, code, device});
            if (OnNotice)
                OnNotice(code);
        });
    }
    void TearDown() override {
        if (Device != 0)
            mciSendCommandA(Device, MCI_CLOSE, MCI_WAIT, nullptr);
        SetMciPoster(nullptr);
        SetMidiSink(nullptr);
    }

    u32 Open(const std::string& file = "c:\\music\\song.mid", const std::string& type = "sequencer",
             u32 flags = MCI_OPEN_TYPE | MCI_OPEN_ELEMENT) {
        MCI_OPEN_PARMSA open;
        open.lpstrDeviceType = type;
        open.lpstrElementName = file;
        const u32 result = mciSendCommandA(0, MCI_OPEN, flags, &open);
        if (result == 0)
            Device = open.wDeviceID;
        return result;
    }
    u32 Play(TWindow* window = kWindow) {
        MCI_PLAY_PARMS play;
        play.dwCallback = window;
        return mciSendCommandA(Device, MCI_PLAY, MCI_NOTIFY, &play);
    }
    u32 Close() {
        const u32 result = mciSendCommandA(Device, MCI_CLOSE, MCI_WAIT, nullptr);
        if (result == 0)
            Device = 0;
        return result;
    }
    void RunTo(u64 ms) {
        for (u64 t = Clock.TickMs(); t <= ms; ++t) {
            Clock.SetTick(t);
            PumpMciDevices();
        }
    }
    TNotice Notice(u32 code, TWindow* window = kWindow) const {
        return {window, MM_MCINOTIFY, code, static_cast<std::intptr_t>(Device)};
    }

    TTempDir Dir;
    TFakeClock Clock{0};
    TScopedClockSource ClockScope{Clock};
    TRecordingSink Sink;
    std::vector<TNotice> Notices;
    std::function<void(std::uintptr_t)> OnNotice;
    u32 Device = 0;
};

TEST_F(MciTest, OpenPlayStatusCloseRoundTripPostsOneNoticeAtTheEnd) {
    ASSERT_EQ(midiOutGetNumDevs(), 1U);
    ASSERT_EQ(Open(), 0U);
    ASSERT_NE(Device, 0U);

    MCI_STATUS_PARMS status;
    status.dwItem = MCI_SEQ_STATUS_PORT;
    ASSERT_EQ(mciSendCommandA(Device, MCI_STATUS, MCI_STATUS_ITEM, &status), 0U);
    EXPECT_EQ(status.dwReturn & 0xFFFF, 0xFFFFU);

    ASSERT_EQ(Play(), 0U);
    EXPECT_EQ(GetMciNextDueMs(), 0U);
    RunTo(1499);
    EXPECT_TRUE(Notices.empty());
    EXPECT_EQ(Sink.Messages.size(), 7U);
    EXPECT_EQ(GetMciNextDueMs(), 1500U);
    RunTo(3000);
    EXPECT_EQ(Notices, std::vector<TNotice>{Notice(MCI_NOTIFY_SUCCESSFUL)});
    EXPECT_EQ(GetMciNextDueMs(), std::nullopt);

    const u32 closed = Device;
    ASSERT_EQ(Close(), 0U);
    EXPECT_EQ(Notices.size(), 1U);
    EXPECT_GE(Sink.Silences, 1);
    EXPECT_EQ(mciSendCommandA(closed, MCI_STATUS, MCI_STATUS_ITEM, &status),
              MCIERR_INVALID_DEVICE_ID);
    EXPECT_EQ(mciSendCommandA(closed, MCI_CLOSE, MCI_WAIT, nullptr), MCIERR_INVALID_DEVICE_ID);
}

TEST_F(MciTest, CloseWhilePlayingAbortsAndSilences) {
    ASSERT_EQ(Open(), 0U);
    ASSERT_EQ(Play(), 0U);
    RunTo(700);
    const TNotice aborted = Notice(MCI_NOTIFY_ABORTED);
    ASSERT_EQ(Close(), 0U);
    EXPECT_EQ(Notices, std::vector<TNotice>{aborted});
    EXPECT_EQ(Sink.Silences, 1);
    RunTo(5000);
    EXPECT_EQ(Notices.size(), 1U);
    EXPECT_EQ(Sink.Messages.size(), 3U);
}

TEST_F(MciTest, AbortNoticeMayOpenTheNextSongAtOnce) {
    // A player that starts its pending song from the abort notice, even if delivered at once.
    OnNotice = [this](std::uintptr_t code) {
        if (code == MCI_NOTIFY_ABORTED) {
            EXPECT_EQ(Open(), 0U);
            EXPECT_EQ(Play(kOtherWindow), 0U);
        }
    };
    ASSERT_EQ(Open(), 0U);
    const u32 first = Device;
    ASSERT_EQ(Play(), 0U);
    RunTo(100);
    ASSERT_EQ(mciSendCommandA(first, MCI_CLOSE, MCI_WAIT, nullptr), 0U);
    ASSERT_NE(Device, first);
    RunTo(2000);
    ASSERT_EQ(Notices.size(), 2U);
    EXPECT_EQ(Notices[1], Notice(MCI_NOTIFY_SUCCESSFUL, kOtherWindow));
}

TEST_F(MciTest, ASecondPlaySupersedesTheFirstNotice) {
    ASSERT_EQ(Open(), 0U);
    ASSERT_EQ(Play(kWindow), 0U);
    RunTo(200);
    ASSERT_EQ(Play(kOtherWindow), 0U);
    RunTo(2000);
    const std::vector<TNotice> expected = {Notice(MCI_NOTIFY_SUPERSEDED, kWindow),
                                           Notice(MCI_NOTIFY_SUCCESSFUL, kOtherWindow)};
    EXPECT_EQ(Notices, expected);
    // Playing on did not restart the song.
    EXPECT_EQ(Sink.Messages.size(), 7U);
}

TEST_F(MciTest, RefusalsLeaveNoDeviceBehind) {
    const u32 both = MCI_OPEN_TYPE | MCI_OPEN_ELEMENT;
    const std::string song = "c:\\music\\song.mid", seq = "sequencer";
    const struct {
        std::string File, Type;
        u32 Flags, Expected;
    } cases[] = {
        // clang-format off
        {song, "waveaudio", both, MCIERR_INVALID_DEVICE_NAME},
        {song, seq, MCI_OPEN_ELEMENT, MCIERR_DEVICE_TYPE_REQUIRED},
        {song, seq, MCI_OPEN_TYPE, MCIERR_FILENAME_REQUIRED},
        {"c:\\music\\none.mid", seq, both, MCIERR_FILE_NOT_FOUND},
        {"c:\\..\\song.mid", seq, both, MCIERR_FILE_NOT_FOUND}, // outside the drive
        {"q:\\song.mid", seq, both, MCIERR_FILE_NOT_FOUND},      // unmapped drive
        {"c:\\music", seq, both, MCIERR_FILE_NOT_FOUND},         // a directory
        {"c:\\music\\bad.mid", seq, both, MCIERR_INVALID_FILE},
        {song, seq, both | 0x400, MCIERR_UNSUPPORTED_FUNCTION},
        {song, seq, both | MCI_NOTIFY | MCI_WAIT, MCIERR_FLAGS_NOT_COMPATIBLE},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Open(c.File, c.Type, c.Flags), c.Expected) << c.File << " " << c.Flags;
        EXPECT_EQ(Device, 0U);
    }
    EXPECT_EQ(mciSendCommandA(0, MCI_OPEN, both, static_cast<MCI_OPEN_PARMSA*>(nullptr)),
              MCIERR_NULL_PARAMETER_BLOCK);
    // The device type is not case-sensitive, and after all that the device still opens.
    EXPECT_EQ(Open("c:\\music\\song.mid", "Sequencer"), 0U);
    EXPECT_EQ(Open(), MCIERR_DEVICE_OPEN);
}

TEST_F(MciTest, CommandsOnAnOpenDeviceRefuseWhatTheyCannotDo) {
    ASSERT_EQ(Open(), 0U);
    MCI_STATUS_PARMS status;
    status.dwItem = MCI_SEQ_STATUS_PORT;
    EXPECT_EQ(mciSendCommandA(Device, MCI_STATUS, 0, &status), MCIERR_MISSING_PARAMETER);
    status.dwItem = 0x4; // the mode, which nobody asks for
    EXPECT_EQ(mciSendCommandA(Device, MCI_STATUS, MCI_STATUS_ITEM, &status),
              MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(mciSendCommandA(Device, MCI_STATUS, MCI_STATUS_ITEM, nullptr),
              MCIERR_NULL_PARAMETER_BLOCK);

    MCI_PLAY_PARMS play;
    EXPECT_EQ(mciSendCommandA(Device, MCI_PLAY, MCI_WAIT, &play), MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(mciSendCommandA(Device, MCI_PLAY, MCI_NOTIFY, nullptr), MCIERR_NULL_PARAMETER_BLOCK);
    EXPECT_EQ(mciSendCommandA(Device + 1, MCI_PLAY, MCI_NOTIFY, &play), MCIERR_INVALID_DEVICE_ID);
    EXPECT_EQ(mciSendCommandA(Device, 0x808, 0, nullptr), MCIERR_UNRECOGNIZED_COMMAND);
    RunTo(2000);
    EXPECT_TRUE(Sink.Messages.empty());
    EXPECT_TRUE(Notices.empty());

    // Closing with a notice of its own reports success to that window.
    MCI_GENERIC_PARMS close;
    close.dwCallback = kOtherWindow;
    const TNotice closed = Notice(MCI_NOTIFY_SUCCESSFUL, kOtherWindow);
    ASSERT_EQ(mciSendCommandA(Device, MCI_CLOSE, MCI_NOTIFY, &close), 0U);
    Device = 0;
    EXPECT_EQ(Notices, std::vector<TNotice>{closed});
}

TEST(MciErrorText, TextsFitTheBufferAndUnknownCodesAreSaid) {
    char buffer[128];
    ASSERT_TRUE(mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "The file was not found.");
    char small[8];
    std::memset(small, 'x', sizeof small);
    ASSERT_TRUE(mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, small, sizeof small));
    EXPECT_STREQ(small, "The fil");
    EXPECT_FALSE(mciGetErrorStringA(12345, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(mciGetErrorStringA(MCIERR_BASE + 2, nullptr, 0));
}

TEST(MidiOutCaps, OnlyTheSynthesizerAnswersAndTheRecordSizeIsChecked) {
    const struct {
        u32 Device, Size;
        bool Record;
        u32 Expected;
    } cases[] = {{0, 52, true, 0},
                 {MIDI_MAPPER, 52, true, 0},
                 {1, 52, true, 2},
                 {0, 51, true, 11},
                 {0, 52, false, 11}};
    for (const auto& c : cases) {
        MIDIOUTCAPSA caps;
        EXPECT_EQ(midiOutGetDevCapsA(c.Device, c.Record ? &caps : nullptr, c.Size), c.Expected)
            << c.Device << " " << c.Size;
        if (c.Expected == 0) {
            EXPECT_GT(std::strlen(caps.szPname), 0U);
            EXPECT_LT(std::strlen(caps.szPname), sizeof caps.szPname);
            EXPECT_EQ(caps.dwSupport & (MIDICAPS_VOLUME | MIDICAPS_LRVOLUME), 0U);
        }
    }
}

} // namespace

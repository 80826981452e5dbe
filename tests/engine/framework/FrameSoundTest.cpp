// The frame's sound manager as the framework drives it: made before the first mode and gone
// after the last, on and off with the application, pumped after each frame's picture, purged
// when a mode ends, and stopped before the speed dialog.
#include "AppFixture.h"

#include "engine/framework/ModeWindow.h"
#include "platform/framework/WinApi.h"

#include <algorithm>

namespace {

constexpr u32 CM_SPEEDCONTROL = 126;

class FrameSound : public AppFixture {
protected:
    FrameSound() { Makers.MakeSound = true; }
    // The log's sound tokens in order.
    std::vector<std::string> Sound() const { return Makers.Only("sound"); }
    // The log's tokens of those named, in order.
    std::vector<std::string> Tokens(const std::vector<std::string>& named) const {
        std::vector<std::string> out;
        std::copy_if(Makers.Log.begin(), Makers.Log.end(), std::back_inserter(out),
                     [&](const std::string& t) {
                         return std::find(named.begin(), named.end(), t) != named.end();
                     });
        return out;
    }
    void Host(TInputKind kind, bool down = true) {
        TInputEvent e;
        e.Kind = kind;
        e.Down = down;
        Backend().At(Backend().Now(), e);
        App->RunFor(50);
    }
};

TEST_F(FrameSound, TheManagerComesBeforeTheFirstModeAndGoesAfterTheLast) {
    StartGame();
    EXPECT_EQ(Tokens({"wing+", "sound+", "screen"}),
              (std::vector<std::string>{"wing+", "sound+", "screen"}));
    Makers.Log.clear();
    Frame().CloseWindow(0);
    App->RunFor(50);
    EXPECT_EQ(Tokens({"sound purge", "sound-", "wing-"}),
              (std::vector<std::string>{"sound purge", "sound-", "wing-"}));
}

TEST_F(FrameSound, EachFramePumpsTheMixerAfterItsPicture) {
    StartGame();
    Makers.Log.clear();
    App->RunFor(1000);
    const std::vector<std::string> frames = Tokens({"render", "sound pump"});
    ASSERT_GE(frames.size(), 10U);
    for (size_t i = 0; i + 1 < frames.size(); i += 2) {
        EXPECT_EQ(frames[i], "render");
        EXPECT_EQ(frames[i + 1], "sound pump");
    }
}

TEST_F(FrameSound, TheApplicationsActivationSwitchesTheSound) {
    StartGame();
    const struct {
        TInputKind Kind;
        bool Down;
        const char* Token;
    } steps[] = {{TInputKind::AppActive, false, "sound off"},
                 {TInputKind::AppActive, true, "sound on"},
                 {TInputKind::Minimize, true, "sound off"},
                 {TInputKind::Restore, true, "sound on"}};
    for (const auto& s : steps) {
        Makers.Log.clear();
        Host(s.Kind, s.Down);
        const std::vector<std::string> got = Sound();
        EXPECT_NE(std::find(got.begin(), got.end(), s.Token), got.end()) << s.Token;
    }
}

TEST_F(FrameSound, TheSpeedDialogOpensOnSilence) {
    StartGame();
    App->RunFor(300);
    Makers.Log.clear();
    std::vector<std::string> atOpen;
    Backend().After(100, [&] {
        atOpen = Sound();
        Backend().Key(VK_ESCAPE);
    });
    Frame().SendMessage(WM_COMMAND, CM_SPEEDCONTROL, 0);
    EXPECT_EQ(atOpen, std::vector<std::string>{"sound stop"});
}

} // namespace

// Sound in the running game: an audio error box opened by a frame holds the frames still, and
// the frame's sound manager goes with the frame.
#include "../../platform/audio/WaveImage.h"
#include "../framework/AppFixture.h"

#include "engine/framework/JorpTime.h"
#include "engine/framework/ModeWindow.h"
#include "engine/media/AudioWaveMix.h"
#include "engine/media/EngineMediaMaker.h"
#include "engine/media/MediaServices.h"
#include "engine/media/Sound.h"
#include "engine/media/SoundMgr.h"
#include "engine/media/WaveMixDll.h"
#include "platform/audio/WaveMix.h"
#include "platform/framework/dialogs/MessageBoxUi.h"
#include "platform/framework/draw/WinG.h"

namespace {

// Boxes drawn on the desktop; each notes how many frames ran in its first second, then is
// answered with Enter.
class TTimedBoxes : public TMessageBoxUi {
public:
    TTimedBoxes(THeadlessBackend& backend, std::function<u32()> frames)
        : Backend(backend), Frames(std::move(frames)) {}
    int Show(const TMessageBoxRequest& request) override {
        Texts.push_back(request.Text);
        Backend.After(1000, [this, opened = Frames()] {
            FramesInside.push_back(Frames() - opened);
            Backend.Key(VK_RETURN);
        });
        return TMessageBoxUi::Show(request);
    }
    THeadlessBackend& Backend;
    std::function<u32()> Frames;
    std::vector<std::string> Texts;
    std::vector<u32> FramesInside;
};

class SoundFrame : public AppFixture {
protected:
    SoundFrame() {
        RegisterWinGLibrary();
        RegisterWaveMixLibrary();
        TMediaMaker::Install(&Media);
        TEngineContext::Media = &Services;
        Backend().Audio().Keep(true);
        const std::vector<u8> bell = wave_image::Mono16(std::vector<i16>(4410, 1000));
        Dir.WriteHostFile("data/bell.wav", std::string(bell.begin(), bell.end()));
        StartGame();
        App->RunFor(500);
    }
    ~SoundFrame() override {
        Bell.reset();
        App.reset();
        TEngineContext::Media = nullptr;
        UnregisterBuiltinLibraries();
    }
    u32 Frames() { return Frame().GetModeWindow()->GetFrameTimer()->GetCounter(); }
    TAudioWaveMix& Mixer() { return *Services.GetSoundMgr()->GetWaveMix(); }
    void PlayBell() {
        Bell = std::make_unique<TWav>(Frame().GetModeWindow(), TFileMode("bell", 1, 1), 0, false,
                                      true);
        Bell->Play(Frames());
    }

    TEngineMediaMaker Media;
    TMediaServices Services;
    std::unique_ptr<TWav> Bell;
};

TEST_F(SoundFrame, AnAudioErrorBoxOpenedByAFrameHoldsTheFramesUntilAnswered) {
    TTimedBoxes boxes(Backend(), [this] { return Frames(); });
    TWaveMix::Get()->WaveMixCloseChannel(Mixer().GetSession(), 0, 0);
    PlayBell();
    const u32 before = Frames();
    App->RunFor(1500);
    EXPECT_EQ(boxes.Texts, std::vector<std::string>{"Device ID out of range"});
    EXPECT_EQ(boxes.FramesInside, std::vector<u32>{0});
    EXPECT_GT(Frames(), before + 1);
    EXPECT_EQ(Mixer().FreeChannelCount(), WAVEMIX_CHANNELS);
}

TEST_F(SoundFrame, TheSoundManagerAndItsLibraryGoWithTheFrame) {
    ASSERT_NE(Services.GetSoundMgr(), nullptr);
    Frame().CloseWindow(0);
    App->RunFor(50);
    EXPECT_EQ(Services.GetSoundMgr(), nullptr);
    EXPECT_EQ(TWaveMix::Get(), nullptr);
}

} // namespace

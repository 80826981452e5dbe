// Test support: a casino program on a headless desktop over a fixture data set, its folder
// mapped as c:, fake media whose sound manager has a wave mixer a test sets up, and recorded
// boxes.
#pragma once

#include "engine/framework/FakeMedia.h"
#include "engine/framework/FixtureDataSet.h"
#include "engine/framework/ObjectBytes.h"

#include "casino/CasinoApp.h"
#include "casino/CasinoGameFrameWindow.h"
#include "casino/CasinoMenuEnable.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/framework/ModeWindow.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/draw/BitmapResources.h"
#include "platform/framework/menus/Menu.h"
#include "platform/framework/menus/MenuTracker.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/host/MessageBox.h"
#include "resources/Resources.h"
#include "support/ExitTrap.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

// The mixer of a sound manager: there or not (no wave device), muted or not.
struct TMixerState {
    bool Present = true;
    bool Muted = false;
};

class TMixerSoundMgr : public TFakeSoundMgr {
public:
    TMixerSoundMgr(std::vector<std::string>& log, TMixerState& mixer)
        : TFakeSoundMgr(log), Mixer(mixer) {}
    bool HasWaveMixer() override { return Mixer.Present; }
    bool IsMuted() override { return !Mixer.Present || Mixer.Muted; }
    void SetMuted(bool muted) override { Mixer.Muted = muted; }

    TMixerState& Mixer;
};

class TMixerMediaMaker : public TFakeMediaMaker {
public:
    std::unique_ptr<TJorpSoundMgrFace> MakeSoundMgr(TWindow*) override {
        return std::make_unique<TMixerSoundMgr>(Log, Mixer);
    }
    TMixerState Mixer;
};

// The casino program with the table game's base name, which names the settings template.
class TFrameTestApp : public TCasinoApp {
public:
    explicit TFrameTestApp(const std::string& baseName = "otcraps")
        : TCasinoApp("c:", "\\", baseName) {}
    void InitFrameSpec(TJorpAppInfo& info) override {
        TCasinoApp::InitFrameSpec(info);
        info.BaseName = "otcraps";
    }
    TJorpGameFrameWindow* CreateFrameWindow() override {
        return MakeFrame ? MakeFrame(this) : TCasinoApp::CreateFrameWindow();
    }

    std::function<TJorpGameFrameWindow*(TJorpApp*)> MakeFrame;
};

class CasinoFrameFixture : public ::testing::Test {
protected:
    CasinoFrameFixture() {
        TResourceRegistry::Get().Clear();
        RegisterResources();
    }
    ~CasinoFrameFixture() override {
        App.reset();
        TResourceRegistry::Get().Clear();
        TBitmapResources::Get().Clear();
    }

    // The data set, the program started, its frame shown with the casino's menu bar.
    TFrameTestApp& StartGame() {
        WriteDataSet();
        App = std::make_unique<TFrameTestApp>();
        EXPECT_TRUE(App->StartUp());
        App->InitInstance();
        App->PumpWaitingMessages();
        EXPECT_TRUE(Frame().AssignGameMenu(IDM_CASINO, App.get()));
        App->PumpWaitingMessages();
        return *App;
    }
    // The fixture's data set with its two modes as plain files: a background and no objects.
    void WriteDataSet() {
        EXPECT_TRUE(WriteFixtureDataSet(Dir));
        for (const char* where : {"", "data/"}) {
            Dir.WriteHostFile(std::string(where) + "felt.bmp", "BM");
            for (const char* mode : {"f1craps.m", "s4intro.m"})
                Dir.WriteHostFile(std::string(where) + mode,
                                  Header("MODE", 2, 1) + Le16(3) + Str("felt.bmp") + Str(""));
        }
    }
    // Starts mode 0 and lets it run a while.
    TJorpModeWindow& StartMode() {
        EXPECT_TRUE(Frame().SwitchMode(0));
        App->RunFor(500);
        Boxes.Boxes.clear();
        return *Frame().GetModeWindow();
    }
    TCasinoGameFrameWindow& Frame() {
        return *dynamic_cast<TCasinoGameFrameWindow*>(App->GetFrame());
    }
    THeadlessBackend& Backend() { return Session.Backend(); }
    int ReadBack(const std::string& section, const std::string& key) const {
        return TJorpIniFile("c:", "\\", "otcraps", "otcraps.ini", true).GetInt(section, key, -1);
    }
    std::vector<std::string> Said() const {
        std::vector<std::string> out;
        for (const auto& box : Boxes.Boxes)
            out.push_back(box.Caption + ": " + box.Text);
        return out;
    }

    THeadlessSession Session{TSize{800, 600}};
    TTempDir Dir;
    TMixerMediaMaker Makers;
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
    std::unique_ptr<TFrameTestApp> App;
};

// An item of pop-up `popup` as the player finds it on opening the menu.
struct TItemState {
    bool Grayed;
    bool Checked;
};
inline TItemState ItemState(TWindow& frame, int popup, u32 id) {
    TMenuTracker tracker(&frame);
    EXPECT_TRUE(tracker.Enter());
    HMENU menu = tracker.OpenPopup(popup);
    EXPECT_NE(menu, nullptr);
    const u32 state = menu != nullptr ? GetMenuState(menu, id, MF_BYCOMMAND) : 0xFFFFFFFFU;
    EXPECT_NE(state, 0xFFFFFFFFU) << "no item " << id;
    tracker.Cancel();
    return {(state & MF_GRAYED) != 0, (state & MF_CHECKED) != 0};
}

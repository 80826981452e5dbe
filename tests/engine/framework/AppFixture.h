// Test support: an engine application on a headless desktop, its program folder mapped as
// c:, the fake media maker and recorded boxes; the game named "Test Game".
#pragma once

#include "FakeMedia.h"
#include "FixtureDataSet.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "platform/framework/ResourceRegistry.h"
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
#include <vector>

// The program as the engine tests run it: its own title and files, and hooks through which
// a test replaces the frame it makes.
class TTestApp : public TJorpApp {
public:
    TTestApp() : TJorpApp("c:", "\\", "otcraps") {}
    ~TTestApp() override = default;

    void InitFrameSpec(TJorpAppInfo& info) override {
        TJorpApp::InitFrameSpec(info);
        info.Title = "Test Game";
        info.BaseName = "testgame";
    }
    void CreateIniFile() override {
        Settings = new TJorpIniFile(Drive, Directory, BaseName, "otcraps.ini", true);
        TEngineContext::Settings = Settings;
        Settings->Read();
    }
    std::string GetDetFileName() override { return "otcraps.det"; }
    std::string GetGameFileName() override { return "casino.g"; }
    TJorpGameFrameWindow* CreateFrameWindow() override {
        if (MakeFrame)
            return MakeFrame(this);
        return TJorpApp::CreateFrameWindow();
    }

    std::function<TJorpGameFrameWindow*(TJorpApp*)> MakeFrame;
};

class AppFixture : public ::testing::Test {
protected:
    AppFixture() {
        TResourceRegistry::Get().Clear();
        RegisterResources();
    }
    ~AppFixture() override {
        App.reset();
        TResourceRegistry::Get().Clear();
    }

    // A fresh desktop of another size, before any window is made.
    void UseScreen(TSize size) {
        Session.reset();
        Session.emplace(size);
        Makers.ScreenWidth = size.cx;
        Makers.ScreenHeight = size.cy;
    }
    THeadlessBackend& Backend() { return Session->Backend(); }

    // The data set, the application started, its frame made and shown.
    TTestApp& StartGame(const TFixtureDataSet& set = {}) {
        EXPECT_TRUE(WriteFixtureDataSet(Dir, set));
        App = std::make_unique<TTestApp>();
        if (MakeFrame)
            App->MakeFrame = MakeFrame;
        App->SetCursorMgr(Cursors);
        EXPECT_TRUE(App->StartUp());
        App->InitInstance();
        App->PumpWaitingMessages();
        return *App;
    }
    TJorpGameFrameWindow& Frame() { return *App->GetFrame(); }

    // What a later run of the program would read from the settings file.
    int ReadBack(const std::string& section, const std::string& key) const {
        return TJorpIniFile("c:", "\\", "otcraps", "otcraps.ini", true).GetInt(section, key, -1);
    }

    std::optional<THeadlessSession> Session{std::in_place, TSize{800, 600}};
    TTempDir Dir;
    TFakeMediaMaker Makers;
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
    std::function<TJorpGameFrameWindow*(TJorpApp*)> MakeFrame;
    // The cursor manager the application is given, if any.
    TCursorMgrFace* Cursors = nullptr;
    std::unique_ptr<TTestApp> App;
};

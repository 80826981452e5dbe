// Test support: the program's table on the built data set, made by a casino mode window with its
// rounds stopped, so that a golden test can stage a picture by hand.
#pragma once

#include "../../tools/databuild/TestDataSet.h"
#include "casino/CasinoModeWin.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/CrapsPlayer.h"
#include "craps/table/OwlMain.h"
#include "engine/framework/GameFrameWindow.h"
#include "engine/framework/JorpApp.h"
#include "platform/audio/WaveMix.h"
#include "platform/framework/draw/WinG.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/host/MessageBox.h"
#include "resources/Resources.h"
#include "support/ExitTrap.h"
#include "support/TempDir.h"
#include "tools/databuild/writer/Build.h"

#include <gtest/gtest.h>

#include <string>

inline std::string ProgramText(u32 id) {
    std::string text;
    return JorpLoadString(text, nullptr, id);
}

// Makes the lord (of class L) and the seat players from their files, as the craps mode window
// does; no round runs over the table.
template <class L> class TStillTableWindow : public TCasinoModeWin {
public:
    TStillTableWindow(TJorpApp* app, TJorpGameFrameWindow* frame)
        : TCasinoModeWin(app, frame, "f1craps.m", app->GetPalette(), "Craps") {}
    TGameObject* CreateGameObject(const TFileMode& file, i16 index, u32 data) override {
        const std::string name = file.Name.GetText();
        if (name == ProgramText(13002)) {
            auto lord = TJorpBase::CreateAttached<L>(file, true, false, this);
            lord->LoadTable();
            lord->SetRoundInput(nullptr);
            lord->DeleteState();
            Lord = lord.get();
            SetMainGameObject(Lord);
            return lord.release();
        }
        for (i16 seat = 0; seat < SeatCount; ++seat)
            if (name == ProgramText(13003U + static_cast<u32>(seat)))
                return ObjectTable[static_cast<size_t>(seat)] =
                           TJorpBase::CreateAttached<TCasinoCPlayer>(file, true, false, this, seat)
                               .release();
        return TCasinoModeWin::CreateGameObject(file, index, data);
    }

    L* Lord = nullptr;
};

// A headless program session over the data set the build writes, in a folder of its own.
class StillTableFixture : public ::testing::Test {
protected:
    StillTableFixture() {
        TResourceRegistry::Get().Clear();
        RegisterResources();
        RegisterWinGLibrary();
        RegisterWaveMixLibrary();
        std::string error;
        EXPECT_TRUE(PutDataSet(Dir.Host("data"), error)) << error;
    }
    ~StillTableFixture() override { TResourceRegistry::Get().Clear(); }

    // The program's table replaced by a staged window of class W.
    template <class W> static W* StageStill() {
        TJorpApp* app = TJorpApp::GetApp();
        TJorpGameFrameWindow* frame = app->GetFrame();
        frame->DetachModeWindow();
        frame->DestroyOldModeWindow(true, 0, 0);
        W* window = new W(app, frame);
        frame->AttachModeWindow(window);
        window->Activate();
        window->Resume();
        return window;
    }
    // The staged window taken off the frame and the program closed, once its picture is taken.
    void CloseStill(TWindow* window) {
        TJorpApp* app = TJorpApp::GetApp();
        app->GetFrame()->SetClientWindow(nullptr);
        window->Destroy(0);
        app->Condemn(window);
        TInputEvent close;
        close.Kind = TInputKind::Close;
        Session.Backend().At(Session.Backend().Now(), close);
    }
    static int RunProgram() {
        char program[] = "otcraps";
        char* argv[] = {program, nullptr};
        return OwlMain(1, argv);
    }

    TTempDir Dir;
    THeadlessSession Session;
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
};

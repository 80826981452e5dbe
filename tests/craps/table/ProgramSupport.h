// Test support: the real program from its main function on the data set the build writes,
// with the frame, its mode window and the desktop spot of a mode-window point at hand.
#pragma once

#include "../../tools/databuild/TestDataSet.h"
#include "LeavingRecorder.h"
#include "craps/table/CrapsFrame.h"
#include "craps/table/CrapsMenuEnable.h"
#include "craps/table/OwlMain.h"
#include "engine/framework/JorpApp.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/MenuEnable.h"
#include "engine/framework/ModeWindow.h"
#include "platform/audio/WaveMix.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/draw/WinG.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/host/RuntimeRandom.h"
#include "resources/Resources.h"
#include "support/ExitTrap.h"
#include "support/TempDir.h"
#include "tools/databuild/writer/Build.h"

#include <gtest/gtest.h>

// Every reseed of the program starts the generator from the chosen seed, so the dice do not
// depend on the clock's date.
class TPinnedSeed : public TRandomSource {
public:
    explicit TPinnedSeed(u32 seed) : Chosen(seed) { Lcg.Seed(seed); }
    void Seed(u32) override { Lcg.Seed(Chosen); }
    i32 Next() override { return Lcg.Next(); }

private:
    TLcgRandom Lcg;
    u32 Chosen;
};

class ProgramFixture : public ::testing::Test {
protected:
    ProgramFixture() {
        TResourceRegistry::Get().Clear();
        RegisterResources();
        RegisterWinGLibrary();
        RegisterWaveMixLibrary();
    }
    ~ProgramFixture() override { TResourceRegistry::Get().Clear(); }

    void Build(const std::function<void(TDataSet&)>& alter = nullptr) {
        std::string error;
        ASSERT_TRUE(alter ? BuildChangedDataSet({Dir.Host("data"), false}, error, alter)
                          : PutDataSet(Dir.Host("data"), error))
            << error;
    }
    // The program's exit code; a fatal ending gives its code too.
    int RunOwlMain() {
        char program[] = "otcraps";
        char* argv[] = {program, nullptr};
        try {
            return OwlMain(1, argv);
        } catch (const TProcessExit& exit) {
            return exit.Code;
        }
    }
    void CloseAt(u64 ms) {
        THeadlessBackend& backend = Session.Backend();
        backend.At(ms, [&backend] {
            TInputEvent close;
            close.Kind = TInputKind::Close;
            backend.At(backend.Now(), close);
        });
    }
    static TCasOTCrapsGFW* Frame() {
        return dynamic_cast<TCasOTCrapsGFW*>(TJorpApp::GetApp()->GetFrame());
    }
    static TJorpModeWindow* Mode() { return Frame()->GetModeWindow(); }
    static u16 CurrentModeId() { return Frame()->GetCrapsMenuEnable()->CurrentModeId; }
    // A point of the mode window on the desktop.
    static TPoint OnMode(i32 x, i32 y) {
        TPoint p(x, y);
        Mode()->ClientToScreen(p);
        return p;
    }
    void Post(u32 command) { ::PostMessage(Frame()->GetHandle(), WM_COMMAND, command, 0); }

    TTempDir Dir;
    THeadlessSession Session;
    // The question before leaving bets to the house is answered Yes and kept apart.
    TLeavingRecorder Boxes;
    TExitTrap Exits;
};

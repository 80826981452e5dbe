// Test support: a frame with a recording client as the main window of a headless desktop.
#pragma once

#include "MessageLog.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

class FrameFixture : public ::testing::Test {
protected:
    struct TFrameSetup {
        const char* Title = "Test Frame";
        // A plain recording client when null.
        TTestClient* Client = nullptr;
        u32 AccelTable = 0;
        // A menu resource assigned right after creation; 0 for none.
        u32 Menu = 0;
        // Only makes the windows the main window; nothing is created or shown.
        bool Create = true;
    };

    // Makes the frame and its client, creates them, assigns the menu, shows them and lets
    // the start-up messages pass, so that a test begins on a settled desktop.
    void MakeFrame(const TFrameSetup& setup) {
        Frame = new TTestFrame(setup.Title);
        Frame->Attr.AccelTable = setup.AccelTable;
        Client = setup.Client != nullptr ? setup.Client : new TTestClient;
        Frame->SetClientWindow(Client);
        App.SetMainWindow(Frame);
        Fx.Name(*Frame, "frame");
        Fx.Name(*Client, "client");
        if (!setup.Create)
            return;
        ASSERT_TRUE(Frame->Create());
        if (setup.Menu != 0) {
            ASSERT_TRUE(Frame->AssignMenu(setup.Menu));
        }
        Frame->ShowWindow(SW_SHOWNORMAL);
        App.PumpWaitingMessages();
    }
    void MakeFrame() { MakeFrame(TFrameSetup{}); }

    TDesktopFixture Fx;
    TApplication App{"test"};
    TTestFrame* Frame = nullptr;
    TTestClient* Client = nullptr;
};

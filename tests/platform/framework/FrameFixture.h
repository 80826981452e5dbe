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
    // A captioned pop-up over the frame at (250, 200), 300 x 150, shown and named for the log;
    // null when it could not be made. The test deletes it.
    TWindow* MakePopup(const char* name) {
        auto* popup = new TWindow(Frame, name);
        popup->Attr.Style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
        popup->Attr.X = 250;
        popup->Attr.Y = 200;
        popup->Attr.W = 300;
        popup->Attr.H = 150;
        if (!popup->Create()) {
            delete popup;
            return nullptr;
        }
        Fx.Name(*popup, name);
        popup->ShowWindow(SW_SHOWNORMAL);
        return popup;
    }

    TDesktopFixture Fx;
    TApplication App{"test"};
    TTestFrame* Frame = nullptr;
    TTestClient* Client = nullptr;
};

// A quit signal in the message loop: the main window is closed the way its close box closes it,
// once per signal, and a signal that comes before there is a main window waits for one.
#include "FrameFixture.h"

#include "platform/host/QuitSignals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

namespace {

using Lines = std::vector<std::string>;

class QuitSignalLoop : public FrameFixture {
protected:
    void SetUp() override { TQuitSignals::Install(); }
    void TearDown() override { TQuitSignals::Uninstall(); }
};

TEST_F(QuitSignalLoop, TheMainWindowIsClosedAsItsCloseBoxWouldOncePerSignal) {
    MakeFrame({.Create = false});
    Fx.Only({WM_CLOSE, WM_DESTROY});
    std::raise(SIGTERM);
    // Not yet on screen: nothing to close, and the signal is kept.
    App.RunFor(50);
    EXPECT_TRUE(TQuitSignals::Pending());
    ASSERT_TRUE(Frame->Create());
    Frame->ShowWindow(SW_SHOWNORMAL);
    // The frame closes and the loop ends as when its close box is clicked.
    EXPECT_EQ(App.RunFor(50), TApplication::TLoopEnd::Quit);
    EXPECT_FALSE(TQuitSignals::Pending());
    const Lines seen = Fx.Take();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), "frame CLOSE");
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "frame CLOSE"), 1);
}

} // namespace

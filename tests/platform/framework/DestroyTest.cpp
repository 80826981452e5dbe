// Destroying a child from its parent's own WM_DESTROY: the child goes then, once.
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"
#include "platform/framework/window/FrameWindow.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace {

int Cleanups = 0;

struct TCountingClient : TWindow {
    TCountingClient() : TWindow(nullptr, "Client") { Attr.W = Attr.H = 100; }
    void CleanupWindow() override { ++Cleanups, TWindow::CleanupWindow(); }
};

// Takes its client down itself when it ends, as the game frame does with its mode window.
struct TOwningFrame : TFrameWindow {
    TOwningFrame() : TFrameWindow(nullptr, "Owner", new TCountingClient, true) {}
    void CleanupWindow() override {
        TWindow* old = SetClientWindow(nullptr);
        old->Destroy(0);
        ClientGone = !old->IsWindow();
        GetApplication()->Condemn(old);
        TFrameWindow::CleanupWindow();
    }
    bool ClientGone = false;
};

TEST(DestroyTest, AChildDestroyedInItsParentsCleanupGoesThenAndLeavesNoWindowBehind) {
    THeadlessSession session;
    TApplication app("test");
    auto* frame = new TOwningFrame;
    app.SetMainWindow(frame);
    ASSERT_TRUE(frame->Create());
    frame->Destroy(0);
    EXPECT_TRUE(frame->ClientGone);
    app.PumpWaitingMessages();
    EXPECT_TRUE(TDesktop::Get().GetTopLevelWindows().empty());
    EXPECT_EQ(Cleanups, 1);
}

} // namespace

// Destroying a child from its parent's own WM_DESTROY: the child goes then, once.
#include "platform/framework/Application.h"
#include "platform/framework/FrameWindow.h"
#include "platform/framework/WinApi.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace {

class TCountingClient : public TWindow {
public:
    TCountingClient() : TWindow(nullptr, "Client") {
        Attr.W = 100;
        Attr.H = 80;
    }
    void CleanupWindow() override {
        ++Cleanups;
        TWindow::CleanupWindow();
    }
    static inline int Cleanups = 0;
};

// Takes its client down itself when it ends, as the game frame does with its mode window.
class TOwningFrame : public TFrameWindow {
public:
    TOwningFrame() : TFrameWindow(nullptr, "Owner", new TCountingClient, true) {}
    void CleanupWindow() override {
        TWindow* old = SetClientWindow(nullptr);
        old->Destroy(0);
        ClientGoneAtCleanup = !old->IsWindow();
        GetApplication()->Condemn(old);
        TFrameWindow::CleanupWindow();
    }
    bool ClientGoneAtCleanup = false;
};

TEST(DestroyTest, AChildDestroyedInItsParentsCleanupGoesThenAndLeavesNoWindowBehind) {
    THeadlessSession session;
    TApplication app("test");
    TCountingClient::Cleanups = 0;
    auto* frame = new TOwningFrame;
    app.SetMainWindow(frame);
    ASSERT_TRUE(frame->Create());
    frame->Destroy(0);
    EXPECT_TRUE(frame->ClientGoneAtCleanup);
    EXPECT_EQ(TCountingClient::Cleanups, 1);
    // The condemned client is deleted at idle; nothing it was is left on the desktop.
    app.PumpWaitingMessages();
    EXPECT_TRUE(TDesktop::Get().GetTopLevelWindows().empty());
    EXPECT_EQ(TCountingClient::Cleanups, 1);
}

} // namespace

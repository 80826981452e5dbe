// Help requests: refused without a live owner window, otherwise kept as the latest request.
#include "FrameFixture.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/WinHelp.h"

#include <gtest/gtest.h>

namespace {

class WinHelpTest : public FrameFixture {
protected:
    void SetUp() override {
        ClearWinHelpRequests();
        MakeFrame();
    }
    void TearDown() override { ClearWinHelpRequests(); }
};

TEST_F(WinHelpTest, RequestsNeedALiveWindowAndAPath) {
    // No main window yet (the program asks with a null handle), a dead window, no path.
    EXPECT_FALSE(WinHelpA(nullptr, "c:\\otcraps.hlp", HELP_CONTENTS, 0));
    auto* gone = new TWindow(Frame, "gone");
    ASSERT_TRUE(gone->Create());
    gone->Destroy();
    EXPECT_FALSE(WinHelpA(gone, "c:\\otcraps.hlp", HELP_CONTENTS, 0));
    delete gone;
    EXPECT_FALSE(WinHelpA(Frame, nullptr, HELP_CONTENTS, 0));
    EXPECT_FALSE(GetLastWinHelpRequest().has_value());
}

TEST_F(WinHelpTest, TheLatestAcceptedRequestIsKept) {
    EXPECT_TRUE(WinHelpA(Frame, "c:\\otcraps.hlp", HELP_CONTENTS, 0));
    EXPECT_TRUE(WinHelp(Frame, "c:\\otcraps.hlp", HELP_CONTEXT, 3000));
    const auto request = GetLastWinHelpRequest();
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->Window, Frame);
    EXPECT_EQ(request->Path, "c:\\otcraps.hlp");
    EXPECT_EQ(request->Command, HELP_CONTEXT);
    EXPECT_EQ(request->Data, 3000U);
    // A refused request leaves the accepted one in place.
    EXPECT_FALSE(WinHelpA(nullptr, "c:\\other.hlp", HELP_CONTEXT, 1000));
    EXPECT_EQ(GetLastWinHelpRequest()->Data, 3000U);
}

} // namespace

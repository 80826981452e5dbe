// The hidden notification window: the focus always goes on to the main window.
#include "engine/framework/HideWin.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/FrameWindow.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace {

// A hidden window of the kind the sound classes make.
class THiddenNotices : public TJorpHideWin {
public:
    THiddenNotices() : TJorpHideWin(nullptr, "Hidden Audio Window") { Attr.Style = WS_POPUP; }
};

TEST(HideWinTest, FocusGoesToTheMainWindowOnceThereIsOne) {
    THeadlessSession session;
    TApplication app("test");
    THiddenNotices hidden;
    ASSERT_TRUE(hidden.Create());
    EXPECT_FALSE(hidden.IsWindowVisible());

    // Before any main window the focus message is handled as any window's.
    hidden.SetFocus();
    EXPECT_EQ(GetFocus(), hidden.GetHandle());

    auto* main = new TFrameWindow(nullptr, "Main");
    main->Attr.W = 200;
    main->Attr.H = 100;
    app.SetMainWindow(main);
    ASSERT_TRUE(main->Create());
    main->ShowWindow(SW_SHOWNORMAL);
    hidden.SetFocus();
    EXPECT_EQ(GetFocus(), main->GetHandle());
}

} // namespace

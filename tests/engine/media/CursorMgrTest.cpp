// The cursor manager: which slot wins, slots out of range, applying later, and where the cursor is
// shown with and without a main frame window.
#include "engine/media/CursorMgr.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Cursor.h"
#include "platform/framework/window/FrameWindow.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace {

constexpr u32 Arrow = 32512;
constexpr u32 Wait = 32514;
// The program's own pointing hand, a cursor resource of the application.
constexpr u32 Hand = 6;

class CursorMgr : public ::testing::Test {
protected:
    void SetUp() override { TResourceRegistry::Get().AddCursor(Hand, TCursorImage{}); }
    u32 Shown() const {
        const HCURSOR cursor = ::GetCursor();
        return cursor != nullptr ? cursor->Id : 0;
    }

    THeadlessSession Session;
    TApplication App{"cursors"};
};

TEST_F(CursorMgr, TheHighestSetSlotIsShownWhenAppliedAndTheArrowWhenNoneIs) {
    TCursorMgr cursors(nullptr);
    cursors.Apply();
    EXPECT_EQ(Shown(), Arrow);
    cursors.SetCursorSlot(CURSOR_SLOT_REGION, &App, Hand, true);
    EXPECT_EQ(Shown(), Hand);
    cursors.SetCursorSlot(CURSOR_SLOT_FILE_WAIT, nullptr, Wait, true);
    EXPECT_EQ(Shown(), Wait);
    cursors.SetCursorSlot(CURSOR_SLOT_FILE_WAIT, nullptr, 0, true);
    EXPECT_EQ(Shown(), Hand);
    // Out of range: nothing stored, nothing shown.
    for (i32 slot : {-1, 5}) {
        cursors.SetCursorSlot(slot, nullptr, Wait, true);
        EXPECT_EQ(Shown(), Hand);
    }
    for (i32 slot = 0; slot < CURSOR_SLOT_ARROW; ++slot)
        cursors.SetCursorData(slot, TCursorData(), false);
    // Not applied yet.
    EXPECT_EQ(Shown(), Hand);
    cursors.Apply();
    EXPECT_EQ(Shown(), Arrow);
}

TEST_F(CursorMgr, WithAMainWindowTheFrameShowsIt) {
    auto* frame = new TFrameWindow(nullptr, "Frame", nullptr, true);
    App.SetMainWindow(frame);
    ASSERT_TRUE(frame->Create());
    TCursorMgr cursors(&App);
    cursors.SetCursorSlot(CURSOR_SLOT_RESPONDER, &App, Hand, true);
    ASSERT_NE(frame->GetCursorHandle(), nullptr);
    EXPECT_EQ(frame->GetCursorHandle()->Id, Hand);
}

} // namespace

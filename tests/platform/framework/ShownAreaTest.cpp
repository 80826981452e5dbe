// What the host window shows: the main frame's menu bar and client area, told to the backend
// with the frame's caption as they change, and every other top-level window kept inside it.
#include "MessageLog.h"
#include "TestWindows.h"

#include "platform/framework/menus/Menu.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The headless desktop, remembering what it was told about the host window.
class TRecordingBackend : public THeadlessBackend {
public:
    void SetShownArea(const TRect& area) override { Areas.push_back(area); }
    void SetHostTitle(const std::string& title) override { Titles.push_back(title); }
    std::vector<TRect> Areas;
    std::vector<std::string> Titles;
};

class ShownArea : public ::testing::Test {
protected:
    ShownArea() {
        TDesktop::Get().Reset();
        TDesktop::Get().AttachBackend(&Backend);
    }
    ~ShownArea() override {
        for (TWindow* w : Made) {
            w->Destroy();
            delete w;
        }
        // The frame takes its menu with it; the application deletes the object.
        if (Frame != nullptr)
            Frame->Destroy();
        TDesktop::Get().Reset();
        TDesktop::Get().AttachBackend(nullptr);
    }
    // A popup of the size at the place, created and shown.
    TWindow* Popup(TRect at) {
        auto* w = new TWindow(nullptr, "Popup");
        w->Attr.Style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
        w->Attr.X = at.left;
        w->Attr.Y = at.top;
        w->Attr.W = at.Width();
        w->Attr.H = at.Height();
        EXPECT_TRUE(w->Create());
        Made.push_back(w);
        return w;
    }
    // The game's frame: 640 x 480 client, menu bar, centred on the 800 x 600 desktop.
    TTestFrame* MakeFrame() {
        auto* frame = new TTestFrame("Craps");
        Frame = frame;
        frame->SetClientWindow(new TTestClient);
        App.SetMainWindow(frame);
        EXPECT_TRUE(frame->Create());
        frame->SetMenu(new TMenu);
        frame->ShowWindow(SW_SHOWNORMAL);
        return frame;
    }

    TRecordingBackend Backend;
    TApplication App{"test"};
    std::vector<TWindow*> Made;
    TTestFrame* Frame = nullptr;
    static constexpr TRect FrameArea{80, 41, 720, 540};
};

TEST_F(ShownArea, IsTheMainFramesMenuBarAndClientAndFollowsIt) {
    // Nothing to show yet: the backend is told so once.
    EXPECT_EQ(TDesktop::Get().GetShownArea(), TRect());
    ASSERT_EQ(Backend.Areas, std::vector<TRect>{TRect()});
    TTestFrame* frame = MakeFrame();
    EXPECT_EQ(TDesktop::Get().GetShownArea(), FrameArea);
    EXPECT_EQ(Backend.Areas.back(), FrameArea);
    EXPECT_EQ(Backend.Titles, std::vector<std::string>{"Craps"});

    const size_t told = Backend.Areas.size();
    frame->SetWindowPos(nullptr, 100, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(TDesktop::Get().GetShownArea(), FrameArea.OffsetBy(23, 31));
    EXPECT_EQ(Backend.Areas.back(), FrameArea.OffsetBy(23, 31));
    EXPECT_EQ(Backend.Areas.size(), told + 1);
    // Told only when it changes.
    frame->SetWindowPos(nullptr, 100, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    frame->SetCaption("Craps");
    EXPECT_EQ(Backend.Areas.size(), told + 1);
    EXPECT_EQ(Backend.Titles.size(), 1U);
    frame->SetCaption("Craps - Table 1");
    EXPECT_EQ(Backend.Titles.back(), "Craps - Table 1");

    // The frame gone, nothing is shown; the host keeps the title it had.
    frame->Destroy();
    EXPECT_EQ(Backend.Areas.back(), TRect());
    EXPECT_EQ(Backend.Titles.back(), "Craps - Table 1");
}

TEST(ShownAreaKeepInside, MovesAWindowInByTheLeastDistance) {
    constexpr TRect area{80, 41, 720, 540};
    struct TCase {
        const char* Name;
        TRect Window;
        TRect Kept;
    };
    const TCase cases[] = {
        {"inside", {100, 100, 300, 200}, {100, 100, 300, 200}},
        {"on the edges", {80, 41, 720, 540}, {80, 41, 720, 540}},
        {"left and above", {0, 0, 200, 100}, {80, 41, 280, 141}},
        {"right and below", {650, 500, 850, 600}, {520, 440, 720, 540}},
        // Larger than the area: against its left and top edges, where the caption is.
        {"wider", {-50, 100, 750, 200}, {80, 100, 880, 200}},
        {"taller", {100, 0, 200, 600}, {100, 41, 200, 641}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(TDesktop::KeepInside(c.Window, area), c.Kept);
    }
    // No area keeps the window where it is.
    EXPECT_EQ(TDesktop::KeepInside({-5, -5, 10, 10}, TRect()), (TRect{-5, -5, 10, 10}));
}

TEST_F(ShownArea, KeepsEveryOtherTopLevelWindowInsideIt) {
    // Before there is a frame, windows go where they are put.
    EXPECT_EQ(Popup({0, 0, 100, 50})->GetWindowRect(), (TRect{0, 0, 100, 50}));
    TTestFrame* frame = MakeFrame();
    // Made outside it, moved outside it: kept in.
    TWindow* popup = Popup({700, 560, 800, 600});
    EXPECT_EQ(popup->GetWindowRect(), (TRect{620, 500, 720, 540}));
    popup->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(popup->GetWindowRect(), (TRect{80, 41, 180, 81}));
    // Centred on the screen, as the dialogs place themselves, lands over the game untouched.
    TWindow* centred = Popup({250, 200, 550, 400});
    EXPECT_EQ(centred->GetWindowRect(), (TRect{250, 200, 550, 400}));
    // Larger than the frame: its caption and left side show.
    TWindow* large = Popup({0, 0, 800, 600});
    EXPECT_EQ(large->GetWindowRect(), (TRect{80, 41, 880, 641}));
    // The frame itself and child windows go where they are put.
    frame->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(frame->GetWindowRect().TopLeft(), (TPoint{0, 0}));
    frame->GetClientWindow()->SetWindowPos(nullptr, -10, -10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(frame->GetClientWindow()->GetWindowRect().TopLeft(), (TPoint{3 - 10, 41 - 10}));
}

TEST_F(ShownArea, AFramePartlyOffTheScreenShowsTheScreensEdgeAndKeepsPopupsOnIt) {
    TTestFrame* frame = MakeFrame();
    frame->SetWindowPos(nullptr, 77, 560, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(TDesktop::Get().GetShownArea(), (TRect{80, 101, 720, 600}));
    EXPECT_EQ(Popup({100, 100, 300, 200})->GetWindowRect(), (TRect{100, 101, 300, 201}));
    // Pushed up, as the small-screen placement does: caption and menu bar above the screen.
    frame->SetWindowPos(nullptr, 77, -45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(TDesktop::Get().GetShownArea(), (TRect{80, 0, 720, 499}));
}

} // namespace

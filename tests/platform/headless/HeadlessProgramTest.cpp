// A small program on the headless backend: a frame with a client window and a menu bar runs
// its loop under a script of timers, clicks, keys and menu choices until it is closed.
#include "platform/framework/PlatformMain.h"
#include "platform/framework/WinApi.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/menus/MenuTracker.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/FrameWindow.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace {

constexpr u32 CmClose = 301;

// Counts its timer ticks, notes its keys and paints a square where it was clicked.
class TBoard : public TWindow {
public:
    TBoard() : TWindow(nullptr, "Board") {
        Attr.W = 640;
        Attr.H = 480;
    }

    void SetupWindow() override {
        TWindow::SetupWindow();
        SetTimer(1, 1);
    }
    void CleanupWindow() override {
        KillTimer(1);
        TWindow::CleanupWindow();
    }
    void EvTimer(u32) { ++Ticks; }
    void EvLButtonDown(u32, const TPoint& p) {
        Mark = p;
        InvalidateRect({p.x, p.y, p.x + 10, p.y + 10}, false);
    }
    void EvChar(u32 key, u32, u32) { Keys += static_cast<char>(key); }
    void Paint(TDC& dc, bool, TRect&) override {
        if (Mark.x >= 0)
            dc.FillSolidRect({Mark.x, Mark.y, Mark.x + 10, Mark.y + 10}, 0xFFFF0000U);
    }

    int Ticks = 0;
    std::string Keys;
    TPoint Mark{-1, -1};

    DECLARE_RESPONSE_TABLE(TBoard);
};

DEFINE_RESPONSE_TABLE1(TBoard, TWindow)
EV_WM_TIMER, EV_WM_LBUTTONDOWN, EV_WM_CHAR, END_RESPONSE_TABLE;

class TBoardFrame : public TFrameWindow {
public:
    explicit TBoardFrame(TBoard* board) : TFrameWindow(nullptr, "Board Game", board, true) {
        Attr.Style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
        Attr.X = 77;
        Attr.Y = 19;
        Attr.W = 646;
        Attr.H = 524;
        Attr.Menu = 40;
    }
    void CmCloseGame() { CloseWindow(0); }

    DECLARE_RESPONSE_TABLE(TBoardFrame);
};

DEFINE_RESPONSE_TABLE1(TBoardFrame, TFrameWindow)
EV_COMMAND(CmClose, CmCloseGame), END_RESPONSE_TABLE;

class TBoardApp : public TApplication {
public:
    TBoardApp() : TApplication("Board") {}
    void InitMainWindow() override {
        Board = new TBoard;
        SetMainWindow(new TBoardFrame(Board));
    }
    TBoard* Board = nullptr;
};

TEST(HeadlessProgramTest, FrameClientAndMenuRunUnderAScriptUntilClosed) {
    TResourceRegistry::Get().Clear();
    TMenuTemplate menu;
    menu.Items.push_back({"&Game", 0, MF_POPUP, {{"&Close", CmClose, 0, {}}}});
    TResourceRegistry::Get().AddMenu(40, menu);

    THeadlessSession session;
    THeadlessBackend& b = session.Backend();
    TBoardApp app;
    const u64 start = b.Now();
    int ticksAtOneSecond = -1;
    TPoint clickAt;
    b.At(start + 100, [&] {
        clickAt = TDesktop::Get().ClientToScreen(app.Board, {100, 50});
        b.MouseMove(clickAt.Offset(-5, 0));
        b.MouseMove(clickAt);
        b.Click(clickAt);
        b.Type('p');
        b.Key(VK_RETURN, 13);
    });
    u32 markPixel = 0;
    b.At(start + 1000, [&] {
        ticksAtOneSecond = app.Board->Ticks;
        markPixel = b.GetScreen().GetPixel(clickAt.x + 5, clickAt.y + 5);
    });
    b.At(start + 1200, [&] {
        TMenuTracker menuLoop(app.GetMainWindow());
        ASSERT_TRUE(menuLoop.Enter());
        menuLoop.OpenPopup(0);
        ASSERT_TRUE(menuLoop.Choose(CmClose));
    });

    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(b.Now(), start + 1200);
    // About one timer message every 10 ms of virtual time, and no real waiting.
    EXPECT_GE(ticksAtOneSecond, 99);
    EXPECT_LE(ticksAtOneSecond, 101);
    EXPECT_EQ(app.Board->Keys, "p\r");
    // The click's square reached the presented screen; the closed frame left the bare desktop.
    EXPECT_EQ(markPixel, 0xFFFF0000U);
    EXPECT_EQ(b.GetScreen().GetPixel(clickAt.x + 5, clickAt.y + 5), TDesktop::DesktopColor);
    TResourceRegistry::Get().Clear();
}

int ProgramMain(int argc, char** argv) {
    // The backend is attached by the time the program runs, and the backend option is gone.
    if (TDesktop::Get().GetBackend() == nullptr)
        return 90;
    for (int i = 0; i < argc; ++i)
        if (std::string(argv[i]).rfind("--", 0) == 0)
            return 91;
    return argc * 10 + TDesktop::Get().GetSystemMetrics(SM_CXSCREEN) / 100;
}

TEST(HeadlessProgramTest, PlatformMainPicksTheBackendAndCallsTheProgram) {
    int made = 0;
    const TBackendChoice choices[] = {
        {"sdl",
         [&] {
             ++made;
             return std::unique_ptr<TBackend>();
         }},
        {"headless",
         [] {
             return std::make_unique<THeadlessBackend>(TSize{640, 480});
         }},
    };
    char prog[] = "/tmp/otcraps";
    char headless[] = "--headless";
    char extra[] = "x";
    char* argv[] = {prog, headless, extra, nullptr};
    EXPECT_EQ(PlatformMain(3, argv, ProgramMain, choices), 26);
    EXPECT_EQ(made, 0);
    EXPECT_EQ(TDesktop::Get().GetBackend(), nullptr);
    char named[] = "--backend=headless";
    char* argv2[] = {prog, named, nullptr};
    EXPECT_EQ(PlatformMain(2, argv2, ProgramMain, choices), 16);
    // The first choice is the default; one that cannot start ends with 1.
    char* argv3[] = {prog, nullptr};
    EXPECT_EQ(PlatformMain(1, argv3, ProgramMain, choices), 1);
    EXPECT_EQ(made, 1);
    char bogus[] = "--backend=teletype";
    char* argv4[] = {prog, bogus, nullptr};
    EXPECT_EQ(PlatformMain(2, argv4, ProgramMain, choices), 1);
}

} // namespace

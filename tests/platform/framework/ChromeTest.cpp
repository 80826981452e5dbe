// Window chrome on the desktop: where captions, boxes and menu bars go for each frame style,
// captions following activation, pop-ups leaving no trace, and the classic look as a whole.
#include "MenuUiFixture.h"

#include "platform/framework/chrome/ChromeCanvas.h"
#include "platform/framework/chrome/Theme.h"
#include "platform/framework/controls/ControlConstants.h"
#include "platform/framework/dialogs/Dialog.h"
#include "platform/framework/draw/Dc.h"
#include "tests/support/Golden.h"

namespace {

using Lines = std::vector<std::string>;

TEST(ChromeLayoutTest, PartsFollowTheStyle) {
    THeadlessSession session;
    TApplication app{"test"};
    TResourceRegistry::Get().Clear();
    TResourceRegistry::Get().AddMenu(5, TestMenuBar());
    struct TCase {
        const char* Name;
        u32 Style;
        bool Menu;
        i32 Frame;
        bool Caption, SystemBox, MinBox, MaxBox;
    };
    const TCase cases[] = {
        {"game frame", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, true, 3, true, true, true, false},
        {"overlapped window", WS_OVERLAPPEDWINDOW, true, 4, true, true, true, true},
        {"dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU, false, 3, true, true, false, false},
        {"caption only", WS_POPUP | WS_CAPTION, false, 3, true, false, false, false},
        {"bordered pop-up", WS_POPUP | WS_BORDER, false, 1, false, false, false, false},
        {"bare pop-up", WS_POPUP, false, 0, false, false, false, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TWindow w(nullptr, "Chrome");
        w.Attr.Style = c.Style;
        w.Attr.X = 50;
        w.Attr.Y = 40;
        w.Attr.W = 300;
        w.Attr.H = 200;
        w.Attr.Menu = c.Menu ? 5 : 0;
        ASSERT_TRUE(w.Create());
        const TRect wr = w.GetWindowRect();
        const TRect client = TDesktop::Get().ScreenClientRect(&w);
        EXPECT_EQ(ChromeLayout::FrameWidth(&w), c.Frame);
        EXPECT_EQ(client.left - wr.left, c.Frame);
        const TRect caption = ChromeLayout::CaptionRect(&w);
        EXPECT_EQ(!caption.IsEmpty(), c.Caption);
        EXPECT_EQ(!ChromeLayout::SystemBoxRect(&w).IsEmpty(), c.SystemBox);
        EXPECT_EQ(!ChromeLayout::MinimizeBoxRect(&w).IsEmpty(), c.MinBox);
        EXPECT_EQ(!ChromeLayout::MaximizeBoxRect(&w).IsEmpty(), c.MaxBox);
        const TRect bar = ChromeLayout::MenuBarRect(&w);
        EXPECT_EQ(!bar.IsEmpty(), c.Menu);
        // Caption, its line, the bar and the client stack with no gap or overlap, and they
        // add up to what the placement metrics promise.
        i32 y = wr.top + c.Frame;
        if (c.Caption) {
            EXPECT_EQ(caption.top, y);
            EXPECT_EQ(caption.Height() + 1, GetSystemMetrics(SM_CYCAPTION));
            y += GetSystemMetrics(SM_CYCAPTION);
            for (const TRect& box :
                 {ChromeLayout::SystemBoxRect(&w), ChromeLayout::MinimizeBoxRect(&w),
                  ChromeLayout::MaximizeBoxRect(&w)}) {
                EXPECT_TRUE(box.IsEmpty() || (box & caption) == box);
            }
        }
        if (c.Menu) {
            EXPECT_EQ(bar.top, y);
            EXPECT_EQ(bar.Height(), GetSystemMetrics(SM_CYMENU));
            y += GetSystemMetrics(SM_CYMENU);
            const std::vector<TRect> items = ChromeLayout::MenuBarItemRects(&w);
            ASSERT_EQ(items.size(), 4u);
            for (size_t i = 0; i < items.size(); ++i) {
                EXPECT_FALSE(items[i].IsEmpty());
                EXPECT_EQ(ChromeLayout::MenuBarItemAt(&w, {items[i].left, items[i].top}),
                          static_cast<int>(i));
                if (i > 0) {
                    EXPECT_EQ(items[i].left, items[i - 1].right);
                }
            }
            // Past the last item the bar has nothing.
            EXPECT_EQ(ChromeLayout::MenuBarItemAt(&w, {items.back().right + 2, bar.top + 5}), -1);
        }
        EXPECT_EQ(client.top, y);
    }
    TResourceRegistry::Get().Clear();
}

TEST(ChromeTextTest, LabelsLoseTheirPrefixesAndKeepTheirMnemonic) {
    struct TCase {
        const char* Text;
        const char* Shown;
        int Underline;
        char Mnemonic;
    };
    const TCase cases[] = {
        {"&File", "File", 0, 'F'},
        {"E&xit Game", "Exit Game", 1, 'X'},
        {"Fish && &Chips", "Fish & Chips", 7, 'C'},
        {"~Speed &Control", "~Speed Control", 7, 'C'},
        {"Plain", "Plain", -1, 0},
        {"Trailing&", "Trailing&", -1, 0},
        {"&a&b", "ab", 0, 'A'}, // only the first prefix counts
        {"", "", -1, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const ChromeText::TLabel label = ChromeText::ParseLabel(c.Text);
        EXPECT_EQ(label.Shown, c.Shown);
        EXPECT_EQ(label.Underline, c.Underline);
        EXPECT_EQ(label.Mnemonic, c.Mnemonic);
    }
}

// A client that paints itself green all over, as a game table would.
class TFeltClient : public TTestClient {
public:
    void Paint(TDC& dc, bool, TRect&) override {
        dc.FillSolidRect(GetClientRect(), MakeArgb(0x00, 0x60, 0x30));
    }
};

class ChromeTest : public MenuUiFixture {
protected:
    void SetUp() override {
        TResourceRegistry::Get().AddMenu(5, TestMenuBar());
        MakeFrame({.Title = "Classic Frame", .Client = new TFeltClient, .Menu = 5});
    }
    u32 Pixel(TPoint p) { return Fx.Backend().GetScreen().GetPixel(p.x, p.y); }
    // A caption point clear of the boxes and of the centred title.
    TPoint CaptionPoint() {
        const TRect box = ChromeLayout::SystemBoxRect(Frame);
        return {box.right + 4, box.top + 3};
    }
};

TEST_F(ChromeTest, TheCaptionShowsWhetherItsWindowIsActive) {
    EXPECT_EQ(Pixel(CaptionPoint()), Theme::ActiveCaption);
    TWindow* other = new TWindow(nullptr, "Other");
    other->Attr.Style = WS_POPUP | WS_CAPTION;
    other->Attr.X = 300;
    other->Attr.Y = 300;
    other->Attr.W = 200;
    other->Attr.H = 100;
    ASSERT_TRUE(other->Create());
    other->ShowWindow(SW_SHOWNORMAL);
    App.PumpWaitingMessages();
    EXPECT_EQ(Pixel(CaptionPoint()), Theme::InactiveCaption);
    EXPECT_EQ(Pixel({301 + 4, 305}), Theme::ActiveCaption);
    delete other;
    App.PumpWaitingMessages();
    EXPECT_EQ(Pixel(CaptionPoint()), Theme::ActiveCaption);
    // The program losing the keyboard greys every caption.
    Fx.Backend().SetAppActive(false);
    App.PumpWaitingMessages();
    EXPECT_EQ(Pixel(CaptionPoint()), Theme::InactiveCaption);
}

TEST_F(ChromeTest, TheBarHighlightFollowsTheMenuSession) {
    const TRect item = ChromeLayout::MenuBarItemRects(Frame)[2];
    const TPoint corner{item.left + 1, item.top + 1};
    EXPECT_EQ(Pixel(corner), Theme::MenuBack);
    Press(KeyF10);
    Press(KeyRight);
    Press(KeyRight);
    EXPECT_EQ(Pixel(corner), Theme::SelectedBack);
    Press(VK_ESCAPE);
    EXPECT_EQ(Pixel(corner), Theme::MenuBack);
}

TEST_F(ChromeTest, PopupsStayOnTheScreen) {
    struct TCase {
        const char* Name;
        TPoint FramePos;
    };
    const TCase cases[] = {
        {"bar above the screen (small-screen placement)", {77, -45}},
        {"bar near the right edge", {640, 19}},
        {"bar near the bottom edge", {77, 560}},
    };
    const TRect screen = Fx.Desktop().GetScreen().Bounds();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Frame->SetWindowPos(nullptr, c.FramePos.x, c.FramePos.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        App.PumpWaitingMessages();
        AltKey('O');
        ASSERT_NE(TMenuUi::Get().GetPopup(), nullptr);
        const TRect popup = TMenuUi::Get().GetPopup()->GetWindowRect();
        EXPECT_EQ(popup & screen, popup);
        TMenuUi::Get().Cancel();
    }
}

TEST_F(ChromeTest, AClosedPopupLeavesTheScreenAsItWas) {
    // A bordered child (a list box, say) lies under the pop-up: its border comes back too.
    TWindow* bordered = new TWindow(Client, "Bordered");
    bordered->Attr.Style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    bordered->Attr.X = 20;
    bordered->Attr.Y = 5;
    bordered->Attr.W = 120;
    bordered->Attr.H = 60;
    ASSERT_TRUE(bordered->Create());
    App.PumpWaitingMessages();
    const TRect outline = bordered->GetWindowRect();
    EXPECT_EQ(Pixel({outline.left + 30, outline.top}), Theme::WindowFrame);
    const TScreenSurface before = Fx.Backend().GetScreen();
    Click(BarItem(1));
    ASSERT_NE(TMenuUi::Get().GetPopup(), nullptr);
    const TRect popup = TMenuUi::Get().GetPopup()->GetWindowRect();
    // It shows on top of the client, framed in the classic raised edge.
    EXPECT_EQ(Pixel({popup.right - 1, popup.bottom - 1}), Theme::DarkShadow3d);
    EXPECT_EQ(Pixel({popup.left + 1, popup.top + 1}), Theme::Highlight3d);
    Press(VK_ESCAPE);
    Press(VK_ESCAPE);
    App.PumpWaitingMessages();
    const TScreenSurface& after = Fx.Backend().GetScreen();
    for (i32 y = 0; y < after.GetHeight(); ++y)
        for (i32 x = 0; x < after.GetWidth(); ++x)
            if (after.GetPixel(x, y) != before.GetPixel(x, y))
                FAIL() << "pixel (" << x << "," << y
                       << ") differs after the menu closed: " << std::hex << after.GetPixel(x, y)
                       << " instead of " << before.GetPixel(x, y);
}

TEST_F(ChromeTest, AChildReachingPastItsParentsClientAreaLeavesTheFrameDrawn) {
    const TRect outer = Frame->GetWindowRect();
    const TPoint bottomEdge{outer.left + 20, outer.bottom - 1};
    const u32 drawn = Pixel(bottomEdge);
    Client->SetWindowPos(nullptr, 0, 0, outer.Width(), outer.Height(), SWP_NOMOVE | SWP_NOZORDER);
    // Whatever lay under the frame paints over its place before it shows again.
    Frame->ShowWindow(SW_HIDE);
    App.PumpWaitingMessages();
    Frame->ShowWindow(SW_SHOWNORMAL);
    App.PumpWaitingMessages();
    EXPECT_EQ(Pixel(bottomEdge), drawn);
}

TEST_F(ChromeTest, TheFrameWithItsMenuOpenLooksClassic) {
    Frame->SoundChecked = true;
    Click(BarItem(1));
    Fx.Backend().MouseMove(PopupItem(2));
    App.PumpWaitingMessages();
    ASSERT_EQ(TMenuUi::Get().GetPopup()->GetSelection(), 2);
    EXPECT_TRUE(MatchesGolden(Fx.Backend().GetScreen(), "frame_menu_open"));
}

TEST_F(ChromeTest, AFrameWithItsMenuOpenAndADialogOverItLooksLikeOneProgram) {
    TDialogTemplate t;
    t.Caption = "Game Speed Control";
    t.ClassName = "bordlg";
    t.Style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.FontFace = "MS Sans Serif";
    t.PointSize = 8;
    t.X = 170;
    t.Y = 90;
    t.W = 160;
    t.H = 70;
    const u32 child = WS_CHILD | WS_VISIBLE;
    t.Items = {
        {"static", -1, "Choose how fast the game runs.", child | SS_LEFT, 8, 8, 144, 10},
        {"button", 102, "&Fast dice", child | WS_TABSTOP | BS_AUTOCHECKBOX, 8, 24, 80, 12},
        {"BorBtn", IDOK, "OK", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 46, 48, 46, 14},
        {"BorBtn", IDCANCEL, "Cancel", child | WS_TABSTOP, 104, 48, 46, 14},
    };
    TDialog dialog(Frame, t);
    ASSERT_TRUE(dialog.Create());
    App.PumpWaitingMessages();
    // The frame's menu opens over everything and the dialog's caption goes inactive.
    Frame->SoundChecked = true;
    Click(BarItem(1));
    ASSERT_NE(TMenuUi::Get().GetPopup(), nullptr);
    EXPECT_TRUE(MatchesGolden(Fx.Backend().GetScreen(), "frame_menu_and_dialog"));
    TMenuUi::Get().Cancel();
}

TEST_F(ChromeTest, AnInactiveFrameWithItsBarLooksClassic) {
    Fx.Backend().SetAppActive(false);
    App.PumpWaitingMessages();
    const TRect wr = Frame->GetWindowRect();
    EXPECT_TRUE(MatchesGolden(Fx.Backend().GetScreen(), "frame_inactive",
                              {wr.left - 4, wr.top, wr.right + 4, wr.top + 60}));
}

} // namespace

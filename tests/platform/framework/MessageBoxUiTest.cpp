// Drawn message boxes: buttons and answers by flags, the modal run that holds the rest of
// the program still, boxes without an owner or application, and recorded boxes.
#include "MessageLog.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ControlPaint.h"
#include "platform/framework/controls/Static.h"
#include "platform/framework/dialogs/MessageBoxUi.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/GdiObject.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxUi, ButtonsAndTheEscapeAnswerFollowTheFlags) {
    struct Case {
        u32 flags;
        std::vector<int> buttons;
        int escape;
    };
    const Case cases[] = {
        {MB_OK, {IDOK}, IDOK},
        {MB_TASKMODAL, {IDOK}, IDOK},
        {MB_ICONHAND | MB_SYSTEMMODAL, {IDOK}, IDOK},
        {MB_OKCANCEL, {IDOK, IDCANCEL}, IDCANCEL},
        {MB_YESNO | MB_ICONSTOP | MB_SYSTEMMODAL, {IDYES, IDNO}, 0},
        {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
        {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, IDCANCEL},
        {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MessageBoxButtons(c.flags), c.buttons) << c.flags;
        EXPECT_EQ(MessageBoxEscapeAnswer(c.flags), c.escape) << c.flags;
    }
}

// The box that is up: the top-level window with the caption.
HWND FindBox(const char* caption) {
    return TDesktop::Get().FindWindow(nullptr, caption);
}

// A window with a timer that counts its ticks and the posted messages it gets.
class TTicker : public TWindow {
public:
    TTicker() : TWindow(nullptr, "Ticker") {
        Attr.Style = WS_POPUP | WS_VISIBLE | WS_CAPTION;
        Attr.X = 10;
        Attr.Y = 10;
        Attr.W = 300;
        Attr.H = 200;
    }
    int Ticks = 0;
    int Users = 0;
    void EvTimer(u32) { ++Ticks; }
    LRESULT EvUser(WPARAM, LPARAM) {
        ++Users;
        return 0;
    }
    DECLARE_RESPONSE_TABLE(TTicker);
};

DEFINE_RESPONSE_TABLE1(TTicker, TWindow)
EV_WM_TIMER, EV_MESSAGE(WM_USER, EvUser), END_RESPONSE_TABLE;

class MessageBoxUiTest : public ::testing::Test {
protected:
    TDesktopFixture Fx;
    TMessageBoxUi Ui;
};

TEST_F(MessageBoxUiTest, ADrawnBoxRunsModallyAndHoldsTheOtherWindowsStill) {
    TApplication app("test");
    TTicker ticker;
    ASSERT_TRUE(ticker.Create());
    ticker.SetTimer(1, 10);
    app.RunFor(100);
    const int ticksBefore = ticker.Ticks;
    ASSERT_GT(ticksBefore, 0);
    ticker.PostMessage(WM_USER);
    bool tickerEnabled = true;
    int ticksDuring = -1;
    int usersDuring = -1;
    Fx.Backend().After(500, [&] {
        HWND box = FindBox("Quit Mode ?");
        ASSERT_NE(box, nullptr);
        tickerEnabled = ticker.IsWindowEnabled();
        ticksDuring = ticker.Ticks;
        usersDuring = ticker.Users;
        HWND no = nullptr;
        for (TWindow* c : box->GetChildren())
            if (c->Attr.Id == static_cast<u32>(IDNO))
                no = c;
        ASSERT_NE(no, nullptr);
        Fx.Backend().Click(TDesktop::Get().ClientToScreen(no, {5, 5}));
    });
    const u64 start = Fx.Backend().Now();
    EXPECT_EQ(ticker.MessageBox("Quit?", "Quit Mode ?", MB_YESNO | MB_ICONSTOP | MB_SYSTEMMODAL),
              IDNO);
    // The box waited for the click, and meanwhile no timer ran and nothing posted arrived.
    EXPECT_GE(Fx.Backend().Now(), start + 500);
    EXPECT_FALSE(tickerEnabled);
    EXPECT_EQ(ticksDuring, ticksBefore);
    EXPECT_EQ(usersDuring, 0);
    EXPECT_EQ(FindBox("Quit Mode ?"), nullptr);
    EXPECT_TRUE(ticker.IsWindowEnabled());
    // What was posted meanwhile is delivered afterwards.
    app.PumpWaitingMessages();
    EXPECT_EQ(ticker.Users, 1);
}

TEST_F(MessageBoxUiTest, BoxesWorkBeforeAnyApplicationOrWindowExists) {
    ASSERT_EQ(TApplication::GetCurrent(), nullptr);
    struct Case {
        u32 flags;
        u32 key;
        int expected;
    };
    const Case cases[] = {
        {MB_OK, VK_RETURN, IDOK},
        {MB_OK, VK_ESCAPE, IDOK},
        {MB_OKCANCEL, VK_ESCAPE, IDCANCEL},
        {MB_YESNO, VK_RETURN, IDYES},
        {MB_YESNO, 'N', IDNO},
        // A second button named the default has the focus and Enter's answer.
        {MB_YESNO | MB_DEFBUTTON2, VK_RETURN, IDNO},
        {MB_YESNO | MB_DEFBUTTON2, 'Y', IDYES},
        {MB_RETRYCANCEL | MB_ICONHAND | MB_SYSTEMMODAL, 'R', IDRETRY},
    };
    for (const Case& c : cases) {
        Fx.Backend().After(10, [&] {
            Fx.Backend().Key(c.key, c.key == 'N'   ? 'n'
                                    : c.key == 'R' ? 'r'
                                    : c.key == 'Y' ? 'y'
                                                   : 0);
        });
        EXPECT_EQ(MessageBoxExA(nullptr, "Couldn't find CDRom File: x", "CD Rom Error", c.flags),
                  c.expected)
            << c.flags << " " << c.key;
    }
}

TEST_F(MessageBoxUiTest, EscapeCannotAnswerAYesNoBox) {
    Fx.Backend().After(10, [&] { Fx.Backend().Key(VK_ESCAPE); });
    Fx.Backend().After(20, [&] { Fx.Backend().Key(VK_TAB); });
    Fx.Backend().After(30, [&] { Fx.Backend().Key(VK_RETURN); });
    EXPECT_EQ(MessageBoxExA(nullptr, "Quit?", "Quit Mode ?", MB_YESNO), IDNO);
}

TEST_F(MessageBoxUiTest, ABoxNobodyCanAnswerEndsWithItsEscapeAnswer) {
    // Nothing is scripted: the headless desktop can never deliver input.
    EXPECT_EQ(MessageBoxExA(nullptr, "text", "Fatal Error", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxExA(nullptr, "text", "Quit Mode ?", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxExA(nullptr, "text", "Leave?", MB_YESNO | MB_DEFBUTTON2), IDNO);
}

TEST(MessageBoxRecorded, ARecordedBoxAnswersAtOnceWithoutRunningTheLoop) {
    TDesktopFixture fx;
    TApplication app("test");
    TTicker ticker;
    ASSERT_TRUE(ticker.Create());
    ticker.SetTimer(1, 10);
    TMessageBoxRecorder recorder;
    recorder.QueueAnswer(IDNO);
    const u64 start = fx.Backend().Now();
    EXPECT_EQ(ticker.MessageBox("Quit?", "Quit Mode ?", MB_YESNO), IDNO);
    EXPECT_EQ(fx.Backend().Now(), start);
    EXPECT_EQ(ticker.Ticks, 0);
    ASSERT_EQ(recorder.Boxes.size(), 1U);
    EXPECT_EQ(recorder.Boxes[0].Owner, &ticker);
}

// The box's text label and client area as the box is shown.
struct TBoxShape {
    TRect Client;
    TRect Label;
    std::string Text;
};

class MessageBoxSizeTest : public MessageBoxUiTest {
protected:
    TBoxShape Show(const char* text) {
        TBoxShape shape;
        Fx.Backend().After(10, [&] {
            HWND box = TDesktop::Get().FindWindow(nullptr, "Sizes");
            ASSERT_NE(box, nullptr);
            shape.Client = box->GetClientRect();
            for (TWindow* child : box->GetChildren())
                if (const TStatic* label = dynamic_cast<TStatic*>(child)) {
                    const TRect r = TDesktop::Get().ScreenClientRect(child);
                    const TPoint o = TDesktop::Get().ClientToScreen(box, {0, 0});
                    shape.Label = r.OffsetBy(-o.x, -o.y);
                    shape.Text = label->GetText();
                }
            Fx.Backend().Key(VK_RETURN);
        });
        MessageBoxExA(nullptr, text, "Sizes", MB_OK);
        return shape;
    }
    // The text wrapped in the label's width as the label draws it.
    TSize Drawn(const TBoxShape& shape, i32 narrower = 0) {
        TScreenDC dc;
        const TFont font("MS Sans Serif", -MulDiv(8, 96, 72));
        return ControlPaint::Measure(dc, font, shape.Text, DT_WORDBREAK | DT_NOPREFIX,
                                     shape.Label.Width() - narrower);
    }
};

TEST_F(MessageBoxSizeTest, AShortTextMakesANarrowBoxOfOneLine) {
    const TBoxShape shape = Show("Bet placed.");
    const TSize drawn = Drawn(shape);
    ASSERT_FALSE(shape.Label.IsEmpty());
    EXPECT_EQ(shape.Label.Height(), drawn.cy);
    EXPECT_LE(drawn.cy, 16);
    // The OK button decides the width: no wider than it and its margins, give or take.
    EXPECT_LE(shape.Client.Width(), 130);
    EXPECT_LE(shape.Client.Height(), 80);
}

TEST_F(MessageBoxSizeTest, ALongTextWrapsToItsLongestLineAndTheBoxFitsItsLines) {
    const std::string text =
        "You have entered a name that is already being used by another gambler. Please enter a "
        "new and unique name. Names are kept in the casino's book for every table, so two "
        "gamblers of one name could not be told apart there.";
    const TBoxShape shape = Show(text.c_str());
    const TSize drawn = Drawn(shape);
    // Wrapped, every line shown, and the label as tall as its lines.
    EXPECT_GE(drawn.cy, 3 * 13);
    EXPECT_EQ(shape.Label.Height(), drawn.cy);
    EXPECT_LE(drawn.cx, shape.Label.Width());
    // No wider than the box's limit, and the label no wider than its longest line: a few
    // pixels less would break the text into more lines.
    EXPECT_LE(shape.Client.Width(), 460);
    EXPECT_GT(Drawn(shape, 3).cy, drawn.cy);
    EXPECT_LE(shape.Client.right - shape.Label.right, shape.Label.left + 2);
    // Not a tall column either.
    EXPECT_GE(shape.Label.Width(), 160);
    // Below the text there is only the button row.
    EXPECT_LE(shape.Client.Height() - shape.Label.bottom, 60);
}

} // namespace

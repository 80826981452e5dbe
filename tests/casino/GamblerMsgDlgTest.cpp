// The gambler dialogs' message box fitted to its message: every line shown, little else.
#include "GamblerFixture.h"

#include "casino/GamblerMsgDlg.h"

#include "platform/framework/controls/ControlPaint.h"
#include "platform/framework/draw/Dc.h"

namespace {

class GamblerMsgDlgTest : public GamblerFixture {
protected:
    struct TShape {
        TRect Client;
        TRect Text;
        TRect Ok;
        i32 Lines = 0;
        i32 LineHeight = 0;
    };
    TShape Show(const std::string& message) {
        TGamblerMsgDlg dialog(nullptr, "Info - Create Gambler", message);
        TShape shape;
        During(50, [&] {
            auto* text = dynamic_cast<TStatic*>(dialog.GetDlgItem(100));
            ASSERT_NE(text, nullptr);
            const TPoint o = TDesktop::Get().ClientToScreen(&dialog, {0, 0});
            shape.Client = dialog.GetClientRect();
            shape.Text = TDesktop::Get().ScreenClientRect(text).OffsetBy(-o.x, -o.y);
            shape.Ok =
                TDesktop::Get().ScreenClientRect(dialog.GetDlgItem(IDOK)).OffsetBy(-o.x, -o.y);
            TScreenDC dc;
            const TSize drawn = ControlPaint::Measure(dc, *dialog.GetDialogFont(), message,
                                                      DT_WORDBREAK, shape.Text.Width());
            shape.LineHeight =
                ControlPaint::Measure(dc, *dialog.GetDialogFont(), "X", DT_SINGLELINE, 1).cy;
            shape.Lines = drawn.cy / shape.LineHeight;
            EXPECT_EQ(drawn.cy, shape.Text.Height()) << message;
            dialog.SendMessage(WM_COMMAND, IDOK, 0);
        });
        dialog.Execute();
        return shape;
    }
};

TEST_F(GamblerMsgDlgTest, TheBoxIsAsTallAsTheMessagesLinesAndNoWiderThanNeeded) {
    const TShape shortOne = Show(GamblerString(208));
    EXPECT_EQ(shortOne.Lines, 1);
    const TShape longOne = Show(GamblerString(209));
    EXPECT_GE(longOne.Lines, 2);
    for (const TShape& s : {shortOne, longOne}) {
        // The OK button sits inside, below the text, and the box ends just below it.
        EXPECT_GT(s.Ok.top, s.Text.bottom);
        EXPECT_LE(s.Ok.bottom, s.Client.bottom);
        EXPECT_LE(s.Client.bottom - s.Ok.bottom, 12);
        EXPECT_LE(s.Ok.top - s.Text.bottom, 2 * s.LineHeight);
        // Centred under the text.
        EXPECT_LE(std::abs((s.Ok.left + s.Ok.right) - (s.Client.left + s.Client.right)), 1);
    }
    EXPECT_LT(shortOne.Client.Height(), longOne.Client.Height());
}

} // namespace

// TGamblerMsgDlg: the caption and the message set up on the template's window, which is then
// fitted to the message.
#include "GamblerMsgDlg.h"

#include "engine/framework/DialogPlacement.h"
#include "resources/Resources.h"

#include "platform/framework/controls/ControlPaint.h"
#include "platform/framework/controls/Static.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/window/Module.h"

#include <algorithm>

namespace {

// In dialog units, as the template spaces them: the margins about the text, the gap to the
// rule, the rule, the gap to the button, the button and the margin below it.
constexpr i32 Margin = 8;
constexpr i32 TextToRule = 6;
constexpr i32 RuleToButton = 8;
constexpr i32 ButtonW = 40;
constexpr i32 ButtonH = 16;
constexpr i32 BelowButton = 6;
// Wide enough for the caption.
constexpr i32 MinClientW = 140;

// The text wrapped within `limit` pixels, as narrow as its longest line.
TSize FitText(TDC& dc, const TFont& font, const std::string& text, i32 limit) {
    const u32 format = DT_WORDBREAK | DT_EXPANDTABS;
    const TSize atLimit = ControlPaint::Measure(dc, font, text, format, limit);
    i32 low = 1;
    i32 high = std::max(limit, atLimit.cx);
    while (low < high) {
        const i32 mid = low + (high - low) / 2;
        const TSize m = ControlPaint::Measure(dc, font, text, format, mid);
        if (m.cy <= atLimit.cy && m.cx <= mid)
            high = mid;
        else
            low = mid + 1;
    }
    return ControlPaint::Measure(dc, font, text, format, high);
}

} // namespace

TGamblerMsgDlg::TGamblerMsgDlg(TWindow* parent, const std::string& caption,
                               const std::string& message)
    : TJorpDialog(parent, IDD_GAMBLERMSG, true), Caption(caption), Message(message),
      MessageStatic(new TStatic(this, 100)) {}

void TGamblerMsgDlg::SetupWindow() {
    TJorpDialog::SetupWindow();
    SetCaption(Caption.c_str());
    MessageStatic->SetText(Message.c_str());
    FitToMessage();
    CentreOverParent(*this);
}

void TGamblerMsgDlg::FitToMessage() {
    const TFont* font = GetDialogFont();
    if (font == nullptr)
        return;
    auto px = [this](i32 x, i32 y, i32 w, i32 h) { return MapDialogRect({x, y, x + w, y + h}); };
    // The template's text box is the widest the text may be.
    const i32 limit = MessageStatic->GetClientRect().Width();
    TScreenDC dc;
    TSize text = FitText(dc, *font, Message, limit);
    text.cy = std::max(text.cy, ControlPaint::Measure(dc, *font, "X", DT_SINGLELINE, 1).cy);
    const TRect margin = px(Margin, Margin, Margin, Margin);
    const i32 clientW =
        std::max({text.cx + 2 + 2 * margin.Width(), px(0, 0, MinClientW, 0).Width()});
    const i32 ruleY = margin.top + text.cy + px(0, 0, 0, TextToRule).Height();
    const i32 ruleH = px(0, 0, 0, 2).Height();
    const TRect button = px(0, 0, ButtonW, ButtonH);
    const i32 buttonY = ruleY + ruleH + px(0, 0, 0, RuleToButton).Height();
    const i32 clientH = buttonY + button.Height() + px(0, 0, 0, BelowButton).Height();
    MessageStatic->MoveWindow(margin.left, margin.top, clientW - 2 * margin.left, text.cy);
    for (TWindow* child : GetChildren()) {
        if (child->Attr.Id == IDOK)
            child->MoveWindow((clientW - button.Width()) / 2, buttonY, button.Width(),
                              button.Height());
        else if (child != MessageStatic)
            child->MoveWindow(0, ruleY, clientW, ruleH);
    }
    const TRect window = GetWindowRect();
    const TRect client = GetClientRect();
    SetWindowPos(nullptr, window.left, window.top, clientW + window.Width() - client.Width(),
                 clientH + window.Height() - client.Height(), SWP_DIALOGMOVE);
}

void ShowGamblerMsg(TWindow* parent, const std::string& caption, const std::string& message) {
    TGamblerMsgDlg(parent, caption, message).Execute();
}

std::string GamblerString(u32 id) {
    return TModule().LoadString(id);
}

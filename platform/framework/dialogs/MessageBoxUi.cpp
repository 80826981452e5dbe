// Message boxes as dialogs: layout from the text, the icons, the buttons and the modal run
// that holds the rest of the program still.
#include "MessageBoxUi.h"

#include "Dialog.h"
#include "platform/framework/chrome/Theme.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ControlPaint.h"
#include "platform/framework/controls/Static.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/GdiObject.h"
#include "platform/framework/window/Desktop.h"
#include "platform/framework/window/ModalLoop.h"

#include <algorithm>

namespace {

constexpr i32 Margin = 12;
constexpr i32 IconSize = 32;
constexpr i32 ButtonWidth = 75;
constexpr i32 ButtonHeight = 23;
constexpr i32 ButtonGap = 6;
constexpr i32 MaxTextWidth = 420;
// Below this a long text would be wrapped into a tall column.
constexpr i32 MinTextWidth = 160;
constexpr int TextId = 0xFFFF;

const char* ButtonText(int answer) {
    switch (answer) {
    case IDOK:
        return "OK";
    case IDCANCEL:
        return "Cancel";
    case IDABORT:
        return "&Abort";
    case IDRETRY:
        return "&Retry";
    case IDIGNORE:
        return "&Ignore";
    case IDYES:
        return "&Yes";
    case IDNO:
        return "&No";
    default:
        return "";
    }
}

// The box as a dialog whose controls are placed in pixels at set-up, from the text's size.
class TMessageBoxDialog : public TDialog {
public:
    TMessageBoxDialog(TWindow* owner, const TMessageBoxRequest& request)
        : TDialog(owner, MakeTemplate(request)), Request(request) {
        GameHelpOnF1 = false;
    }

    static TDialogTemplate MakeTemplate(const TMessageBoxRequest& request) {
        TDialogTemplate t;
        t.Caption = request.Caption;
        t.Style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
        t.Items.push_back(
            {"static", TextId, request.Text, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX});
        const int byDefault = DefaultMessageBoxAnswer(request.Flags);
        bool first = true;
        for (int answer : MessageBoxButtons(request.Flags)) {
            t.Items.push_back({"button", answer, ButtonText(answer),
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | (first ? WS_GROUP : 0) |
                                   (answer == byDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)});
            first = false;
        }
        return t;
    }

    void SetupWindow() override {
        TDialog::SetupWindow();
        Layout();
        // Enter presses the button that has the focus, so a default that is not the first
        // button starts with it.
        if ((Request.Flags & MB_DEFBUTTON2) != 0)
            if (HWND byDefault = GetDlgItem(DefaultMessageBoxAnswer(Request.Flags)))
                FocusControl(byDefault);
    }

    LRESULT EvCommand(u32 id, HWND hWndCtl, u32 notifyCode) override {
        if (notifyCode != BN_CLICKED)
            return TDialog::EvCommand(id, hWndCtl, notifyCode);
        int answer = static_cast<int>(id);
        const std::vector<int> buttons = MessageBoxButtons(Request.Flags);
        if (answer == IDCANCEL)
            answer = MessageBoxEscapeAnswer(Request.Flags);
        if (answer == 0 || std::find(buttons.begin(), buttons.end(), answer) == buttons.end())
            return 0;
        TModalLoop::End(this, answer);
        TWindow::Destroy(answer);
        return 0;
    }

    void Paint(TDC& dc, bool, TRect&) override {
        const u32 icon = Request.Flags & 0xF0;
        if (icon == 0)
            return;
        const TPoint at{Margin, Margin};
        switch (icon) {
        case MB_ICONHAND:
            ControlPaint::Disc(dc, at.Offset(1, 1), IconSize - 2, Theme::Shadow3d);
            ControlPaint::Disc(dc, at, IconSize - 2, MakeArgb(0xFF, 0x00, 0x00));
            // A white cross of two thick diagonals.
            for (i32 i = 8; i < 22; ++i) {
                dc.FillSolidRect({at.x + i - 1, at.y + i, at.x + i + 2, at.y + i + 1},
                                 Theme::Highlight3d);
                dc.FillSolidRect({at.x + 28 - i, at.y + i, at.x + 31 - i, at.y + i + 1},
                                 Theme::Highlight3d);
            }
            break;
        case MB_ICONEXCLAMATION:
            ControlPaint::Disc(dc, at.Offset(1, 1), IconSize - 2, Theme::Shadow3d);
            ControlPaint::Disc(dc, at, IconSize - 2, MakeArgb(0xFF, 0xFF, 0x00));
            dc.FillSolidRect({at.x + 13, at.y + 6, at.x + 17, at.y + 19}, Theme::WindowText);
            dc.FillSolidRect({at.x + 13, at.y + 21, at.x + 17, at.y + 25}, Theme::WindowText);
            break;
        default: {
            // Information and question: a blue disc with a white letter.
            ControlPaint::Disc(dc, at.Offset(1, 1), IconSize - 2, Theme::Shadow3d);
            ControlPaint::Disc(dc, at, IconSize - 2, MakeArgb(0x00, 0x00, 0xC0));
            if (icon == MB_ICONINFORMATION) {
                dc.FillSolidRect({at.x + 13, at.y + 6, at.x + 17, at.y + 10}, Theme::Highlight3d);
                dc.FillSolidRect({at.x + 13, at.y + 12, at.x + 17, at.y + 24}, Theme::Highlight3d);
                dc.FillSolidRect({at.x + 11, at.y + 12, at.x + 13, at.y + 14}, Theme::Highlight3d);
                dc.FillSolidRect({at.x + 11, at.y + 22, at.x + 19, at.y + 24}, Theme::Highlight3d);
            } else {
                const TFont big("MS Sans Serif", -22, 0, 0, 0, FW_BOLD);
                ControlPaint::Label(
                    dc, big, "?", {at.x, at.y, at.x + IconSize - 2, at.y + IconSize - 2},
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, Theme::Highlight3d);
            }
            break;
        }
        }
    }

private:
    // As wide as its widest line, wrapped only beyond the widest a box may be (or the screen
    // allows); a wrapped text is as wide as its longest line, not the width it was wrapped at.
    TSize TextSize(TDC& dc, i32 textLeft) const {
        const TFont& font = *GetDialogFont();
        const u32 format = DT_NOPREFIX | DT_EXPANDTABS;
        const i32 natural = ControlPaint::Measure(dc, font, Request.Text, format, 1).cx;
        const i32 room = TDesktop::Get().GetScreenSize().cx - textLeft - Margin - 2 * Margin;
        const i32 limit = std::clamp(std::min(MaxTextWidth, room), MinTextWidth, MaxTextWidth);
        if (natural <= limit)
            return ControlPaint::Measure(dc, font, Request.Text, format, 1);
        const u32 wrapped = format | DT_WORDBREAK;
        const TSize atLimit = ControlPaint::Measure(dc, font, Request.Text, wrapped, limit);
        // The narrowest width that breaks the text into no more lines: its longest line.
        i32 low = 1;
        i32 high = limit;
        while (low < high) {
            const i32 mid = low + (high - low) / 2;
            const TSize m = ControlPaint::Measure(dc, font, Request.Text, wrapped, mid);
            if (m.cy <= atLimit.cy && m.cx <= mid)
                high = mid;
            else
                low = mid + 1;
        }
        return ControlPaint::Measure(dc, font, Request.Text, wrapped, high);
    }

    void Layout() {
        TDesktop& desktop = TDesktop::Get();
        const bool hasIcon = (Request.Flags & 0xF0) != 0;
        const i32 textLeft = hasIcon ? Margin + IconSize + Margin : Margin;
        TScreenDC dc;
        const TSize text = TextSize(dc, textLeft);
        const i32 contentHeight = std::max(hasIcon ? IconSize : 0, text.cy);
        const i32 textTop = Margin + (contentHeight - text.cy) / 2;
        const std::vector<int> buttons = MessageBoxButtons(Request.Flags);
        const i32 count = static_cast<i32>(buttons.size());
        const i32 row = count * ButtonWidth + (count - 1) * ButtonGap;
        const i32 captionWidth = ControlPaint::Measure(dc, *GetDialogFont(), Request.Caption,
                                                       DT_SINGLELINE | DT_NOPREFIX, 2000)
                                     .cx +
                                 40;
        const i32 clientW = std::max({textLeft + text.cx + Margin, row + 2 * Margin, captionWidth});
        const i32 buttonsTop = Margin + contentHeight + Margin + 4;
        const i32 clientH = buttonsTop + ButtonHeight + Margin;
        if (HWND label = GetDlgItem(TextId))
            label->MoveWindow(textLeft, textTop, text.cx + 2, text.cy, true);
        i32 x = (clientW - row) / 2;
        for (int answer : buttons) {
            if (HWND b = GetDlgItem(answer))
                b->MoveWindow(x, buttonsTop, ButtonWidth, ButtonHeight, true);
            x += ButtonWidth + ButtonGap;
        }
        // Grow the window around the new client area and centre it over its owner or the
        // screen.
        const TRect window = GetWindowRect();
        const TRect client = GetClientRect();
        const i32 w = clientW + window.Width() - client.Width();
        const i32 h = clientH + window.Height() - client.Height();
        TRect over{{0, 0}, desktop.GetScreenSize()};
        if (TWindow* owner = GetParent();
            owner != nullptr && owner->IsWindow() && owner->IsWindowVisible() && !owner->IsIconic())
            over = owner->GetWindowRect();
        const TSize screen = desktop.GetScreenSize();
        const i32 left =
            std::clamp(over.left + (over.Width() - w) / 2, 0, std::max(0, screen.cx - w));
        const i32 top =
            std::clamp(over.top + (over.Height() - h) / 2, 0, std::max(0, screen.cy - h));
        SetWindowPos(nullptr, left, top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    TMessageBoxRequest Request;
};

} // namespace

std::vector<int> MessageBoxButtons(u32 flags) {
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

int MessageBoxEscapeAnswer(u32 flags) {
    const std::vector<int> buttons = MessageBoxButtons(flags);
    if (std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end())
        return IDCANCEL;
    // A box with only OK lets Esc answer OK; Yes/No and Abort/Retry/Ignore need a choice.
    return buttons.size() == 1 ? IDOK : 0;
}

int MessageBoxCancelAnswer(u32 flags) {
    const std::vector<int> buttons = MessageBoxButtons(flags);
    for (int answer : {IDCANCEL, IDNO, IDABORT})
        if (std::find(buttons.begin(), buttons.end(), answer) != buttons.end())
            return answer;
    return IDOK;
}

TMessageBoxUi::TMessageBoxUi() {
    SetMessageBoxPresenter(this);
}

TMessageBoxUi::~TMessageBoxUi() {
    // The console presenter takes over again.
    SetMessageBoxPresenter(nullptr);
}

int TMessageBoxUi::Show(const TMessageBoxRequest& request) {
    TDesktop& desktop = TDesktop::Get();
    TWindow* owner = desktop.IsWindow(request.Owner) ? request.Owner : nullptr;
    TMessageBoxDialog box(owner, request);
    if (!box.Create())
        return DefaultMessageBoxAnswer(request.Flags);
    if (!box.IsWindowVisible())
        box.ShowWindow(SW_SHOW);
    // A box left without an answer (the program quits, or nothing can happen any more)
    // answers as Esc would, or with its first button when Esc cannot.
    int fallback = MessageBoxEscapeAnswer(request.Flags);
    if (fallback == 0)
        fallback = DefaultMessageBoxAnswer(request.Flags);
    const HWND previousFocus = desktop.GetFocus();
    const int answer = TModalLoop::Run(&box, request.Flags, TModalLoop::TOthers::Hold, fallback,
                                       MessageBoxCancelAnswer(request.Flags));
    if (box.IsWindow())
        box.TWindow::Destroy(answer);
    if (previousFocus != nullptr && desktop.IsWindow(previousFocus))
        desktop.SetFocus(previousFocus);
    return answer;
}

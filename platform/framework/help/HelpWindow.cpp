// THelpWindow: layout of a topic into wrapped runs, painting, scrolling by keys and by the
// scroll bar, links followed by a click, and closing by its Close button, Enter or Esc.
#include "HelpWindow.h"

#include "platform/framework/chrome/Theme.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ControlConstants.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/GdiObject.h"
#include "platform/framework/window/Desktop.h"

#include <algorithm>

namespace {

constexpr i32 WindowWidth = 480;
constexpr i32 WindowHeight = 400;
// The band that holds the title and does not scroll.
constexpr i32 HeaderHeight = 34;
constexpr i32 BarWidth = 16;
constexpr i32 Margin = 10;
constexpr i32 BulletIndent = 18;
constexpr i32 BlockGap = 6;
constexpr i32 BodyPixels = 12;
constexpr i32 TitlePixels = 16;
// The Close button at the right of the header band.
constexpr i32 CloseWidth = 64;
constexpr i32 CloseHeight = 22;

constexpr COLORREF LinkColour = RGB(0x00, 0x60, 0x20);
constexpr COLORREF TextColour = RGB(0x00, 0x00, 0x00);

TFont BodyFont(bool bold, bool underline = false) {
    return TFont(Theme::SystemFontFace, -BodyPixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                 DEFAULT_PITCH | FF_DONTCARE, 0, underline ? 1 : 0);
}
TFont TitleFont() {
    return TFont(Theme::SystemFontFace, -TitlePixels, 0, 0, 0, FW_BOLD);
}

// The owner's top-level window: help outlives the dialog that asked for it.
TWindow* TopLevelOf(TWindow* w) {
    while (w != nullptr && (w->Attr.Style & WS_CHILD) != 0 && w->GetParent() != nullptr)
        w = w->GetParent();
    return w;
}

// Words of a text with the space before each (none before the first of a block's line).
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\t') {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

} // namespace

DEFINE_RESPONSE_TABLE1(THelpWindow, TWindow)
EV_WM_KEYDOWN, EV_WM_LBUTTONDOWN, EV_WM_LBUTTONUP, EV_WM_MOUSEMOVE, EV_WM_ERASEBKGND,
    EV_MESSAGE(WM_MOUSEWHEEL, EvMouseWheel), EV_COMMAND(IDCANCEL, CmClose), END_RESPONSE_TABLE;

THelpWindow::THelpWindow(TWindow* owner, THelpBook book)
    : TWindow(TopLevelOf(owner), "Help"), Book(std::move(book)) {
    Attr.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    Attr.W = WindowWidth;
    Attr.H = WindowHeight;
    TRect at{40, 40, 40, 40};
    if (GetParent() != nullptr && GetParent()->IsWindow())
        at = GetParent()->GetWindowRect().OffsetBy(40, 40);
    const TSize screen = TDesktop::Get().GetScreenSize();
    Attr.X = std::clamp(at.left, 0, std::max(0, screen.cx - WindowWidth));
    Attr.Y = std::clamp(at.top, 0, std::max(0, screen.cy - WindowHeight));
    // Made when asked for, not with its owner.
    EnableAutoCreate(false);
    // The help closes with a button, as the dialogs do; the default one, so Enter presses it.
    CloseButton = new TButton(this, IDCANCEL, "Close", 0, 0, CloseWidth, CloseHeight, true);
}

THelpWindow::~THelpWindow() {
    if (Shown == this)
        Shown = nullptr;
}

void THelpWindow::SetupWindow() {
    TWindow::SetupWindow();
    const TRect client = GetClientRect();
    CloseButton->MoveWindow(client.right - Margin - CloseWidth,
                            (HeaderHeight - 1 - CloseHeight) / 2, CloseWidth, CloseHeight);
    ShowTopic(0);
}

TRect THelpWindow::CloseButtonArea() const {
    if (!CloseButton->IsWindow())
        return {};
    TRect r = CloseButton->GetWindowRect();
    TPoint origin = r.TopLeft();
    ScreenToClient(origin);
    return TRect(origin, r.Size());
}

void THelpWindow::CmClose() {
    Destroy();
}

void THelpWindow::SetBook(THelpBook book) {
    Book = std::move(book);
    Topic = -1;
    ShowTopic(0);
}

bool THelpWindow::ShowTopic(int index) {
    if (index < 0 || index >= static_cast<int>(Book.Topics.size()))
        return false;
    Topic = index;
    Scroll = 0;
    Dragging = false;
    SetCaption(("Help - " + Book.Topics[static_cast<std::size_t>(index)].Title).c_str());
    if (IsWindow()) {
        Layout();
        Invalidate(false);
    }
    return true;
}

TRect THelpWindow::TextArea() const {
    const TRect client = GetClientRect();
    return {0, HeaderHeight, std::max(0, client.right - BarWidth), client.bottom};
}

TRect THelpWindow::ScrollBarArea() const {
    const TRect client = GetClientRect();
    return {std::max(0, client.right - BarWidth), HeaderHeight, client.right, client.bottom};
}

i32 THelpWindow::GetMaxScroll() const {
    return std::max(0, DocumentHeight - TextArea().Height());
}

i32 THelpWindow::LineStep() const {
    return BodyPixels + 3;
}

void THelpWindow::ScrollTo(i32 y) {
    const i32 clamped = std::clamp(y, 0, GetMaxScroll());
    if (clamped == Scroll)
        return;
    Scroll = clamped;
    Invalidate(false);
}

void THelpWindow::Layout() {
    Runs.clear();
    const THelpTopic& topic = Book.Topics[static_cast<std::size_t>(Topic)];
    TMemoryDC dc;
    TFont plain = BodyFont(false);
    TFont bold = BodyFont(true);
    TEXTMETRIC metrics{};
    dc.SelectObject(plain);
    dc.GetTextMetrics(metrics);
    const i32 lineHeight = metrics.tmHeight + 2;
    const i32 right = std::max(TextArea().Width() - Margin, Margin + 40);
    i32 y = Margin;
    for (const THelpBlock& block : topic.Blocks) {
        const bool heading = block.Kind == THelpBlockKind::Heading;
        const i32 left = Margin + (block.Kind == THelpBlockKind::Bullet ? BulletIndent : 0);
        if (heading && y > Margin)
            y += BlockGap;
        if (block.Kind == THelpBlockKind::Bullet)
            Runs.push_back(
                {TRect{Margin + 5, y + lineHeight / 2 - 2, Margin + 9, y + lineHeight / 2 + 2}, "",
                 -1, false});
        i32 x = left;
        bool lineEmpty = true;
        // A span that ends in a space leaves one before the next span's first word.
        bool spaceBefore = false;
        for (const THelpSpan& span : block.Spans) {
            dc.SelectObject(heading ? bold : plain);
            const i32 space = dc.GetTextExtent(" ").cx;
            const bool glued = !span.Text.empty() && span.Text.front() != ' ' && !spaceBefore;
            bool first = true;
            for (const std::string& word : Words(span.Text)) {
                const i32 width = dc.GetTextExtent(word).cx;
                // A word that follows the previous span without a space stays with it.
                const bool spaced = !lineEmpty && !(first && glued);
                i32 at = x + (spaced ? space : 0);
                if (!lineEmpty && at + width > right) {
                    y += lineHeight;
                    x = left;
                    at = left;
                    lineEmpty = true;
                }
                THelpRun* last = Runs.empty() ? nullptr : &Runs.back();
                if (!lineEmpty && last != nullptr && last->Link == span.Link &&
                    last->Bold == heading && last->Box.top == y && !last->Text.empty()) {
                    last->Text += std::string(static_cast<std::size_t>(at > x ? 1 : 0), ' ');
                    last->Text += word;
                    last->Box.right = at + width;
                } else {
                    Runs.push_back(
                        {TRect{at, y, at + width, y + lineHeight}, word, span.Link, heading});
                }
                x = at + width;
                lineEmpty = false;
                first = false;
            }
            if (!span.Text.empty())
                spaceBefore = span.Text.back() == ' ';
        }
        y += lineHeight + BlockGap;
    }
    DocumentHeight = y + Margin;
    Scroll = std::clamp(Scroll, 0, GetMaxScroll());
}

bool THelpWindow::EvEraseBkgnd(TDC*) {
    // Paint covers every pixel.
    return true;
}

void THelpWindow::Paint(TDC& dc, bool, TRect&) {
    const TRect client = GetClientRect();
    const TRect text = TextArea();
    dc.FillSolidRect(text, Theme::WindowBack);
    dc.SetBkMode(TRANSPARENT);
    TFont plain = BodyFont(false);
    TFont bold = BodyFont(true);
    TFont link = BodyFont(false, true);
    for (const THelpRun& run : Runs) {
        const TRect box = run.Box.OffsetBy(0, HeaderHeight - Scroll);
        if (!box.Touches(text))
            continue;
        if (run.Text.empty()) {
            dc.FillSolidRect(box, Theme::WindowText);
            continue;
        }
        dc.SelectObject(run.Link >= 0 ? link : run.Bold ? bold : plain);
        dc.SetTextColor(run.Link >= 0 ? TColor(LinkColour) : TColor(TextColour));
        dc.TextOut(box.left, box.top, run.Text);
    }
    // The header is painted after the text so that a line scrolled half under it is cut.
    dc.FillSolidRect(TRect{0, 0, client.right, HeaderHeight - 1}, HeaderArgb);
    dc.FillSolidRect(TRect{0, HeaderHeight - 1, client.right, HeaderHeight}, Theme::Shadow3d);
    if (Topic >= 0 && Topic < static_cast<int>(Book.Topics.size())) {
        TFont title = TitleFont();
        dc.SelectObject(title);
        dc.SetTextColor(TColor(TextColour));
        dc.TextOut(Margin, (HeaderHeight - TitlePixels) / 2 - 2,
                   Book.Topics[static_cast<std::size_t>(Topic)].Title);
    }
    dc.RestoreFont();
    PaintScrollBar(dc);
}

TRect THelpWindow::ThumbRect() const {
    const TRect bar = ScrollBarArea();
    const i32 track = bar.Height() - 2 * BarWidth;
    const i32 max = GetMaxScroll();
    if (max <= 0 || track <= 8)
        return {};
    const i32 view = TextArea().Height();
    const i32 length = std::clamp(track * view / std::max(1, DocumentHeight), 8, track);
    const i32 top =
        bar.top + BarWidth + static_cast<i32>(static_cast<i64>(track - length) * Scroll / max);
    return {bar.left, top, bar.right, top + length};
}

void THelpWindow::PaintScrollBar(TDC& dc) {
    const TRect bar = ScrollBarArea();
    dc.FillSolidRect(bar, MakeArgb(0xE0, 0xE0, 0xE0));
    auto box = [&](const TRect& r) {
        dc.FillSolidRect(r, Theme::Face);
        dc.FillSolidRect({r.left, r.top, r.right, r.top + 1}, Theme::Highlight3d);
        dc.FillSolidRect({r.left, r.top, r.left + 1, r.bottom}, Theme::Highlight3d);
        dc.FillSolidRect({r.left, r.bottom - 1, r.right, r.bottom}, Theme::Shadow3d);
        dc.FillSolidRect({r.right - 1, r.top, r.right, r.bottom}, Theme::Shadow3d);
    };
    const TRect up{bar.left, bar.top, bar.right, bar.top + BarWidth};
    const TRect down{bar.left, bar.bottom - BarWidth, bar.right, bar.bottom};
    box(up);
    box(down);
    const u32 arrow = GetMaxScroll() > 0 ? Theme::WindowText : Theme::GrayText;
    const i32 cx = bar.left + BarWidth / 2;
    for (i32 i = 0; i < 4; ++i) {
        dc.FillSolidRect({cx - i, up.top + 6 + i, cx + i + 1, up.top + 7 + i}, arrow);
        dc.FillSolidRect({cx - i, down.bottom - 7 - i, cx + i + 1, down.bottom - 6 - i}, arrow);
    }
    const TRect thumb = ThumbRect();
    if (!thumb.IsEmpty())
        box(thumb);
}

i32 THelpWindow::LinkAt(TPoint client) const {
    if (!TextArea().Contains(client))
        return -1;
    const TPoint doc{client.x, client.y - HeaderHeight + Scroll};
    for (const THelpRun& run : Runs)
        if (run.Link >= 0 && run.Box.Contains(doc))
            return run.Link;
    return -1;
}

bool THelpWindow::PreProcessMsg(MSG& msg) {
    // The Close button keeps the focus after a press let go outside it; its keys are the help's
    // too, rather than the accelerators' of the window behind.
    if (msg.hwnd != GetHandle() && msg.hwnd != CloseButton)
        return false;
    if (msg.message == WM_KEYDOWN) {
        EvKeyDown(static_cast<u32>(msg.wParam), 1, 0);
        return true;
    }
    return msg.message == WM_KEYUP || msg.message == WM_CHAR;
}

void THelpWindow::EvKeyDown(u32 key, u32, u32) {
    const i32 page = std::max(LineStep(), TextArea().Height() - LineStep());
    switch (key) {
    case VK_ESCAPE:
    case VK_RETURN:
        CmClose();
        return;
    case DLG_VK_UP:
        ScrollTo(Scroll - LineStep());
        return;
    case DLG_VK_DOWN:
        ScrollTo(Scroll + LineStep());
        return;
    case DLG_VK_PRIOR:
        ScrollTo(Scroll - page);
        return;
    case DLG_VK_NEXT:
    case VK_SPACE:
        ScrollTo(Scroll + page);
        return;
    case DLG_VK_HOME:
        ScrollTo(0);
        return;
    case DLG_VK_END:
        ScrollTo(GetMaxScroll());
        return;
    default:
        return;
    }
}

LRESULT THelpWindow::EvMouseWheel(WPARAM wp, LPARAM) {
    const i32 notches = static_cast<i16>(HIWORD(wp)) / WHEEL_DELTA;
    ScrollTo(Scroll - notches * WheelLines * LineStep());
    return 0;
}

void THelpWindow::EvLButtonDown(u32, const TPoint& point) {
    const TRect bar = ScrollBarArea();
    if (bar.Contains(point)) {
        const TRect thumb = ThumbRect();
        const i32 page = std::max(LineStep(), TextArea().Height() - LineStep());
        if (point.y < bar.top + BarWidth) {
            ScrollTo(Scroll - LineStep());
        } else if (point.y >= bar.bottom - BarWidth) {
            ScrollTo(Scroll + LineStep());
        } else if (thumb.IsEmpty()) {
            return;
        } else if (point.y < thumb.top) {
            ScrollTo(Scroll - page);
        } else if (point.y >= thumb.bottom) {
            ScrollTo(Scroll + page);
        } else {
            Dragging = true;
            DragStartY = point.y;
            DragStartScroll = Scroll;
            SetCapture();
        }
        return;
    }
    const i32 link = LinkAt(point);
    if (link >= 0)
        ShowTopic(link);
}

void THelpWindow::EvMouseMove(u32, const TPoint& point) {
    if (!Dragging)
        return;
    const TRect thumb = ThumbRect();
    const i32 travel = ScrollBarArea().Height() - 2 * BarWidth - thumb.Height();
    if (travel <= 0)
        return;
    ScrollTo(DragStartScroll +
             static_cast<i32>(static_cast<i64>(point.y - DragStartY) * GetMaxScroll() / travel));
}

void THelpWindow::EvLButtonUp(u32, const TPoint&) {
    if (!Dragging)
        return;
    Dragging = false;
    ReleaseCapture();
}

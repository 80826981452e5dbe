// The classic window chrome: borders, captions, caption boxes and menu bars.
#include "Chrome.h"

#include "ChromeCanvas.h"
#include "Theme.h"
#include "platform/framework/menus/Menu.h"
#include "platform/framework/menus/MenuUi.h"
#include "platform/framework/window/Window.h"

namespace {

bool IsChild(HWND w) {
    return (w->Attr.Style & WS_CHILD) != 0;
}

bool HasCaption(HWND w) {
    return (w->Attr.Style & WS_CAPTION) == WS_CAPTION;
}

// The caption boxes share the caption's height less a two-pixel margin above and below.
TRect CaptionBox(const TRect& caption, i32 left) {
    return {left, caption.top + 2, left + Theme::CaptionBoxSize - 2, caption.bottom - 2};
}

} // namespace

namespace ChromeLayout {

i32 FrameWidth(HWND w) {
    const u32 style = w->Attr.Style;
    if ((style & WS_THICKFRAME) != 0)
        return Theme::ThickFrameWidth;
    if ((style & WS_DLGFRAME) != 0)
        return Theme::DialogFrameWidth;
    if ((style & WS_BORDER) != 0)
        return Theme::BorderWidth;
    return 0;
}

TRect CaptionRect(HWND w) {
    TDesktop& desktop = TDesktop::Get();
    if (!desktop.IsWindow(w) || !HasCaption(w))
        return {};
    const TRect wr = desktop.GetWindowRect(w);
    const i32 b = FrameWidth(w);
    // The caption's last row is a line in the face colour between caption and menu bar.
    return {wr.left + b, wr.top + b, wr.right - b, wr.top + b + Theme::CaptionHeight - 1};
}

TRect SystemBoxRect(HWND w) {
    const TRect caption = CaptionRect(w);
    if (caption.IsEmpty() || (w->Attr.Style & WS_SYSMENU) == 0)
        return {};
    return CaptionBox(caption, caption.left + 2);
}

TRect MaximizeBoxRect(HWND w) {
    const TRect caption = CaptionRect(w);
    if (caption.IsEmpty() || (w->Attr.Style & WS_MAXIMIZEBOX) == 0)
        return {};
    return CaptionBox(caption, caption.right - 2 - (Theme::CaptionBoxSize - 2));
}

TRect MinimizeBoxRect(HWND w) {
    const TRect caption = CaptionRect(w);
    if (caption.IsEmpty() || (w->Attr.Style & WS_MINIMIZEBOX) == 0)
        return {};
    const TRect max = MaximizeBoxRect(w);
    const i32 right = max.IsEmpty() ? caption.right - 2 : max.left;
    return CaptionBox(caption, right - (Theme::CaptionBoxSize - 2));
}

TRect MenuBarRect(HWND w) {
    TDesktop& desktop = TDesktop::Get();
    if (!desktop.IsWindow(w) || IsChild(w) || desktop.GetMenu(w) == nullptr)
        return {};
    const TRect client = desktop.ScreenClientRect(w);
    return {client.left, client.top - Theme::MenuBarHeight, client.right, client.top};
}

std::vector<TRect> MenuBarItemRects(HWND w) {
    std::vector<TRect> rects;
    const TRect bar = MenuBarRect(w);
    if (bar.IsEmpty())
        return rects;
    HMENU menu = TDesktop::Get().GetMenu(w);
    i32 x = bar.left;
    for (const TMenuItem& item : menu->Items) {
        const i32 width =
            ChromeText::Width(ChromeText::ParseLabel(item.Text).Shown) + 2 * Theme::MenuBarItemPad;
        const TRect r{x, bar.top + 1, x + width, bar.bottom - 1};
        rects.push_back(r.right <= bar.right && width > 2 * Theme::MenuBarItemPad ? r : TRect{});
        x += width;
    }
    return rects;
}

int MenuBarItemAt(HWND w, TPoint p) {
    if (!MenuBarRect(w).Contains(p))
        return -1;
    const std::vector<TRect> rects = MenuBarItemRects(w);
    for (size_t i = 0; i < rects.size(); ++i)
        if (rects[i].Contains(p))
            return static_cast<int>(i);
    return -1;
}

} // namespace ChromeLayout

TClassicChrome& TClassicChrome::Get() {
    static TClassicChrome chrome;
    return chrome;
}

bool TClassicChrome::LooksActive(HWND window) {
    TDesktop& desktop = TDesktop::Get();
    return desktop.IsAppActive() && desktop.GetActiveWindow() == window;
}

void TClassicChrome::Repaint(HWND window) {
    TDesktop& desktop = TDesktop::Get();
    if (!desktop.IsWindow(window) || !desktop.IsWindowVisible(window))
        return;
    TRegion frame = desktop.VisibleRegion(window, false);
    frame.Subtract(desktop.ScreenClientRect(window));
    if (frame.IsEmpty())
        return;
    Get().PaintNonClient(window, desktop.GetScreen(), frame);
    desktop.Present(frame.Bounds());
}

void TClassicChrome::PaintNonClient(HWND window, TScreenSurface& screen, const TRegion& visible) {
    TChromeCanvas canvas(screen, visible);
    PaintFrame(window, canvas);
    PaintCaption(window, canvas);
    PaintMenuBar(window, canvas);
    if (!IsChild(window))
        PaintChildBorders(window, screen);
}

void TClassicChrome::PaintChildBorders(HWND parent, TScreenSurface& screen) {
    // Nobody else repaints a child's border when what covered it goes away: the parent's
    // painting is clipped around its children and theirs stays inside their client areas.
    TDesktop& desktop = TDesktop::Get();
    for (HWND child : parent->GetWindowState().ZChildren) {
        if (!desktop.IsWindow(child) || !desktop.IsWindowVisible(child))
            continue;
        if (ChromeLayout::FrameWidth(child) > 0) {
            TRegion frame = desktop.VisibleRegion(child, false);
            frame.Subtract(desktop.ScreenClientRect(child));
            if (!frame.IsEmpty()) {
                TChromeCanvas canvas(screen, frame);
                PaintFrame(child, canvas);
                PaintCaption(child, canvas);
                desktop.Present(frame.Bounds());
            }
        }
        PaintChildBorders(child, screen);
    }
}

void TClassicChrome::PaintFrame(HWND w, TChromeCanvas& canvas) {
    const TRect wr = TDesktop::Get().GetWindowRect(w);
    const u32 style = w->Attr.Style;
    const i32 b = ChromeLayout::FrameWidth(w);
    if (b == 0)
        return;
    if ((style & (WS_DLGFRAME | WS_THICKFRAME)) == 0) {
        canvas.Edge(wr, Theme::WindowFrame, Theme::WindowFrame);
        return;
    }
    // Everything inside the frame that is neither caption nor menu bar shows the face
    // colour: the frame's inner rows and the line under the caption.
    canvas.Fill(wr, Theme::Face);
    canvas.RaisedFrame(wr, Theme::Face);
}

void TClassicChrome::PaintCaption(HWND w, TChromeCanvas& canvas) {
    const TRect caption = ChromeLayout::CaptionRect(w);
    if (caption.IsEmpty())
        return;
    const bool active = LooksActive(w);
    canvas.Fill(caption, active ? Theme::ActiveCaption : Theme::InactiveCaption);

    i32 textLeft = caption.left + 2;
    i32 textRight = caption.right - 2;
    if (const TRect box = ChromeLayout::SystemBoxRect(w); !box.IsEmpty()) {
        canvas.Fill(box, Theme::Face);
        canvas.RaisedFrame(box, Theme::Highlight3d);
        // The system menu's bar: a white bar with a dark outline and a shadow.
        const i32 cx = (box.left + box.right) / 2;
        const i32 cy = (box.top + box.bottom) / 2;
        const TRect bar{cx - 5, cy - 1, cx + 5, cy + 2};
        canvas.Fill(bar.OffsetBy(1, 1), Theme::Shadow3d);
        canvas.Fill(bar, Theme::DarkShadow3d);
        canvas.Fill({bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1}, Theme::Highlight3d);
        textLeft = box.right + 2;
    }
    if (const TRect box = ChromeLayout::MaximizeBoxRect(w); !box.IsEmpty()) {
        canvas.Fill(box, Theme::Face);
        canvas.RaisedFrame(box, Theme::Highlight3d);
        const i32 cx = (box.left + box.right) / 2;
        const i32 cy = (box.top + box.bottom) / 2;
        for (i32 row = 0; row < 4; ++row)
            canvas.HLine(cx - row - 1, cx + row, cy - 2 + row, Theme::DarkShadow3d);
        textRight = box.left - 2;
    }
    if (const TRect box = ChromeLayout::MinimizeBoxRect(w); !box.IsEmpty()) {
        canvas.Fill(box, Theme::Face);
        canvas.RaisedFrame(box, Theme::Highlight3d);
        const i32 cx = (box.left + box.right) / 2;
        const i32 cy = (box.top + box.bottom) / 2;
        for (i32 row = 0; row < 4; ++row)
            canvas.HLine(cx - 4 + row, cx + 3 - row, cy - 1 + row, Theme::DarkShadow3d);
        textRight = box.left - 2;
    }

    const std::string& title = w->GetCaption();
    if (title.empty() || textRight <= textLeft)
        return;
    const TRect limit{textLeft, caption.top, textRight, caption.bottom};
    const i32 width = ChromeText::Width(title, true);
    const i32 x = width < limit.Width() ? limit.left + (limit.Width() - width) / 2 : limit.left;
    const i32 y = caption.top + (caption.Height() - ChromeText::CellHeight()) / 2;
    canvas.Text(x, y, title, active ? Theme::CaptionText : Theme::InactiveCaptionText, limit, false,
                true);
}

void TClassicChrome::PaintMenuBar(HWND w, TChromeCanvas& canvas) {
    const TRect bar = ChromeLayout::MenuBarRect(w);
    if (bar.IsEmpty())
        return;
    canvas.Fill(bar, Theme::MenuBack);
    HMENU menu = TDesktop::Get().GetMenu(w);
    const std::vector<TRect> rects = ChromeLayout::MenuBarItemRects(w);
    const int selected = TMenuUi::Get().GetBarSelection(w);
    const i32 textHeight = ChromeText::CellHeight();
    for (size_t i = 0; i < rects.size() && i < menu->Items.size(); ++i) {
        const TRect& r = rects[i];
        if (r.IsEmpty())
            continue;
        const TMenuItem& item = menu->Items[i];
        const bool highlighted = static_cast<int>(i) == selected;
        const bool grayed = (item.Flags & (MF_GRAYED | MF_DISABLED)) != 0;
        if (highlighted)
            canvas.Fill(r, Theme::SelectedBack);
        const i32 x = r.left + Theme::MenuBarItemPad;
        const i32 y = r.top + (r.Height() - textHeight) / 2;
        if (grayed && !highlighted)
            canvas.Text(x + 1, y + 1, item.Text, Theme::Highlight3d, r);
        canvas.Text(
            x, y, item.Text,
            grayed ? Theme::GrayText : (highlighted ? Theme::SelectedText : Theme::MenuText), r);
    }
}

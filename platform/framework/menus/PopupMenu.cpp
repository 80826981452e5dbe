// Pop-up menu windows: item layout, highlight and drawing.
#include "PopupMenu.h"

#include "Menu.h"
#include "platform/framework/chrome/ChromeCanvas.h"
#include "platform/framework/chrome/Theme.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/window/Desktop.h"

#include <algorithm>

namespace {

bool IsSeparator(const TPopupItem& item) {
    return (item.Flags & MF_SEPARATOR) != 0;
}

i32 ItemHeight(const TPopupItem& item) {
    return IsSeparator(item) ? Theme::PopupSeparatorHeight : Theme::PopupItemHeight;
}

// Menu texts carry an accelerator's name after a tab, shown right-aligned.
std::pair<std::string, std::string> SplitAtTab(const std::string& text) {
    const size_t tab = text.find('\t');
    if (tab == std::string::npos)
        return {text, {}};
    return {text.substr(0, tab), text.substr(tab + 1)};
}

constexpr i32 AcceleratorGap = 12;

// A check mark seven pixels square: the rows' lit columns as bit masks, leftmost bit 0.
constexpr u8 CheckGlyph[7] = {0x40, 0x60, 0x71, 0x3B, 0x1F, 0x0E, 0x04};

} // namespace

TPopupMenuWindow::TPopupMenuWindow(HMENU menu, TPoint at) : TWindow(nullptr, ""), Menu(menu) {
    if (menu != nullptr)
        for (const TMenuItem& item : menu->Items)
            Items.push_back({item.Text, item.Id, item.Flags, item.Popup != nullptr});
    TDesktop& desktop = TDesktop::Get();
    const TSize size = Measure(Items);
    const TSize screen = desktop.GetScreenSize();
    // Kept on the screen: pushed left or up when it would leave the right or bottom edge,
    // and down when the bar it hangs from lies above the screen (a frame pushed up on a
    // small screen).
    const i32 x = std::max(0, std::min(at.x, screen.cx - size.cx));
    const i32 y = std::max(0, std::min(at.y, screen.cy - size.cy));
    Attr.Style = WS_POPUP;
    Attr.X = x;
    Attr.Y = y;
    Attr.W = size.cx;
    Attr.H = size.cy;
    if (Create()) {
        ShowWindow(SW_SHOWNA);
        UpdateWindow();
    }
}

void TPopupMenuWindow::GetWindowClass(WNDCLASS& wndClass) {
    wndClass.style = CS_SAVEBITS;
    // Every pixel is painted by Paint.
    wndClass.hasBackground = false;
    wndClass.className = "#MenuPopup";
}

TSize TPopupMenuWindow::Measure(const std::vector<TPopupItem>& items) {
    i32 textWidth = 0;
    i32 accelWidth = 0;
    i32 height = 2 * Theme::PopupFrame;
    for (const TPopupItem& item : items) {
        height += ItemHeight(item);
        if (IsSeparator(item))
            continue;
        const auto [label, accel] = SplitAtTab(item.Text);
        textWidth = std::max(textWidth, ChromeText::Width(ChromeText::ParseLabel(label).Shown));
        accelWidth = std::max(accelWidth, ChromeText::Width(accel));
    }
    const i32 width = 2 * Theme::PopupFrame + Theme::PopupCheckColumn + textWidth +
                      (accelWidth > 0 ? AcceleratorGap + accelWidth : 0) + Theme::PopupRightPad;
    return {width, height};
}

std::vector<TRect> TPopupMenuWindow::ItemRects() const {
    std::vector<TRect> rects;
    TDesktop& desktop = TDesktop::Get();
    const TRect wr = desktop.GetWindowRect(GetHandle());
    i32 y = wr.top + Theme::PopupFrame;
    for (const TPopupItem& item : Items) {
        const i32 h = ItemHeight(item);
        rects.push_back({wr.left + Theme::PopupFrame, y, wr.right - Theme::PopupFrame, y + h});
        y += h;
    }
    return rects;
}

int TPopupMenuWindow::ItemAt(TPoint p) const {
    const std::vector<TRect> rects = ItemRects();
    for (size_t i = 0; i < rects.size(); ++i)
        if (rects[i].Contains(p))
            return static_cast<int>(i);
    return -1;
}

bool TPopupMenuWindow::IsSelectable(int index) const {
    return index >= 0 && static_cast<size_t>(index) < Items.size() &&
           !IsSeparator(Items[static_cast<size_t>(index)]);
}

bool TPopupMenuWindow::IsEnabled(int index) const {
    return IsSelectable(index) &&
           (Items[static_cast<size_t>(index)].Flags & (MF_GRAYED | MF_DISABLED)) == 0;
}

void TPopupMenuWindow::SetSelection(int index) {
    if (!IsSelectable(index))
        index = -1;
    if (index == Selection)
        return;
    Selection = index;
    TDesktop& desktop = TDesktop::Get();
    if (!IsWindow())
        return;
    TClientDC dc(GetHandle());
    TChromeCanvas canvas(dc.GetSurface(), dc.GetClip());
    const std::vector<TRect> rects = ItemRects();
    for (size_t i = 0; i < rects.size(); ++i)
        PaintItem(canvas, static_cast<int>(i), rects[i]);
    desktop.Present(desktop.GetWindowRect(GetHandle()));
}

void TPopupMenuWindow::Paint(TDC& dc, bool, TRect&) {
    TChromeCanvas canvas(dc.GetSurface(), dc.GetClip());
    const TRect wr = TDesktop::Get().GetWindowRect(GetHandle());
    canvas.Fill(wr, Theme::MenuBack);
    canvas.RaisedFrame(wr, Theme::Face);
    const std::vector<TRect> rects = ItemRects();
    for (size_t i = 0; i < rects.size(); ++i)
        PaintItem(canvas, static_cast<int>(i), rects[i]);
}

void TPopupMenuWindow::PaintItem(TChromeCanvas& canvas, int index, const TRect& r) {
    const TPopupItem& item = Items[static_cast<size_t>(index)];
    if (IsSeparator(item)) {
        canvas.Fill(r, Theme::MenuBack);
        const i32 mid = r.top + r.Height() / 2 - 1;
        canvas.HLine(r.left + 1, r.right - 1, mid, Theme::Shadow3d);
        canvas.HLine(r.left + 1, r.right - 1, mid + 1, Theme::Highlight3d);
        return;
    }
    const bool highlighted = index == Selection;
    const bool grayed = (item.Flags & (MF_GRAYED | MF_DISABLED)) != 0;
    canvas.Fill(r, highlighted ? Theme::SelectedBack : Theme::MenuBack);
    const u32 ink =
        grayed ? Theme::GrayText : (highlighted ? Theme::SelectedText : Theme::MenuText);
    // Greyed items look engraved: a white copy under the grey text, except on the highlight.
    const bool engraved = grayed && !highlighted;

    if ((item.Flags & MF_CHECKED) != 0) {
        const i32 gx = r.left + (Theme::PopupCheckColumn - 7) / 2;
        const i32 gy = r.top + (r.Height() - 7) / 2;
        for (int pass = engraved ? 0 : 1; pass < 2; ++pass) {
            const i32 shift = pass == 0 ? 1 : 0;
            const u32 colour = pass == 0 ? Theme::Highlight3d : ink;
            for (i32 row = 0; row < 7; ++row)
                for (i32 col = 0; col < 7; ++col)
                    if ((CheckGlyph[row] >> col) & 1)
                        canvas.Pixel(gx + col + shift, gy + row + shift, colour);
        }
    }

    const auto [label, accel] = SplitAtTab(item.Text);
    const i32 x = r.left + Theme::PopupCheckColumn;
    const i32 y = r.top + (r.Height() - ChromeText::CellHeight()) / 2;
    const i32 accelX = r.right - Theme::PopupRightPad + 8 - ChromeText::Width(accel);
    if (engraved) {
        canvas.Text(x + 1, y + 1, label, Theme::Highlight3d, r);
        if (!accel.empty())
            canvas.Text(accelX + 1, y + 1, accel, Theme::Highlight3d, r, false);
    }
    canvas.Text(x, y, label, ink, r);
    if (!accel.empty())
        canvas.Text(accelX, y, accel, ink, r, false);
}

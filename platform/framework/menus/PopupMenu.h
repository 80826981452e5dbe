// A pop-up menu on screen: a borderless top-level window that lays out and draws the items
// of one menu, with one item highlighted.
#pragma once

#include "platform/framework/window/Window.h"

#include <string>
#include <vector>

// What the pop-up shows of an item, taken when it opens: the menu itself may be destroyed
// under an open pop-up when the program swaps its menu bar.
struct TPopupItem {
    std::string Text;
    u32 Id = 0;
    u32 Flags = 0;
    bool HasPopup = false;
};

class TPopupMenuWindow : public TWindow {
public:
    // Shown at once below-right of the point (desktop pixels), kept on the screen, without
    // taking activation or focus from anybody.
    TPopupMenuWindow(HMENU menu, TPoint at);

    // The menu it was opened for: to tell pop-ups apart, never to be read from.
    HMENU GetMenu() const { return Menu; }
    const std::vector<TPopupItem>& GetItems() const { return Items; }
    // Item rectangles in desktop pixels, one per item.
    std::vector<TRect> ItemRects() const;
    // The item under a desktop point, or -1 (separators count as items here).
    int ItemAt(TPoint p) const;
    int GetSelection() const { return Selection; }
    // Highlights an item (-1: none) and redraws what changed at once.
    void SetSelection(int index);
    // Whether an item can be highlighted and chosen: not a separator.
    bool IsSelectable(int index) const;
    bool IsEnabled(int index) const;

    // The size the items need.
    static TSize Measure(const std::vector<TPopupItem>& items);

    void GetWindowClass(WNDCLASS& wndClass) override;
    void Paint(TDC& dc, bool erase, TRect& rect) override;

private:
    void PaintItem(class TChromeCanvas& canvas, int index, const TRect& r);

    HMENU Menu;
    std::vector<TPopupItem> Items;
    int Selection = -1;
};

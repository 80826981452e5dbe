// The classic window chrome: frame borders, captions with their boxes, and menu bars, laid
// out and painted in desktop pixels.
#pragma once

#include "platform/framework/window/Desktop.h"

#include <vector>

class TChromeCanvas;

// Where the parts of a window's chrome are, in desktop pixels; empty when the window's style
// has no such part.
namespace ChromeLayout {
i32 FrameWidth(HWND w);
TRect CaptionRect(HWND w);
TRect SystemBoxRect(HWND w);
TRect MinimizeBoxRect(HWND w);
TRect MaximizeBoxRect(HWND w);
TRect MenuBarRect(HWND w);
// One rectangle per item of the window's menu bar, in order; items that do not fit on the
// bar get empty rectangles.
std::vector<TRect> MenuBarItemRects(HWND w);
// The menu-bar item under the point, or -1.
int MenuBarItemAt(HWND w, TPoint p);
} // namespace ChromeLayout

class TClassicChrome : public TNonClientPainter {
public:
    static TClassicChrome& Get();

    void PaintNonClient(HWND window, TScreenSurface& screen, const TRegion& visible) override;
    // Paints a window's chrome again at once and shows it (menu highlights, captions).
    static void Repaint(HWND window);

    // The caption looks active when its window is the active window of an active program.
    static bool LooksActive(HWND window);

private:
    void PaintFrame(HWND w, TChromeCanvas& canvas);
    void PaintCaption(HWND w, TChromeCanvas& canvas);
    void PaintMenuBar(HWND w, TChromeCanvas& canvas);
    void PaintChildBorders(HWND parent, TScreenSurface& screen);
};

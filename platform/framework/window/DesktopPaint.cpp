// The window system's invalidation, clipping, painting and presenting.
#include "Desktop.h"

#include "Window.h"
#include "platform/framework/chrome/Chrome.h"
#include "platform/framework/draw/Dc.h"

bool TDesktop::InvalidateRect(HWND w, const TRect* rect, bool erase) {
    if (!IsWindow(w))
        return false;
    const TRect client = GetClientRect(w);
    const TRect r = rect != nullptr ? (*rect & client) : client;
    if (r.IsEmpty())
        return true;
    w->Sys.Update = w->Sys.Update | r;
    if (erase)
        w->Sys.UpdateErase = true;
    return true;
}

bool TDesktop::ValidateRect(HWND w) {
    if (!IsWindow(w))
        return false;
    w->Sys.Update = {};
    w->Sys.UpdateErase = false;
    return true;
}

bool TDesktop::GetUpdateRect(HWND w, TRect& rect) const {
    rect = IsWindow(w) ? w->Sys.Update : TRect{};
    return !rect.IsEmpty();
}

void TDesktop::InvalidateTree(HWND w) {
    InvalidateRect(w, nullptr, true);
    for (HWND c : w->Sys.ZChildren)
        if (IsWindow(c) && c->Sys.Visible)
            InvalidateTree(c);
}

void TDesktop::InvalidateExposed(const TRect& screenRect) {
    if (screenRect.IsEmpty())
        return;
    // Every showing window under the uncovered area repaints its part of it.
    std::vector<HWND> stack(TopZ.begin(), TopZ.end());
    while (!stack.empty()) {
        const HWND w = stack.back();
        stack.pop_back();
        if (!IsShowing(w))
            continue;
        const TRect client = ScreenClientRect(w);
        const TRect part = client & screenRect;
        if (!part.IsEmpty()) {
            const TRect local = part.OffsetBy(-client.left, -client.top);
            InvalidateRect(w, &local, true);
        }
        if (IsTopLevel(w) && ScreenWindowRect(w).Touches(screenRect))
            PaintNonClientArea(w);
        for (HWND c : w->Sys.ZChildren)
            stack.push_back(c);
    }
    PaintDesktopBackground(screenRect);
}

void TDesktop::PaintDesktopBackground(const TRect& screenRect) {
    TRegion bare(screenRect & Screen.Bounds());
    for (HWND top : TopZ)
        if (IsShowing(top))
            bare.Subtract(ScreenWindowRect(top));
    for (const TRect& r : bare.GetRects())
        Screen.Fill(r, DesktopColor);
    if (!bare.IsEmpty())
        Present(bare.Bounds());
}

void TDesktop::PaintNonClientArea(HWND w) {
    if (!IsShowing(w))
        return;
    TRegion frame = VisibleRegion(w, false);
    frame.Subtract(ScreenClientRect(w));
    if (frame.IsEmpty())
        return;
    // The classic look unless a test put its own painter in.
    TNonClientPainter& painter = NonClient != nullptr ? *NonClient : TClassicChrome::Get();
    painter.PaintNonClient(w, Screen, frame);
    Present(frame.Bounds());
}

TRegion TDesktop::VisibleRegion(HWND w, bool clientOnly) const {
    if (!IsShowing(w))
        return {};
    TRegion region(clientOnly ? ScreenClientRect(w) : ScreenWindowRect(w));
    HWND cur = w;
    while (!IsTopLevel(cur) && cur->Parent != nullptr) {
        const HWND parent = cur->Parent;
        region.Intersect(ScreenClientRect(parent));
        for (HWND sibling : parent->Sys.ZChildren) {
            if (sibling == cur)
                break;
            if (IsShowing(sibling))
                region.Subtract(ScreenWindowRect(sibling));
        }
        cur = parent;
    }
    for (HWND top : TopZ) {
        if (top == cur)
            break;
        if (IsShowing(top))
            region.Subtract(ScreenWindowRect(top));
    }
    // Children are always clipped away, as if every window had WS_CLIPCHILDREN; a child
    // shows only inside this window's client area, so it never hides the frame around it.
    const TRect inside = ScreenClientRect(w);
    for (HWND c : w->Sys.ZChildren)
        if (IsShowing(c))
            region.Subtract(ScreenWindowRect(c) & inside);
    region.Intersect(Screen.Bounds());
    return region;
}

TRect TDesktop::BeginPaint(HWND w, bool& eraseLeft) {
    eraseLeft = false;
    if (!IsWindow(w))
        return {};
    const TRect r = w->Sys.Update;
    const bool erase = w->Sys.UpdateErase;
    w->Sys.Update = {};
    w->Sys.UpdateErase = false;
    if (erase && !r.IsEmpty()) {
        const TRect client = ScreenClientRect(w);
        TRegion clip = VisibleRegion(w, true);
        clip.Intersect(r.OffsetBy(client.left, client.top));
        TDC dc(Screen, client.TopLeft(), std::move(clip));
        eraseLeft = SendMessage(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0) == 0;
    }
    return r;
}

HWND TDesktop::FindPaintTarget(HWND w) const {
    if (!IsShowing(w))
        return nullptr;
    if (!w->Sys.Update.IsEmpty())
        return w;
    for (auto it = w->Sys.ZChildren.rbegin(); it != w->Sys.ZChildren.rend(); ++it)
        if (HWND found = FindPaintTarget(*it))
            return found;
    return nullptr;
}

bool TDesktop::UpdateWindow(HWND w) {
    if (!IsWindow(w))
        return false;
    if (!IsShowing(w))
        return true;
    // Paints at once, outside any loop: loading screens show their progress this way.
    std::vector<HWND> order{w};
    for (size_t i = 0; i < order.size(); ++i)
        for (auto it = order[i]->Sys.ZChildren.rbegin(); it != order[i]->Sys.ZChildren.rend(); ++it)
            order.push_back(*it);
    for (HWND p : order) {
        if (!IsWindow(p) || !IsShowing(p) || p->Sys.Update.IsEmpty())
            continue;
        const TRect area = PaintedArea(p);
        SendMessage(p, WM_PAINT, 0, 0);
        if (IsWindow(p))
            ValidateRect(p);
        Present(area);
    }
    return true;
}

TRect TDesktop::PaintedArea(HWND w) const {
    // Painting draws through a device context clipped to the invalid area, so nothing else of
    // the window can change: a sprite that moved presents its own few pixels, not the window.
    const TRect client = ScreenClientRect(w);
    return w->Sys.Update.OffsetBy(client.left, client.top) & client;
}

void TDesktop::Present(const TRect& changed) {
    const TRect r = changed & Screen.Bounds();
    if (Backend != nullptr && !r.IsEmpty())
        Backend->Present(Screen, r);
}

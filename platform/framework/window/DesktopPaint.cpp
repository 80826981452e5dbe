// The window system's invalidation, clipping, painting and presenting.
#include "Desktop.h"

#include "Window.h"
#include "platform/framework/chrome/Chrome.h"
#include "platform/framework/draw/Dc.h"

namespace {

// More pieces than this and the window keeps only the box: the clip would cost more than the
// pixels it spares.
constexpr size_t MaxUpdateParts = 16;

// Adds a piece to a window's invalid part, merging it with any piece it overlaps so that the
// pieces stay apart: painting through overlapping clips would draw some pixels twice.
void AddUpdatePart(TWindowState& sys, const TRect& r) {
    std::vector<TRect>& parts = sys.UpdateParts;
    TRect piece = r;
    for (size_t i = 0; i < parts.size();) {
        if (parts[i].Touches(piece)) {
            piece = piece | parts[i];
            parts[i] = parts.back();
            parts.pop_back();
            i = 0;
            continue;
        }
        ++i;
    }
    parts.push_back(piece);
    if (parts.size() > MaxUpdateParts) {
        parts.clear();
        parts.push_back(sys.Update | r);
    }
}

} // namespace

bool TDesktop::InvalidateRect(HWND w, const TRect* rect, bool erase) {
    if (!IsWindow(w))
        return false;
    const TRect client = GetClientRect(w);
    const TRect r = rect != nullptr ? (*rect & client) : client;
    if (r.IsEmpty())
        return true;
    AddUpdatePart(w->Sys, r);
    w->Sys.Update = w->Sys.Update | r;
    if (erase)
        w->Sys.UpdateErase = true;
    return true;
}

bool TDesktop::ValidateRect(HWND w) {
    if (!IsWindow(w))
        return false;
    w->Sys.Update = {};
    w->Sys.UpdateParts.clear();
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

void TDesktop::PaintUncovered(const TRect& screenRect) {
    // A copy: a window's painting may change the stacking. One that is being destroyed has
    // nothing left to show.
    for (HWND top : std::vector<HWND>(TopZ.begin(), TopZ.end()))
        if (IsWindow(top) && !top->Sys.Dying && IsShowing(top) &&
            ScreenWindowRect(top).Touches(screenRect))
            UpdateWindow(top);
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

TRect TDesktop::BeginPaint(HWND w, bool& eraseLeft, std::vector<TRect>* parts) {
    eraseLeft = false;
    if (parts != nullptr)
        parts->clear();
    if (!IsWindow(w))
        return {};
    const TRect r = w->Sys.Update;
    const bool erase = w->Sys.UpdateErase;
    w->Sys.Update = {};
    // Handed over rather than copied: the window's list is empty again, as its box is.
    if (parts != nullptr)
        std::swap(*parts, w->Sys.UpdateParts);
    w->Sys.UpdateParts.clear();
    w->Sys.UpdateErase = false;
    if (erase && !r.IsEmpty()) {
        const TRect client = ScreenClientRect(w);
        TRegion clip = VisibleRegion(w, true);
        if (parts != nullptr && !parts->empty())
            clip.IntersectParts(*parts, client.TopLeft());
        else
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
    std::vector<TRect> parts;
    for (HWND p : order) {
        if (!IsWindow(p) || !IsShowing(p) || p->Sys.Update.IsEmpty())
            continue;
        const TRect area = PaintedArea(p, parts);
        SendMessage(p, WM_PAINT, 0, 0);
        if (IsWindow(p))
            ValidateRect(p);
        Present(area, parts);
    }
    return true;
}

TRect TDesktop::PaintedArea(HWND w, std::vector<TRect>& parts) const {
    // Painting draws through a device context clipped to the invalid area, so nothing else of
    // the window can change: a sprite that moved presents its own few pixels, not the window.
    parts.clear();
    const TRect client = ScreenClientRect(w);
    // One piece is the box itself.
    if (w->Sys.UpdateParts.size() > 1)
        for (const TRect& part : w->Sys.UpdateParts) {
            const TRect r = part.OffsetBy(client.left, client.top) & client;
            if (!r.IsEmpty())
                parts.push_back(r);
        }
    return w->Sys.Update.OffsetBy(client.left, client.top) & client;
}

void TDesktop::Present(const TRect& changed) {
    const TRect r = changed & Screen.Bounds();
    if (Backend != nullptr && !r.IsEmpty())
        Backend->Present(Screen, r);
}

void TDesktop::Present(const TRect& changed, const std::vector<TRect>& parts) {
    if (parts.empty()) {
        Present(changed);
        return;
    }
    const TRect r = changed & Screen.Bounds();
    if (Backend != nullptr && !r.IsEmpty())
        Backend->PresentParts(Screen, r, parts);
}

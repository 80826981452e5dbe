// Device contexts on the desktop surface.
#include "Dc.h"

#include "Desktop.h"

void TDC::FillSolidRect(const TRect& rect, u32 argb) {
    const TRect target = rect.OffsetBy(Origin.x, Origin.y);
    for (const TRect& piece : Clip.GetRects())
        Surface.Fill(piece & target, argb);
}

TClientDC::TClientDC(HWND window)
    : TDC(TDesktop::Get().GetScreen(), TDesktop::Get().ClientToScreen(window, {0, 0}),
          TDesktop::Get().VisibleRegion(window, true)) {}

TPaintDC::TPaintDC(HWND window) : TPaintDC(window, Prepare(window)) {}

TPaintDC::TPaintDC(HWND window, TPrepared prepared)
    : TDC(TDesktop::Get().GetScreen(), TDesktop::Get().ClientToScreen(window, {0, 0}),
          std::move(prepared.Clip)),
      Ps(prepared.Ps) {}

TPaintDC::TPrepared TPaintDC::Prepare(HWND window) {
    TDesktop& desktop = TDesktop::Get();
    TPrepared out;
    out.Ps.rcPaint = desktop.BeginPaint(window, out.Ps.fErase);
    out.Clip = desktop.VisibleRegion(window, true);
    const TPoint origin = desktop.ClientToScreen(window, {0, 0});
    out.Clip.Intersect(out.Ps.rcPaint.OffsetBy(origin.x, origin.y));
    return out;
}

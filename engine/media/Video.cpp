// The video surface's frame: dirty areas gathered, background and graphics redrawn into the back
// buffer, the changed box shown; palette realisation.
#include "engine/media/Video.h"

#include "engine/framework/ResponderHost.h"
#include "engine/media/JorpDC.h"
#include "engine/media/Pal.h"
#include "platform/framework/WinApi.h"

TJorpVideo::TJorpVideo(TResponderHost* window, TGr* background, TPal* paletteSource,
                       i32 repaintPolicy, i32 dirtyPolicy)
    : RepaintPolicy(repaintPolicy), DirtyPolicy(dirtyPolicy), Background(background),
      PaletteSource(paletteSource), Window(window) {}

TJorpVideo::~TJorpVideo() {
    Teardown();
    // Graphics that outlive the surface must not reach back into it when they go.
    for (TGr* g = Graphics.First(); g != nullptr; g = Graphics.Next()) {
        g->Video = nullptr;
        g->ClearFlags(GRF_IN_LIST);
        g->DrawStateTouched();
    }
}

HWND TJorpVideo::WindowHandle() const {
    return Window != nullptr ? Window->GetResponderHandle() : nullptr;
}

bool TJorpVideo::CreateDirtyList() {
    DirtyList = NewRectList(DirtyPolicy);
    DirtyList->SetSpareList(&SpareRects);
    return true;
}
void TJorpVideo::DeleteDirtyList() {
    DirtyList.reset();
}
bool TJorpVideo::CreatePendingList() {
    PendingList = std::make_unique<TJorpRectList>();
    PendingList->SetSpareList(&SpareRects);
    return true;
}
void TJorpVideo::DeletePendingList() {
    PendingList.reset();
}
bool TJorpVideo::CreateRepaintList() {
    RepaintList = NewRectList(RepaintPolicy);
    RepaintList->SetSpareList(&SpareRects);
    return true;
}
void TJorpVideo::DeleteRepaintList() {
    RepaintList.reset();
}
bool TJorpVideo::CreateBackBuffer() {
    return false;
}
void TJorpVideo::DeleteBackBuffer() {
    BackBuffer.reset();
}
bool TJorpVideo::CreatePalette() {
    return false;
}
void TJorpVideo::DeletePalette() {
    Palette.reset();
}
bool TJorpVideo::CreateBufferDC() {
    return false;
}
void TJorpVideo::DeleteBufferDC() {
    BufferDC.reset();
}
void TJorpVideo::ReleaseBackBuffer() {}

std::unique_ptr<TJorpPaintDC> TJorpVideo::NewPaintDC(TDC& dc) {
    return std::make_unique<TJorpPaintDC>(dc.GetHDC());
}

void TJorpVideo::DeletePaintDC(std::unique_ptr<TJorpPaintDC> dc) {
    dc.reset();
}

bool TJorpVideo::Setup() {
    if (SetUp)
        return true;
    CreateDirtyList();
    CreatePendingList();
    CreateRepaintList();
    CreateBufferDC();
    CreatePalette();
    CreateBackBuffer();
    InvalidateAll();
    SetUp = 1;
    return true;
}

bool TJorpVideo::Teardown() {
    if (!SetUp)
        return true;
    ReleaseBackBuffer();
    DeleteBackBuffer();
    DeletePalette();
    DeleteBufferDC();
    DeleteRepaintList();
    DeletePendingList();
    DeleteDirtyList();
    SetUp = 0;
    return true;
}

void TJorpVideo::InvalidateAll() {
    // The graphics are redrawn with the background: left out, whatever stands still would
    // vanish under the new background until it next moved.
    if (RepaintList && DirtyList) {
        RepaintList->Clear();
        DirtyList->Clear();
        RepaintList->Add(GetBounds());
        DirtyList->Add(GetBounds());
        DrawBackground();
        DrawGraphics();
    }
    if (HWND hwnd = WindowHandle())
        ::InvalidateRect(hwnd, nullptr, false);
}

void TJorpVideo::RenderFrame() {
    if (!SetUp)
        return;
    CollectDirty();
    DrawBackground();
    DrawGraphics();
    InvalidateUpdateRect();
}

void TJorpVideo::CollectDirty() {
    if (!RepaintList || !DirtyList || !PendingList)
        return;
    RepaintList->Clear();
    DirtyList->Clear();
    DirtyList->AddAll(*PendingList);
    RepaintList->AddAll(*PendingList);
    PendingList->Clear();
    TakenInOrder = Graphics.TakeDirty(*DirtyList, *RepaintList);
    UpdateRect = RepaintList->GetBounds();
    if (UpdateRect.IsEmpty())
        return;
    // Aligned in client coordinates, which are what the window invalidates, and kept on the
    // surface.
    TJorpDC::AlignRect(UpdateRect);
    UpdateRect = UpdateRect.Intersect(GetBounds());
    if (UpdateRect.IsEmpty())
        UpdateRect = {};
}

void TJorpVideo::DrawBackground() {
    if (Background == nullptr || !BufferDC || !RepaintList)
        return;
    for (const TRect16* r = RepaintList->First(); r != nullptr; r = RepaintList->Next())
        Background->Draw(*BufferDC, *r);
}

void TJorpVideo::DrawGraphics() {
    if (!BufferDC || !BackBuffer || !DirtyList)
        return;
    const TRect16 clip = BackBuffer->GetRect();
    // Taking the changes this frame walked the list already and may have found it in order.
    if (!TakenInOrder)
        Graphics.Sort();
    TakenInOrder = false;
    // The graphics near the changes are found once, in z order, rather than for every area:
    // an idle frame repaints a few areas in one corner of a table of many graphics.
    const TRect16 reach = DirtyList->GetBounds().Intersect(clip);
    if (reach.IsEmpty())
        return;
    InReach.clear();
    for (TGr* g = Graphics.First(); g != nullptr; g = Graphics.Next())
        if (g->GetRect().Overlaps(reach))
            InReach.push_back(g);
    for (const TRect16* d = DirtyList->First(); d != nullptr; d = DirtyList->Next()) {
        const TRect16 area = d->Intersect(clip);
        if (area.IsEmpty())
            continue;
        for (TGr* g : InReach)
            if (g->GetRect().Overlaps(area))
                g->Draw(*BufferDC, area);
    }
}

void TJorpVideo::InvalidateUpdateRect() {
    const HWND hwnd = WindowHandle();
    if (UpdateRect.IsEmpty() || hwnd == nullptr || !RepaintList)
        return;
    // Each repainted area on its own: the window then shows those, not the box around them.
    // Nothing to erase: the back buffer covers every pixel of them.
    for (const TRect16* p = RepaintList->First(); p != nullptr; p = RepaintList->Next()) {
        TRect16 area = *p;
        TJorpDC::AlignRect(area);
        area = area.Intersect(UpdateRect);
        if (area.IsEmpty())
            continue;
        const TRect r = area.ToRect();
        ::InvalidateRect(hwnd, &r, false);
    }
    if (!DeferUpdate)
        ::UpdateWindow(hwnd);
}

void TJorpVideo::Paint(TDC& dc, bool, const TRect& rect) {
    std::unique_ptr<TJorpPaintDC> paintDC = NewPaintDC(dc);
    BlitToDC(TRect16(rect), *paintDC);
    DeletePaintDC(std::move(paintDC));
}

bool TJorpVideo::BlitToDC(const TRect16& rect, TJorpPaintDC& paintDC) {
    if (!BufferDC)
        return false;
    if (Palette) {
        paintDC.SelectPalette(*Palette, false);
        ::RealizePalette(paintDC.GetHDC());
    }
    const TRect16 area = rect.Intersect(GetBounds());
    if (area.IsEmpty())
        return true;
    return paintDC.Blit(area, *BufferDC);
}

bool TJorpVideo::SetBackground(TGr* background) {
    Background = background;
    InvalidateAll();
    return true;
}

bool TJorpVideo::SetPaletteSource(TPal* palette) {
    PaletteSource = palette;
    if (!SetUp)
        return true;
    DeletePalette();
    CreatePalette();
    // The blit shows the back buffer through its own colour table, which must follow.
    RefreshBackBufferColours();
    InvalidateAll();
    return true;
}

bool TJorpVideo::ActivatePalette() {
    if (PaletteActive)
        return false;
    PaletteActive = 1;
    return RealizeForeground();
}

void TJorpVideo::DeactivatePalette(bool force) {
    if (PaletteActive || force)
        RealizeBackground();
    PaletteActive = 0;
}

bool TJorpVideo::RealizeForeground() {
    const HWND hwnd = WindowHandle();
    if (hwnd == nullptr)
        return true;
    if (Palette) {
        TJorpWindowDC dc(hwnd);
        dc.SelectPalette(*Palette, false);
        ::RealizePalette(dc.GetHDC());
    }
    ::SendMessage(HWND_BROADCAST, WM_PALETTECHANGED, HwndToParam(hwnd), 0);
    ::InvalidateRect(hwnd, nullptr, true);
    return true;
}

bool TJorpVideo::RealizeBackground() {
    const HWND hwnd = WindowHandle();
    if (hwnd == nullptr)
        return true;
    if (Palette) {
        TJorpWindowDC dc(hwnd);
        dc.SelectPalette(*Palette, true);
        ::RealizePalette(dc.GetHDC());
    }
    ::InvalidateRect(hwnd, nullptr, true);
    return true;
}

void TJorpVideo::AddPending(const TRect16& rect) {
    if (PendingList)
        PendingList->Add(rect);
}

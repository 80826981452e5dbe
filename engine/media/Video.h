// TJorpVideo: a mode window's 640 x 480 back buffer, its palette, its dirty-rectangle lists and
// the z-ordered graphics drawn into it once per frame.
#pragma once

#include "engine/media/Bmp.h"
#include "engine/media/Gr.h"
#include "engine/media/Rect16.h"
#include "engine/media/RectList.h"
#include "platform/framework/WinTypes.h"

#include <memory>
#include <vector>

class TDC;
class TJorpPaintDC;
class TJorpVideoDC;
class TPal;
class TResponderHost;
class TVideoPal;

constexpr i32 VIDEO_WIDTH = 640;
constexpr i32 VIDEO_HEIGHT = 480;

// The back buffer: a bitmap that knows the DC it is selected into.
class TVideoBmp : public TBmp {
public:
    TVideoBmp(TJorpOwner* owner, TJorpVideoDC* dc) : TBmp(owner), Dc(dc) {}
    TJorpVideoDC* GetDC() const { return Dc; }

private:
    TJorpVideoDC* Dc;
};

class TJorpVideo {
public:
    // The window is the mode window drawn into; policies choose the repaint and dirty lists
    // (0 merge, 1 no-overlap, any other plain). The background and the palette source are the
    // mode's, not owned.
    TJorpVideo(TResponderHost* window, TGr* background, TPal* paletteSource, i32 repaintPolicy,
               i32 dirtyPolicy);
    virtual ~TJorpVideo();
    TJorpVideo(const TJorpVideo&) = delete;
    TJorpVideo& operator=(const TJorpVideo&) = delete;

    virtual bool CreateDirtyList();
    virtual void DeleteDirtyList();
    virtual bool CreatePendingList();
    virtual void DeletePendingList();
    virtual bool CreateRepaintList();
    virtual void DeleteRepaintList();
    virtual bool CreateBackBuffer();
    virtual void DeleteBackBuffer();
    virtual bool CreatePalette();
    virtual void DeletePalette();
    virtual bool CreateBufferDC();
    virtual void DeleteBufferDC();
    // Repaints the whole surface now and invalidates the whole window without erasing.
    virtual void InvalidateAll();
    virtual void ReleaseBackBuffer();
    virtual std::unique_ptr<TJorpPaintDC> NewPaintDC(TDC& dc);
    // Lets go of a device context NewPaintDC made.
    virtual void DeletePaintDC(std::unique_ptr<TJorpPaintDC> dc);
    virtual bool Setup();
    virtual bool Teardown();
    // Copies the painted rectangle (client coordinates) from the back buffer.
    virtual void Paint(TDC& dc, bool erase, const TRect& rect);
    // One frame: gather what changed, redraw it into the back buffer, show its bounding box.
    virtual void RenderFrame();
    virtual bool SetBackground(TGr* background);
    virtual bool SetPaletteSource(TPal* palette);
    virtual bool RealizeForeground();
    virtual bool RealizeBackground();
    virtual bool BlitToDC(const TRect16& rect, TJorpPaintDC& paintDC);
    virtual void CollectDirty();
    virtual void DrawBackground();
    virtual void DrawGraphics();
    virtual void InvalidateUpdateRect();

    // Realises the palette in the foreground unless it is so already; false when it was.
    bool ActivatePalette();
    // Realises it in the background when it is active or when forced, and marks it inactive.
    void DeactivatePalette(bool force);
    // An area to repaint next frame, for graphics that leave.
    void AddPending(const TRect16& rect);

    bool IsSetUp() const { return SetUp != 0; }
    bool IsPaletteActive() const { return PaletteActive != 0; }
    void SetDeferUpdate(bool defer) { DeferUpdate = defer ? 1 : 0; }
    const TRect16& GetUpdateRect() const { return UpdateRect; }
    TGrList& GetGraphics() { return Graphics; }
    TVideoBmp* GetBackBuffer() const { return BackBuffer.get(); }
    TVideoPal* GetPalette() const { return Palette.get(); }
    TJorpVideoDC* GetBufferDC() const { return BufferDC.get(); }
    TJorpRectList* GetDirtyList() const { return DirtyList.get(); }
    TJorpRectList* GetRepaintList() const { return RepaintList.get(); }
    TJorpRectList* GetPendingList() const { return PendingList.get(); }
    TGr* GetBackground() const { return Background; }
    TPal* GetPaletteSource() const { return PaletteSource; }
    TResponderHost* GetWindow() const { return Window; }
    TRect16 GetBounds() const { return {0, 0, Width, Height}; }

protected:
    // The window's handle, or null while it has none.
    HWND WindowHandle() const;
    // Puts the new palette's colours into the back buffer's colour table.
    virtual void RefreshBackBufferColours() {}

    i32 RepaintPolicy;
    i32 DirtyPolicy;
    i32 Width = VIDEO_WIDTH;
    i32 Height = VIDEO_HEIGHT;
    TGrList Graphics;
    u8 PaletteActive = 1;
    TGr* Background;
    TPal* PaletteSource;
    std::unique_ptr<TVideoBmp> BackBuffer;
    std::unique_ptr<TVideoPal> Palette;
    std::unique_ptr<TJorpVideoDC> BufferDC;
    TResponderHost* Window;
    TRect16 UpdateRect;
    // The graphics were found in z order as this frame's changes were taken.
    bool TakenInOrder = false;
    u8 DeferUpdate = 0;
    // The graphics a frame's changes reach, kept between frames for their storage.
    std::vector<TGr*> InReach;
    // The three lists' spare rectangles: a frame clears and fills them again, which would
    // otherwise free and allocate every rectangle every frame. Declared first, gone last.
    TSliq SpareRects{true, false};
    std::unique_ptr<TJorpRectList> DirtyList;
    std::unique_ptr<TJorpRectList> PendingList;
    std::unique_ptr<TJorpRectList> RepaintList;
    u8 SetUp = 0;
};

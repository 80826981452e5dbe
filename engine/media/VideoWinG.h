// TVideoWinG and TVideoWinGBmp: the video surface on WinG's DIB back buffer and blit.
#pragma once

#include "engine/media/Video.h"

class TVideoPal;

// The 8-bit DIB back buffer, its colour table the surface palette's colours.
class TVideoWinGBmp : public TVideoBmp {
public:
    // useRecommended takes WinG's preferred row order; without it topDown decides.
    TVideoWinGBmp(TJorpOwner* owner, TJorpVideoDC* dc, const TVideoPal* palette, i32 width,
                  i32 height, bool useRecommended, bool topDown);
    // Takes the palette's colours into the header and the DIB's own table.
    void SetColours(const TVideoPal& palette);
};

class TVideoWinG : public TJorpVideo {
public:
    TVideoWinG(TResponderHost* window, TGr* background, TPal* paletteSource, i32 repaintPolicy,
               i32 dirtyPolicy);
    ~TVideoWinG() override;

    bool CreateBackBuffer() override;
    bool CreatePalette() override;
    bool CreateBufferDC() override;
    void InvalidateAll() override;
    void ReleaseBackBuffer() override;
    std::unique_ptr<TJorpPaintDC> NewPaintDC(TDC& dc) override;

protected:
    void RefreshBackBufferColours() override;

private:
    // Only a use this surface took is given back.
    bool HoldsWinG = false;
};

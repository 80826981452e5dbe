// A stand-in mode window and frame on the headless backend, for tests of what draws into a mode.
#pragma once

#include "engine/foundation/JorpOwner.h"
#include "engine/framework/ResponderHost.h"
#include "engine/media/ScreenMgr.h"
#include "platform/framework/window/FrameWindow.h"

#include <memory>
#include <vector>

// The mode window reduced to what a mode's picture needs: it owns the graphics, hosts the
// responders, counts frames, paints from its screen manager's surface and answers the palette
// messages as the game's mode window does.
class TStandInModeWindow : public TWindow, public TJorpOwner, public TResponderHost {
public:
    TStandInModeWindow();
    ~TStandInModeWindow() override;

    const u32* GetFrameCounter() const override { return &FrameCount; }
    bool IsHoldSet() const override { return false; }
    TJorpProgress* GetProgress() const override { return nullptr; }

    TResponderList* GetResponderList() const override;
    HWND GetResponderHandle() const override { return GetHandle(); }
    void SetResponderCursor(const TCursorData&) override {}

    // One frame: the counter moves and the surface renders.
    void BuildFrame();
    void Paint(TDC& dc, bool erase, TRect& rect) override;
    bool EvEraseBkgnd(TDC*) { return true; }
    bool EvQueryNewPalette();
    void EvPaletteChanged(HWND changer);

    TVideoWinG* Video() const { return ScreenMgr ? ScreenMgr->GetVideo() : nullptr; }

    std::unique_ptr<TJorpScreenMgr> ScreenMgr;
    u32 FrameCount = 0;
    int Paints = 0;

    DECLARE_RESPONSE_TABLE(TStandInModeWindow);
};

// The game frame's part in palette changes: it hears the broadcast and relays it to its client.
class TStandInFrame : public TFrameWindow {
public:
    explicit TStandInFrame(TStandInModeWindow* client);
    void EvPaletteChanged(HWND changer);

    std::vector<HWND> PaletteChanges;

    DECLARE_RESPONSE_TABLE(TStandInFrame);
};

// The media objects the application, frame, mode window and mode own, as narrow faces with the
// maker that builds them.
#pragma once

#include "engine/foundation/FileMode.h"
#include "engine/framework/CursorData.h"
#include "platform/framework/Geometry.h"
#include "platform/host/Types.h"

#include <memory>

class TDC;
class TFrameWindow;
class TJorpBase;
class TJorpOwner;
class TResponderHost;
class TResponderList;
class TWindow;

// The media library sits above this one; the framework holds its objects only through these
// faces, each with exactly the operations the framework calls, and the library installs
// the maker that builds them when the program starts.

// A graphic (palette or bitmap) read from a data file: an engine object whose flags and
// file mode the framework reads.
class TGraphicFace {
public:
    virtual ~TGraphicFace() = default;
    virtual TJorpBase& GetBase() = 0;
};

// A ".pal" palette graphic.
class TPalFace : public TGraphicFace {};

// A ".bmp" bitmap graphic, whose pixel rows the dissolve effect reads.
class TBmpFace : public TGraphicFace {
public:
    // The 8-bit rows inside the loaded image; null without an image.
    virtual const u8* GetBits() = 0;
    // The header's width and height; the height is negative for rows stored top-down. Both
    // 0 without a header.
    virtual i32 GetWidth() const = 0;
    virtual i32 GetHeight() const = 0;
};

// The video surface of a mode: its back buffer and its palette's realisation.
class TJorpVideoFace {
public:
    virtual ~TJorpVideoFace() = default;
    virtual void Paint(TDC& dc, bool erase, TRect& rect) = 0;
    virtual void RenderFrame() = 0;
    virtual bool ActivatePalette() = 0;
    virtual void DeactivatePalette(bool force) = 0;
};

// The screen manager of a mode: the video surface and the responder list it made.
class TJorpScreenMgrFace {
public:
    virtual ~TJorpScreenMgrFace() = default;
    // Either may be null while it could not be made.
    virtual TJorpVideoFace* GetVideo() = 0;
    virtual TResponderList* GetResponderList() = 0;
    virtual bool SetBackground(TGraphicFace* background) = 0;
    virtual bool SetPalette(TPalFace* palette) = 0;
};

// A device context on the whole screen.
class TJorpScreenDCFace {
public:
    virtual ~TJorpScreenDCFace() = default;
    virtual int GetDeviceCaps(int index) = 0;
};

// A window's device context with a palette made from a palette graphic selected into it in
// the foreground and realised; the destructor restores the old palette and releases both.
class TJorpPaletteDCFace {
public:
    virtual ~TJorpPaletteDCFace() = default;
    virtual void SetPixel(i32 x, i32 y, u32 colour) = 0;
};

// The frame's animated icon for its minimised window.
class TJorpAnimatedIconsFace {
public:
    virtual ~TJorpAnimatedIconsFace() = default;
    virtual bool StartTimer(TWindow* window) = 0;
    virtual void LoadIconIds() = 0;
    virtual void NextFrame(TFrameWindow* frame) = 0;
};

// The main frame's sound manager, as the frame and its mode windows reach it.
class TJorpSoundMgrFace {
public:
    virtual ~TJorpSoundMgrFace() = default;
    virtual void Activate() = 0;
    virtual void Deactivate() = 0;
    virtual void StopAll(bool notify) = 0;
    // The wave mixer's step of each frame and its purge of unused waves; nothing while there
    // is no wave mixer.
    virtual void PumpWaves() = 0;
    virtual void PurgeUnusedWaves() = 0;
    // The wave mixer's mute switch, which the sound command flips. Without a wave mixer (no
    // wave device) there is nothing to switch and nothing sounds.
    virtual bool HasWaveMixer() { return false; }
    virtual bool IsMuted() { return true; }
    virtual void SetMuted(bool) {}
};

// The application's cursor manager: prioritised slots, the first one set is the cursor shown.
class TCursorMgrFace {
public:
    virtual ~TCursorMgrFace() = default;
    // Stores the cursor in the slot and, when apply is set, shows the chosen one at once.
    virtual void SetCursorData(i32 slot, const TCursorData& cursor, bool apply) = 0;
    // The first of slots 0 to 3 that is set, else the arrow of slot 4.
    virtual const TCursorData& GetChosen() const = 0;
};

// Builds the media objects. Until a maker is installed the null maker stands in: it makes no
// graphic, surface, icon or sound manager (null), reads the screen's figures from the window
// system, and counts the WinG library as loaded.
class TMediaMaker {
public:
    virtual ~TMediaMaker() = default;

    // The maker the framework uses; null puts back the null maker.
    static void Install(TMediaMaker* maker);
    static TMediaMaker& Get();

    virtual std::unique_ptr<TPalFace> MakePal(TJorpOwner* owner, const TFileMode& file, bool load,
                                              bool keep);
    virtual std::unique_ptr<TBmpFace> MakeBmp(TJorpOwner* owner, const TFileMode& file, bool load,
                                              bool keep);
    // A one-colour bitmap of the rectangle (x, y, width, height) in that palette index.
    virtual std::unique_ptr<TGraphicFace> MakeBmpMono(TJorpOwner* owner, i16 x, i16 y, i16 width,
                                                      i16 height, u8 colour);
    // Makes the responder list on the window and the video surface, which sets itself up.
    virtual std::unique_ptr<TJorpScreenMgrFace>
    MakeScreenMgr(TResponderHost* window, TGraphicFace* background, TPalFace* palette);
    virtual std::unique_ptr<TJorpScreenDCFace> MakeScreenDC();
    virtual std::unique_ptr<TJorpPaletteDCFace> MakePaletteDC(TWindow* window, TPalFace* palette);
    virtual std::unique_ptr<TJorpAnimatedIconsFace> MakeAnimatedIcons();
    // The sound manager of the main frame window, made on it.
    virtual std::unique_ptr<TJorpSoundMgrFace> MakeSoundMgr(TWindow* frame);
    virtual bool LoadWinG();
    virtual void UnloadWinG(bool force);
};

// TJorpScreenMgr: one mode's video surface and responder list, found again by its window.
#pragma once

#include "platform/host/Types.h"

#include <memory>

class TGr;
class TJorpOwner;
class TPal;
class TResponderHost;
class TResponderList;
class TVideoWinG;

class TJorpScreenMgr {
public:
    // Makes the responder list and the surface (both rectangle lists merging), set up at once.
    TJorpScreenMgr(TResponderHost* window, TGr* background, TPal* palette);
    virtual ~TJorpScreenMgr();
    TJorpScreenMgr(const TJorpScreenMgr&) = delete;
    TJorpScreenMgr& operator=(const TJorpScreenMgr&) = delete;

    virtual bool CreateVideo(TResponderHost* window, TGr* background, TPal* palette);
    virtual bool DeleteVideo();
    virtual bool CreateResponders();
    virtual bool DeleteResponders();
    // False without a surface.
    virtual bool SetBackground(TGr* background);
    virtual bool SetPalette(TPal* palette);

    TVideoWinG* GetVideo() const { return Video.get(); }
    TResponderList* GetResponders() const { return Responders.get(); }
    TResponderHost* GetWindow() const { return Window; }

    // The screen manager serving the window that owns a graphic (the latest made, should a
    // window have more than one); null when there is none. Lower libraries only know the
    // owner, so this is how a graphic finds its surface.
    static TJorpScreenMgr* ForOwner(const TJorpOwner* owner);

private:
    TResponderHost* Window;
    std::unique_ptr<TVideoWinG> Video;
    std::unique_ptr<TResponderList> Responders;
};

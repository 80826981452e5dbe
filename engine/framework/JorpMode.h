// TJorpMode: what one mode window shows and runs, read from its mode file (".m"): background,
// palette, screen manager and game-object list.
#pragma once

#include "engine/foundation/JorpBase.h"
#include "platform/host/Types.h"

#include <memory>
#include <string>

class TGObjList;
class TGraphicFace;
class TJorpModeWindow;
class TJorpScreenMgrFace;
class TPalFace;

// Game types, by the names GameTypeFromName knows.
enum JorpGameType : i16 {
    JGT_NONE = 0,
    JGT_SLOTS = 1,
    JGT_KENO = 2,
    JGT_CRAPS = 3,
    JGT_ROULETTE = 4,
    JGT_VIDPOKER = 5,
    JGT_BJ = 6,
    JGT_POKER = 7,
};

// Reads versions 1.x (9-byte names), 2.0 (the objects listed in the mode file) and 2.1 (a list
// file of its own); always writes 2.1. Final: its loading constructor attaches the file itself.
class TJorpMode final : public TJorpBase {
public:
    // The mode from its file, loaded at once (not kept). The window's mode is this mode
    // before loading starts, so that what is made while loading reaches it.
    TJorpMode(TJorpModeWindow* window, const std::string& name, bool plain, u16 plainColour);
    // The default mode: a plain background and an empty list, no file.
    TJorpMode(TJorpModeWindow* window, bool plain, u16 plainColour);
    // Only named, for writing a mode file (given the extension ".m"): no window, and nothing
    // registered, loaded or made.
    TJorpMode(int unused, const TFileMode& mode);
    ~TJorpMode() override;

    bool ReadBody() override;
    bool WriteBody() override;
    bool SaveIfNeeded() override;
    std::string GetExtension() const override;
    void SetMajorVersion() override;
    void SetMinorVersion() override;
    const char* GetHeaderId() const override;

    // The window's check after the list has made its members.
    void CheckGameObjects();
    // Makes the palette again and hands it to the screen manager; false without a screen
    // manager or when no palette could be made.
    bool RefreshPalette();
    // The list named by the mode, or an empty one named after the mode file; nothing when
    // there is a list.
    void LoadGObjList();
    void AllocWindowObjects(i16 n);
    bool ChangeBackground(const TJorpFileName& name);
    void GameTypeFromName(const std::string& name);

    void CreatePalette();
    // False when a background exists already or the bitmap could not be loaded.
    bool LoadBackground();
    void CreateScreenMgr();
    void DeleteGObjList();
    void DeleteScreenMgr();
    void DeleteBackground();
    void DeletePalette();

    TJorpModeWindow* GetWindow() const { return Window; }
    TGObjList* GetGObjList() const { return GObjList; }
    // The list stores itself here when it is made, and takes itself out when it goes.
    void SetGObjList(TGObjList* list) { GObjList = list; }
    TGraphicFace* GetBackground() const { return Background.get(); }
    TPalFace* GetPalette() const { return Palette.get(); }
    TJorpScreenMgrFace* GetScreenMgr() const { return ScreenMgr.get(); }
    const std::string& GetBackgroundName() const { return BackgroundName; }
    void SetBackgroundName(const std::string& name) { BackgroundName = name; }
    i16 GetGameType() const { return GameType; }
    void SetGameType(i16 type) { GameType = type; }
    const std::string& GetGObjListName() const { return GObjListName; }
    void SetGObjListName(const std::string& name) { GObjListName = name; }
    bool IsPlain() const { return Plain; }

private:
    bool ReadObjectEntries(bool nineByteNames);
    bool ReadBackgroundName(bool nineByteName);

    TJorpModeWindow* Window;
    bool Plain;
    u16 PlainColour;
    TGObjList* GObjList = nullptr;
    std::unique_ptr<TGraphicFace> Background;
    std::unique_ptr<TPalFace> Palette;
    std::unique_ptr<TJorpScreenMgrFace> ScreenMgr;
    std::string BackgroundName;
    i16 GameType = JGT_NONE;
    std::string GObjListName;
};

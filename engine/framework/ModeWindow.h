// TJorpModeWindow: one screen of the game: it owns its mode, mode state and frame timer,
// builds the frames, routes input to the mode state and paints from the video surface.
#pragma once

#include "engine/foundation/JorpOwner.h"
#include "engine/framework/DetailLevelHost.h"
#include "engine/framework/ModeWindowApi.h"
#include "platform/framework/window/Window.h"
#include "platform/host/Types.h"

#include <memory>
#include <string>
#include <vector>

class TBmpFace;
class TGObjList;
class TGameLord;
class TGameObject;
class TJorpApp;
class TJorpGameFrameWindow;
class TJorpGroupGaugeDlg;
class TJorpMode;
class TCursorMgrFace;
class TJorpSoundMgrFace;
class TJorpTime;
class TJorpVideoFace;
class TModeState;
class TPalFace;
class TPlayerMgr;

// The frame interval, and the mode-window timer that drives everything.
constexpr u32 JorpFrameInterval = 167;
constexpr u32 JorpModeTimerId = 1;

// The game objects are the members of the mode's list; derived windows make the game lord
// and the seat players (CreateGameObject), keep the players in the object table and name the
// lord as the main game object.
class TJorpModeWindow : public TWindow,
                        public TJorpOwner,
                        public TModeWindowApi,
                        public TDetailLevelHost {
public:
    // The palette is the application's game palette, which every mode copies.
    TJorpModeWindow(TJorpApp* app, TJorpGameFrameWindow* frame, std::string modeName,
                    TPalFace* appPalette, std::string title);
    ~TJorpModeWindow() override;

    // Whether a mode window object at that address still exists.
    static bool IsLive(const TJorpModeWindow* window);

    bool IdleAction(long idleCount) override;
    bool CanClose() override;
    void Paint(TDC& dc, bool erase, TRect& rect) override;
    void GetWindowClass(WNDCLASS& wndClass) override;
    void SetupWindow() override;
    void CleanupWindow() override;

    // Virtual operations of the mode window, in slot order.
    virtual std::string GetDetFileName();
    virtual void OpenLoadDialog();
    virtual void CloseLoadDialog();
    virtual void FizzleScreen(TBmpFace* bitmap);
    virtual void PrepareGameObjects();
    virtual i32 GetMenuId();
    virtual TModule* GetApp();
    // Also what a sprite list asks of its owner after losing a sprite.
    void ResolveGameObjects() override;
    virtual void Activate();
    virtual void Deactivate();
    virtual void UpdateGameObjects();
    virtual bool CmQuitMode();
    i32 TestSkitCondition(u16 condition) override;
    virtual void InitOnce();
    virtual void InitOnceHook1();
    virtual void InitOnceHook2();
    void CheckGameObjects() override;
    bool CanActivateSprite(i16 object, i16 sprite, u32 key) override;
    bool UseSprite(i16 object, i16 sprite, u32 key) override;
    virtual bool UseSpriteNow(i16 object, i16 sprite);
    virtual bool IsSpriteInUse(i16 object, i16 sprite);
    virtual bool UseSkitNow(i16 object, i16 list, i16 skit);
    virtual bool UseSkit(i16 object, i16 list, i16 skit, u32 key);
    virtual void OnResume();
    virtual void FrameUpdate(u32 frame);
    virtual void CheckStopObjects(u32 frame);
    virtual void ModeStateFrameBegin(u32 frame);
    virtual void ModeStateUpdate(u32 frame);
    virtual void FrameBegin(u32 frame);
    virtual void UpdateStates(u32 frame);
    virtual void RenderAndPumpSound(u32 frame);
    virtual void CheckStartObjects(u32 frame);
    virtual void StepModeState();
    virtual void RunGameObjectStates();
    virtual void FreeGameObjectSetupData();
    void AllocObjectTable(i16 n) override;
    virtual void CreateMode();
    // A plain game object of the file, read now; index and data are not used.
    TGameObject* CreateGameObject(const TFileMode& file, i16 index, u32 data) override;
    // Also forgets the object as the main game object and in the object table.
    bool DeleteGameObject(TGameObject* object) override;
    virtual void CreateModeState();
    virtual void DeleteModeState();
    virtual void Resume();
    virtual i32 QueryGameLord(u64 value);

    // The faces the engine objects, states and dialogs see.
    const u32* GetFrameCounter() const override;
    bool IsHoldSet() const override { return Hold; }
    TJorpProgress* GetProgress() const override;
    TResponderList* GetResponderList() const override;
    HWND GetResponderHandle() const override { return GetHandle(); }
    void SetResponderCursor(const TCursorData& cursor) override;
    // False while paused or not ready, without a timer, or when no frame is due.
    bool FrameTick() override;
    i16 GetDetailLevel() const override { return DetailLevel; }
    void SetDetailLevel(i16 level) override;
    std::string GetSettingsSection() const override { return SettingsSection; }

    TGObjList* GetGObjList() const;
    i16 GetGameObjectIndex(const std::string& name) const override;
    u32 GetSkitLength(i16 object, i16 list, i16 skit) const;
    u32 GetSpriteDuration(i16 object, i16 sprite) const override;
    i16 GetSpriteIndex(i16 object, const std::string& name) const override;
    // Member n of the list, or null.
    TGameObject* GetGameObject(i16 n) const;
    // The game lord, while it is a member of the mode's list; null otherwise.
    TGameLord* GetMainGameObject() const;
    void SetMainGameObject(TGameLord* lord) { MainGameObject = lord; }
    TGameObject* GetObjectTableEntry(i16 n) const;
    TPlayerMgr* GetPlayerMgr() const override;
    bool CanChangePlayers() override;
    void OnPlayerActivated(i16 seat) override;
    void OnPlayerDeactivated(i16 seat) override;
    void OnAppActivate();
    void OnAppDeactivate();
    void ApplyCursor(const TCursorData& cursor, bool onlyIfOver);
    void PostCommandToMainWindow(u32 id);
    void SwitchToModeNumber(i16 n);
    void SwitchToModeName(const std::string& name);
    // Runs the scrolling message dialog over the window, paused when asked.
    void ShowScrollMessage(const std::string& caption, std::vector<std::string> lines, bool pause);
    [[noreturn]] void GObjSetupError(const std::string& text, const std::string& name);
    // The mode file could not be read: the same fatal path as an object that cannot be set up.
    [[noreturn]] void ModeSetupError(const std::string& name);
    void ReadDetailLevel();
    void WriteDetailLevel();

    // Handlers of the response table.
    void EvTimer(u32 timerId);
    void EvLButtonDown(u32 modKeys, const TPoint& point);
    void EvLButtonUp(u32 modKeys, const TPoint& point);
    void EvLButtonDblClk(u32 modKeys, const TPoint& point);
    void EvRButtonDown(u32 modKeys, const TPoint& point);
    void EvRButtonUp(u32 modKeys, const TPoint& point);
    void EvRButtonDblClk(u32 modKeys, const TPoint& point);
    void EvChar(u32 key, u32 repeatCount, u32 flags);
    bool EvSetCursor(HWND hWndCursor, u32 hitTest, u32 mouseMsg);
    bool EvEraseBkgnd(TDC* dc);
    void EvSetFocus(HWND hWndLostFocus);
    void EvKillFocus(HWND hWndGetFocus);
    void EvActivateApp(bool active, u32 threadId);
    bool EvQueryNewPalette();
    void EvPaletteChanged(HWND hWndPalChg);
    void CmHelp();
    void CmSpeedControl();

    TJorpMode* GetMode() const { return Mode; }
    // The mode stores itself here as it is made, and takes itself out when it goes.
    void SetMode(TJorpMode* mode) { Mode = mode; }
    TModeState* GetModeState() const { return ModeState; }
    TJorpTime* GetFrameTimer() const { return FrameTimer; }
    TJorpGameFrameWindow* GetFrame() const { return Frame; }
    TPalFace* GetAppPalette() const { return AppPalette; }
    const std::string& GetModeName() const { return ModeName; }
    bool IsActive() const { return Active; }
    bool IsReady() const { return Ready; }
    bool IsPaused() const { return Paused; }
    void SetPaused(bool paused) { Paused = paused; }
    bool WantsFizzle() const { return FizzleWanted; }
    void SetFizzleDone() { FizzleDone = true; }
    i16 GetObjectCount() const { return ObjectCount; }
    u32 GetHelpCommand() const { return HelpCommand; }
    u32 GetHelpData() const { return HelpData; }

protected:
    // The video surface of the mode, or null when any link to it is missing.
    TJorpVideoFace* GetVideo() const;
    // The frame's sound manager, or null.
    TJorpSoundMgrFace* GetSoundMgr() const;
    // The application's cursor manager; null when there is none.
    TCursorMgrFace* GetCursorMgr() const;
    // Sets a slot of the cursor manager and shows the chosen cursor; nothing without one.
    void SetCursorSlot(i32 slot, const TCursorData& cursor);
    // Clicks and keys count from the third frame after activation on, or from the first in a
    // window that takes them from its first frame.
    bool TakesInput() const;
    // A mode whose screen is ready for the player from the first frame it draws takes clicks
    // and keys from then on; the release of a press it did not take (one begun before that
    // frame, on what the screen showed before) is not taken.
    virtual bool TakesInputFromFirstFrame() const { return false; }

    TJorpApp* App;
    TJorpGameFrameWindow* Frame;
    TPalFace* AppPalette;
    i16 DetailLevel = 3;
    bool FirstActivationDone = false;
    bool PlainBackground = false;
    u16 PlainColour = 0;
    bool ShowBeforeLoading = true;
    bool Active = false;
    bool Hold = false;
    std::string SettingsSection = "Default";
    TJorpGroupGaugeDlg* ProgressDialog = nullptr;
    TJorpMode* Mode = nullptr;
    std::vector<TGameObject*> ObjectTable;
    TGameLord* MainGameObject = nullptr;
    TModeState* ModeState = nullptr;
    bool FizzleDone = false;
    bool FizzleWanted = false;
    bool Paused = false;
    bool Ready = false;
    u32 HelpCommand = 3;
    u32 HelpData = 0;
    TJorpTime* FrameTimer = nullptr;
    std::string ModeName;
    i16 ObjectCount = 0;

private:
    // Set while a timer message is being handled: a dialog opened from a frame or a state
    // step runs a loop that delivers timer messages, which must not start another step.
    bool InTimer = false;
    // Set when such a loop delivered a timer message during the current one, and when the
    // current one replaced the finished mode state: the next timer message must come at
    // its usual time, not rest until the next frame.
    bool TimerNested = false;
    bool StateReplaced = false;
    // The finished-state warning is shown once per window.
    bool WarnedStateDone = false;
    // The mouse buttons whose press the window took and whose release it has not seen: bit 0
    // the left, bit 1 the right.
    u8 PressesTaken = 0;
    // Notes a press taken, or the release of one; false for a release this window must not
    // take.
    bool FollowPress(u8 button, bool down);

    // Lets the mode timer skip its messages until the next frame is due.
    void RestUntilFrameDue();

    DECLARE_RESPONSE_TABLE(TJorpModeWindow);
};

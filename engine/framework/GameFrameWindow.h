// TJorpGameFrameWindow: the program's main window, whose client is the current mode window;
// it switches modes, fits itself to the game area and relays activation to the mode.
#pragma once

#include "engine/framework/PlayerMgrOwner.h"
#include "platform/framework/window/FrameWindow.h"
#include "platform/host/Types.h"

#include <memory>
#include <string>

class TCommandEnabler;
class TJorpAnimatedIconsFace;
class TJorpApp;
class TJorpMenuEnable;
class TJorpModeWindow;
class TJorpMsgPacket;
class TPlayerMgr;
class TJorpSoundMgrFace;
class TSplashDlg;

// Where the frame stands on the screen and how big it is.
struct TFramePlacement {
    i32 X = 0;
    i32 Y = 0;
    i32 W = 0;
    i32 H = 0;
};

// The sound manager is the media maker's; without one (the null maker) every sound step is
// skipped.
class TJorpGameFrameWindow : public TFrameWindow, public TPlayerMgrOwner {
public:
    TJorpGameFrameWindow(TJorpApp* app, const std::string& title, bool shrinkToClient,
                         bool applyStyle);
    ~TJorpGameFrameWindow() override;

    void SetupWindow() override;
    void CleanupWindow() override;
    void GetWindowClass(WNDCLASS& wndClass) override;
    bool CanClose() override;

    // Virtual operations of the engine frame, in slot order.
    virtual void CreateMenuEnable();
    virtual void DeleteMenuEnable();
    virtual bool OnEnterMenuLoop(bool popup);
    virtual bool OnExitMenuLoop(bool popup);
    virtual void CreatePlayerMgr();
    virtual void ShowSplash();
    virtual void CloseSplash();
    virtual void Slot23();
    virtual u32 GetMenuId();
    virtual TModule* GetMenuModule();
    virtual void CmAskTheExpert(const std::string& advice, bool pause);
    virtual bool InitFrame();
    virtual bool DoneFrame();
    virtual void LoadWinG();
    virtual void UnloadWinG();
    virtual void CreateSoundMgr();
    virtual void PrepareModeObjects();
    virtual void SetStartupModeId();
    virtual void SetStartupModeLoaded();
    virtual void ChooseStartupMode();
    virtual void StartUpMode();
    virtual TJorpModeWindow* CreateModeWindow(i16 mode);
    virtual void EvEngineMessage(TJorpMsgPacket& packet);
    virtual void EvSwitchModesMessage(TJorpMsgPacket& packet);
    virtual void SwitchModes(TJorpMsgPacket& packet);
    virtual void SwitchModesCustom(TJorpMsgPacket packet);
    virtual void UnhandledSwitchModes(u16 lo, u16 hi);
    virtual bool CanSwitchMode();
    // True when the switch happened; false when the old window refused to close.
    virtual bool DoSwitchMode(bool create, i16 mode, u16 extra);
    virtual void DetachModeWindow();
    virtual void DestroyOldModeWindow(bool create, i16 mode, u16 extra);
    virtual TJorpModeWindow* MakeModeWindow(bool create, i16 mode, u16 extra);
    virtual void AttachModeWindow(TWindow* window);
    virtual void StartModeWindow(bool create, i16 mode, u16 extra);

    void SetFrameStyle();
    void SetAppIcon();
    void InitExtra();
    // True when mode n is showing afterwards: switched to, or showing already (a request
    // for the mode on screen changes nothing). False for a mode the game does not have or
    // when the current window refuses to close.
    bool SwitchToMode(i16 n);
    bool IsValidMode(i16 n) const;
    void CmExit();
    void CmPlayerMgr();
    std::string GetDataDirectory() const;
    void LoadMenu();
    bool AssignGameMenu(u32 resId, TModule* module);
    void ApplyCursor(TModule* module, u32 cursorId, bool onlyIfOver);
    void SetMenuVisible(bool shown);
    void OnAppActivate(bool soundOnly);
    void OnAppDeactivate(bool soundOnly);
    void GetScreenSize(i32& width, i32& height) const;
    // The placement that centres the game area on the screen.
    TFramePlacement ComputePlacement() const;
    void CheckScreenFit();

    // Handlers of the response table.
    LRESULT EvUser(WPARAM wp, LPARAM lp);
    void EvEnterMenuLoop(bool isTrackPopupMenu);
    void EvExitMenuLoop(bool isTrackPopupMenu);
    void EvGetMinMaxInfo(MINMAXINFO& info);
    void CmEscape();
    void CmHDBuffering();
    void CeHDBuffering(TCommandEnabler& ce);
    void EvActivate(u32 active, bool minimized, HWND hWndOther);
    void EvSetFocus(HWND hWndLostFocus);
    void EvKillFocus(HWND hWndGetFocus);
    void EvPaletteChanged(HWND hWndPalChg);
    bool EvQueryNewPalette();
    void EvSize(u32 sizeType, const TSize& size);
    void EvTimer(u32 timerId);
    void EvCompacting(u32 compactRatio);
    void EvActivateApp(bool active, u32 threadId);
    bool EvEraseBkgnd(TDC* dc);
    void EvTimeChange();

    // The player manager's boxes and its way to the mode window.
    void ShowPlayerMessage(const std::string& text, const std::string& caption) override;
    bool AskPlayer(const std::string& text, const std::string& caption) override;
    TModeWindowApi* GetCurrentModeWindow() const override;
    TPlayerMgr* GetPlayerMgr() const { return PlayerMgr.get(); }

    TJorpApp* GetJorpApp() const { return App; }
    TJorpModeWindow* GetModeWindow() const { return ModeWindow; }
    TJorpMenuEnable* GetMenuEnable() const { return MenuEnable; }
    // Null until made, and after the window's clean-up.
    TJorpSoundMgrFace* GetSoundMgr() const { return SoundMgr.get(); }
    TSplashDlg* GetSplash() const { return Splash; }
    i16 GetStartupMode() const { return StartupMode; }
    void SetStartupMode(i16 mode) { StartupMode = mode; }
    // The number of the mode on screen; -1 for none or the default mode.
    i16 GetShowingMode() const { return ShowingMode; }
    bool IsMenuShown() const { return MenuShown; }
    bool IsSmallScreen() const { return SmallScreen; }
    bool IsMinimised() const { return Minimised; }
    bool IsAppActive() const { return AppActive; }
    bool IsInMenuLoop() const { return InMenuLoop; }
    bool IsInitialised() const { return Initialised; }
    // The one-shot request for the dissolve effect on the next background; nothing sets it.
    bool TakeFizzleOnce();

protected:
    TJorpApp* App;
    TJorpMenuEnable* MenuEnable = nullptr;
    TJorpModeWindow* ModeWindow = nullptr;
    TWindow* OldClient = nullptr;
    TSplashDlg* Splash = nullptr;
    std::unique_ptr<TJorpAnimatedIconsFace> AnimatedIcons;
    std::unique_ptr<TPlayerMgr> PlayerMgr;
    std::unique_ptr<TJorpSoundMgrFace> SoundMgr;
    i16 StartupMode = -1;
    bool AnimateIcon = false;
    bool MenuShown = false;
    bool SmallScreen = true;
    bool Minimised = false;
    bool ShakeOnRestore = false;
    bool AppActive = false;
    bool Initialised = false;
    bool InMenuLoop = false;
    bool DerivedFlag = false;
    bool StartupModeDone = false;
    bool StartupModeLoaded = false;
    bool StartupModeIdSet = false;
    bool StartupModeChosen = false;
    u16 StartupModeResource = 0;
    u8 DerivedByte = 0;
    bool FizzleOnce = false;

private:
    void Shake();
    // The client size the placement centres: the mode window's, else the game area's.
    void GetClientSize(i32& width, i32& height) const;

    i16 ShowingMode = -1;

    DECLARE_RESPONSE_TABLE(TJorpGameFrameWindow);
};

// TCasinoGameFrameWindow: the main window of every casino game: its File, Options and Help
// commands, the gamblers, mode switching by number and by name, and the show-intro setting.
#pragma once

#include "engine/framework/BitmapDlg.h"
#include "engine/framework/GameFrameWindow.h"
#include "platform/framework/ResponseTable.h"
#include "resources/Resources.h"

#include <string>

class TCasinoMenuEnable;
class TDialog;

class TCasinoGameFrameWindow : public TJorpGameFrameWindow {
public:
    // The show-intro flag is read from the settings at once; with complete set the frame's
    // style and icon are applied. No start-up mode is chosen yet.
    TCasinoGameFrameWindow(TJorpApp* app, const std::string& title, bool shrinkToClient,
                           bool complete);
    ~TCasinoGameFrameWindow() override;

    void CreateMenuEnable() override;
    void CreatePlayerMgr() override;
    // Null or unchanged for a number that is not one of the game's modes.
    TJorpModeWindow* CreateModeWindow(i16 mode) override;

    virtual u16 GetAboutBitmapId();
    // Boxes "Switch Mode" for a number that is not a mode, and for a switch that failed (then
    // the start-up mode is tried). True when mode n is showing afterwards.
    virtual bool SwitchMode(i16 n);
    virtual bool SwitchModeByName(const std::string& name);

    // -1 for a name the game does not list; empty for a number it does not have.
    i16 GetModeIndex(const std::string& name) const;
    std::string GetModeName(i16 n) const;
    // [Intro] Show: a value that is not a number takes the default, on.
    void ReadShowIntro();
    // False when the settings file could not take it; the flag holds for this run anyway.
    bool WriteShowIntro();
    bool GetShowIntro() const { return ShowIntro; }
    const std::string& GetIntroModeName() const { return IntroModeName; }
    TCasinoMenuEnable* GetCasinoMenuEnable() const;

    // Shows the application's bitmap over the paused game; nothing when the bitmap is not
    // among the program's. True when the dialog ran.
    bool ShowBitmapDialog(u32 bitmapId, u16 flags = BDF_SIZETOBITMAP, u32 resId = IDD_BITMAP);

    // Handlers and enablers of the response table.
    void CePlayerMgr(TCommandEnabler& ce);
    void CeExit(TCommandEnabler& ce);
    void CmSound();
    void CeSound(TCommandEnabler& ce);
    void CmMusic();
    void CeMusic(TCommandEnabler& ce);
    void CmHelpContents();
    void CeHelpContents(TCommandEnabler& ce);
    void CmAbout();
    void CeAbout(TCommandEnabler& ce);
    void CmCredits();
    void CeCredits(TCommandEnabler& ce);
    void CmToggleShowIntro();
    void CeToggleShowIntro(TCommandEnabler& ce);

protected:
    // Runs the dialog modally over a paused, silent game; a pause already in force stays.
    void RunPaused(TDialog& dialog);
    void Say(const std::string& text, const std::string& caption, u32 type = MB_OK);

    // The game's frame fills it with its intro mode's file name.
    std::string IntroModeName;
    bool ShowIntro = true;

    DECLARE_RESPONSE_TABLE(TCasinoGameFrameWindow);
};

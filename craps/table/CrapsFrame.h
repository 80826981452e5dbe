// TCasOTCrapsGFW: the craps program's main window: it chooses the first mode, makes the
// intro's and the table's mode windows, and answers "Go To &Craps" and the credits.
#pragma once

#include "casino/CasinoGameFrameWindow.h"

class TOTCrapsMenuEnable;

class TCasOTCrapsGFW : public TCasinoGameFrameWindow {
public:
    // The mode-file string ids the menu enabler records for the mode on screen.
    static constexpr u16 IntroModeId = 10067;
    static constexpr u16 CrapsModeId = 10003;
    static constexpr u16 DefaultModeId = 0xFFFF;

    TCasOTCrapsGFW(TJorpApp* app, const std::string& title);
    ~TCasOTCrapsGFW() override;

    void CreateMenuEnable() override;
    u32 GetMenuId() override;
    void SetStartupModeId() override;
    void SetStartupModeLoaded() override;
    void ChooseStartupMode() override;
    // A first mode the game file does not list ends the program, naming the mode file.
    TJorpModeWindow* CreateModeWindow(i16 mode) override;
    u16 GetAboutBitmapId() override;
    // A failed switch falls back to the table.
    bool SwitchMode(i16 n) override;
    bool SwitchModeByName(const std::string& name) override;

    TOTCrapsMenuEnable* GetCrapsMenuEnable() const;
    const std::string& GetCrapsModeName() const { return CrapsModeName; }
    i16 GetIntroMode() const { return IntroMode; }
    i16 GetCrapsMode() const { return CrapsMode; }

    void CmGoToCraps();
    void CeGoToCraps(TCommandEnabler& ce);
    // The credits picture over the paused game; nothing while the program has no picture.
    void CmViewCredits();
    void CeViewCredits(TCommandEnabler& ce);

private:
    std::string CrapsModeName;
    i16 IntroMode = -1;
    i16 CrapsMode = -1;

    DECLARE_RESPONSE_TABLE(TCasOTCrapsGFW);
};

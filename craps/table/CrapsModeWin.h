// TCrapsModeWin: the mode window of a craps table (its settings, help, menu and betting
// options); TC1ModeWin: table 1's, which makes the table's lord and seat players.
#pragma once

#include "casino/CasinoModeWin.h"

class TCrapsModeWin : public TCasinoModeWin {
public:
    TCrapsModeWin(TJorpApp* app, TJorpGameFrameWindow* frame, std::string modeName,
                  TPalFace* appPalette, std::string title);
    ~TCrapsModeWin() override;

    std::string GetDetFileName() override;
    i32 GetMenuId() override;
    // The table looks ready to bet on from its first frame: a click or key made then counts,
    // held until the rounds can take it.
    bool TakesInputFromFirstFrame() const override { return true; }

    // The current seat's gambler sets his options over the paused, silent game.
    void CmBetOptions();
    void CeBetOptions(TCommandEnabler& enabler);

private:
    DECLARE_RESPONSE_TABLE(TCrapsModeWin);
};

class TC1ModeWin : public TCrapsModeWin {
public:
    using TCrapsModeWin::TCrapsModeWin;
    ~TC1ModeWin() override;

    // The table's four files by their exact names (the lord, then seats 0 to 2); any other
    // name, a different case included, is a plain game object.
    TGameObject* CreateGameObject(const TFileMode& file, i16 index, u32 data) override;
};

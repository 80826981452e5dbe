// TDetailLevelDlg: the game-speed dialog, four levels as radio buttons.
#pragma once

#include "platform/framework/dialogs/Dialog.h"

class TDetailLevelHost;
class TRadioButton;

class TDetailLevelDlg : public TDialog {
public:
    TDetailLevelDlg(TWindow* parent, TDetailLevelHost* window);

    // Titles itself after the window's settings section and checks the window's level.
    void SetupWindow() override;
    // Sets the window's level from the checked button, then closes with IDOK. Esc leaves
    // the level as it was.
    void CmOk();

    TRadioButton* GetRadio(int level) const;

private:
    // Richest (3), Rich (2), Fast (1), Fastest (0): controls 101 to 104.
    TRadioButton* Radios[4] = {};
    TDetailLevelHost* Window = nullptr;

    DECLARE_RESPONSE_TABLE(TDetailLevelDlg);
};

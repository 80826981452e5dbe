// TWarnMsgDlg and ShowWarnMsg: a warning with a "Don't show again" box whose answer is kept
// in the settings file.
#pragma once

#include "JorpDialog.h"

#include <string>

class TCheckBox;
class TStatic;

class TWarnMsgDlg : public TJorpDialog {
public:
    // No parent: centred on the screen.
    TWarnMsgDlg(const std::string& text, const std::string& caption);

    void SetupWindow() override;
    // Notes the box's answer, then closes with IDOK.
    void CmOk();

    // False once the dialog was closed with OK and the box ticked.
    bool GetShowAgain() const { return ShowAgain; }

private:
    bool ShowAgain = true;
    std::string Text;
    std::string Caption;
    TStatic* MessageStatic = nullptr;
    TCheckBox* DontShowCheck = nullptr;

    DECLARE_RESPONSE_TABLE(TWarnMsgDlg);
};

// Shows the warning modally; when store is set and the engine has its settings object,
// writes the answer as warning flag n (1 keeps showing it, 0 silences it). Returns true.
bool ShowWarnMsg(const std::string& text, const std::string& caption, int n, bool store);

// TGamblerMsgDlg: the gambler dialogs' messages, a caption and a text with one button.
#pragma once

#include "engine/framework/JorpDialog.h"

#include <string>

class TStatic;

class TGamblerMsgDlg : public TJorpDialog {
public:
    TGamblerMsgDlg(TWindow* parent, const std::string& caption, const std::string& message);

    void SetupWindow() override;

private:
    // Sizes the box, its rule and its button to the message's lines.
    void FitToMessage();

    std::string Caption;
    std::string Message;
    TStatic* MessageStatic;
};

// A text of the gambler dialogs' string table; empty when it is missing.
std::string GamblerString(u32 id);

// Shows the message modally over the parent.
void ShowGamblerMsg(TWindow* parent, const std::string& caption, const std::string& message);

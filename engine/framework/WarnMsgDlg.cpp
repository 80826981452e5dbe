// TWarnMsgDlg: the message, the box, and the answer stored for next time.
#include "WarnMsgDlg.h"

#include "resources/Resources.h"

#include "engine/foundation/EngineContext.h"
#include "engine/foundation/JorpIniFile.h"

#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/Static.h"

DEFINE_RESPONSE_TABLE1(TWarnMsgDlg, TJorpDialog)
EV_COMMAND(IDOK, CmOk), END_RESPONSE_TABLE;

TWarnMsgDlg::TWarnMsgDlg(const std::string& text, const std::string& caption)
    : TJorpDialog(nullptr, IDD_WARNING, true), Text(text), Caption(caption),
      MessageStatic(new TStatic(this, 103)), DontShowCheck(new TCheckBox(this, 101)) {}

void TWarnMsgDlg::SetupWindow() {
    TJorpDialog::SetupWindow();
    SetCaption(Caption.c_str());
    MessageStatic->SetText(Text.c_str());
    DontShowCheck->SetCheck(BF_UNCHECKED);
}

void TWarnMsgDlg::CmOk() {
    ShowAgain = DontShowCheck->GetCheck() == BF_UNCHECKED;
    TDialog::CmOk();
}

bool ShowWarnMsg(const std::string& text, const std::string& caption, int n, bool store) {
    TWarnMsgDlg dialog(text, caption);
    dialog.Execute();
    if (store && TEngineContext::Settings != nullptr)
        TEngineContext::Settings->SetWarningFlag(n, dialog.GetShowAgain());
    return true;
}
